#pragma once

#include <string>
#include <string_view>

// The pages that ship with the program, in the folder "help" of its data folder: beside its
// executable, or for an installed program in ../share/vandrel (FindInstallLayout). The
// default language's pages lie in help/ itself, every other language's in help/<code>/.
inline constexpr std::string_view INSTRUCTIONS_PAGE = "instructions.html";
inline constexpr std::string_view CONTACT_PAGE = "contact.html";

// The path of page in the language of this run's help pages (HelpLanguage), relative to the
// data folder: "help/instructions.html", "help/en/instructions.html".
std::string ShippedPagePath(std::string_view page);

// The file:// address of a file at path (absolute, UTF-8). Every byte other than an ASCII
// letter, digit, '/' or one of "-._~" is written as %XX, so spaces, '#', '?' and non-ASCII
// names survive the trip to the browser. A drive's colon stays: C:/a.html gives file:///C:/a.html.
std::string FileUrl(std::string_view path);
