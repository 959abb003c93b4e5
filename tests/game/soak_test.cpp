#include <cstdint>

#include "tests/support/game_fixture.h"
#include "tests/support/invariants.h"

namespace {

// Random legal input between water steps, in many seeded games, with every square checked
// after every step.
class Soak : public GameFixture {
 protected:
  std::uint32_t m_rng = 1;
  int Roll(int n) {
    m_rng = m_rng * 1664525u + 1013904223u;
    return static_cast<int>((m_rng >> 8) % static_cast<std::uint32_t>(n));
  }
  CPoint RandomBoardPoint() { return {81 + Roll(303), 81 + Roll(303)}; }
  void RandomInput();
};

void Soak::RandomInput() {
  switch (Roll(10)) {
    case 0: dlg.OnRButtonDown(0, RandomBoardPoint()); break;
    case 1: HoverAt({140 + Roll(18), 23 + Roll(17)}); Click(fw.cursor); HoverAt({20, 420}); break;
    case 2: Click({160 + Roll(16), 25}); break;                     // fast-forward
    case 3: if (Roll(4) == 0) { Click({185, 30}); Click({10, 10}); } break;  // pause, resume
    default: dlg.OnLButtonDown(0, RandomBoardPoint()); break;
  }
}

TEST_F(Soak, RandomGamesKeepEverySquareValid) {
  dlg.GetLeaderboard().entries.fill({"Top", 1e9});  // no name dialog: only the final message
  for (std::uint32_t game = 0; game < 1000; ++game) {
    m_rng = game + 1;
    dlg.GetGame().Seed(game * 2654435761u);
    dlg.NewGame();
    for (int step = 0; step < 150 && dlg.GetGame().EditPosition().state != Over; ++step) {
      for (int i = Roll(4); i > 0; --i) RandomInput();
      if (fw.PendingAnswers() == 0) fw.AnswerOk();
      if (dlg.GetGame().EditPosition().state == Paused) Click({10, 10});
      dlg.OnTimer(WaterTimer);
      for (int index = 0; index < BOARD_CELLS; ++index) {
        const std::string broken = CellInvariantBroken(dlg.GetGame().EditPosition().board[index]);
        ASSERT_EQ(broken, "") << "game " << game << " step " << step << " square " << index;
        for (const PipeNode& node : dlg.GetGame().EditPosition().board[index].nodes) ASSERT_NE(node.fill, FILL_ARRIVING);
      }
    }
  }
  while (fw.PendingAnswers() > 0) {  // leave no answer behind for the fixture's check
    fw.MessageBox(nullptr, "", "", MB_OK);
  }
  fw.dialogs.clear();
}

}  // namespace
