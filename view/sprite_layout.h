#pragma once

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
