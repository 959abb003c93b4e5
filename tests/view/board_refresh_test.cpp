#include <cstdint>
#include <cstring>

#include "tests/support/game_fixture.h"
#include "view/game_view.h"

namespace {

// The window redraws after a water step only the squares the step reports as changed. A
// second picture follows the same games the long way, rebuilding when pieces change and
// drawing every square's front after every step; both must agree pixel for pixel.
class BoardRefresh : public GameFixture {
 protected:
  std::uint32_t m_rng = 1;
  int Roll(int n) {
    m_rng = m_rng * 1664525u + 1013904223u;
    return static_cast<int>((m_rng >> 8) % static_cast<std::uint32_t>(n));
  }
  void RandomInput();
  // Brings the reference picture along one water step, as the full redraw does.
  void FollowWaterStep();
  const Board& Squares() { return dlg.GetGame().Squares(); }

  GameView m_reference;
  Board m_referenceBoard{};
};

// Half the pieces go right beside the water, so that it runs into them from every side.
void BoardRefresh::RandomInput() {
  CPoint onBoard{81 + Roll(303), 81 + Roll(303)};
  const int index = Roll(BOARD_CELLS);
  if (Squares()[static_cast<std::size_t>(index)].HasWater()) {
    onBoard = PointIn(index / BOARD_SIZE + Roll(3) - 1, index % BOARD_SIZE + Roll(3) - 1);
  }
  switch (Roll(12)) {
    case 0: dlg.OnRButtonDown(0, onBoard); break;
    case 1: HoverAt({140 + Roll(18), 23 + Roll(17)}); Click(fw.cursor); HoverAt({20, 420}); break;
    case 2: Click({160 + Roll(16), 25}); break;  // fast-forward
    default: dlg.OnLButtonDown(0, onBoard); break;
  }
}

void BoardRefresh::FollowWaterStep() {
  Game next = dlg.GetGame();
  if (std::memcmp(&m_referenceBoard, &next.Squares(), sizeof(Board)) != 0) {
    m_reference.RedrawBoard(next.Squares(), true);  // pieces changed since the last step
  }
  if (next.WaterTick().waterStopped) {
    next.EndOfFlow();
    m_reference.RedrawBoard(next.Squares(), true);
  }
  m_reference.RedrawBoard(next.Squares(), false);
  m_referenceBoard = next.Squares();
}

TEST_F(BoardRefresh, ChangedSquaresGiveTheFullRedrawPicture) {
  dlg.GetLeaderboard().entries.fill({"Top", 1e9});  // no name dialog: only the final message
  m_reference.Create(fw.GetTextRenderer(), dlg.GetClientRect());
  const CBitmap& shown = dlg.View().m_bmpBoard;
  const CBitmap& full = m_reference.m_bmpBoard;
  const std::size_t bytes = sizeof(std::uint32_t) * BOARD_PIXELS * BOARD_PIXELS;
  long compared = 0;
  for (std::uint32_t game = 0; game < 60; ++game) {
    m_rng = game + 7;
    dlg.GetGame().Seed(game * 2654435761u);
    dlg.NewGame();
    m_reference.RedrawBoard(Squares(), true);
    m_referenceBoard = Squares();
    // Long enough for the end of the game and some of the replay after it.
    for (int step = 0; step < 400; ++step) {
      if (dlg.GetGame().State() == Playing) {
        for (int i = Roll(3); i > 0; --i) RandomInput();
      }
      if (dlg.GetGame().State() == Paused) Click({10, 10});
      if (fw.PendingAnswers() == 0) fw.AnswerOk();
      FollowWaterStep();
      dlg.OnTimer(WaterTimer);
      ASSERT_EQ(std::memcmp(shown.Bits(), full.Bits(), bytes), 0) << "game " << game << " step " << step;
      ++compared;
    }
  }
  EXPECT_GT(compared, 20000);
  while (fw.PendingAnswers() > 0) fw.MessageBox(nullptr, "", "", MB_OK);
  fw.dialogs.clear();
}

}  // namespace
