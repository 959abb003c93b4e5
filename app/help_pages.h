#pragma once

#include <string>
#include <string_view>

// The pages that ship with the program, in the folder "help" of its data folder: beside its
// executable, or for an installed program in ../share/vandrel (FindInstallLayout).
inline constexpr std::string_view INSTRUCTIONS_PAGE = "help/instructions.html";
inline constexpr std::string_view CONTACT_PAGE = "help/contact.html";

// The file:// address of a file at path (absolute, UTF-8). Every byte other than an ASCII
// letter, digit, '/' or one of "-._~" is written as %XX, so spaces, '#', '?' and non-ASCII
// names survive the trip to the browser. A drive's colon stays: C:/a.html gives file:///C:/a.html.
std::string FileUrl(std::string_view path);
