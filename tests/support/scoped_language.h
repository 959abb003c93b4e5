#pragma once

#include <string_view>

#include "res/catalogue.h"

// Speaks the language with this code (texts and help pages) for the life of the object, and
// the language spoken before after it.
class ScopedLanguage {
 public:
  explicit ScopedLanguage(std::string_view code)
      : m_texts(TextLanguage()), m_help(HelpLanguage()) {
    for (int language = 0; language < LanguageCount(); ++language) {
      if (LanguageCode(language) == code) UseLanguage(language, language);
    }
  }
  ~ScopedLanguage() { UseLanguage(m_texts, m_help); }
  ScopedLanguage(const ScopedLanguage&) = delete;
  ScopedLanguage& operator=(const ScopedLanguage&) = delete;

 private:
  int m_texts;
  int m_help;
};
