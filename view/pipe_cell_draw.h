#pragma once

#include "model/pipe_cell.h"

class CDC;
class SpriteSurface;

// Drawing a square's pieces from the sprite sheet in `sprites`, each node's tile (column kind,
// row fill) copied with white as the transparent colour:
// the whole cell as framed 20 x 20 tiles with their top-left corner at (x, y);
void DrawCell(const PipeCell& cell, const SpriteSurface& sprites, CDC& target, int x, int y,
              bool frameStands = false);
// the 18 x 18 tile interiors only, from (x + 1, y + 1), so a blank node leaves no mark;
void DrawCellBare(const PipeCell& cell, const SpriteSurface& sprites, CDC& target, int x, int y);
// only what the last water step changed: the front's nodes, or the whole of a joined piece.
// With frameStands, the target holds this square's frame already (a board picture built with
// the same pieces) and a frame that every tile shares in one colour is not written again:
// writing it would change no pixel.
void DrawCellFront(const PipeCell& cell, const SpriteSurface& sprites, CDC& target, int x, int y,
                   bool frameStands = false);
