#include <array>

#include "game/game.h"

namespace {

constexpr double GOAL_POINTS = 100;
constexpr double WATER_MOVED_POINTS = 2;
constexpr double SPILL_POINTS = -2;

// How water standing at a port crosses to the neighbour, in PORT_SIDES order. Squares above
// and to the left have had their turn in this sweep, so water handed to them is wet at once
// and earns its points here; squares below and to the right take their turn later and turn
// arriving water wet themselves. Either way water crosses exactly one node per step.
struct HandOver {
  int fill;
  bool movedHere;
};

constexpr HandOver kHandOvers[PORT_COUNT] = {
    {FILL_WET, true},
    {FILL_ARRIVING, false},
    {FILL_WET, true},
    {FILL_ARRIVING, false},
};

}  // namespace

GameReport Game::WaterTick() {
  GameReport report;
  bool progress = false;
  for (int col = 0; col < BOARD_SIZE; ++col) {
    for (int row = 0; row < BOARD_SIZE; ++row) {
      if (StepSquare(col, row, report)) progress = true;
    }
  }
  report.waterStopped = !progress;
  return report;
}

// Scores count only in play; a finished network replays its water without scoring.
bool Game::StepSquare(int col, int row, GameReport& report) {
  Board& board = m_position.board;
  const bool scoring = m_position.state == Playing;
  PipeCell& cell = board[CellIndex(col, row)];
  // A front can also shrink without any water moving (a wet slice with nowhere to go drops
  // out), and the square's picture then changes too: its front is drawn in a new order.
  const int frontCountBefore = cell.frontCount;
  const std::array<int, FRONT_CAPACITY> frontBefore = cell.front;
  int bits = cell.FlowStep();
  if (cell.frontCount != frontCountBefore || cell.front != frontBefore) {
    report.changedSquares.set(static_cast<std::size_t>(CellIndex(col, row)));
  }
  bool progress = false;

  for (int port = 0; port < PORT_COUNT; ++port) {
    int index = 0;
    if ((bits & (1 << port)) == 0 || !NeighbourAcross(col, row, PORT_SIDES[port], index)) continue;
    PipeCell& neighbour = board[index];
    const int facing = PORT_SIDES[port].facingPort;
    PipeNode& mouth = neighbour.nodes[facing];
    const HandOver& h = kHandOvers[port];
    if (mouth.kind <= 0) {
      // A spill keeps the game going only while the square it runs against is still dry.
      Score(report, {ScoreKind::Spill, col, row, port, SPILL_POINTS}, scoring);
      if (!neighbour.HasWater()) progress = true;
    } else if (mouth.fill == FILL_DRY && neighbour.frontCount >= 0 &&
               neighbour.frontCount < FRONT_CAPACITY) {
      mouth.fill = h.fill;
      neighbour.front[neighbour.frontCount++] = facing;
      report.changedSquares.set(static_cast<std::size_t>(index));
      if (h.movedHere) bits |= WATER_MOVED;
      progress = true;
    }
  }

  if ((bits & WATER_MOVED) != 0) {
    report.changedSquares.set(static_cast<std::size_t>(CellIndex(col, row)));
    if (cell.code == CELL_DRAIN && cell.nodes[END_NODE].fill == FILL_WET) {
      Score(report, {ScoreKind::Goal, col, row, -1, GOAL_POINTS}, scoring);
    } else {
      Score(report, {ScoreKind::WaterMoved, col, row, -1, WATER_MOVED_POINTS}, scoring);
    }
    progress = true;
  }
  return progress;
}

GameReport Game::EndOfFlow() {
  if (m_position.state == Playing) m_position.state = Over;
  for (PipeCell& cell : m_position.board) {
    if (cell.code == CELL_SOURCE) continue;
    for (PipeNode& node : cell.nodes) node.fill = FILL_DRY;
    cell.frontCount = 0;
  }
  GameReport report;
  report.rebuild = true;
  return report;
}
