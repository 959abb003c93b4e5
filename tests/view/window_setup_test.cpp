// The game window's set-up and tear-down on the scripted back end.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "game/game_dlg.h"
#include "model/piece_catalogue.h"
#include "res/resource_ids.h"
#include "tests/support/scripted_framework.h"
#include "tests/support/temp_folder.h"

namespace {

std::string BoardText(const CGameDlg& dlg) {
  std::string text;
  for (const PipeCell& cell : dlg.m_board) cell.WriteText(text);
  return text;
}

class WindowSetUp : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("XDG_DATA_HOME", m_data.Path().c_str(), 1);
    fw.moduleFileName = m_program.File("vandrel");
  }
  void TearDown() override { unsetenv("XDG_DATA_HOME"); }

  TempFolder m_program;
  TempFolder m_data;
  ScriptedFramework fw;
};

TEST_F(WindowSetUp, StartsTheFirstGameFromTheClockWithTheLeaderboardReadAndAllTimers) {
  ASSERT_TRUE(WriteFileContents(m_program.File("list.txt"), "AB\r\n1234\r\n"));
  fw.now = 1234567;
  CGameDlg dlg(fw);
  ScriptedPort& port = fw.Open(dlg, true);

  EXPECT_EQ(dlg.m_state, Playing);
  EXPECT_EQ(dlg.m_score, 10.0);
  EXPECT_EQ(DealtKindCount, 14);
  EXPECT_EQ(dlg.m_leaderboard.entries[0], (LeaderboardEntry{"AB", 1234.0}));
  EXPECT_EQ(port.TimerInterval(WaterTimer), 5000);
  EXPECT_EQ(port.TimerInterval(HoverTimer), 30);
  EXPECT_EQ(port.TimerInterval(AnimationTimer), 30);
  EXPECT_EQ(dlg.m_bmpBack.Width(), 479);
  EXPECT_EQ(dlg.m_bmpBack.Height(), 458);
  EXPECT_EQ(dlg.m_bmpSprites.Width(), 1697);

  // The same second deals the same board; another second another one.
  CGameDlg same(fw);
  fw.Open(same, true);
  EXPECT_EQ(BoardText(same), BoardText(dlg));
  fw.now += 1;
  CGameDlg later(fw);
  fw.Open(later, true);
  EXPECT_NE(BoardText(later), BoardText(dlg));
}

TEST_F(WindowSetUp, TheWindowsDestructionWritesTheLeaderboard) {
  CGameDlg dlg(fw);
  fw.Open(dlg, true);
  dlg.m_leaderboard.InsertScore("AB", 77);
  fw.Close(dlg);
  EXPECT_EQ(FileContents(m_program.File("list.txt")).substr(0, 8), "AB\r\n77\r\n");
}

}  // namespace
