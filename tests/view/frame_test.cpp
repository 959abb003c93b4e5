#include <string>

#include "res/dialog_templates.h"
#include "tests/support/test_surface.h"
#include "tests/view/view_fixture.h"
#include "view/score_look.h"

namespace {

constexpr CPoint AWAY{300, 420};  // below the board, where nothing but the scroll lies

class Frame : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    m_dialog.GetGame().Seed(7);
    m_dialog.NewGame();
    m_dialog.GetGame().EditPosition().queue = {PIECE_VERTICAL, PIECE_TEE_NO_BOTTOM, PIECE_END_LEFT};
    m_dialog.GetGame().EditPosition().current = PIECE_CROSS;
    m_dialog.GetGame().EditPosition().board[CellIndex(4, 5)].CopyFrom(PieceCatalogue[PIECE_BEND_TOP_LEFT]);
    m_dialog.RedrawBoard(true);
  }

  CBitmap Compose(CPoint pointer) {
    FrameExtras extras;
    if (!m_cursorShown) extras.piece = pointer;
    extras.overDiscard = m_overDiscard;
    extras.popups = &m_dialog.Popups();
    m_dialog.View().ComposeFrame(m_dialog.GetGame().Position(), extras);
    return m_dialog.View().m_bmpBack;
  }

  bool m_cursorShown = true;
  bool m_overDiscard = false;

  // The sheet's picture at (sx, sy), w x h, laid over `target` at (x, y) with white left out.
  void Lay(CBitmap& target, const CBitmap& from, int sx, int sy, int w, int h, int x, int y) const {
    for (int dy = 0; dy < h; ++dy)
      for (int dx = 0; dx < w; ++dx)
        if (from.Pixel(sx + dx, sy + dy) != PIXEL_WHITE) target.SetPixel(x + dx, y + dy, from.Pixel(sx + dx, sy + dy));
  }

  CBitmap Background(int sheetX) const {
    CBitmap frame;
    frame.Create(GAME_CLIENT_WIDTH, GAME_CLIENT_HEIGHT);
    for (int y = 0; y < GAME_CLIENT_HEIGHT; ++y)
      for (int x = 0; x < GAME_CLIENT_WIDTH; ++x) frame.SetPixel(x, y, SheetPixel(sheetX + x, BACKGROUND_A_Y + y));
    return frame;
  }

  // The game frame without pointer, popups or text, put together from the sheet by hand.
  CBitmap ExpectedGameFrame() const {
    CBitmap frame = Background(BACKGROUND_A_X);
    for (int slot = 0; slot < 3; ++slot) {
      for (const PipeNode& node : PieceCatalogue[m_dialog.GetGame().Position().queue[slot]].nodes) {
        Lay(frame, Sheet(), 19 * node.kind, 19 * node.fill, 20, 20, 80 + 19 * slot, 20);
      }
    }
    Lay(frame, Sheet(), 1255, 19 * (m_overDiscard ? 1 : 0) + 1, 18, 18, 138, 21);
    Lay(frame, Sheet(), 1274, 19 * (m_dialog.GetGame().Position().fastForward ? 1 : 0) + 1, 18, 18, 157, 21);
    Lay(frame, Sheet(), 1293, 1, 18, 18, 176, 21);
    Lay(frame, m_dialog.View().m_bmpBoard, 0, 0, BOARD_PIXELS, BOARD_PIXELS, 80, 80);
    return frame;
  }

  const std::vector<TextCall>& TextCalls() const { return m_framework.text.calls; }
};

TEST_F(Frame, SetUpMakesEverySurfaceAtItsSize) {
  EXPECT_EQ(m_dialog.View().m_dcSprites.GetBitmap(), &m_dialog.View().m_bmpSprites);
  EXPECT_EQ(m_dialog.View().m_dcBoard.GetBitmap(), &m_dialog.View().m_bmpBoard);
  EXPECT_EQ(m_dialog.View().m_dcBack.GetBitmap(), &m_dialog.View().m_bmpBack);
  EXPECT_EQ(m_dialog.View().m_bmpBoard.Width(), 305);
  EXPECT_EQ(m_dialog.View().m_bmpBoard.Height(), 305);
  EXPECT_EQ(m_dialog.View().m_bmpBack.Width(), m_port->GetClientRect().Width());
  EXPECT_EQ(m_dialog.View().m_bmpBack.Height(), m_port->GetClientRect().Height());
  EXPECT_EQ(m_dialog.View().m_dcBack.GetBkMode(), TRANSPARENT);
  EXPECT_EQ(m_dialog.View().m_fonts[0].Attributes(), (FontSpec{16, 700, false, 134, 0x38, "黑体"}));
  EXPECT_EQ(m_dialog.View().m_fonts[1].Attributes(), (FontSpec{24, 700, false, 134, 0x38, "黑体"}));
}

TEST_F(Frame, QueueButtonsAndBoardSitAtTheirPlacesWithTheLitRowsTheStateAsksFor) {
  for (int overDiscard : {0, 1}) {
    for (int fastForward : {0, 1}) {
      m_overDiscard = overDiscard == 1;
      m_dialog.GetGame().EditPosition().fastForward = fastForward == 1;
      EXPECT_TRUE(SameBitmap(Compose(AWAY), ExpectedGameFrame()))
          << "discard " << overDiscard << ", fast-forward " << fastForward;
    }
  }
}

TEST_F(Frame, OverLooksLikePlaying) {
  const CBitmap playing = Compose(AWAY);
  m_dialog.GetGame().EditPosition().state = Over;
  EXPECT_TRUE(SameBitmap(Compose(AWAY), playing));
}

TEST_F(Frame, CarriedPieceFollowsThePointerOnlyWhileTheCursorIsHidden) {
  const CBitmap without = Compose({100, 100});
  EXPECT_TRUE(SameBitmap(Compose(AWAY), without)) << "drawn although the cursor shows";

  m_cursorShown = false;
  const CBitmap with = Compose({100, 100});
  int left = 1000, top = 1000, right = -1, bottom = -1;
  for (int y = 0; y < with.Height(); ++y) {
    for (int x = 0; x < with.Width(); ++x) {
      if (with.Pixel(x, y) == without.Pixel(x, y)) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  // The crossing reaches all four edges of its interior.
  EXPECT_EQ(left, 92);
  EXPECT_EQ(top, 92);
  EXPECT_EQ(right, 109);
  EXPECT_EQ(bottom, 109);

  // Off the window's edge it is drawn as far as it shows: the window's corner pixel (0, 457)
  // is the piece's interior pixel (11, 10).
  Compose({-3, 455});
  std::uint32_t corner = 0;
  for (const PipeNode& node : PieceCatalogue[PIECE_CROSS].nodes) {
    const std::uint32_t p = SheetPixel(19 * node.kind + 1 + 11, 19 * node.fill + 1 + 10);
    if (p != PIXEL_WHITE) corner = p;
  }
  ASSERT_NE(corner, 0u);
  EXPECT_EQ(m_dialog.View().m_bmpBack.Pixel(0, 457), corner);
}

TEST_F(Frame, PauseFrameIsBackgroundBAlone) {
  m_dialog.GetGame().EditPosition().state = Paused;
  m_cursorShown = false;
  m_dialog.AddScorePopup(200, 200, "+2", POPUP_GREEN, POPUP_BLACK);  // refused while paused
  m_dialog.Popups()[5].rise = 0;
  m_framework.text.calls.clear();
  EXPECT_TRUE(SameBitmap(Compose({100, 100}), Background(BACKGROUND_B_X)));
  EXPECT_TRUE(TextCalls().empty());
}

TEST_F(Frame, ScoreIsWrittenRightAlignedInBlackWithTheLargeFont) {
  for (auto [score, text] : {std::pair{-3.0, "分数 -3"}, {10.0, "分数 10"}, {2.6, "分数 3"}}) {
    m_dialog.GetGame().EditPosition().score = score;
    m_framework.text.calls.clear();
    Compose(AWAY);
    ASSERT_EQ(TextCalls().size(), 1u);
    const TextCall& call = TextCalls().back();
    EXPECT_TRUE(call.drawText);
    EXPECT_EQ(call.text, text);
    EXPECT_EQ(call.rect, (CRect{180, 20, 384, 80}));
    EXPECT_EQ(call.format, DT_RIGHT);
    EXPECT_EQ(call.color, RGB(0, 0, 0));
    EXPECT_EQ(call.font, m_dialog.View().m_fonts[1].Attributes());
  }
  m_dialog.GetGame().EditPosition().score = -1e300;  // absurd, but written out in full all the same
  Compose(AWAY);
  EXPECT_EQ(TextCalls().back().text.size(), std::string("分数 -1").size() + 300);
}

TEST_F(Frame, PopupsAreDrawnOldestFirstFromTheNextSlotWithTheSmallFont) {
  // 97 popups that have finished rising, then four that wrap round the ring's end.
  PopupRing& ring = m_dialog.Popups();
  for (int i = 0; i < 97; ++i) ring.Add(10, 150, "x", RGB(255, 255, 255), RGB(0, 0, 0));
  for (int i = 0; i < POPUP_RISE_LIMIT; ++i) ring.Rise();
  for (const char* text : {"a", "b", "c", "d"}) ring.Add(200, 150, text, RGB(255, 255, 255), RGB(0, 0, 0));
  m_framework.text.calls.clear();
  Compose(AWAY);
  std::string order;
  for (const TextCall& call : TextCalls()) {
    if (call.drawText) continue;
    EXPECT_EQ(call.font, m_dialog.View().m_fonts[0].Attributes());
    if (call.color == RGB(255, 255, 255)) order += call.text;
  }
  EXPECT_EQ(order, "abcd");
  EXPECT_EQ(TextCalls().size(), 4u * 5 + 1);
}

TEST_F(Frame, PaintHandsTheComposedFrameToTheWindow) {
  m_framework.MovePointerTo(m_dialog, {100, 100});
  m_dialog.OnPaint();
  ASSERT_EQ(m_port->Frames(), 1);
  EXPECT_TRUE(SameBitmap(m_port->LastFrame(), m_dialog.View().m_bmpBack));
  EXPECT_TRUE(SameBitmap(m_port->LastFrame(), Compose({100, 100})));
}

TEST_F(Frame, ValuesOutsideTheirRangesDrawNothingRatherThanReadAstray) {
  m_dialog.GetGame().EditPosition().queue = {-1, PIECE_KIND_COUNT, 1000};
  m_dialog.GetGame().EditPosition().current = -20;
  m_cursorShown = false;
  const CBitmap frame = Compose({100, 100});
  CBitmap expected = Background(BACKGROUND_A_X);
  Lay(expected, m_dialog.View().m_bmpBoard, 0, 0, BOARD_PIXELS, BOARD_PIXELS, 80, 80);
  for (int y = 20; y < 40; ++y)
    for (int x = 80; x < 138; ++x) ASSERT_EQ(frame.Pixel(x, y), expected.Pixel(x, y));
  for (int y = 92; y < 110; ++y)
    for (int x = 92; x < 110; ++x) ASSERT_EQ(frame.Pixel(x, y), expected.Pixel(x, y));
}

}  // namespace
