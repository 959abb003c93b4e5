#include "tests/support/game_fixture.h"

namespace {

// A game played through as a player would, on a board the test lays out: source at (2, 2)
// open to the right, drain at (8, 2) open to the left.
class WholeGame : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
    dlg.GetGame().Seed(77);
    dlg.NewGame();
    ClearBoardWith(2, 2, 3, 8, 2, 2);
  }
  // Pipes from the source to the drain, the first one laid across a wet straight.
  void PlayToTheDrain();
};

void WholeGame::PlayToTheDrain() {
  LayAt(3, 2, PIECE_HORIZONTAL);
  Water(8);  // the water is half-way through the first straight
  ASSERT_TRUE(Square(3, 2).HasWater());
  LayAt(3, 2, PIECE_VERTICAL);  // a crossing over the wet straight
  EXPECT_EQ(Square(3, 2).code, PIECE_CROSS);
  for (int col = 4; col <= 7; ++col) LayAt(col, 2, PIECE_HORIZONTAL);
}

TEST_F(WholeGame, PlayedToTheEndAndEnteredTwice) {
  const double start = dlg.GetGame().EditPosition().score;
  PlayToTheDrain();
  EXPECT_EQ(Square(3, 2).nodes[PORT_LEFT].fill, FILL_WET);
  // Eight steps of water; the vertical laid across faces nothing with its own ports.
  EXPECT_EQ(dlg.GetGame().EditPosition().score, start + 16 - 1);

  // A piece laid apart costs 1, removing it costs 3.
  LayAt(10, 10, PIECE_TEE_NO_TOP);
  dlg.OnRButtonDown(0, PointIn(10, 10));
  EXPECT_EQ(Square(10, 10).code, CELL_EMPTY);
  // Discarding costs 2 and brings the next piece.
  const int next = dlg.GetGame().EditPosition().queue[2];
  HoverAt({145, 30});
  Click({145, 30});
  EXPECT_EQ(dlg.GetGame().EditPosition().current, next);
  HoverAt({300, 420});
  EXPECT_EQ(dlg.GetGame().EditPosition().score, start + 16 - 1 - 1 - 3 - 2);

  // Pause and resume: the click that resumes lays nothing.
  Click({185, 30});
  EXPECT_EQ(Water(), 0);
  Click(PointIn(12, 12));
  EXPECT_EQ(Square(12, 12).code, CELL_EMPTY);
  EXPECT_EQ(WaterInterval(), 5000);

  // Fast-forward on: points still counted, popups not shown; then off again.
  Click({165, 30});
  const int popups = dlg.Popups().Next();
  const double before = dlg.GetGame().EditPosition().score;
  Water(9);
  EXPECT_EQ(dlg.Popups().Next(), popups);
  EXPECT_EQ(dlg.GetGame().EditPosition().score, before + 18);
  Click({165, 30});
  EXPECT_EQ(WaterInterval(), 5000);

  // The water reaches the drain; the end shows the message, offers the default name and
  // enters the name typed.
  fw.AnswerOk();
  fw.AnswerOk("Lin");
  fw.AnswerOk();
  int steps = 0;
  while (dlg.GetGame().EditPosition().state == Playing && steps++ < 100) Water();
  EXPECT_EQ(dlg.GetGame().EditPosition().state, Over);
  ASSERT_EQ(fw.dialogs.size(), 3u);
  EXPECT_EQ(fw.dialogs[0].text, "游戏结束，您的分数为 " + std::to_string(static_cast<int>(dlg.GetGame().EditPosition().score)));
  EXPECT_EQ(fw.dialogs[1].text, "佚名");
  EXPECT_EQ(fw.dialogs[2].rows[0].rfind("01 | Lin | ", 0), 0u);

  // A second qualifying game offers the first name; Esc still enters it.
  dlg.NewGame();
  ClearBoardWith(2, 2, 3, 8, 2, 2);
  PlayToTheDrain();
  fw.AnswerOk();
  fw.AnswerCancel();
  fw.AnswerOk();
  steps = 0;
  while (dlg.GetGame().EditPosition().state == Playing && steps++ < 100) Water();
  ASSERT_EQ(fw.dialogs.size(), 6u);
  EXPECT_EQ(fw.dialogs[4].text, "Lin");
  int lins = 0;
  for (const auto& entry : dlg.GetLeaderboard().entries) lins += entry.name == "Lin";
  EXPECT_EQ(lins, 2);
}

}  // namespace
