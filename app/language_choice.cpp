#include "app/language_choice.h"

#include "res/catalogue.h"

namespace {

struct LanguageTag {
  std::string language;  // lower case: "en", "zh"
  std::string region;    // upper case, or empty: "GB", "CN"
};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// "en_GB.UTF-8", "zh-Hans-CN", "de_DE@euro": the language and the region; a script ("Hans")
// is passed over. Encoding and modifier are no part of the language.
LanguageTag TagOf(std::string_view text) {
  text = text.substr(0, text.find_first_of(".@"));
  LanguageTag tag;
  std::size_t part = 0;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("_-");
    const std::string_view piece = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (part++ == 0) {
      for (const char c : piece) tag.language += Lower(c);
    } else if (piece.size() == 2 || piece.size() == 3) {
      for (const char c : piece) tag.region += Upper(c);
      break;
    }
  }
  return tag;
}

// The first offered language for which same(candidate, language's own tag) holds.
std::optional<int> FirstOffered(const LanguageOffer& offered, const auto& same) {
  for (int language = 0; language < LanguageCount(); ++language) {
    if (offered(language) && same(TagOf(LanguageCode(language)))) return language;
  }
  return std::nullopt;
}

}  // namespace

std::optional<int> MatchLanguage(std::string_view candidate, const LanguageOffer& offered) {
  const LanguageTag wanted = TagOf(candidate);
  if (wanted.language.empty()) return std::nullopt;
  if (wanted.language == "c" || wanted.language == "posix") return DefaultLanguage();
  const auto sameLanguage = [&](const LanguageTag& tag) { return tag.language == wanted.language; };
  if (auto exact = FirstOffered(offered, [&](const LanguageTag& tag) {
        return sameLanguage(tag) && tag.region == wanted.region;
      })) {
    return exact;
  }
  if (auto alone = FirstOffered(offered, [&](const LanguageTag& tag) {
        return sameLanguage(tag) && tag.region.empty();
      })) {
    return alone;
  }
  return FirstOffered(offered, sameLanguage);
}

int ChooseLanguage(std::span<const std::string> candidates, const LanguageOffer& offered) {
  for (const std::string& candidate : candidates) {
    if (const std::optional<int> language = MatchLanguage(candidate, offered)) return *language;
  }
  return DefaultLanguage();
}

std::vector<std::string> EnvironmentLanguages(const std::function<const char*(const char*)>& get) {
  std::vector<std::string> languages;
  if (const char* list = get("LANGUAGE")) {
    std::string_view rest = list;
    while (!rest.empty()) {
      const std::size_t colon = rest.find(':');
      if (colon != 0) languages.emplace_back(rest.substr(0, colon));
      rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
  }
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = get(variable);
    if (value != nullptr && *value != '\0') {
      languages.emplace_back(value);
      break;
    }
  }
  return languages;
}

void UseLanguageOf(const CommandLine& line, std::vector<std::string> systemLanguages) {
  if (!line.language.empty()) systemLanguages.insert(systemLanguages.begin(), line.language);
  UseLanguage(ChooseLanguage(systemLanguages, [](int) { return true; }),
              ChooseLanguage(systemLanguages, HasHelpPages));
}
