// The desktop program's command line: what it asks for, and what it prints and returns.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "res/menu.h"
#include "res/resource_ids.h"

namespace {

CommandLine Parse(std::vector<std::string> args) { return ParseCommandLine(args); }

TEST(CommandLine, ReadsALanguageASeedAndOneSavedGameAndRefusesTheRest) {
  const CommandLine play = Parse({"--lang", "en_GB", "--seed", "4294967295", "我的 局.flm"});
  EXPECT_EQ(play.action, CommandLine::Action::Play);
  EXPECT_EQ(play.language, "en_GB");
  EXPECT_EQ(play.seed, 4294967295u);
  EXPECT_EQ(play.file, "我的 局.flm");
  EXPECT_EQ(Parse({"--lang=zh_CN"}).language, "zh_CN");
  EXPECT_EQ(Parse({}).language, "");
  EXPECT_EQ(Parse({"--seed=0"}).seed, 0u);
  EXPECT_FALSE(Parse({}).seed);
  EXPECT_EQ(Parse({"--", "-odd.flm"}).file, "-odd.flm") << "-- ends the options";
  EXPECT_EQ(Parse({"game.flm", "--help"}).action, CommandLine::Action::Help);
  EXPECT_EQ(Parse({"--version"}).action, CommandLine::Action::Version);

  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{"--seed"}, {"--seed", "-1"}, {"--seed", "4294967296"},
        {"--seed", "12x"}, {"--seed="}, {"--lang"}, {"--lang="}, {"--frobnicate"}, {"-x"},
        {"a.flm", "b.flm"}}) {
    const CommandLine line = Parse(bad);
    EXPECT_EQ(line.action, CommandLine::Action::Usage) << bad.front();
    EXPECT_FALSE(line.error.empty());
  }
}

TEST(CommandLine, HelpAndVersionPrintAndEndWellAUsageErrorIsOneLineWithStatusTwo) {
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(AnswerCommandLine(Parse({"--help"}), out, err), 0);
  EXPECT_NE(out.str().find("--seed N"), std::string::npos);
  EXPECT_NE(out.str().find("--lang CODE speak this language if the game has it (en, zh_CN)"),
            std::string::npos) << out.str();
  EXPECT_TRUE(err.str().empty());
  for (const CommandKey& key : FindCommandKeys(IDR_MENU)) {
    EXPECT_NE(out.str().find(std::string(key.key)), std::string::npos) << "the help names " << key.key;
  }

  out.str("");
  EXPECT_EQ(AnswerCommandLine(Parse({"--version"}), out, err), 0);
  // As GNU programs do: the version, the copyright line, the licence.
  EXPECT_EQ(out.str().rfind("vandrel 1.", 0), 0u) << out.str();
  EXPECT_NE(out.str().find("\nCopyright (C) 20"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("\nMIT licence"), std::string::npos) << out.str();

  out.str("");
  EXPECT_EQ(AnswerCommandLine(Parse({"--frobnicate"}), out, err), 2);
  EXPECT_TRUE(out.str().empty());
  EXPECT_NE(err.str().find("'--frobnicate'"), std::string::npos);
  EXPECT_EQ(err.str().find('\n'), err.str().size() - 1) << "one line";

  EXPECT_FALSE(AnswerCommandLine(Parse({"--seed", "7", "a.flm"}), out, err));
}

}  // namespace
