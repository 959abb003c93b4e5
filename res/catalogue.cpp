#include "res/catalogue.h"

#include <cstdio>

#include "res/catalogue_data.h"

namespace {

// The language of this run, set once at start-up before any window opens and only read after.
int s_textLanguage = DEFAULT_LANGUAGE;
int s_helpLanguage = DEFAULT_LANGUAGE;

bool IsLanguage(int language) { return language >= 0 && language < LANGUAGE_COUNT; }

}  // namespace

int LanguageCount() { return LANGUAGE_COUNT; }

std::string_view LanguageCode(int language) {
  return IsLanguage(language) ? CATALOGUES[language].code : std::string_view();
}

int DefaultLanguage() { return DEFAULT_LANGUAGE; }

bool HasHelpPages(int language) { return IsLanguage(language) && CATALOGUES[language].helpPages; }

void UseLanguage(int texts, int helpPages) {
  if (IsLanguage(texts)) s_textLanguage = texts;
  if (HasHelpPages(helpPages)) s_helpLanguage = helpPages;
}

int TextLanguage() { return s_textLanguage; }

int HelpLanguage() { return s_helpLanguage; }

std::string_view Text(TextId id) { return TextIn(s_textLanguage, id); }

std::string_view TextIn(int language, TextId id) {
  if (!IsLanguage(language) || id < 0 || id >= TEXT_COUNT) return {};
  return CATALOGUES[language].texts[id];
}

std::string TextWithScore(TextId id, double score) {
  constexpr std::string_view SCORE_DIRECTIVE = "%.0lf";
  std::string text(Text(id));
  const std::size_t at = text.find(SCORE_DIRECTIVE);
  if (at == std::string::npos) return text;
  char number[400];  // "%.0lf" of the largest score has 309 digits
  std::snprintf(number, sizeof number, "%.0lf", score);
  return text.replace(at, SCORE_DIRECTIVE.size(), number);
}
