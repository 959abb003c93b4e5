#include <gtest/gtest.h>

#include <cstdlib>

#include "app/game_dlg.h"
#include "game/game_random.h"
#include "model/piece_catalogue.h"
#include "res/resource_ids.h"
#include "tests/support/invariants.h"
#include "platform/scripted/scripted_framework.h"

namespace {

class NewGame : public ::testing::Test {
 protected:
  void SetUp() override {
    m_port = &m_framework.Open(m_dialog);
  }

  ScriptedFramework m_framework;
  CGameDlg m_dialog{m_framework};
  ScriptedPort* m_port = nullptr;
};

TEST(GameRandom, FollowsTheLinearCongruentialSequence) {
  GameRandom::Seed(0);
  EXPECT_EQ(GameRandom::Next(), 38);  // (2531011 >> 16) & 32767
  GameRandom::Seed(1);
  EXPECT_EQ(GameRandom::Next(), 41);
  EXPECT_EQ(GameRandom::Next(), 18467);
  EXPECT_EQ(GameRandom::Next(), 6334);
}

TEST_F(NewGame, LaysOneDrainAndOneWetSourceFarEnoughApart) {
  for (std::uint32_t seed = 0; seed < 500; ++seed) {
    GameRandom::Seed(seed);
    m_dialog.ResetBoard();
    int sources = 0, drains = 0, sc = 0, sr = 0, dc = 0, dr = 0;
    for (int col = 0; col < 16; ++col) {
      for (int row = 0; row < 16; ++row) {
        const PipeCell& cell = m_dialog.m_board[CellIndex(col, row)];
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

TEST_F(NewGame, DrawsTheBoardInItsFixedOrder) {
  // Draws (mod 14 + 1, mod 14 + 1, mod 4, then source pairs, then mod 4) of seed 7.
  GameRandom::Seed(7);
  int draws[16];
  for (int& d : draws) d = GameRandom::Next();
  const int dc = draws[0] % 14 + 1, dr = draws[1] % 14 + 1;
  int i = 3;
  int sc = 0, sr = 0;
  do {
    sc = draws[i++] % 14 + 1;
    sr = draws[i++] % 14 + 1;
  } while (std::abs(sc - dc) < 6 && std::abs(sr - dr) < 6);
  GameRandom::Seed(7);
  m_dialog.ResetBoard();
  EXPECT_EQ(m_dialog.m_board[CellIndex(dc, dr)].code, CELL_DRAIN);
  const PipeCell& source = m_dialog.m_board[CellIndex(sc, sr)];
  EXPECT_EQ(source.code, CELL_SOURCE);
  const int ports[] = {PORT_TOP, PORT_BOTTOM, PORT_LEFT, PORT_RIGHT};
  EXPECT_GT(source.nodes[ports[draws[i] % 4]].kind, 0);
  EXPECT_GT(m_dialog.m_board[CellIndex(dc, dr)].nodes[ports[draws[2] % 4]].kind, 0);
}

TEST_F(NewGame, SameSeedSameGame) {
  GameRandom::Seed(1234);
  m_dialog.NewGame();
  const Board board = m_dialog.m_board;
  const auto queue = m_dialog.m_queue;
  const int current = m_dialog.m_current;
  GameRandom::Seed(1234);
  m_dialog.NewGame();
  for (int i = 0; i < BOARD_CELLS; ++i) EXPECT_TRUE(m_dialog.m_board[i].SameContents(board[i]));
  EXPECT_EQ(m_dialog.m_queue, queue);
  EXPECT_EQ(m_dialog.m_current, current);
}

TEST_F(NewGame, StartsPlayingAtTenWithTheSlowWaterPace) {
  m_dialog.m_fastForward = 1;
  m_dialog.m_state = Over;
  m_dialog.m_popups[5].rise = 3;
  m_dialog.m_popupNext = 6;
  m_dialog.NewGame();
  EXPECT_EQ(m_dialog.m_score, 10.0);
  EXPECT_EQ(m_dialog.m_state, Playing);
  EXPECT_EQ(m_dialog.m_fastForward, 0);
  EXPECT_EQ(m_port->TimerInterval(WaterTimer), 5000);
  EXPECT_EQ(m_dialog.m_popups[5].rise, 3);  // popups in flight keep rising
  EXPECT_EQ(m_dialog.m_popupNext, 6);
  for (int kind : m_dialog.m_queue) EXPECT_TRUE(kind >= 0 && kind < 14);
}

TEST_F(NewGame, DealsDeadEndsLessOften) {
  GameRandom::Seed(99);
  m_dialog.NewGame();
  int deadEnds = 0;
  int perKind[14] = {};
  const int deals = 200000;
  for (int i = 0; i < deals; ++i) {
    m_dialog.DealNewPiece();
    const int kind = m_dialog.m_queue[0];
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
    m_dialog.NewGame();
    slotZeroDeadEnds += m_dialog.m_queue[0] >= PIECE_END_BOTTOM;
    currentDeadEnds += m_dialog.m_current >= PIECE_END_BOTTOM;
  }
  EXPECT_NEAR(100.0 * slotZeroDeadEnds / games, 4.1, 0.6);
  EXPECT_NEAR(100.0 * currentDeadEnds / games, 100.0 * 4 / 14, 1.5);
}

TEST_F(NewGame, DealMovesTheQueueTowardsTheCarriedPiece) {
  m_dialog.m_queue = {1, 2, 3};
  m_dialog.m_current = 4;
  m_dialog.DealNewPiece();
  EXPECT_EQ(m_dialog.m_current, 3);
  EXPECT_EQ(m_dialog.m_queue[2], 2);
  EXPECT_EQ(m_dialog.m_queue[1], 1);
}

TEST_F(NewGame, RestartWaterTimerFollowsStateAndFastForward) {
  const struct {
    int state, fast;
    std::optional<int> interval;
  } cases[] = {{Playing, 0, 5000}, {Playing, 1, 30}, {Over, 0, 30}, {Paused, 1, std::nullopt}};
  for (const auto& c : cases) {
    m_dialog.SetTimer(WaterTimer, 1234);
    m_dialog.m_state = c.state;
    m_dialog.m_fastForward = c.fast;
    m_dialog.RestartWaterTimer();
    EXPECT_EQ(m_port->TimerInterval(WaterTimer), c.interval);
  }
}

TEST_F(NewGame, TimerMessagesAreDispatchedById) {
  m_dialog.NewGame();
  m_dialog.m_popups[0].rise = 0;
  m_dialog.OnTimer(AnimationTimer);
  EXPECT_EQ(m_dialog.m_popups[0].rise, 1);
  const int before = m_port->Invalidations();
  m_dialog.OnTimer(7);  // unknown ids only get the default handling
  EXPECT_EQ(m_port->Invalidations(), before);
  const PipeCell sourceBefore = [&] {
    for (const PipeCell& c : m_dialog.m_board) {
      if (c.code == CELL_SOURCE) return c;
    }
    return PipeCell{};
  }();
  m_dialog.OnTimer(WaterTimer);
  bool moved = false;
  for (const PipeCell& c : m_dialog.m_board) {
    if (c.code == CELL_SOURCE) moved = !c.SameContents(sourceBefore);
  }
  EXPECT_TRUE(moved);
}

}  // namespace
