#include <cstdint>
#include <cstring>

#include "tests/support/game_fixture.h"
#include "tests/support/test_surface.h"
#include "view/game_view.h"
#include "view/score_look.h"

namespace {

// Whether a paint was asked for, and whether a frame was composed and handed to the window.
struct Outcome {
  bool invalidated;
  bool composed;
  bool operator==(const Outcome&) const = default;
};
constexpr Outcome SHOWN{true, true};
constexpr Outcome IDLE{false, false};

// A frame is composed only when something it shows changed; an idle heartbeat asks for none.
class FrameUpdates : public GameFixture {
 protected:
  // Paints, makes the change, runs one animation tick and paints again.
  template <typename Change>
  Outcome After(Change change) {
    dlg.OnPaint();
    const int invalidations = port->Invalidations();
    const int frames = port->Frames();
    change();
    dlg.AnimationTick();
    const bool invalidated = port->Invalidations() > invalidations;
    dlg.OnPaint();
    return {invalidated, port->Frames() > frames};
  }
};

TEST_F(FrameUpdates, ComposedOnlyWhenSomethingShownChanged) {
  const CPoint onBoard = PointIn(7, 7);
  HoverAt({20, 420});  // the pointer rests off the board; the system cursor shows
  EXPECT_EQ(After([] {}), IDLE);
  EXPECT_EQ(After([&] { fw.MovePointerTo(dlg, {30, 430}); }), IDLE);  // no carried piece
  EXPECT_EQ(After([&] { dlg.GetGame().EditPosition().score += 2; }), SHOWN);
  EXPECT_EQ(After([&] { dlg.GetGame().EditPosition().queue[0] ^= 1; }), SHOWN);

  // A popup is shown while it rises and once more to take it away.
  dlg.AddScorePopup(200, 200, "+2", POPUP_GREEN, POPUP_BLACK);
  for (int tick = 0; tick < POPUP_RISE_LIMIT; ++tick) ASSERT_EQ(After([] {}), SHOWN) << tick;
  EXPECT_EQ(After([] {}), IDLE);

  // The carried piece follows the pointer over the board; the discard button lights up.
  EXPECT_EQ(After([&] { HoverAt(onBoard); }), SHOWN);
  EXPECT_FALSE(dlg.CursorShown());
  EXPECT_EQ(After([&] { HoverAt({onBoard.x + 1, onBoard.y}); }), SHOWN);
  EXPECT_EQ(After([&] { HoverAt({onBoard.x + 1, onBoard.y}); }), IDLE);
  EXPECT_EQ(After([&] { HoverAt({DISCARD_BUTTON.left + 2, DISCARD_BUTTON.top + 2}); }), SHOWN);
  EXPECT_EQ(After([&] { HoverAt({20, 420}); }), SHOWN);

  // Water that moves, a laid piece and the pause picture; while paused nothing shows, not even
  // the popups of the water step, which rise on unseen.
  ClearBoardWith(2, 2, 3, 8, 2, 2);
  dlg.RedrawBoard(true);
  EXPECT_EQ(After([&] { Water(); }), SHOWN);
  EXPECT_EQ(After([&] { LayAt(10, 10, PIECE_HORIZONTAL); }), SHOWN);
  EXPECT_EQ(After([&] { Click({PAUSE_BUTTON.left + 2, PAUSE_BUTTON.top + 2}); }), SHOWN);
  EXPECT_EQ(After([&] { HoverAt(onBoard); dlg.GetGame().EditPosition().score += 5; }), IDLE);
  EXPECT_EQ(After([&] { Click({10, 10}); }), SHOWN);
  EXPECT_EQ(After([&] { Click({FAST_FORWARD_BUTTON.left + 2, FAST_FORWARD_BUTTON.top + 2}); }), SHOWN);
}

// Whatever happens in play, the window shows the frame a fresh composition would give, and a
// frame differs from the one before only where it says it does.
TEST_F(FrameUpdates, TheWindowAlwaysShowsTheFrameOfTheMoment) {
  dlg.GetLeaderboard().entries.fill({"Top", 1e9});  // no name dialog: only the final message
  std::uint32_t rng = 3;
  auto roll = [&rng](int n) {
    rng = rng * 1664525u + 1013904223u;
    return static_cast<int>((rng >> 8) % static_cast<std::uint32_t>(n));
  };
  GameView fresh;
  fresh.Create(fw.GetTextRenderer(), dlg.GetClientRect());
  int skipped = 0;
  int partial = 0;
  CBitmap before;
  for (int action = 0; action < 3000; ++action) {
    const CPoint point{roll(479), roll(458)};
    switch (roll(13)) {
      case 0: Water(); break;
      case 1: Click(point); break;
      case 2: dlg.OnRButtonDown(0, point); break;
      case 3: for (int i = roll(25); i > 0; --i) dlg.AnimationTick(); break;
      case 4: {  // in and out of the replay, whose water moves without score texts
        GamePosition& game = dlg.GetGame().EditPosition();
        game.state = game.state == Over ? Playing : Over;
        break;
      }
      case 9:
      case 10: dlg.OnKey(ID_KEY_LEFT + roll(ID_KEY_FAST_FORWARD - ID_KEY_LEFT + 1)); break;
      case 11: roll(2) == 0 ? dlg.OnTap(point) : dlg.OnLongPress(point); break;
      case 12: fw.MovePointerTo(dlg, {-500, -500}), dlg.OnMouseLeave(); break;
      default: HoverAt(point); break;
    }
    if (fw.PendingAnswers() == 0) fw.AnswerOk();
    const int frames = port->Frames();
    dlg.OnPaint();
    skipped += port->Frames() == frames ? 1 : 0;
    if (port->Frames() > frames && !before.IsEmpty()) {
      ASSERT_TRUE(SameOutside(before, port->LastFrame(), port->LastChanged())) << "action " << action;
      partial += port->LastChanged().Width() * port->LastChanged().Height() < 479 * 458 ? 1 : 0;
    }
    before = port->LastFrame();
    // A second view composes from scratch over a copy of the window's board picture.
    fresh.RedrawBoard(Board{}, true);
    fresh.m_bmpBoard = dlg.View().m_bmpBoard;
    fresh.m_dcBoard.SelectObject(&fresh.m_bmpBoard);
    fresh.ComposeFrame(dlg.GetGame().Position(), dlg.ExtrasAt(dlg.ScreenToClient(fw.GetCursorPos())));
    const CBitmap& shown = port->LastFrame();
    const CBitmap& now = fresh.Frame();
    ASSERT_EQ(std::memcmp(shown.Bits(), now.Bits(), sizeof(std::uint32_t) * now.Width() * now.Height()), 0)
        << "action " << action;
  }
  EXPECT_GT(skipped, 300);
  EXPECT_GT(partial, 300);
  while (fw.PendingAnswers() > 0) fw.MessageBox(nullptr, "", "", MB_OK);
  fw.dialogs.clear();
}

}  // namespace
