#pragma once

#include "canvas.h"

// The large pictures of the sheet and the program's icon.

// Paints background A, the parchment scroll on its dark ground, with its top-left corner at
// (left, top) of the sheet: BACKGROUND_A_WIDTH x BACKGROUND_HEIGHT pixels.
void PaintScrollBackground(Canvas& sheet, int left, int top);
// Paints the resting plumber of the pause picture into the figure box of the background
// whose top-left corner is (left, top). Nothing outside the box changes.
void PaintPauseFigure(Canvas& sheet, int left, int top);
// The icon at size x size pixels, transparent around its rounded tile.
Canvas DrawAppIcon(int size);
