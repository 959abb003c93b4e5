#include <algorithm>

#include "tests/support/game_fixture.h"

namespace {

class WaterTick : public GameFixture {};

// Source at (2, 2) open to the right, five horizontal straights, drain at (8, 2) open to
// the left.
TEST_F(WaterTick, WaterRunsFromSourceToDrainOneNodePerStep) {
  ClearBoardWith(2, 2, 3, 8, 2, 2);
  for (int col = 3; col <= 7; ++col) Square(col, 2).Join(PieceCatalogue[PIECE_HORIZONTAL]);

  for (int step = 1; step <= 54; ++step) {
    const int before = dlg.Popups().Next();
    const double score = dlg.GetGame().EditPosition().score;
    Water();
    const ScorePopup& popup = dlg.Popups()[before];
    ASSERT_EQ(dlg.Popups().Next(), before + 1) << "step " << step;
    // The square earning the step: the source for 1..4, straight k for its nine steps, the
    // drain for 50..54.
    const int col = step <= 4 ? 2 : step <= 49 ? 3 + (step - 5) / 9 : 8;
    if (step < 54) {
      EXPECT_EQ(popup.text, "+2") << "step " << step;
      EXPECT_EQ(popup.textColor, RGB(0, 255, 0));
      EXPECT_EQ(popup.x, SquareLeft(col)) << "step " << step;
      EXPECT_EQ(popup.y, SquareTop(2) - 10);
      EXPECT_EQ(dlg.GetGame().EditPosition().score, score + 2);
    } else {
      EXPECT_EQ(popup.text, "+100");
      EXPECT_EQ(popup.textColor, RGB(255, 0, 0));
      EXPECT_EQ(popup.x, SquareLeft(8));
      EXPECT_EQ(popup.y, SquareTop(2));
      EXPECT_EQ(dlg.GetGame().EditPosition().score, score + 100);
    }
    EXPECT_EQ(popup.outlineColor, RGB(0, 0, 0));
  }
  EXPECT_EQ(dlg.GetGame().EditPosition().score, 216);
  EXPECT_EQ(dlg.GetGame().EditPosition().state, Playing);

  fw.AnswerOk();             // the final score message
  fw.AnswerOk("Wen");      // the name dialog
  fw.AnswerOk();             // the leaderboard
  const int before = dlg.Popups().Next();
  Water();
  EXPECT_EQ(dlg.Popups().Next(), before);
  EXPECT_EQ(dlg.GetGame().EditPosition().state, Over);
  EXPECT_EQ(dlg.GetGame().EditPosition().score, 216);
  ASSERT_EQ(fw.dialogs.size(), 3u);
  EXPECT_EQ(fw.dialogs[0].text, "游戏结束，您的分数为 216");
  EXPECT_EQ(fw.dialogs[0].title, "vandrel");
  EXPECT_EQ(fw.dialogs[0].type, MB_OK);
  EXPECT_EQ(fw.dialogs[1].title, "榜上有名");
  EXPECT_EQ(fw.dialogs[1].text, "佚名");
  EXPECT_EQ(fw.dialogs[2].title, "排行榜");
  EXPECT_EQ(fw.dialogs[2].rows[0], "01 | Wen | 216");
  EXPECT_EQ(fw.dialogs[2].rows[1], "02 | 佚名 | 0");
  EXPECT_EQ(WaterInterval(), 30);
}

TEST_F(WaterTick, FinishedNetworkReplaysWithoutScoringAndSparesTheSource) {
  ClearBoardWith(2, 2, 3, 8, 2, 2);
  for (int col = 3; col <= 7; ++col) Square(col, 2).Join(PieceCatalogue[PIECE_HORIZONTAL]);
  dlg.GetLeaderboard().entries.fill({"Top", 10000});  // nothing qualifies: only the message
  Water(54);
  fw.AnswerOk();
  Water();
  ASSERT_EQ(dlg.GetGame().EditPosition().state, Over);
  EXPECT_TRUE(Square(2, 2).HasWater());
  EXPECT_EQ(Square(2, 2).frontCount, 1);
  for (int col = 3; col <= 8; ++col) EXPECT_FALSE(Square(col, 2).HasWater());

  const int popups = dlg.Popups().Next();
  Water(55);  // the replay runs the whole way again and drains once more
  EXPECT_EQ(dlg.Popups().Next(), popups);
  EXPECT_EQ(dlg.GetGame().EditPosition().score, 216);
  EXPECT_FALSE(Square(8, 2).HasWater());
  Water(5);
  EXPECT_TRUE(Square(3, 2).HasWater());
  EXPECT_EQ(fw.dialogs.size(), 1u);  // the message came once
  EXPECT_EQ(WaterInterval(), 30);

  dlg.NewGame();
  EXPECT_EQ(WaterInterval(), 5000);
}

TEST_F(WaterTick, FirstSpillOfAnUntouchedBoardComesWithTheFifthStep) {
  ClearBoardWith(5, 5, 0, 12, 12, 1);
  for (int step = 1; step <= 4; ++step) {
    const int before = dlg.Popups().Next();
    Water();
    EXPECT_EQ(PopupsSince(before), std::vector<std::string>{"+2"});
  }
  const int before = dlg.Popups().Next();
  Water();
  EXPECT_EQ(PopupsSince(before), std::vector<std::string>{"-2"});
  EXPECT_EQ(dlg.Popups()[before].x, SquareLeft(5));
  EXPECT_EQ(dlg.Popups()[before].y, SquareTop(5) - 10);
  EXPECT_EQ(dlg.GetGame().EditPosition().score, 16);
  // Next to a dry square the spill keeps the game going, step after step.
  Water(20);
  EXPECT_EQ(dlg.GetGame().EditPosition().state, Playing);
  EXPECT_EQ(dlg.GetGame().EditPosition().score, 16 - 40);
}

TEST_F(WaterTick, PortsFacingTheBoardEdgeNeverSpill) {
  ClearBoardWith(0, 3, 2, 12, 12, 1);  // the source's port faces the left edge
  Square(0, 3).nodes[PORT_LEFT].kind = 4;
  fw.AnswerOk();
  fw.AnswerOk();
  fw.AnswerOk();
  Water(4);
  EXPECT_EQ(dlg.GetGame().EditPosition().score, 18);
  Water();  // nothing moves, nothing spills: the game is over
  EXPECT_EQ(dlg.GetGame().EditPosition().state, Over);
  EXPECT_EQ(dlg.GetGame().EditPosition().score, 18);
}

TEST_F(WaterTick, SpillAgainstAWetSquareCostsButDoesNotKeepTheGameGoing) {
  // Source at (4, 4) open up; above it a wet tee without a bottom port.
  ClearBoardWith(4, 4, 0, 12, 12, 1);
  Square(4, 3).Join(PieceCatalogue[PIECE_TEE_NO_BOTTOM]);
  Square(4, 3).nodes[5].fill = FILL_WET;
  dlg.GetLeaderboard().entries.fill({"Top", 10000});
  fw.AnswerOk();
  Water(4);
  const int before = dlg.Popups().Next();
  Water();
  EXPECT_EQ(PopupsSince(before), std::vector<std::string>{"-2"});
  EXPECT_EQ(dlg.GetGame().EditPosition().state, Over);
  EXPECT_EQ(dlg.GetGame().EditPosition().score, 16);
}

TEST_F(WaterTick, WaterHandedUpIsWetAtOnceAndDownArrivesInTheSameSweep) {
  // Source at (6, 6) open down: the straight below turns its arriving port wet itself.
  ClearBoardWith(6, 6, 1, 12, 12, 1);
  Square(6, 7).Join(PieceCatalogue[PIECE_VERTICAL]);
  Square(6, 5).Join(PieceCatalogue[PIECE_VERTICAL]);
  Water(4);
  int before = dlg.Popups().Next();
  Water();
  EXPECT_EQ(PopupsSince(before), std::vector<std::string>{"+2"});
  EXPECT_EQ(dlg.Popups()[before].y, SquareTop(7) - 10);
  EXPECT_EQ(Square(6, 7).nodes[PORT_TOP].fill, FILL_WET);
  EXPECT_EQ(Square(6, 7).nodes[4].fill, FILL_DRY);

  // Source at (9, 9) open up: the square above has had its turn, so water is wet at once and
  // the source's square earns the step.
  ClearBoardWith(9, 9, 0, 1, 1, 1);
  Square(9, 8).Join(PieceCatalogue[PIECE_VERTICAL]);
  Water(4);
  before = dlg.Popups().Next();
  Water();
  EXPECT_EQ(PopupsSince(before), std::vector<std::string>{"+2"});
  EXPECT_EQ(dlg.Popups()[before].x, SquareLeft(9));
  EXPECT_EQ(dlg.Popups()[before].y, SquareTop(9) - 10);
  EXPECT_EQ(Square(9, 8).nodes[PORT_BOTTOM].fill, FILL_WET);
  Water();
  EXPECT_EQ(Square(9, 8).nodes[10].fill, FILL_WET);
}

TEST_F(WaterTick, HandOverIntoAFullFrontDoesNothing) {
  ClearBoardWith(3, 3, 3, 12, 12, 1);
  PipeCell& cross = Square(4, 3);
  cross.Join(PieceCatalogue[PIECE_CROSS]);
  Water(4);
  // Only a damaged saved game could bring a full front; the source's water must not overrun it.
  for (int n : {0, 1, 3, 4, 10, 17}) cross.nodes[n].fill = FILL_WET;
  cross.front = {0, 1, 3, 4, 10, 17, 0, 1};
  cross.frontCount = FRONT_CAPACITY;
  const double score = dlg.GetGame().EditPosition().score;
  Water();
  EXPECT_EQ(cross.nodes[PORT_LEFT].fill, FILL_DRY);
  EXPECT_LE(cross.frontCount, FRONT_CAPACITY);
  // Its own water moved on (+2) and spilled at its top, bottom and right ports (3 x -2).
  EXPECT_EQ(dlg.GetGame().EditPosition().score, score + 2 - 6);
}

}  // namespace
