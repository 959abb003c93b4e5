#pragma once

#include <array>

#include "model/pipe_cell.h"

// The 16 x 16 squares, held column by column: square (col, row) is element col x 16 + row, so
// its neighbours are -16 (left), +16 (right), -1 (above) and +1 (below).
constexpr int BOARD_SIZE = 16;
constexpr int BOARD_CELLS = BOARD_SIZE * BOARD_SIZE;

using Board = std::array<PipeCell, BOARD_CELLS>;

constexpr int CellIndex(int col, int row) { return col * BOARD_SIZE + row; }

// The four sides of a square: the port on that side, the step to the neighbour across it and
// the neighbour's port that faces it.
struct PortSide {
  int port;
  int dCol;
  int dRow;
  int facingPort;
};

constexpr PortSide PORT_SIDES[PORT_COUNT] = {
    {PORT_TOP, 0, -1, PORT_BOTTOM},
    {PORT_BOTTOM, 0, 1, PORT_TOP},
    {PORT_LEFT, -1, 0, PORT_RIGHT},
    {PORT_RIGHT, 1, 0, PORT_LEFT},
};

// The neighbour of (col, row) across side, or false when that side faces off the board.
constexpr bool NeighbourAcross(int col, int row, const PortSide& side, int& index) {
  const int c = col + side.dCol;
  const int r = row + side.dRow;
  if (c < 0 || c >= BOARD_SIZE || r < 0 || r >= BOARD_SIZE) return false;
  index = CellIndex(c, r);
  return true;
}
