#include "tests/support/game_fixture.h"

namespace {

class MouseInput : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    ClearBoardWith(2, 2, 3, 12, 12, 1);
  }
};

TEST_F(MouseInput, LayingCostsOnlyWhenThePieceMeetsNoPort) {
  dlg.GetGame().EditPosition().queue = {7, 8, 9};
  LayAt(3, 2, PIECE_HORIZONTAL);  // faces the source's port
  EXPECT_EQ(Square(3, 2).code, PIECE_HORIZONTAL);
  EXPECT_EQ(dlg.GetGame().EditPosition().score, 10);
  EXPECT_EQ(dlg.GetGame().EditPosition().current, 9);  // the queue moved on
  EXPECT_EQ(dlg.GetGame().EditPosition().queue[2], 8);

  const int before = dlg.Popups().Next();
  LayAt(6, 6, PIECE_VERTICAL);  // nothing around it
  EXPECT_EQ(dlg.GetGame().EditPosition().score, 9);
  EXPECT_EQ(PopupsSince(before), std::vector<std::string>{"-1"});
  EXPECT_EQ(dlg.Popups()[before].x, PointIn(6, 6).x);
  EXPECT_EQ(dlg.Popups()[before].y, PointIn(6, 6).y - 10);

  LayAt(6, 7, PIECE_VERTICAL);  // meets the straight above
  LayAt(5, 7, PIECE_HORIZONTAL);  // its right port faces the vertical's side: no port there
  EXPECT_EQ(dlg.GetGame().EditPosition().score, 8);
}

TEST_F(MouseInput, RefusedSquaresChangeNothing) {
  LayAt(6, 6, PIECE_TEE_NO_TOP);
  const Board board = dlg.GetGame().EditPosition().board;
  const auto queue = dlg.GetGame().EditPosition().queue;
  const double score = dlg.GetGame().EditPosition().score;
  for (CPoint p : {PointIn(2, 2), PointIn(12, 12), PointIn(6, 6)}) {
    dlg.GetGame().EditPosition().current = PIECE_HORIZONTAL;
    Click(p);
  }
  for (int i = 0; i < BOARD_CELLS; ++i) EXPECT_TRUE(dlg.GetGame().EditPosition().board[i].SameContents(board[i]));
  EXPECT_EQ(dlg.GetGame().EditPosition().queue, queue);
  EXPECT_EQ(dlg.GetGame().EditPosition().score, score);
}

TEST_F(MouseInput, BoardFrameLinesAndOutsidePointsLayNothing) {
  for (CPoint p : {CPoint{80, 100}, CPoint{100, 80}, CPoint{385, 100}, CPoint{60, 60}}) {
    dlg.GetGame().EditPosition().current = PIECE_VERTICAL;
    Click(p);
    dlg.OnRButtonDown(0, p);
  }
  for (int col = 0; col < 16; ++col) EXPECT_EQ(Square(col, 0).code, CELL_EMPTY);
  LayAt(0, 0, PIECE_VERTICAL);
  EXPECT_EQ(Square(0, 0).code, PIECE_VERTICAL);
  dlg.GetGame().EditPosition().current = PIECE_VERTICAL;
  Click({383, 383});
  EXPECT_EQ(Square(15, 15).code, PIECE_VERTICAL);
}

TEST_F(MouseInput, RightClickRemovesOnlyDryLaidPieces) {
  LayAt(3, 2, PIECE_HORIZONTAL);
  LayAt(6, 6, PIECE_VERTICAL);
  const double score = dlg.GetGame().EditPosition().score;
  dlg.OnRButtonDown(0, PointIn(6, 6));
  EXPECT_EQ(Square(6, 6).code, CELL_EMPTY);
  EXPECT_EQ(dlg.GetGame().EditPosition().score, score - 3);

  Water(6);  // the water enters the straight next to the source
  ASSERT_TRUE(Square(3, 2).HasWater());
  for (CPoint p : {PointIn(3, 2), PointIn(2, 2), PointIn(12, 12), PointIn(9, 9)}) {
    dlg.OnRButtonDown(0, p);
  }
  EXPECT_EQ(Square(3, 2).code, PIECE_HORIZONTAL);
  EXPECT_EQ(Square(2, 2).code, CELL_SOURCE);
  EXPECT_EQ(Square(12, 12).code, CELL_DRAIN);
  EXPECT_EQ(dlg.GetGame().EditPosition().score, score - 3 + 12);  // six steps of water, no removal
}

TEST_F(MouseInput, ButtonsAreHitWithInclusiveBoundsFastForwardFirst) {
  Click({177, 30});  // shared column: fast-forward, not pause
  EXPECT_EQ(dlg.GetGame().EditPosition().fastForward, 1);
  EXPECT_EQ(dlg.GetGame().EditPosition().state, Playing);
  EXPECT_EQ(WaterInterval(), 30);
  HoverAt({158, 30});  // counted as the discard button by the hover check
  EXPECT_EQ(dlg.OverDiscard(), 1);
  Click({158, 30});  // but a click there reaches fast-forward first
  EXPECT_EQ(dlg.GetGame().EditPosition().fastForward, 0);
  EXPECT_EQ(WaterInterval(), 5000);
  EXPECT_EQ(dlg.GetGame().EditPosition().score, 10);

  Click({196, 40});
  EXPECT_EQ(dlg.GetGame().EditPosition().state, Paused);
  EXPECT_EQ(WaterInterval(), std::nullopt);
}

TEST_F(MouseInput, DiscardFollowsTheLastHoverTickNotTheClick) {
  dlg.GetGame().EditPosition().queue = {4, 5, 6};
  dlg.GetGame().EditPosition().current = 7;
  fw.MovePointerTo(dlg, {150, 30});
  Click({150, 30});  // no hover tick has seen the pointer there yet
  EXPECT_EQ(dlg.GetGame().EditPosition().current, 7);
  fw.FireTimer(dlg, HoverTimer);
  const int before = dlg.Popups().Next();
  Click({300, 20});  // the pointer left, but no hover tick has seen it
  EXPECT_EQ(dlg.GetGame().EditPosition().current, 6);
  EXPECT_EQ(dlg.GetGame().EditPosition().score, 8);
  EXPECT_EQ(PopupsSince(before), std::vector<std::string>{"-2"});
  EXPECT_EQ(dlg.Popups()[before].y, 10);
}

TEST_F(MouseInput, PauseAndResume) {
  dlg.GetGame().EditPosition().fastForward = 1;
  Click({185, 30});
  EXPECT_EQ(dlg.GetGame().EditPosition().state, Paused);
  dlg.GetGame().EditPosition().current = PIECE_HORIZONTAL;
  Click(PointIn(3, 2));  // resumes and lays nothing
  EXPECT_EQ(dlg.GetGame().EditPosition().state, Playing);
  EXPECT_EQ(Square(3, 2).code, CELL_EMPTY);
  EXPECT_EQ(WaterInterval(), 30);  // fast-forward stays on across the pause

  dlg.GetGame().EditPosition().fastForward = 0;
  Click({185, 30});
  dlg.OnRButtonDown(0, PointIn(3, 2));  // a right-click does not resume
  EXPECT_EQ(dlg.GetGame().EditPosition().state, Paused);
  dlg.OnLButtonDblClk(0, PointIn(3, 2));  // the second press of a double-click is a click
  EXPECT_EQ(dlg.GetGame().EditPosition().state, Playing);
  EXPECT_EQ(WaterInterval(), 5000);
  dlg.OnLButtonDblClk(0, PointIn(3, 2));
  EXPECT_EQ(Square(3, 2).code, PIECE_HORIZONTAL);
}

TEST_F(MouseInput, NothingHappensWhileOver) {
  dlg.GetGame().EditPosition().state = Over;
  LayAt(3, 2, PIECE_HORIZONTAL);
  dlg.OnLButtonDblClk(0, PointIn(4, 2));
  Click({160, 30});
  Click({185, 30});
  HoverAt({150, 30});
  Click({150, 30});
  dlg.OnRButtonDown(0, PointIn(2, 2));
  EXPECT_EQ(Square(3, 2).code, CELL_EMPTY);
  EXPECT_EQ(dlg.GetGame().EditPosition().fastForward, 0);
  EXPECT_EQ(dlg.GetGame().EditPosition().state, Over);
  EXPECT_EQ(dlg.GetGame().EditPosition().score, 10);
}

TEST_F(MouseInput, CursorHidesOverTheBoardOnlyAfterTheMouseMoved) {
  fw.MovePointerTo(dlg, PointIn(5, 5));
  fw.FireTimer(dlg, HoverTimer);  // resting pointer: stays a normal cursor
  EXPECT_TRUE(dlg.CursorShown());
  HoverAt(PointIn(5, 6));
  EXPECT_FALSE(dlg.CursorShown());
  EXPECT_FALSE(fw.cursorVisible);
  HoverAt({140, 30});  // the discard button keeps it hidden
  EXPECT_FALSE(dlg.CursorShown());
  HoverAt({420, 420});  // leaving shows it within one tick
  EXPECT_TRUE(dlg.CursorShown());
  EXPECT_TRUE(fw.cursorVisible);
  HoverAt(PointIn(5, 6));
  Click({185, 30});  // pausing brings it back at the next tick
  fw.FireTimer(dlg, HoverTimer);
  EXPECT_TRUE(fw.cursorVisible);
  EXPECT_EQ(fw.cursorHideCalls, fw.cursorShowCalls);  // show and hide stay balanced
}

TEST_F(MouseInput, FastForwardSuppressesPopupsButNotPoints) {
  Click({165, 30});
  const int before = dlg.Popups().Next();
  LayAt(7, 7, PIECE_VERTICAL);
  dlg.OnRButtonDown(0, PointIn(7, 7));
  HoverAt({145, 30});
  Click({145, 30});
  EXPECT_EQ(dlg.GetGame().EditPosition().score, 10 - 1 - 3 - 2);
  EXPECT_EQ(dlg.Popups().Next(), before);
}

}  // namespace
