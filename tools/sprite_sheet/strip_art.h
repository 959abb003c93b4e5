#pragma once

#include <array>

#include "canvas.h"
#include "tile_mask.h"

// The pictures of the tile strip and what goes with it.

// Every node picture, indexed by sheet column 0..65 (column 0 is blank): the same shape in
// both rows, Fill taking the row's colour.
std::array<TileMask, 66> PipeFragments();
// The button icon of column 66, 67 or 68 in row 0 or 1.
TileMask ButtonIcon(int column, int row);
// Draws the whole strip: white tiles, the black grid, every fragment and button in both rows.
void PaintTileStrip(Canvas& sheet);
// Prints the column numbers 0..65 in black under the tiles.
void PaintColumnLabels(Canvas& sheet);
