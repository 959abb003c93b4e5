#include "tests/support/game_fixture.h"
#include "view/board_geometry.h"
#include "view/score_look.h"

namespace {

class ScorePopups : public GameFixture {};

TEST_F(ScorePopups, RiseOnePixelPerTickForTwentyTicks) {
  dlg.AddScorePopup(100, 200, "+2", POPUP_GREEN, POPUP_BLACK);
  const ScorePopup& popup = dlg.Popups()[0];
  EXPECT_EQ(popup.rise, 0);
  const int before = port->Invalidations();
  for (int tick = 1; tick <= 19; ++tick) dlg.AnimationTick();
  EXPECT_TRUE(popup.IsActive());
  EXPECT_EQ(popup.rise, 19);  // drawn for the last time at y - 19
  dlg.AnimationTick();
  EXPECT_FALSE(popup.IsActive());
  dlg.AnimationTick();
  EXPECT_EQ(popup.rise, 20);
  EXPECT_EQ(port->Invalidations(), before + 21);  // no frame shown yet: every tick asks for one
}

TEST_F(ScorePopups, SuppressedWithFastForwardOrOutsidePlay) {
  dlg.GetGame().EditPosition().fastForward = 1;
  dlg.AddScorePopup(1, 1, "-2", POPUP_RED, POPUP_BLACK);
  dlg.GetGame().EditPosition().fastForward = 0;
  dlg.GetGame().EditPosition().state = Paused;
  dlg.AddScorePopup(1, 1, "-2", POPUP_RED, POPUP_BLACK);
  dlg.GetGame().EditPosition().state = Over;
  dlg.AddScorePopup(1, 1, "-2", POPUP_RED, POPUP_BLACK);
  EXPECT_EQ(dlg.Popups().Next(), 0);
  for (const ScorePopup& p : dlg.Popups()) EXPECT_FALSE(p.IsActive());
}

TEST_F(ScorePopups, TheHundredAndFirstTakesSlotZeroAgain) {
  for (int i = 0; i < 100; ++i) dlg.AddScorePopup(i, 0, "+2", POPUP_GREEN, POPUP_BLACK);
  EXPECT_EQ(dlg.Popups().Next(), 100);
  dlg.AddScorePopup(555, 0, "-3", POPUP_RED, POPUP_BLACK);
  EXPECT_EQ(dlg.Popups().Next(), 1);
  EXPECT_EQ(dlg.Popups()[0].x, 555);
  EXPECT_EQ(dlg.Popups()[0].text, "-3");
  EXPECT_EQ(dlg.Popups()[1].x, 1);
}

TEST_F(ScorePopups, DrawsAnOutlineThenTheText) {
  CBitmap bitmap;
  bitmap.Create(50, 50);
  CDC dc;
  dc.CreateCompatibleDC(&fw.text);
  dc.SelectObject(&bitmap);
  CFont font;
  font.CreateFont(16, 0, 0, 0, 700, false, false, false, 134, 0, 0, 0, 0x38, "黑体");
  dc.SelectObject(&font);

  ScorePopup popup{30, 40, 5, 20, 1, "+2", POPUP_BLACK, POPUP_GREEN};
  popup.Draw(dc);
  ASSERT_EQ(fw.text.calls.size(), 5u);
  const CPoint places[] = {{29, 35}, {31, 35}, {30, 34}, {30, 36}, {30, 35}};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(fw.text.calls[i].x, places[i].x);
    EXPECT_EQ(fw.text.calls[i].y, places[i].y);
    EXPECT_EQ(fw.text.calls[i].text, "+2");
    EXPECT_EQ(fw.text.calls[i].color, i < 4 ? POPUP_BLACK : POPUP_GREEN);
  }
  EXPECT_EQ(dc.GetTextColor(), POPUP_GREEN);

  popup.rise = 20;
  popup.Draw(dc);
  EXPECT_EQ(fw.text.calls.size(), 5u);  // idle popups draw nothing
}

// Every kind of score event shows its signed points in its colour: the water's events at their
// square's corner (a spill on the side it runs out of), the player's moves at the pointer.
TEST(ScoreTexts, EachKindHasItsTextColourAndAnchor) {
  const CPoint pointer{300, 320};
  const CPoint corner{SquareLeft(3), SquareTop(5)};
  struct Case {
    ScoreEvent event;
    const char* text;
    COLORREF color;
    CPoint at;
  };
  const Case cases[] = {
      {{ScoreKind::WaterMoved, 3, 5, -1, 2}, "+2", POPUP_GREEN, {corner.x, corner.y - 10}},
      {{ScoreKind::Goal, 3, 5, -1, 100}, "+100", POPUP_RED, corner},
      {{ScoreKind::Spill, 3, 5, PORT_TOP, -2}, "-2", POPUP_RED, {corner.x, corner.y - 10}},
      {{ScoreKind::Spill, 3, 5, PORT_BOTTOM, -2}, "-2", POPUP_RED, {corner.x, corner.y + 9}},
      {{ScoreKind::Spill, 3, 5, PORT_LEFT, -2}, "-2", POPUP_RED, {corner.x - 9, corner.y}},
      {{ScoreKind::Spill, 3, 5, PORT_RIGHT, -2}, "-2", POPUP_RED, {corner.x + 19, corner.y}},
      {{ScoreKind::Discard, -1, -1, -1, -2}, "-2", POPUP_RED, {300, 310}},
      {{ScoreKind::Unjoined, 12, 12, -1, -1}, "-1", POPUP_RED, {300, 310}},
      {{ScoreKind::Removal, 12, 12, -1, -3}, "-3", POPUP_RED, {300, 310}},
  };
  for (const Case& c : cases) {
    const ScoreText shown = ScoreTextOf(c.event, pointer);
    EXPECT_EQ(shown.text, c.text);
    EXPECT_EQ(shown.textColor, c.color) << c.text;
    EXPECT_EQ(shown.outlineColor, POPUP_BLACK);
    EXPECT_EQ(shown.at, c.at) << static_cast<int>(c.event.kind) << " " << c.event.port;
  }
}

}  // namespace
