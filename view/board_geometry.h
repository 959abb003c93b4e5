#pragma once

#include "platform/types.h"

// Where things sit in the game window's client area, in pixels. The board's squares are
// 19 pixels apart and share their one-pixel frame lines.
constexpr int BOARD_LEFT = 80;
constexpr int BOARD_TOP = 80;
constexpr int TILE_PITCH = 19;
constexpr int TILE_FRAMED = 20;
constexpr int TILE_INTERIOR = 18;
constexpr int BOARD_PIXELS = 16 * TILE_PITCH + 1;  // 305

constexpr int SquareLeft(int col) { return BOARD_LEFT + TILE_PITCH * col; }
constexpr int SquareTop(int row) { return BOARD_TOP + TILE_PITCH * row; }

// Hit areas, bounds inclusive.
struct HitArea {
  int left, top, right, bottom;
  constexpr bool Contains(CPoint p) const {
    return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
  }
  // The point a key or a tap presses the area at, as a click in its middle would.
  constexpr CPoint Centre() const { return {(left + right) / 2, (top + bottom) / 2}; }
};

// The hover check counts x = 158 as the discard button, while a click there reaches the
// fast-forward button first; x = 177 belongs to fast-forward for the same reason.
constexpr HitArea DISCARD_BUTTON{139, 22, 158, 40};
constexpr HitArea FAST_FORWARD_BUTTON{158, 21, 177, 40};
constexpr HitArea PAUSE_BUTTON{177, 21, 196, 40};
constexpr HitArea BOARD_HOVER_AREA{80, 80, 384, 384};

// The square under a client point for laying and removing: the board's first pixel column
// and row (its outer frame line) belong to no square. Returns false outside the board.
constexpr bool BoardSquareAt(CPoint p, int& col, int& row) {
  if (p.x <= BOARD_LEFT || p.y <= BOARD_TOP) return false;
  col = (p.x - BOARD_LEFT) / TILE_PITCH;
  row = (p.y - BOARD_TOP) / TILE_PITCH;
  return col < 16 && row < 16;
}

// One square of the board: column and row, both 0..15.
struct BoardSquare {
  int col = 0;
  int row = 0;
  bool operator==(const BoardSquare&) const = default;
};

// The middle of a square's hit area, where a key acts as a click would: the carried piece
// drawn around this point lies exactly on the square's tile.
constexpr CPoint SquareCentre(BoardSquare square) {
  return {SquareLeft(square.col) + TILE_INTERIOR / 2, SquareTop(square.row) + TILE_INTERIOR / 2};
}

// Where the queue, the buttons and the board picture are drawn.
constexpr CPoint QUEUE_SLOT_POS[3] = {{80, 20}, {99, 20}, {118, 20}};
constexpr CPoint DISCARD_ICON_POS{138, 21};
constexpr CPoint FAST_FORWARD_ICON_POS{157, 21};
constexpr CPoint PAUSE_ICON_POS{176, 21};
constexpr CRect SCORE_RECT{180, 20, 384, 80};
