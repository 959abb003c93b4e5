#pragma once

#include <cstdint>
#include <vector>

#include "platform/dc.h"

// The drawing surface of the sprite sheet. Besides being a surface to copy from, it keeps an
// index of the tile strip: for each tile (columns 0..68, rows 0 and 1) the pixels that are
// not white, and whether all tiles share one frame (the strip's grid lines make them do). A
// piece is then drawn by writing only the pixels that show, with the frame written once per
// square, instead of testing 400 pixels per node; the result is the same pixel for pixel as
// copying every framed tile with white as the key.
//
// It also keeps the window backgrounds as blocks of the window's size, so that laying one
// into the back buffer is a single move of memory rather than a copy row by row.
//
// The index is made when the sheet is selected, and kept blocks are dropped then; the sheet
// is read-only from then on (select it again after changing it).
class SpriteSurface : public CDC {
 public:
  using CDC::SelectObject;
  // Selects the sheet (null selects nothing) and indexes its tiles.
  CBitmap* SelectObject(CBitmap* sheet);

  // Whether column and row name an indexed tile.
  static bool IsTile(int column, int row);
  // Whether every indexed tile has the same frame, so that one copy of it serves them all.
  bool SharedFrame() const { return m_sharedFrame; }
  // Whether that shared frame is whole and of one colour, so that frames written over one
  // another in any order give the same pixels.
  bool UniformFrame() const { return m_uniformFrame; }
  // The shared frame, with its top-left corner at (x, y) of target.
  void CopyFrame(CDC& target, int x, int y) const;
  // The 18 x 18 interior of the tile to (x + 1, y + 1) of target, white left out.
  void CopyInterior(int column, int row, CDC& target, int x, int y) const;
  // The 20 x 20 framed tile to (x, y) of target, white left out.
  void CopyFramed(int column, int row, CDC& target, int x, int y) const;

  // Copies the block at (sx, sy) over the whole of target from its top-left corner:
  // target.BitBlt(0, 0, width, height, *this, sx, sy) at target's size.
  void CopyPicture(int sx, int sy, CDC& target) const;

 private:
  // One pixel that shows, at (x, y) within its 20 x 20 framed tile.
  struct Shown {
    std::int16_t x, y;
    std::uint32_t argb;
  };
  // A tile's pixels in m_shown: frame pixels [frameBegin, interiorBegin), interior pixels
  // [interiorBegin, end).
  struct TileEntry {
    std::uint32_t frameBegin = 0, interiorBegin = 0, end = 0;
  };

  void Index();
  TileEntry IndexTile(const CBitmap& sheet, int column, int row);
  void Write(CDC& target, int x, int y, std::uint32_t begin, std::uint32_t end) const;
  const TileEntry& Entry(int column, int row) const;

  std::vector<Shown> m_shown;
  std::vector<TileEntry> m_tiles;
  bool m_sharedFrame = false;
  bool m_uniformFrame = false;
};
