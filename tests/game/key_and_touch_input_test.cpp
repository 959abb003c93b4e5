#include "tests/support/game_fixture.h"

namespace {

class KeyAndTouchInput : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    ClearBoardWith(2, 2, 3, 12, 12, 1);
    fw.MovePointerTo(dlg, OFF_BOARD);
  }

  void Keys(std::initializer_list<int> keys) {
    for (int key : keys) dlg.OnKey(key);
  }
  double Score() { return dlg.GetGame().Position().score; }
  // The popup added last: its text and anchor.
  std::pair<std::string, CPoint> LastPopup() const {
    const ScorePopup& popup = dlg.Popups()[(dlg.Popups().Next() + POPUP_RING_SIZE - 1) % POPUP_RING_SIZE];
    return {popup.text, {popup.x, popup.y}};
  }
  static CPoint Above(CPoint point) { return {point.x, point.y - 10}; }

  static constexpr CPoint OFF_BOARD{20, 420};
};

TEST_F(KeyAndTouchInput, KeysDoWhatTheClickOnTheCursorSquareOrTheButtonDoes) {
  // Without a board cursor Enter and Delete do nothing, and neither does the window's OK.
  dlg.GetGame().EditPosition().current = PIECE_VERTICAL;
  Keys({ID_KEY_LAY, ID_KEY_REMOVE});
  dlg.OnOK();
  EXPECT_EQ(Score(), 10);
  EXPECT_EQ(dlg.BoardCursor(), std::nullopt);

  // The first arrow shows the cursor in the board's middle; the next ones move it, up to the edge.
  Keys({ID_KEY_RIGHT});
  EXPECT_EQ(dlg.BoardCursor(), (BoardSquare{8, 8}));
  Keys({ID_KEY_LEFT, ID_KEY_LEFT, ID_KEY_LEFT, ID_KEY_DOWN});
  EXPECT_EQ(dlg.BoardCursor(), (BoardSquare{5, 9}));
  for (int i = 0; i < 20; ++i) Keys({ID_KEY_UP});
  EXPECT_EQ(dlg.BoardCursor(), (BoardSquare{5, 0}));

  Keys({ID_KEY_LAY});  // meets nothing: -1, its text above the square's middle
  EXPECT_EQ(Square(5, 0).code, PIECE_VERTICAL);
  EXPECT_EQ(LastPopup(), std::pair(std::string("-1"), Above(PointIn(5, 0))));
  Keys({ID_KEY_REMOVE});
  EXPECT_EQ(Square(5, 0).code, CELL_EMPTY);
  EXPECT_EQ(LastPopup(), std::pair(std::string("-3"), Above(PointIn(5, 0))));
  // The discard needs no hover over the button; its text rises from the button's middle.
  dlg.GetGame().EditPosition().queue = {4, 5, 6};
  Keys({ID_KEY_DISCARD});
  EXPECT_EQ(dlg.GetGame().Position().current, 6);
  EXPECT_EQ(LastPopup(), std::pair(std::string("-2"), Above(DISCARD_BUTTON.Centre())));
  EXPECT_EQ(Score(), 10 - 1 - 3 - 2);
  Keys({ID_KEY_FAST_FORWARD});
  EXPECT_EQ(WaterInterval(), 30);
  Keys({ID_KEY_FAST_FORWARD});
  EXPECT_EQ(WaterInterval(), 5000);

  // While paused the cursor stays; Enter resumes as a click does and lays nothing, Delete
  // does not resume, as a right click does not.
  dlg.OnPauseResume();
  Keys({ID_KEY_DOWN, ID_KEY_REMOVE});
  EXPECT_EQ(dlg.BoardCursor(), (BoardSquare{5, 0}));
  EXPECT_EQ(dlg.GetGame().State(), Paused);
  Keys({ID_KEY_LAY});
  EXPECT_EQ(dlg.GetGame().State(), Playing);
  EXPECT_EQ(Square(5, 0).code, CELL_EMPTY);

  // Once over, nothing moves or changes.
  dlg.GetGame().EditPosition().state = Over;
  Keys({ID_KEY_DOWN, ID_KEY_LAY, ID_KEY_DISCARD, ID_KEY_FAST_FORWARD});
  EXPECT_EQ(dlg.BoardCursor(), (BoardSquare{5, 0}));
  EXPECT_EQ(Square(5, 0).code, CELL_EMPTY);
  EXPECT_EQ(Score(), 4);
  EXPECT_EQ(dlg.ExtrasAt(OFF_BOARD).cursor, std::nullopt);  // and it is not drawn

  // A click ends keyboard play; the next arrow shows the cursor under the pointer.
  dlg.GetGame().EditPosition().state = Playing;
  Click(OFF_BOARD);
  EXPECT_EQ(dlg.BoardCursor(), std::nullopt);
  fw.MovePointerTo(dlg, {PointIn(3, 4).x + 5, PointIn(3, 4).y - 4});
  Keys({ID_KEY_UP});
  EXPECT_EQ(dlg.BoardCursor(), (BoardSquare{3, 4}));
}

TEST_F(KeyAndTouchInput, TapsAreClicksThatNeedNoHoverAndLongPressesRightClicks) {
  dlg.GetGame().EditPosition().current = PIECE_VERTICAL;
  Keys({ID_KEY_UP});
  dlg.OnTap(PointIn(6, 6));
  EXPECT_EQ(dlg.BoardCursor(), std::nullopt);  // a touch ends keyboard play too
  EXPECT_EQ(Square(6, 6).code, PIECE_VERTICAL);
  EXPECT_EQ(LastPopup(), std::pair(std::string("-1"), Above(PointIn(6, 6))));
  dlg.OnLongPress({PointIn(6, 6).x - 5, PointIn(6, 6).y + 6});
  EXPECT_EQ(Square(6, 6).code, CELL_EMPTY);
  EXPECT_EQ(Score(), 10 - 1 - 3);

  const CPoint bin{142, 25};
  dlg.OnTap(bin);
  EXPECT_EQ(LastPopup(), std::pair(std::string("-2"), Above(bin)));
  EXPECT_FALSE(dlg.OverDiscard());  // nothing hovers: the lid stays shut
  dlg.OnTap({158, 30});  // the column both buttons claim: fast-forward, as for a click
  EXPECT_EQ(WaterInterval(), 30);
  EXPECT_EQ(Score(), 4);

  dlg.OnTap({185, 30});
  EXPECT_EQ(dlg.GetGame().State(), Paused);
  dlg.OnLongPress(PointIn(6, 6));
  EXPECT_EQ(dlg.GetGame().State(), Paused);
  dlg.OnTap(PointIn(6, 6));  // resumes and lays nothing
  EXPECT_EQ(dlg.GetGame().State(), Playing);
  EXPECT_EQ(Square(6, 6).code, CELL_EMPTY);
}

TEST_F(KeyAndTouchInput, TheCarriedPieceLiesWhereTheInputUsedLastPoints) {
  const CPoint pointer{PointIn(6, 6).x + 4, PointIn(6, 6).y - 3};
  HoverAt(pointer);
  EXPECT_EQ(dlg.ExtrasAt(pointer).piece, pointer);
  Keys({ID_KEY_LEFT, ID_KEY_RIGHT});  // shown under the pointer, then moved on
  EXPECT_EQ(dlg.ExtrasAt(pointer).cursor, (BoardSquare{7, 6}));
  EXPECT_EQ(dlg.ExtrasAt(pointer).piece, PointIn(7, 6));
  dlg.OnMouseMove(0, pointer);  // a move the system reports for a pointer that stood still
  EXPECT_EQ(dlg.ExtrasAt(pointer).piece, PointIn(7, 6));
  HoverAt({pointer.x + 1, pointer.y});
  EXPECT_EQ(dlg.ExtrasAt(pointer).piece, pointer);
  EXPECT_EQ(dlg.ExtrasAt(pointer).cursor, (BoardSquare{7, 6}));  // the cursor stays until a click
  Keys({ID_KEY_DISCARD});
  EXPECT_EQ(dlg.ExtrasAt(pointer).piece, PointIn(7, 6));

  // The pointer leaving the window is seen at once: the system cursor shows and no piece is
  // drawn at the place it left.
  Click(pointer);
  HoverAt(pointer);
  ASSERT_FALSE(dlg.CursorShown());
  fw.MovePointerTo(dlg, {-40, -40});
  dlg.OnMouseLeave();
  EXPECT_TRUE(fw.cursorVisible);
  EXPECT_EQ(dlg.ExtrasAt({-40, -40}).piece, std::nullopt);
}

}  // namespace
