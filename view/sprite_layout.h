#pragma once

#include <cstdint>

#include "platform/types.h"

// Where the pictures lie on the sprite sheet. Tiles sit on a 19-pixel pitch and share their
// one-pixel black frame lines, so a framed tile is 20 x 20 and its interior 18 x 18.
constexpr int SHEET_WIDTH = 1697;
constexpr int SHEET_HEIGHT = 523;
constexpr int SHEET_PITCH = 19;
constexpr int SHEET_COLUMNS = 69;

constexpr int SheetTileX(int column) { return SHEET_PITCH * column; }
constexpr int SheetTileY(int row) { return SHEET_PITCH * row; }

// Button icons, columns 66..68.
constexpr int DISCARD_COLUMN = 66;
constexpr int FAST_FORWARD_COLUMN = 67;
constexpr int PAUSE_COLUMN = 68;

// The two window backgrounds: A for play, B (with the figure) while paused.
constexpr int BACKGROUND_A_X = 0;
constexpr int BACKGROUND_A_Y = 60;
constexpr int BACKGROUND_A_WIDTH = 488;
constexpr int BACKGROUND_B_X = 488;
constexpr int BACKGROUND_B_Y = 60;
constexpr int BACKGROUND_B_WIDTH = 490;
constexpr int BACKGROUND_HEIGHT = 463;

// The tile strip ends with its last grid line at y 38; the column numbers are printed in the
// band below it, down to y 58. They are for people reading the sheet; the game never draws
// them.
constexpr int STRIP_BOTTOM = 38;
constexpr int LABELS_TOP = 39;
constexpr int LABELS_BOTTOM = 58;

// Inside a background, relative to its origin: the scroll's picture keeps within this box
// (bounds inclusive); around it lies the plain dark ground. The pause figure of background B
// keeps within its own box; elsewhere B is A pixel for pixel.
struct SheetBox {
  int left, top, right, bottom;
  constexpr bool Contains(int x, int y) const {
    return x >= left && x <= right && y >= top && y <= bottom;
  }
};
constexpr SheetBox SCROLL_BOX{2, 4, 477, 454};
constexpr SheetBox FIGURE_BOX{199, 170, 304, 297};
constexpr std::uint32_t GROUND_PIXEL = 0xFF18100Du;  // RGB 24, 16, 13

// Every copy from the sheet treats white as transparent: white pixels leave the target as it is.
constexpr COLORREF SPRITE_KEY = RGB(255, 255, 255);
