#include <gtest/gtest.h>

#include <cstdlib>

#include "game/game.h"
#include "game/game_random.h"
#include "model/piece_catalogue.h"
#include "tests/support/invariants.h"

namespace {

TEST(GameRandom, FollowsTheLinearCongruentialSequence) {
  GameRandom random(0);
  EXPECT_EQ(random.Next(), 38);  // (2531011 >> 16) & 32767
  random.Seed(1);
  EXPECT_EQ(random.Next(), 41);
  EXPECT_EQ(random.Next(), 18467);
  EXPECT_EQ(random.Next(), 6334);
}

TEST(NewGame, LaysOneDrainAndOneWetSourceFarEnoughApart) {
  for (std::uint32_t seed = 0; seed < 500; ++seed) {
    Game game(seed);
    game.ResetBoard();
    int sources = 0, drains = 0, sc = 0, sr = 0, dc = 0, dr = 0;
    for (int col = 0; col < 16; ++col) {
      for (int row = 0; row < 16; ++row) {
        const PipeCell& cell = game.Squares()[CellIndex(col, row)];
        ASSERT_EQ(CellInvariantBroken(cell), "");
        if (cell.code == CELL_SOURCE) {
          ++sources, sc = col, sr = row;
          EXPECT_TRUE(cell.HasWater());
          EXPECT_EQ(cell.frontCount, 1);
          EXPECT_EQ(cell.front[0], 7);
        } else if (cell.code == CELL_DRAIN) {
          ++drains, dc = col, dr = row;
          EXPECT_FALSE(cell.HasWater());
        } else {
          EXPECT_EQ(cell.code, CELL_EMPTY);
        }
      }
    }
    ASSERT_EQ(sources, 1);
    ASSERT_EQ(drains, 1);
    EXPECT_TRUE(std::abs(sc - dc) >= 6 || std::abs(sr - dr) >= 6);
    for (int v : {sc, sr, dc, dr}) EXPECT_TRUE(v >= 1 && v <= 14);
  }
}

TEST(NewGame, DrawsTheBoardInItsFixedOrder) {
  // Draws (mod 14 + 1, mod 14 + 1, mod 4, then source pairs, then mod 4) of seed 7.
  GameRandom random(7);
  int draws[16];
  for (int& d : draws) d = random.Next();
  const int dc = draws[0] % 14 + 1, dr = draws[1] % 14 + 1;
  int i = 3;
  int sc = 0, sr = 0;
  do {
    sc = draws[i++] % 14 + 1;
    sr = draws[i++] % 14 + 1;
  } while (std::abs(sc - dc) < 6 && std::abs(sr - dr) < 6);
  Game game(7);
  game.ResetBoard();
  EXPECT_EQ(game.Squares()[CellIndex(dc, dr)].code, CELL_DRAIN);
  const PipeCell& source = game.Squares()[CellIndex(sc, sr)];
  EXPECT_EQ(source.code, CELL_SOURCE);
  const int ports[] = {PORT_TOP, PORT_BOTTOM, PORT_LEFT, PORT_RIGHT};
  EXPECT_GT(source.nodes[ports[draws[i] % 4]].kind, 0);
  EXPECT_GT(game.Squares()[CellIndex(dc, dr)].nodes[ports[draws[2] % 4]].kind, 0);
}

// Games are values: the same seed and inputs give equal games, and a copy plays on alone.
TEST(NewGame, SameSeedSameGameAndCopiesPlayOnIndependently) {
  Game a(1234);
  Game b(1234);
  a.NewGame();
  b.NewGame();
  EXPECT_TRUE(a == b);
  for (int i = 0; i < 40; ++i) {
    a.WaterTick();
    b.WaterTick();
    a.Discard();
    b.Discard();
  }
  EXPECT_TRUE(a == b);

  Game copy = a;
  copy.Discard();
  copy.WaterTick();
  EXPECT_FALSE(copy == a);
  EXPECT_EQ(a.Score(), b.Score());
  EXPECT_NE(copy.Score(), a.Score());
  EXPECT_NE(copy.Position().queue, a.Position().queue);
}

TEST(NewGame, StartsPlayingAtTenWithFastForwardOffAndRebuildsThePicture) {
  Game game(3);
  game.EditPosition().fastForward = true;
  game.EditPosition().state = Over;
  const GameReport report = game.NewGame();
  EXPECT_TRUE(report.rebuild);
  EXPECT_EQ(game.Score(), 10.0);
  EXPECT_EQ(game.State(), Playing);
  EXPECT_FALSE(game.FastForward());
  EXPECT_EQ(game.WaterInterval(), WATER_INTERVAL_MS);
  for (int kind : game.Position().queue) EXPECT_TRUE(kind >= 0 && kind < PIECE_DEALT_COUNT);
}

TEST(NewGame, DealsDeadEndsLessOften) {
  Game game(99);
  game.NewGame();
  int deadEnds = 0;
  int perKind[14] = {};
  const int deals = 200000;
  for (int i = 0; i < deals; ++i) {
    game.DealNewPiece();
    const int kind = game.Position().queue[0];
    ASSERT_TRUE(kind >= 0 && kind < 14);
    ++perKind[kind];
    deadEnds += kind >= PIECE_END_BOTTOM;
  }
  EXPECT_NEAR(100.0 * deadEnds / deals, 7.6, 0.5);
  for (int kind = 10; kind < 14; ++kind) EXPECT_NEAR(100.0 * perKind[kind] / deals, 1.9, 0.3);
  for (int kind = 0; kind < 10; ++kind) EXPECT_NEAR(100.0 * perKind[kind] / deals, 9.2, 0.5);

  int slotZeroDeadEnds = 0;
  int currentDeadEnds = 0;
  const int games = 20000;
  for (int g = 0; g < games; ++g) {
    game.NewGame();
    slotZeroDeadEnds += game.Position().queue[0] >= PIECE_END_BOTTOM;
    currentDeadEnds += game.Position().current >= PIECE_END_BOTTOM;
  }
  EXPECT_NEAR(100.0 * slotZeroDeadEnds / games, 4.1, 0.6);
  EXPECT_NEAR(100.0 * currentDeadEnds / games, 100.0 * 4 / 14, 1.5);
}

TEST(NewGame, DealMovesTheQueueTowardsTheCarriedPiece) {
  Game game;
  game.EditPosition().queue = {1, 2, 3};
  game.EditPosition().current = 4;
  game.DealNewPiece();
  EXPECT_EQ(game.Position().current, 3);
  EXPECT_EQ(game.Position().queue[2], 2);
  EXPECT_EQ(game.Position().queue[1], 1);
}

TEST(NewGame, WaterIntervalFollowsStateAndFastForward) {
  const struct {
    int state;
    bool fast;
    std::optional<unsigned> interval;
  } cases[] = {{Playing, false, 5000}, {Playing, true, 30}, {Over, false, 30}, {Paused, true, std::nullopt}};
  Game game;
  for (const auto& c : cases) {
    game.EditPosition().state = c.state;
    game.EditPosition().fastForward = c.fast;
    EXPECT_EQ(game.WaterInterval(), c.interval);
  }
}

}  // namespace
