// The game window speaking English: the menu, the dialogs, the boxes of the file commands and
// the help pages are the English catalogue's.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/game_dlg.h"
#include "frontends/scripted/scripted_framework.h"
#include "res/menu.h"
#include "res/resource_ids.h"
#include "tests/support/scoped_language.h"

namespace {

std::vector<std::string> MenuTexts() {
  std::vector<std::string> texts;
  for (const MenuPopup& popup : GameMenu()) {
    texts.emplace_back(popup.title);
    for (const MenuItem& item : popup.items) texts.emplace_back(item.id == 0 ? "-" : item.text);
  }
  return texts;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(InEnglish, TheMenuDialogsBoxesAndHelpPagesSpeakEnglish) {
  ScopedLanguage english("en");
  EXPECT_EQ(MenuTexts(), (std::vector<std::string>{
                             "&Game", "&New game", "-", "&Open saved game...", "&Save game...", "-",
                             "&Leaderboard", "-", "E&xit", "&Help", "&Instructions",
                             "&Contact the author", "-", "&About..."}));
  ScriptedFramework fw;
  CGameDlg dlg(fw);
  fw.Open(dlg);
  fw.AnswerOk();
  dlg.OnCommand(ID_HELP_ABOUT);
  fw.AnswerOk();
  dlg.OnCommand(ID_GAME_LEADERBOARD);
  fw.AnswerOk(fw.programFolder.File("missing.flm"));
  fw.AnswerOk();
  dlg.OnCommand(ID_GAME_OPEN);
  ASSERT_EQ(fw.dialogs.size(), 4u);
  EXPECT_EQ(fw.dialogs[0].title, "About Flumora");
  EXPECT_EQ(fw.dialogs[1].title, "Leaderboard");
  EXPECT_EQ(fw.dialogs[1].rows[0], "01 | Anonymous | 0");
  EXPECT_EQ(fw.dialogs[2].title, "Saved games (*.flm)|*.flm||") << "the file dialog's filter";
  EXPECT_EQ(fw.dialogs[3].title, "Error");
  EXPECT_EQ(fw.dialogs[3].text, "The saved game could not be opened.");

  dlg.OnCommand(ID_HELP_INSTRUCTIONS);
  dlg.OnCommand(ID_HELP_CONTACT);
  ASSERT_EQ(fw.urls.size(), 4u);
  EXPECT_TRUE(EndsWith(fw.urls[1].first, "/help/en/instructions.html")) << fw.urls[1].first;
  EXPECT_TRUE(EndsWith(fw.urls[3].first, "/help/en/contact.html")) << fw.urls[3].first;
  EXPECT_TRUE(fw.errors.empty());
}

}  // namespace
