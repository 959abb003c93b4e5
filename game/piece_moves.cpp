#include "game/game.h"
#include "model/piece_catalogue.h"

namespace {

constexpr double DISCARD_POINTS = -2;
constexpr double UNJOINED_POINTS = -1;
constexpr double REMOVAL_POINTS = -3;

}  // namespace

GameReport Game::LayPiece(int col, int row) {
  GameReport report;
  const int current = m_position.current;
  if (m_position.state != Playing || current < 0 || current >= PIECE_KIND_COUNT) return report;
  const PipeCell& piece = PieceCatalogue[current];
  PipeCell& square = m_position.board[CellIndex(col, row)];
  if (!square.CanTake(piece)) return report;
  square.Join(piece);
  DealNewPiece();
  if (!MeetsNeighbour(piece, col, row)) {
    Score(report, {ScoreKind::Unjoined, col, row, -1, UNJOINED_POINTS}, true);
  }
  report.rebuild = true;
  return report;
}

// Judged by the laid piece's own ports, not the joined square's: a crossing whose new ports
// face nothing costs its point even where the piece it crosses is connected.
bool Game::MeetsNeighbour(const PipeCell& piece, int col, int row) const {
  for (const PortSide& side : PORT_SIDES) {
    int index = 0;
    if (!NeighbourAcross(col, row, side, index)) continue;
    if (piece.HasPortOpening(side.port) && m_position.board[index].HasPortOpening(side.facingPort)) {
      return true;
    }
  }
  return false;
}

// Only a dry piece comes off again; the source and the drain never do.
GameReport Game::RemovePiece(int col, int row) {
  GameReport report;
  PipeCell& square = m_position.board[CellIndex(col, row)];
  if (m_position.state != Playing || square.code < 0 || square.HasWater()) return report;
  Score(report, {ScoreKind::Removal, col, row, -1, REMOVAL_POINTS}, true);
  square.Clear();
  report.rebuild = true;
  return report;
}

GameReport Game::Discard() {
  GameReport report;
  if (m_position.state != Playing) return report;
  DealNewPiece();
  Score(report, {ScoreKind::Discard, -1, -1, -1, DISCARD_POINTS}, true);
  return report;
}
