// Which language a run speaks: the candidates a system names, how each finds a catalogue, and
// the start-up choice from --lang and the system's list.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/language_choice.h"
#include "res/catalogue.h"
#include "tests/support/scoped_language.h"

namespace {

int LanguageNamed(std::string_view code) {
  for (int language = 0; language < LanguageCount(); ++language) {
    if (LanguageCode(language) == code) return language;
  }
  return -1;
}

const LanguageOffer kEvery = [](int) { return true; };

std::string Chosen(std::vector<std::string> candidates, const LanguageOffer& offered = kEvery) {
  return std::string(LanguageCode(ChooseLanguage(candidates, offered)));
}

TEST(LanguageChoice, TheFirstCandidateWithACatalogueWinsElseChinese) {
  ASSERT_EQ(LanguageCode(DefaultLanguage()), "zh_CN");
  EXPECT_EQ(Chosen({}), "zh_CN");
  EXPECT_EQ(Chosen({"en"}), "en");
  EXPECT_EQ(Chosen({"en_GB.UTF-8"}), "en") << "a region falls back to the language alone";
  EXPECT_EQ(Chosen({"EN-us"}), "en") << "any case, either separator";
  EXPECT_EQ(Chosen({"en_US@euro"}), "en");
  EXPECT_EQ(Chosen({"zh_CN.GB18030"}), "zh_CN");
  EXPECT_EQ(Chosen({"zh-Hans-CN"}), "zh_CN") << "a script is passed over";
  EXPECT_EQ(Chosen({"zh", "en"}), "zh_CN") << "a language alone finds its regional catalogue";
  EXPECT_EQ(Chosen({"fr_FR", "de", "en_AU", "zh_CN"}), "en") << "languages without one fall through";
  EXPECT_EQ(Chosen({"", "en"}), "en");
  EXPECT_EQ(Chosen({"C.UTF-8", "en"}), "zh_CN") << "C, untranslated, is the game's own language";
  EXPECT_EQ(Chosen({"POSIX"}), "zh_CN");
  EXPECT_EQ(Chosen({"fr", "de_DE"}), "zh_CN") << "nothing matches: Chinese";
  // Help pages are chosen the same way among the languages that have some.
  const int english = LanguageNamed("en");
  EXPECT_EQ(Chosen({"en", "fr"}, [&](int language) { return language != english; }), "zh_CN");
}

TEST(LanguageChoice, TheEnvironmentNamesLanguageListFirstThenTheFirstLocaleSet) {
  std::map<std::string, std::string> environment;
  const auto get = [&](const char* name) -> const char* {
    const auto found = environment.find(name);
    return found == environment.end() ? nullptr : found->second.c_str();
  };
  EXPECT_TRUE(EnvironmentLanguages(get).empty());
  environment = {{"LANG", "de_DE.UTF-8"}};
  EXPECT_EQ(EnvironmentLanguages(get), (std::vector<std::string>{"de_DE.UTF-8"}));
  environment = {{"LANGUAGE", "fr:en_GB::de"}, {"LC_ALL", ""}, {"LC_MESSAGES", "pt_BR.UTF-8"},
                 {"LANG", "C.UTF-8"}};
  EXPECT_EQ(EnvironmentLanguages(get), (std::vector<std::string>{"fr", "en_GB", "de", "pt_BR.UTF-8"}))
      << "an empty LC_ALL counts as unset; LANG stands behind LC_MESSAGES";
  environment = {{"LANGUAGE", ""}, {"LC_ALL", "en_US.UTF-8"}, {"LANG", "zh_CN.UTF-8"}};
  EXPECT_EQ(EnvironmentLanguages(get), (std::vector<std::string>{"en_US.UTF-8"}));
}

TEST(LanguageChoice, TheCommandLineComesBeforeTheSystemAndHelpPagesFollowTheTexts) {
  ScopedLanguage restore("zh_CN");
  CommandLine line;
  UseLanguageOf(line, {"en_GB.UTF-8"});
  EXPECT_EQ(LanguageCode(TextLanguage()), "en");
  EXPECT_EQ(LanguageCode(HelpLanguage()), "en");
  EXPECT_EQ(Text(TEXT_BUTTON_OK), "OK");

  line.language = "zh_CN";
  UseLanguageOf(line, {"en"});
  EXPECT_EQ(LanguageCode(TextLanguage()), "zh_CN");
  EXPECT_EQ(Text(TEXT_BUTTON_OK), "确定");

  line.language = "xx";  // no such catalogue: the system's list decides
  UseLanguageOf(line, {"en"});
  EXPECT_EQ(LanguageCode(TextLanguage()), "en");

  UseLanguageOf(CommandLine{}, {"C"});
  EXPECT_EQ(LanguageCode(TextLanguage()), "zh_CN");
  EXPECT_EQ(LanguageCode(HelpLanguage()), "zh_CN");
}

}  // namespace
