#include "view/sprite_surface.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "view/sprite_layout.h"

namespace {

constexpr int FRAMED = 20;
constexpr int INTERIOR = 18;

bool OnFrame(int x, int y) { return x == 0 || y == 0 || x == FRAMED - 1 || y == FRAMED - 1; }

}  // namespace

CBitmap* SpriteSurface::SelectObject(CBitmap* sheet) {
  CBitmap* previous = CDC::SelectObject(sheet);
  Index();
  return previous;
}

bool SpriteSurface::IsTile(int column, int row) {
  return column >= 0 && column < SHEET_COLUMNS && row >= 0 && row < 2;
}

const SpriteSurface::TileEntry& SpriteSurface::Entry(int column, int row) const {
  return m_tiles[static_cast<std::size_t>(row * SHEET_COLUMNS + column)];
}

// Records every pixel of every tile that is not white, frame pixels first. Pixels outside
// the bitmap are left out, as a clipped copy would leave them.
void SpriteSurface::Index() {
  m_shown.clear();
  m_tiles.clear();
  m_sharedFrame = false;
  m_uniformFrame = false;
  const CBitmap* sheet = GetBitmap();
  if (sheet == nullptr) return;
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < SHEET_COLUMNS; ++column) m_tiles.push_back(IndexTile(*sheet, column, row));
  }
  const TileEntry& first = m_tiles.front();
  m_sharedFrame = std::all_of(m_tiles.begin(), m_tiles.end(), [&](const TileEntry& e) {
    return e.interiorBegin - e.frameBegin == first.interiorBegin - first.frameBegin &&
           std::equal(m_shown.begin() + e.frameBegin, m_shown.begin() + e.interiorBegin,
                      m_shown.begin() + first.frameBegin, [](const Shown& a, const Shown& b) {
                        return a.x == b.x && a.y == b.y && a.argb == b.argb;
                      });
  });
  const auto frameBegin = m_shown.begin() + first.frameBegin;
  const auto frameEnd = m_shown.begin() + first.interiorBegin;
  m_uniformFrame = m_sharedFrame && frameEnd - frameBegin == 4 * (FRAMED - 1) &&
                   std::all_of(frameBegin, frameEnd, [&](const Shown& p) { return p.argb == frameBegin->argb; });
}

SpriteSurface::TileEntry SpriteSurface::IndexTile(const CBitmap& sheet, int column, int row) {
  TileEntry entry;
  for (int part = 0; part < 2; ++part) {
    (part == 0 ? entry.frameBegin : entry.interiorBegin) = static_cast<std::uint32_t>(m_shown.size());
    for (int y = 0; y < FRAMED; ++y) {
      for (int x = 0; x < FRAMED; ++x) {
        const int sx = SheetTileX(column) + x, sy = SheetTileY(row) + y;
        if (OnFrame(x, y) != (part == 0) || sx >= sheet.Width() || sy >= sheet.Height()) continue;
        const std::uint32_t pixel = sheet.Pixel(sx, sy);
        if (pixel != PIXEL_WHITE) {
          m_shown.push_back({static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), pixel});
        }
      }
    }
  }
  entry.end = static_cast<std::uint32_t>(m_shown.size());
  return entry;
}

void SpriteSurface::Write(CDC& target, int x, int y, std::uint32_t begin, std::uint32_t end) const {
  CBitmap* bitmap = target.GetBitmap();
  if (bitmap == nullptr) return;
  const bool inside = x >= 0 && y >= 0 && x + FRAMED <= bitmap->Width() && y + FRAMED <= bitmap->Height();
  for (std::uint32_t i = begin; i < end; ++i) {
    const Shown& p = m_shown[i];
    const int px = x + p.x, py = y + p.y;
    if (inside || (px >= 0 && py >= 0 && px < bitmap->Width() && py < bitmap->Height())) {
      bitmap->Row(py)[px] = p.argb;
    }
  }
}

void SpriteSurface::CopyFrame(CDC& target, int x, int y) const {
  if (m_tiles.empty()) return;
  Write(target, x, y, m_tiles.front().frameBegin, m_tiles.front().interiorBegin);
}

void SpriteSurface::CopyInterior(int column, int row, CDC& target, int x, int y) const {
  if (!IsTile(column, row) || m_tiles.empty()) {
    target.TransparentBlt(x + 1, y + 1, INTERIOR, INTERIOR, *this, SheetTileX(column) + 1,
                          SheetTileY(row) + 1, INTERIOR, INTERIOR, SPRITE_KEY);
    return;
  }
  const TileEntry& entry = Entry(column, row);
  Write(target, x, y, entry.interiorBegin, entry.end);
}

void SpriteSurface::CopyFramed(int column, int row, CDC& target, int x, int y) const {
  if (!IsTile(column, row) || m_tiles.empty()) {
    target.TransparentBlt(x, y, FRAMED, FRAMED, *this, SheetTileX(column), SheetTileY(row), FRAMED,
                          FRAMED, SPRITE_KEY);
    return;
  }
  const TileEntry& entry = Entry(column, row);
  Write(target, x, y, entry.frameBegin, entry.end);
}

void SpriteSurface::CopyPicture(int sx, int sy, CDC& target) const {
  CBitmap* bitmap = target.GetBitmap();
  if (bitmap == nullptr) return;
  target.BitBlt(0, 0, bitmap->Width(), bitmap->Height(), *this, sx, sy);
}
