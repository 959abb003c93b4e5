#include <gtest/gtest.h>

#include <string>

#include "game/game.h"
#include "model/end_pieces.h"
#include "model/piece_catalogue.h"

// The rules on a Game alone: no window, no framework, no clock.

namespace {

// Source at (2, 2) open to the right, five horizontal straights, drain at (8, 2) open to the
// left; score 10, in play.
Game WorkedExample() {
  Game game;
  GamePosition& p = game.EditPosition();
  p.score = 10;
  p.state = Playing;
  BuildSource(p.board[CellIndex(2, 2)], PORT_RIGHT);
  BuildDrain(p.board[CellIndex(8, 2)], PORT_LEFT);
  for (int col = 3; col <= 7; ++col) p.board[CellIndex(col, 2)].Join(PieceCatalogue[PIECE_HORIZONTAL]);
  return game;
}

TEST(GameRules, WaterStepsReportEachScoreEventAndTheStopWithoutEndingTheGame) {
  Game game = WorkedExample();
  for (int step = 1; step <= 54; ++step) {
    const GameReport report = game.WaterTick();
    ASSERT_EQ(report.eventCount, 1) << "step " << step;
    const ScoreEvent& event = report.events[0];
    const int col = step <= 4 ? 2 : step <= 49 ? 3 + (step - 5) / 9 : 8;
    EXPECT_EQ(event.kind, step < 54 ? ScoreKind::WaterMoved : ScoreKind::Goal) << "step " << step;
    EXPECT_EQ(event.points, step < 54 ? 2 : 100) << "step " << step;
    EXPECT_EQ(event.col, col) << "step " << step;
    EXPECT_TRUE(report.changedSquares.test(static_cast<std::size_t>(CellIndex(col, 2))));
    EXPECT_FALSE(report.waterStopped);
    EXPECT_FALSE(report.rebuild);
  }
  EXPECT_EQ(game.Score(), 216);

  const GameReport last = game.WaterTick();
  EXPECT_TRUE(last.waterStopped);
  EXPECT_EQ(last.eventCount, 0);
  EXPECT_EQ(game.State(), Playing);  // the window announces the end first

  EXPECT_TRUE(game.EndOfFlow().rebuild);
  EXPECT_EQ(game.State(), Over);
  EXPECT_EQ(game.WaterInterval(), FAST_INTERVAL_MS);
  EXPECT_TRUE(game.Squares()[CellIndex(2, 2)].HasWater());
  for (int col = 3; col <= 8; ++col) EXPECT_FALSE(game.Squares()[CellIndex(col, 2)].HasWater());
  // The replay flows again but scores nothing.
  EXPECT_GT(game.WaterTick().eventCount, 0);
  EXPECT_EQ(game.Score(), 216);
}

TEST(GameRules, MovesChargeTheirPointsOnlyInPlay) {
  Game game = WorkedExample();
  GamePosition& p = game.EditPosition();
  p.current = PIECE_VERTICAL;
  p.queue = {1, 2, 3};

  GameReport laid = game.LayPiece(12, 12);  // meets no neighbour
  EXPECT_TRUE(laid.rebuild);
  ASSERT_EQ(laid.eventCount, 1);
  EXPECT_EQ(laid.events[0].kind, ScoreKind::Unjoined);
  EXPECT_EQ(laid.events[0].points, -1);
  EXPECT_EQ(laid.events[0].row, 12);
  EXPECT_EQ(game.Position().current, 3);
  EXPECT_FALSE(game.LayPiece(12, 12).rebuild);  // the square is taken

  const ScoreEvent discarded = game.Discard().events[0];
  EXPECT_EQ(discarded.kind, ScoreKind::Discard);
  EXPECT_EQ(discarded.points, -2);
  const ScoreEvent removed = game.RemovePiece(12, 12).events[0];
  EXPECT_EQ(removed.kind, ScoreKind::Removal);
  EXPECT_EQ(removed.points, -3);
  EXPECT_EQ(game.RemovePiece(2, 2).eventCount, 0);  // the source stays
  EXPECT_EQ(game.Score(), 10 - 1 - 2 - 3);

  game.Pause();
  EXPECT_EQ(game.WaterInterval(), std::nullopt);
  EXPECT_EQ(game.Discard().eventCount, 0);
  EXPECT_FALSE(game.LayPiece(13, 13).rebuild);
  game.ToggleFastForward();
  EXPECT_FALSE(game.FastForward());
  game.Resume();
  game.ToggleFastForward();
  EXPECT_EQ(game.WaterInterval(), FAST_INTERVAL_MS);
  EXPECT_EQ(game.Score(), 4);
}

}  // namespace
