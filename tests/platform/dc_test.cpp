#include <gtest/gtest.h>

#include "platform/dc.h"

namespace {

struct Surface {
  CBitmap bitmap;
  CDC dc;
  Surface(int w, int h, COLORREF fill) {
    bitmap.Create(w, h);
    dc.CreateCompatibleDC(nullptr);
    dc.SelectObject(&bitmap);
    dc.FillSolidRect(CRect{0, 0, w, h}, fill);
  }
};

constexpr COLORREF WHITE = RGB(255, 255, 255);

TEST(MemorySurface, TransparentCopyKeepsTheTargetUnderWhite) {
  Surface src(4, 4, WHITE);
  src.bitmap.SetPixel(1, 1, PixelRgb(0, 0, 0));
  src.bitmap.SetPixel(2, 2, PixelRgb(0, 255, 255));
  Surface dst(6, 6, RGB(24, 16, 13));
  EXPECT_TRUE(dst.dc.TransparentBlt(1, 1, 4, 4, src.dc, 0, 0, 4, 4, WHITE));
  EXPECT_EQ(dst.bitmap.Pixel(2, 2), PixelRgb(0, 0, 0));
  EXPECT_EQ(dst.bitmap.Pixel(3, 3), PixelRgb(0, 255, 255));
  EXPECT_EQ(dst.bitmap.Pixel(1, 1), PixelRgb(24, 16, 13));
  EXPECT_FALSE(dst.dc.TransparentBlt(0, 0, 4, 4, src.dc, 0, 0, 3, 3, WHITE));  // no stretching
}

TEST(MemorySurface, CopiesAreClippedToBothBitmaps) {
  Surface src(5, 5, RGB(255, 0, 0));
  Surface dst(5, 5, RGB(0, 0, 255));
  dst.dc.BitBlt(-2, 3, 5, 5, src.dc, 0, 0);  // off the left and bottom edges
  EXPECT_EQ(dst.bitmap.Pixel(0, 3), PixelRgb(255, 0, 0));
  EXPECT_EQ(dst.bitmap.Pixel(2, 4), PixelRgb(255, 0, 0));
  EXPECT_EQ(dst.bitmap.Pixel(3, 4), PixelRgb(0, 0, 255));
  EXPECT_EQ(dst.bitmap.Pixel(0, 2), PixelRgb(0, 0, 255));
  dst.dc.BitBlt(0, 0, 5, 5, src.dc, 4, -10);  // source mostly outside
  dst.dc.BitBlt(100, 100, 5, 5, src.dc, 0, 0);
  dst.dc.FillSolidRect(CRect{3, 3, -1, 10}, WHITE);  // an inverted rectangle fills nothing
  EXPECT_EQ(dst.bitmap.Pixel(4, 4), PixelRgb(0, 0, 255));
}

TEST(MemorySurface, NothingIsDrawnWithoutABitmap) {
  CDC empty;
  empty.CreateCompatibleDC(nullptr);
  Surface dst(2, 2, WHITE);
  EXPECT_FALSE(dst.dc.BitBlt(0, 0, 2, 2, empty, 0, 0));
  EXPECT_FALSE(empty.TextOut(0, 0, "x"));
  empty.FillSolidRect(CRect{0, 0, 5, 5}, WHITE);
  EXPECT_EQ(dst.bitmap.Pixel(0, 0), PIXEL_WHITE);
}

TEST(MemorySurface, ColoursConvertOnceAtThePixelLayer) {
  EXPECT_EQ(RGB(255, 0, 0), 0x0000FFu);
  EXPECT_EQ(PixelFromColor(RGB(1, 2, 3)), PixelRgb(1, 2, 3));
  EXPECT_EQ(GetBValue(RGB(1, 2, 3)), 3);
}

}  // namespace
