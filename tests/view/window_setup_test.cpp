#include <gtest/gtest.h>

#include <future>

#include "app/game_dlg.h"
#include "res/dialog_templates.h"
#include "res/resource_ids.h"
#include "tests/support/scoped_env.h"
#include "tests/support/test_surface.h"
#include "frontends/scripted/scripted_framework.h"
#include "frontends/scripted/temp_folder.h"

namespace {

TEST(WindowSetUp, StartsTheFirstGameWithTheTimersRunningAndWritesTheBoardAtTheEnd) {
  TempFolder folder;
  TempFolder data;
  const ScopedEnv dataHome(DATA_HOME_VARIABLE, data.Path());
  ScriptedFramework fw;
  fw.moduleFileName = folder.File("vandrel");
  ASSERT_TRUE(WriteFileContents(folder.File("list.txt"), "Ada\r\n77\r\n"));
  CGameDlg dlg(fw);
  ScriptedPort& port = fw.Open(dlg, true);
  EXPECT_EQ(dlg.GetGame().EditPosition().state, Playing);
  EXPECT_EQ(dlg.GetGame().EditPosition().score, 10);
  EXPECT_EQ(dlg.GetLeaderboard().entries[0], (LeaderboardEntry{"Ada", 77}));
  EXPECT_EQ(port.TimerInterval(WaterTimer), 5000);
  EXPECT_EQ(port.TimerInterval(HoverTimer), 30);
  EXPECT_EQ(port.TimerInterval(AnimationTimer), 30);
  EXPECT_EQ(dlg.View().m_bmpBack.Width(), 479);
  EXPECT_EQ(dlg.View().m_bmpBack.Height(), 458);
  EXPECT_FALSE(dlg.View().m_bmpSprites.IsEmpty());

  dlg.ChangeLeaderboard(LeaderboardEdit{false, "Bo", 90});
  dlg.OnOK();  // Enter does nothing
  EXPECT_FALSE(port.Result());
  dlg.OnCommand(ID_GAME_EXIT);
  EXPECT_EQ(port.Result(), IDCANCEL);
  fw.Close(dlg);
  EXPECT_EQ(FileContents(folder.File("list.txt")).rfind("Bo\r\n90\r\nAda\r\n77\r\n", 0), 0u);
}

// The desktop program has the view's bitmaps made on another thread while its window is
// built; bitmaps made for another size are put aside. Either way the window draws as its own.
TEST(WindowSetUp, BitmapsMadeAheadDrawTheSameFramesAsTheWindowsOwn) {
  TempFolder folder;
  TempFolder data;
  const ScopedEnv dataHome(DATA_HOME_VARIABLE, data.Path());
  const CRect client{0, 0, GAME_CLIENT_WIDTH, GAME_CLIENT_HEIGHT};
  const auto frameOf = [&](std::future<ViewPixels> pixels) {
    ScriptedFramework fw;
    fw.moduleFileName = folder.File("vandrel");
    CGameDlg dlg(fw);
    dlg.SetFirstGameSeed(7);
    if (pixels.valid()) dlg.UsePreparedPixels(std::move(pixels));
    fw.Open(dlg, true);
    dlg.ComposeFrame(CPoint{200, 200});
    CBitmap frame = dlg.View().Frame();
    fw.Close(dlg);
    return frame;
  };
  const CBitmap own = frameOf({});
  ASSERT_EQ(own.Width(), GAME_CLIENT_WIDTH);
  EXPECT_TRUE(SameBitmap(frameOf(std::async(std::launch::async, MakeViewPixels, client)), own));
  EXPECT_TRUE(SameBitmap(frameOf(std::async(std::launch::async, MakeViewPixels, CRect{0, 0, 9, 9})), own));
}

}  // namespace
