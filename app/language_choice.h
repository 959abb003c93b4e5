#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"

// The language of a run is chosen once, at start-up, from a list of candidates in the order
// the player prefers them: --lang first, then what the system names (each back end supplies
// its own list). The first candidate the program has a catalogue for wins; when none has one,
// the game speaks Chinese, as it always has.

// Languages numbered as in res/catalogue.h; a test of which of them may be chosen.
using LanguageOffer = std::function<bool(int language)>;

// The language a candidate names, if one offered serves it. A candidate is a locale or a
// language tag as systems write them, in any case: "en_GB.UTF-8", "en-GB", "de_DE@euro",
// "zh-Hans-CN", "en". It matches a language of the same language and region, else the language
// alone ("en_GB" finds "en"), else the first of the same language with a region ("zh" finds
// "zh_CN"). "C" and "POSIX", the locale of programs left untranslated, ask for the program's
// own language, Chinese; an empty candidate names none.
std::optional<int> MatchLanguage(std::string_view candidate, const LanguageOffer& offered);

// The first candidate's match, else the default language.
int ChooseLanguage(std::span<const std::string> candidates, const LanguageOffer& offered);

// The languages the environment names, in order, as gettext reads them: the colon-separated
// list of LANGUAGE, then the first of LC_ALL, LC_MESSAGES and LANG that is set and not empty.
// get reads one environment variable and gives null when it is not set (std::getenv). On
// Windows too these come before the system's display languages, as for gettext's programs.
std::vector<std::string> EnvironmentLanguages(const std::function<const char*(const char*)>& get);

// Chooses this run's language from line's --lang, then systemLanguages, for the texts and for
// the help pages alike (a language without pages of its own falls through to the next
// candidate that has some). Call once, before any window opens.
void UseLanguageOf(const CommandLine& line, std::vector<std::string> systemLanguages);
