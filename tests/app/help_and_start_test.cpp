// The Help menu's commands and the application's start-up, on the scripted back end.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/game_app.h"
#include "app/help_pages.h"
#include "app/game_dlg.h"
#include "res/resource_ids.h"
#include "frontends/scripted/scripted_framework.h"
#include "frontends/scripted/temp_folder.h"
#include "tests/support/scoped_env.h"

namespace {

using Urls = std::vector<std::pair<std::string, int>>;

TEST(FileUrl, EscapesAllButPlainPathCharacters) {
  EXPECT_EQ(FileUrl("/usr/lib/vandrel/help/instructions.html"),
            "file:///usr/lib/vandrel/help/instructions.html");
  EXPECT_EQ(FileUrl("/home/李/my games#1?/a~b_c-d.html"),
            "file:///home/%E6%9D%8E/my%20games%231%3F/a~b_c-d.html");
  EXPECT_EQ(FileUrl("relative.html"), "file:///relative.html");
  EXPECT_EQ(FileUrl("C:/Games/my game/help.html"), "file:///C:/Games/my%20game/help.html");
  EXPECT_EQ(FileUrl("/a:b"), "file:///a%3Ab");
}

// The address of a shipped page of a program in "/opt/games/Vandrel 1": on Windows that
// folder lies on the current drive.
std::string ShippedPageUrl(const std::string& page) {
  std::string root = std::filesystem::absolute("/").generic_string();  // "/" or "Z:/"
  root.pop_back();
  return "file://" + (root.empty() ? std::string() : "/" + root) + "/opt/games/Vandrel%201/help/" +
         page;
}

TEST(HelpMenu, OpensABlankPageThenTheShippedPageMinimisedWithoutFocus) {
  ScriptedFramework fw;
  fw.moduleFileName = "/opt/games/Vandrel 1/vandrel";
  CGameDlg dlg(fw);
  fw.Open(dlg);
  dlg.OnCommand(ID_HELP_INSTRUCTIONS);
  dlg.OnCommand(ID_HELP_CONTACT);
  EXPECT_EQ(fw.urls, (Urls{{"about:blank", SW_SHOWMINNOACTIVE},
                           {ShippedPageUrl("instructions.html"), SW_SHOWMINNOACTIVE},
                           {"about:blank", SW_SHOWMINNOACTIVE},
                           {ShippedPageUrl("contact.html"), SW_SHOWMINNOACTIVE}}));
  EXPECT_TRUE(fw.dialogs.empty());
}

TEST(HelpMenu, AboutShowsTheAboutBox) {
  ScriptedFramework fw;
  CGameDlg dlg(fw);
  fw.Open(dlg);
  fw.AnswerOk();
  dlg.OnCommand(ID_HELP_ABOUT);
  ASSERT_EQ(fw.dialogs.size(), 1u);
  EXPECT_EQ(fw.dialogs[0].kind, DialogRecord::Dialog);
  EXPECT_EQ(fw.dialogs[0].title, "关于 Flumora");
  EXPECT_TRUE(fw.errors.empty());
}

// The start-up runs the whole window: set-up, the modal run (here ended at once by Esc) and the
// destruction, which writes the leaderboard beside the executable.
TEST(GameApp, RunsTheGameWindowUntilItClosesAndReturnsFalse) {
  TempFolder program;
  TempFolder data;
  setenv(DATA_HOME_VARIABLE, data.Path().c_str(), 1);
  ScriptedFramework fw;
  fw.moduleFileName = program.File("vandrel");
  fw.AnswerCancel();
  CGameApp app(fw);
  EXPECT_FALSE(app.InitInstance());
  unsetenv(DATA_HOME_VARIABLE);
  EXPECT_TRUE(fw.errors.empty());
  ASSERT_EQ(fw.dialogs.size(), 1u);
  EXPECT_EQ(fw.dialogs[0].title, "Vandrel");
  const std::string list = FileContents(program.File("list.txt"));
  EXPECT_EQ(list.substr(0, 6), "\xD8\xFD\xC3\xFB\r\n") << "佚名 in GBK, CR LF";
}

}  // namespace
