#include <gtest/gtest.h>

#include "platform/frame_diff.h"

namespace {

CBitmap Filled(int w, int h, std::uint32_t pixel) {
  CBitmap bitmap;
  bitmap.Create(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) bitmap.SetPixel(x, y, pixel);
  }
  return bitmap;
}

TEST(ChangedRect, BoundsEveryChangedPixelAndNothingElse) {
  const CBitmap before = Filled(40, 30, PixelRgb(1, 2, 3));
  CBitmap after = before;
  EXPECT_FALSE(ChangedRect(before, after).has_value());

  after.SetPixel(7, 5, PIXEL_WHITE);
  EXPECT_EQ(ChangedRect(before, after), (CRect{7, 5, 8, 6}));

  // The widest row decides left and right, the first and last changed rows top and bottom.
  after.SetPixel(39, 9, PIXEL_WHITE);
  after.SetPixel(0, 29, PIXEL_WHITE);
  EXPECT_EQ(ChangedRect(before, after), (CRect{0, 5, 40, 30}));

  // Told where to look, it looks nowhere else.
  EXPECT_EQ(ChangedRect(before, after, CRect{5, 0, 39, 20}), (CRect{7, 5, 8, 6}));
  EXPECT_FALSE(ChangedRect(before, after, CRect{10, 10, 60, 28}).has_value());
}

TEST(ChangedRect, AFrameOfAnotherSizeChangesEverything) {
  const CBitmap empty;
  const CBitmap frame = Filled(12, 8, PIXEL_WHITE);
  EXPECT_EQ(ChangedRect(empty, frame), (CRect{0, 0, 12, 8}));
  EXPECT_EQ(ChangedRect(Filled(12, 9, PIXEL_WHITE), frame), (CRect{0, 0, 12, 8}));
  EXPECT_FALSE(ChangedRect(frame, empty).has_value());
}

}  // namespace
