#pragma once

#include <array>
#include <initializer_list>

#include "canvas.h"

// One picture of the tile strip: the 18 x 18 interior of a tile, pixel by pixel, in the
// strip's inks. Fill is the pipe's inside: grey in the dry row, cyan in the wet row.
enum class Ink : unsigned char { White, Black, Fill, Grey, Silver };

constexpr int TILE_SIDE = 18;

struct TileMask {
  std::array<std::array<Ink, TILE_SIDE>, TILE_SIDE> ink{};  // [y][x], all White

  Ink At(int x, int y) const { return ink[y][x]; }
  void Put(int x, int y, Ink value) {
    if (x >= 0 && y >= 0 && x < TILE_SIDE && y < TILE_SIDE) ink[y][x] = value;
  }
  bool Empty(int x, int y) const { return At(x, y) == Ink::White; }
};

// The same picture turned over: left-right, top-bottom, or across the main diagonal
// (x and y swapped). The strip's pieces are mirror images of a few drawn ones.
TileMask MirrorX(const TileMask& m);
TileMask MirrorY(const TileMask& m);
TileMask Transpose(const TileMask& m);
// The picture moved by (dx, dy); what leaves the tile is lost.
TileMask Shifted(const TileMask& m, int dx, int dy);
// Reads a picture from 18 rows of text: '.' white, 'K' black, 'F' fill, 'G' grey,
// 'S' silver; missing rows and columns stay white.
TileMask MaskFromText(std::initializer_list<const char*> rows);

// The colour of an ink in row 0 (dry) or row 1 (wet) of the strip.
std::uint32_t InkColour(Ink ink, int row);

// Paints mask as the interior of the tile in column and row of the sheet.
void PaintTile(Canvas& sheet, int column, int row, const TileMask& mask);
