#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "view/board_geometry.h"
#include "app/game_dlg.h"
#include "model/end_pieces.h"
#include "model/piece_catalogue.h"
#include "res/resource_ids.h"
#include "frontends/scripted/scripted_framework.h"
#include "tests/support/scoped_env.h"
#include "frontends/scripted/temp_folder.h"

// A game window on the scripted back end, with the timers of a set-up window running and
// helpers that act as a player would.
class GameFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // An empty board with only a source and a drain where the test wants them.
  void ClearBoardWith(int sourceCol, int sourceRow, int sourceOrientation, int drainCol,
                      int drainRow, int drainOrientation);
  PipeCell& Square(int col, int row) { return dlg.GetGame().EditPosition().board[CellIndex(col, row)]; }
  // A point inside square (col, row), in client pixels.
  static CPoint PointIn(int col, int row) { return {SquareLeft(col) + 9, SquareTop(row) + 9}; }
  // Makes kind the carried piece and clicks on (col, row).
  void LayAt(int col, int row, int kind);
  void Click(CPoint point) { dlg.OnLButtonDown(0, point); }
  // Puts the pointer at point and runs one hover tick, as a real pointer move would.
  void HoverAt(CPoint point);
  // Fires the water timer n times; returns how many fired.
  int Water(int n = 1);
  // Texts of the popups added since the ring position `from`.
  std::vector<std::string> PopupsSince(int from) const;
  std::optional<int> WaterInterval() { return port->TimerInterval(WaterTimer); }

  // The program's folder and the user's data folder: list.txt stays in the test's own.
  TempFolder folder;
  ScopedEnv dataHome{DATA_HOME_VARIABLE, folder.Path()};
  ScriptedFramework fw;
  CGameDlg dlg{fw};
  ScriptedPort* port = nullptr;
};
