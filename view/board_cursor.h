#pragma once

#include "platform/dc.h"
#include "platform/types.h"
#include "view/board_geometry.h"

// The board cursor: the square the keys act on, outlined by three rings around its tile. The
// middle ring is bright and lies on the square's frame line; a dark ring runs along each side
// of it, so whatever lies around or in the square (parchment, a dry or a wet pipe, the black
// frame lines) one of the rings stands out against it.
constexpr COLORREF BOARD_CURSOR_DARK = RGB(0, 0, 0);
constexpr COLORREF BOARD_CURSOR_BRIGHT = RGB(255, 214, 0);

// The client pixels the outline of square covers: its framed tile and one pixel around it.
constexpr CRect BoardCursorArea(BoardSquare square) {
  return CRect{SquareLeft(square.col) - 1, SquareTop(square.row) - 1,
               SquareLeft(square.col) + TILE_FRAMED + 1, SquareTop(square.row) + TILE_FRAMED + 1};
}

// Draws the outline of square into dc, over what is there.
void DrawBoardCursor(CDC& dc, BoardSquare square);
