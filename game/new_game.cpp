#include <cstdlib>

#include "game/game.h"
#include "model/end_pieces.h"

namespace {

bool IsDeadEnd(int kind) { return kind >= PIECE_FIRST_DEAD_END && kind <= PIECE_LAST_DEAD_END; }

}  // namespace

void Game::ResetBoard() {
  Board& board = m_position.board;
  for (PipeCell& cell : board) cell.Clear();

  const int dc = Draw14();
  const int dr = Draw14();
  const int drainOrientation = m_random.Next() % 4;
  BuildDrain(board[CellIndex(dc, dr)], drainOrientation);

  // The source lies at least 6 columns or 6 rows away from the drain.
  int sc = 0;
  int sr = 0;
  do {
    sc = Draw14();
    sr = Draw14();
  } while (std::abs(sc - dc) < 6 && std::abs(sr - dr) < 6);
  const int sourceOrientation = m_random.Next() % 4;
  BuildSource(board[CellIndex(sc, sr)], sourceOrientation);
}

// Dead ends are dealt less often: three passes, each of which re-rolls a dead end in slot 0
// when a draw modulo reRollModulus is not 0. A pass that finds another kind draws nothing.
void Game::ReRollSlotZero(int reRollModulus) {
  for (int pass = 0; pass < 3; ++pass) {
    if (IsDeadEnd(m_position.queue[0]) && m_random.Next() % reRollModulus != 0) {
      m_position.queue[0] = FreshKind();
    }
  }
}

GameReport Game::NewGame() {
  ResetBoard();
  std::array<int, 3>& queue = m_position.queue;
  queue[0] = FreshKind();
  queue[1] = FreshKind();
  queue[2] = FreshKind();
  m_position.current = FreshKind();
  ReRollSlotZero(3);
  m_position.fastForward = false;
  m_position.score = 10.0;
  m_position.state = Playing;
  GameReport report;
  report.rebuild = true;
  return report;
}

void Game::DealNewPiece() {
  std::array<int, 3>& queue = m_position.queue;
  m_position.current = queue[2];
  queue[2] = queue[1];
  queue[1] = queue[0];
  queue[0] = FreshKind();
  ReRollSlotZero(2);
}
