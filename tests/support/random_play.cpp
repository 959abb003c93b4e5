#include "tests/support/random_play.h"

#include "view/board_geometry.h"
#include "res/resource_ids.h"

RandomPlayer::RandomPlayer(CGameDlg& game, ScriptedFramework& framework, unsigned seed)
    : m_game(game), m_framework(framework), m_random(seed) {
  m_framework.onDialog = [this](const DialogRecord&) { m_framework.QueueAnswer({}); };
}

void RandomPlayer::ClickSquare(int col, int row, bool right) {
  const CPoint point{SquareLeft(col) + 9, SquareTop(row) + 9};
  m_framework.MovePointerTo(m_game, point);
  if (right) {
    m_game.OnRButtonDown(0, point);
  } else {
    m_game.OnLButtonDown(0, point);
  }
}

// Lays the carried piece beside a wet square, where it joins the running water.
void RandomPlayer::LayNearWater() {
  for (int attempt = 0; attempt < 20; ++attempt) {
    const int col = Below(BOARD_SIZE);
    const int row = Below(BOARD_SIZE);
    if (!m_game.GetGame().EditPosition().board[CellIndex(col, row)].HasWater()) continue;
    const PortSide& side = PORT_SIDES[Below(PORT_COUNT)];
    int index = 0;
    if (NeighbourAcross(col, row, side, index)) {
      ClickSquare(col + side.dCol, row + side.dRow, false);
      return;
    }
  }
}

void RandomPlayer::Discard() {
  const CPoint point{DISCARD_BUTTON.left + 5, DISCARD_BUTTON.top + 5};
  m_framework.MovePointerTo(m_game, point);
  m_game.HoverTick();
  m_game.OnLButtonDown(0, point);
  m_framework.MovePointerTo(m_game, CPoint{0, 0});
  m_game.HoverTick();
}

void RandomPlayer::RunWater(int steps) {
  for (int i = 0; i < steps; ++i) {
    if (!m_framework.FireTimer(m_game, WaterTimer)) return;
  }
}

void RandomPlayer::Play(int actions) {
  for (int i = 0; i < actions; ++i) {
    const int roll = Below(100);
    if (roll < 35) {
      LayNearWater();
    } else if (roll < 60) {
      ClickSquare(Below(BOARD_SIZE), Below(BOARD_SIZE), false);
    } else if (roll < 64) {
      Discard();
    } else if (roll < 67) {
      ClickSquare(Below(BOARD_SIZE), Below(BOARD_SIZE), true);
    } else if (roll < 69) {
      m_game.OnLButtonDown(0, CPoint{FAST_FORWARD_BUTTON.left + 5, FAST_FORWARD_BUTTON.top + 5});
    } else if (roll < 71) {
      m_game.OnLButtonDown(0, CPoint{PAUSE_BUTTON.left + 5, PAUSE_BUTTON.top + 5});
    } else {
      RunWater(1 + Below(4));
    }
  }
}
