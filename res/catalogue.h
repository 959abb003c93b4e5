#pragma once

#include <string>
#include <string_view>

#include "res/text_ids.h"

// The languages the program speaks: one catalogue of texts each, compiled in from po/ at build
// time (po/zh_CN.po, po/en.po...), and the language spoken in this run. Languages are
// numbered 0 .. LanguageCount() - 1.

int LanguageCount();
// The catalogue's code, as its file in po/ is named: "en", "zh_CN".
std::string_view LanguageCode(int language);
// Chinese, the game's own language, spoken when the player's system names none of the others.
int DefaultLanguage();
// Whether the language has help pages of its own: the default language's lie in help/, every
// other language's in help/<code>/.
bool HasHelpPages(int language);

// Speaks texts in language texts and opens the help pages of language helpPages (one with
// pages of its own) from now on. Called once at start-up, before any window opens; until then
// the default language is spoken. Out-of-range numbers leave the choice as it was.
void UseLanguage(int texts, int helpPages);
int TextLanguage();
int HelpLanguage();

// The text in the language of this run, and in a given language.
std::string_view Text(TextId id);
std::string_view TextIn(int language, TextId id);

// The text, in the language of this run, with its "%.0lf" replaced by the score written as
// "%.0lf" writes it. The text itself is never used as a format.
std::string TextWithScore(TextId id, double score);
