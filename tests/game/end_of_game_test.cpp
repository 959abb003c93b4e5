#include "tests/support/game_fixture.h"

#include "storage/leaderboard_file.h"
#include "storage/program_dir.h"
#include "frontends/scripted/temp_folder.h"
#include "tests/support/scoped_language.h"

namespace {

class EndOfGame : public GameFixture {
 protected:
  void SetUp() override {
    GameFixture::SetUp();
  }
  // Ends the game at once with the given score: the water has nowhere to go.
  void EndWith(double score) {
    for (PipeCell& cell : dlg.GetGame().EditPosition().board) cell.Clear();
    dlg.GetGame().EditPosition().score = score;
    Water();
  }
};

TEST_F(EndOfGame, ScoreEqualToTheTenthShowsOnlyTheMessage) {
  dlg.GetLeaderboard().entries[9].score = 50;
  fw.AnswerOk();
  EndWith(50);
  ASSERT_EQ(fw.dialogs.size(), 1u);
  EXPECT_EQ(fw.dialogs[0].kind, DialogRecord::MessageBox);
  EXPECT_EQ(fw.dialogs[0].text, "游戏结束，您的分数为 50");
  EXPECT_EQ(dlg.GetGame().EditPosition().state, Over);
}

TEST_F(EndOfGame, NegativeScoresEnterOnlyABoardWithLowerOnes) {
  fw.AnswerOk();
  EndWith(-4);
  EXPECT_EQ(fw.dialogs.size(), 1u);
  EXPECT_EQ(fw.dialogs[0].text, "游戏结束，您的分数为 -4");

  dlg.NewGame();
  Leaderboard low;
  for (auto& entry : low.entries) entry.score = -10;
  ASSERT_TRUE(WriteFileContents(GetProgramDir(fw) + LEADERBOARD_FILE_NAME, FormatLeaderboard(low)));
  dlg.ReadLeaderboard();
  fw.AnswerOk();
  fw.AnswerOk();
  fw.AnswerOk();
  EndWith(-4);
  EXPECT_EQ(dlg.GetLeaderboard().entries[0].score, -4);
}

TEST_F(EndOfGame, TheNameOfferedIsTheLastOneEnteredAndEscStillEnters) {
  fw.AnswerOk();
  fw.AnswerOk("Mei");
  fw.AnswerOk();
  EndWith(30);
  EXPECT_EQ(fw.dialogs[1].text, "佚名");

  dlg.NewGame();
  fw.AnswerOk();
  fw.AnswerCancel();  // Esc: the offered name is entered
  fw.AnswerOk();
  EndWith(40);
  EXPECT_EQ(fw.dialogs[4].text, "Mei");
  EXPECT_EQ(dlg.GetLeaderboard().entries[0], (LeaderboardEntry{"Mei", 40}));
  EXPECT_EQ(dlg.GetLeaderboard().entries[1], (LeaderboardEntry{"Mei", 30}));
  EXPECT_EQ(fw.dialogs[5].rows[0], "01 | Mei | 40");
  EXPECT_EQ(fw.dialogs[5].rows.size(), 10u);
  EXPECT_EQ(fw.dialogs[5].rows[9], "10 | 佚名 | 0");
}

TEST_F(EndOfGame, AnEmptyNameIsEnteredAsTheDefaultName) {
  fw.AnswerOk();
  fw.AnswerOk("");
  fw.AnswerOk();
  EndWith(12);
  EXPECT_EQ(dlg.GetLeaderboard().entries[0], (LeaderboardEntry{"佚名", 12}));
}

// The file holds the default name as "佚名" whatever the language: an English program shows it
// as "Anonymous", offers that, and stores it back as the file has it; a typed name is kept.
TEST_F(EndOfGame, InEnglishTheDefaultNameIsShownInEnglishAndStoredAsTheFileHasIt) {
  ScopedLanguage english("en");
  fw.AnswerOk();
  fw.AnswerOk();  // keeps the name offered
  fw.AnswerOk();
  EndWith(30);
  ASSERT_EQ(fw.dialogs.size(), 3u);
  EXPECT_EQ(fw.dialogs[0].text, "Game over. Your score: 30");
  EXPECT_EQ(fw.dialogs[1].title, "On the leaderboard");
  EXPECT_EQ(fw.dialogs[1].text, "Anonymous");
  EXPECT_EQ(fw.dialogs[2].title, "Leaderboard");
  EXPECT_EQ(fw.dialogs[2].rows[0], "01 | Anonymous | 30");
  EXPECT_EQ(fw.dialogs[2].rows[9], "10 | Anonymous | 0");

  dlg.NewGame();
  fw.AnswerOk();
  fw.AnswerOk("李雷");
  fw.AnswerOk();
  EndWith(40);
  EXPECT_EQ(fw.dialogs[4].text, "Anonymous");
  EXPECT_EQ(fw.dialogs[5].rows[0], "01 | 李雷 | 40");

  Leaderboard expected;
  expected.InsertScore("佚名", 30);
  expected.InsertScore("李雷", 40);
  EXPECT_EQ(dlg.GetLeaderboard().entries, expected.entries);
  EXPECT_EQ(FileContents(GetProgramDir(fw) + LEADERBOARD_FILE_NAME), FormatLeaderboard(expected))
      << "the same GB18030 bytes a Chinese program writes";
}

TEST_F(EndOfGame, TheCursorComesBackAndNoWaterStepRunsInsideTheDialogs) {
  HoverAt(PointIn(5, 5));
  ASSERT_FALSE(dlg.CursorShown());
  fw.onDialog = [&](const DialogRecord&) {
    EXPECT_TRUE(dlg.CursorShown());
    EXPECT_EQ(WaterInterval(), std::nullopt);
    EXPECT_EQ(dlg.GetGame().EditPosition().state, Playing);
  };
  fw.AnswerOk();
  fw.AnswerOk("Ann");
  fw.AnswerOk();
  EndWith(20);
  EXPECT_EQ(WaterInterval(), 30);
}

TEST_F(EndOfGame, ClearingTheLeaderboardShowsTenDefaultRowsAtOnce) {
  dlg.GetLeaderboard().InsertScore("Kai", 99);
  fw.QueueAnswer(ScriptedAnswer{true, std::nullopt, {IDC_CLEAR}});
  dlg.OnCommand(ID_GAME_LEADERBOARD);
  ASSERT_EQ(fw.dialogs.size(), 2u);
  EXPECT_EQ(fw.dialogs[0].rows[0], "01 | Kai | 99");
  EXPECT_EQ(fw.dialogs[1].rows[0], "01 | 佚名 | 0");
  EXPECT_EQ(fw.dialogs[1].rows.size(), 10u);
  EXPECT_EQ(dlg.GetLeaderboard().entries[0].name, "佚名");
}

TEST(Leaderboard, InsertsInRankOrderBelowEqualScores) {
  Leaderboard board;
  EXPECT_FALSE(board.Qualifies(0));
  EXPECT_TRUE(board.Qualifies(1));
  for (int i = 0; i < 10; ++i) board.entries[i] = {"p" + std::to_string(i), 100.0 - 10 * i};
  board.InsertScore("new", 70);  // equal to entry 3: goes below it
  EXPECT_EQ(board.entries[3].name, "p3");
  EXPECT_EQ(board.entries[4].name, "new");
  EXPECT_EQ(board.entries[5].name, "p4");
  EXPECT_EQ(board.entries[9].name, "p8");  // the former tenth is dropped
  EXPECT_FALSE(board.Qualifies(board.entries[9].score));
}

}  // namespace
