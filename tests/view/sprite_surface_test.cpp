#include <gtest/gtest.h>

#include <cstdint>

#include "view/pipe_cell_draw.h"
#include "model/pipe_cell.h"
#include "tests/support/test_surface.h"
#include "view/sprite_sheet.h"
#include "view/sprite_surface.h"

namespace {

constexpr COLORREF WHITE = RGB(255, 255, 255);

struct Rng {
  std::uint32_t state;
  int Next(int n) {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(n));
  }
};

struct Surface : TestSurface {
  using TestSurface::TestSurface;
  bool operator==(const Surface& other) const { return SameBitmap(bitmap, other.bitmap); }
};

// The plain way to draw a cell: every node's tile copied in turn with white as the key.
void ReferenceDraw(const CDC& sheet, const PipeCell& cell, CDC& target, int x, int y, bool bare) {
  for (const PipeNode& node : cell.nodes) {
    if (node.kind < 0) continue;
    const int edge = bare ? 1 : 0, size = bare ? 18 : 20;
    target.TransparentBlt(x + edge, y + edge, size, size, sheet, 19 * node.kind + edge,
                          19 * node.fill + edge, size, size, WHITE);
  }
}

PipeCell RandomCell(Rng& rng) {
  PipeCell cell;
  for (PipeNode& node : cell.nodes) {
    node.kind = rng.Next(4) == 0 ? 0 : rng.Next(72) - 1;  // now and then outside the strip
    node.fill = rng.Next(10) == 0 ? 2 : rng.Next(2);
  }
  return cell;
}

// Whatever the sheet holds (the real one, or noise whose tiles share no frame), and wherever
// the piece lands, drawing through the index gives what copying tile by tile gives.
TEST(SpriteSurface, DrawsExactlyAsCopyingEveryTileWouldOnAnySheet) {
  CBitmap real;
  ASSERT_TRUE(LoadSpriteSheet(real));
  CBitmap noise;
  noise.Create(1400, 60);
  Rng rng{99};
  for (int i = 0; i < 1400 * 60; ++i) noise.Bits()[i] = rng.Next(2) ? PIXEL_WHITE : 0xFF000000u | static_cast<std::uint32_t>(rng.Next(1 << 24));
  for (CBitmap* sheet : {&real, &noise}) {
    SpriteSurface sprites;
    sprites.CreateCompatibleDC(nullptr);
    sprites.SelectObject(sheet);
    EXPECT_EQ(sprites.SharedFrame(), sheet == &real);
    EXPECT_EQ(sprites.UniformFrame(), sheet == &real);
    for (int round = 0; round < 300; ++round) {
      PipeCell cell = RandomCell(rng);
      const int x = rng.Next(60) - 15, y = rng.Next(60) - 15;
      Surface drawn(40, 40, 0xFF123456u), expected(40, 40, 0xFF123456u);
      const bool bare = round % 2 == 1;
      if (bare) {
        DrawCellBare(cell, sprites, drawn.dc, x, y);
      } else {
        DrawCell(cell, sprites, drawn.dc, x, y);
      }
      ReferenceDraw(sprites, cell, expected.dc, x, y, bare);
      ASSERT_TRUE(drawn == expected) << "round " << round << (bare ? " bare" : " framed");
    }
  }
}

}  // namespace
