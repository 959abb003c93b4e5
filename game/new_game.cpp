#include <cstdlib>

#include "game/game_dlg.h"
#include "game/game_random.h"
#include "model/end_pieces.h"
#include "model/piece_catalogue.h"
#include "res/resource_ids.h"

namespace {

int Draw14() { return GameRandom::Next() % 14 + 1; }

bool IsDeadEnd(int kind) { return kind >= PIECE_FIRST_DEAD_END && kind <= PIECE_LAST_DEAD_END; }

int FreshKind() { return GameRandom::Next() % PIECE_DEALT_COUNT; }

}  // namespace

void CGameDlg::ResetBoard() {
  for (PipeCell& cell : m_board) cell.Clear();

  const int dc = Draw14();
  const int dr = Draw14();
  const int drainOrientation = GameRandom::Next() % 4;
  BuildDrain(m_board[CellIndex(dc, dr)], drainOrientation);

  // The source lies at least 6 columns or 6 rows away from the drain.
  int sc = 0;
  int sr = 0;
  do {
    sc = Draw14();
    sr = Draw14();
  } while (std::abs(sc - dc) < 6 && std::abs(sr - dr) < 6);
  const int sourceOrientation = GameRandom::Next() % 4;
  BuildSource(m_board[CellIndex(sc, sr)], sourceOrientation);
}

// Dead ends are dealt less often: three passes, each of which re-rolls a dead end in slot 0
// when a draw modulo reRollModulus is not 0. A pass that finds another kind draws nothing.
void CGameDlg::ReRollSlotZero(int reRollModulus) {
  for (int pass = 0; pass < 3; ++pass) {
    if (IsDeadEnd(m_queue[0]) && GameRandom::Next() % reRollModulus != 0) {
      m_queue[0] = FreshKind();
    }
  }
}

void CGameDlg::NewGame() {
  ResetBoard();
  m_queue[0] = FreshKind();
  m_queue[1] = FreshKind();
  m_queue[2] = FreshKind();
  m_current = FreshKind();
  ReRollSlotZero(3);
  m_fastForward = 0;
  KillTimer(WaterTimer);
  SetTimer(WaterTimer, WATER_INTERVAL_MS);
  m_score = 10.0;
  m_state = Playing;
  RedrawBoard(true);
  Invalidate(false);
}

void CGameDlg::DealNewPiece() {
  m_current = m_queue[2];
  m_queue[2] = m_queue[1];
  m_queue[1] = m_queue[0];
  m_queue[0] = FreshKind();
  ReRollSlotZero(2);
}

void CGameDlg::RestartWaterTimer() {
  KillTimer(WaterTimer);
  if (m_state == Playing) {
    SetTimer(WaterTimer, m_fastForward == 1 ? FAST_INTERVAL_MS : WATER_INTERVAL_MS);
  } else if (m_state == Over) {
    SetTimer(WaterTimer, FAST_INTERVAL_MS);
  }
}
