#include "tile_mask.h"

#include <cstring>

#include "view/sprite_layout.h"

TileMask MirrorX(const TileMask& m) {
  TileMask out;
  for (int y = 0; y < TILE_SIDE; ++y)
    for (int x = 0; x < TILE_SIDE; ++x) out.ink[y][x] = m.ink[y][TILE_SIDE - 1 - x];
  return out;
}

TileMask MirrorY(const TileMask& m) {
  TileMask out;
  for (int y = 0; y < TILE_SIDE; ++y) out.ink[y] = m.ink[TILE_SIDE - 1 - y];
  return out;
}

TileMask Transpose(const TileMask& m) {
  TileMask out;
  for (int y = 0; y < TILE_SIDE; ++y)
    for (int x = 0; x < TILE_SIDE; ++x) out.ink[y][x] = m.ink[x][y];
  return out;
}

TileMask Shifted(const TileMask& m, int dx, int dy) {
  TileMask out;
  for (int y = 0; y < TILE_SIDE; ++y)
    for (int x = 0; x < TILE_SIDE; ++x) out.Put(x + dx, y + dy, m.ink[y][x]);
  return out;
}

TileMask MaskFromText(std::initializer_list<const char*> rows) {
  TileMask out;
  int y = 0;
  for (const char* row : rows) {
    const int length = static_cast<int>(std::strlen(row));
    for (int x = 0; x < length && x < TILE_SIDE; ++x) {
      switch (row[x]) {
        case 'K': out.Put(x, y, Ink::Black); break;
        case 'F': out.Put(x, y, Ink::Fill); break;
        case 'G': out.Put(x, y, Ink::Grey); break;
        case 'S': out.Put(x, y, Ink::Silver); break;
        default: break;
      }
    }
    if (++y == TILE_SIDE) break;
  }
  return out;
}

std::uint32_t InkColour(Ink ink, int row) {
  switch (ink) {
    case Ink::Black: return 0xFF000000u;
    case Ink::Grey: return 0xFF808080u;
    case Ink::Silver: return 0xFFC0C0C0u;
    case Ink::Fill: return row == 0 ? 0xFF808080u : 0xFF00FFFFu;
    case Ink::White: break;
  }
  return 0xFFFFFFFFu;
}

void PaintTile(Canvas& sheet, int column, int row, const TileMask& mask) {
  const int left = SheetTileX(column) + 1;
  const int top = SheetTileY(row) + 1;
  for (int y = 0; y < TILE_SIDE; ++y)
    for (int x = 0; x < TILE_SIDE; ++x) sheet.Set(left + x, top + y, InkColour(mask.ink[y][x], row));
}
