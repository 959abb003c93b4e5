#include "platform/frame_scale.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/scaled_frame.h"

namespace {

constexpr int W = 479;
constexpr int H = 458;

TEST(FrameScale, WholeRatiosFillTheAreaPixelExactAndMapPointsBack) {
  for (int ratio : {1, 2, 3}) {
    const FrameScale scale(W, H, W, H, ratio);
    EXPECT_FALSE(scale.Smoothed());
    EXPECT_EQ(scale.factor, ratio);
    EXPECT_EQ(scale.offsetX, 0);
    const double wide = W * ratio;
    const double high = H * ratio;
    EXPECT_EQ(scale.ToDevice(CRect{0, 0, W, H}), (DeviceBox{0, 0, wide, high}));
    EXPECT_EQ(scale.ToFrame(100.75, 50.5), (CPoint{100, 50}));
    EXPECT_EQ(scale.DeviceToFrame(100.0 * ratio, 50.0 * ratio), (CPoint{100, 50}));
    EXPECT_EQ(scale.ToFrame(-0.5, 0), (CPoint{-1, 0})) << "left of the area stays left";
    EXPECT_EQ(scale.ToLogical(CRect{10, 20, 15, 26}), (CRect{10, 20, 15, 26}));
  }
  EXPECT_EQ(FrameScale(W, H, W, H, 1.9999999).factor, 2);
  const FrameScale small(100, 100, W, H, 2);
  EXPECT_EQ(small.offsetX, 379) << "centred";
  EXPECT_EQ(small.offsetY, 358);
}

// Windows' 125, 150 and 175 % and a desktop's 2.5: the window's device pixels are those the
// logical area touches, and the frame covers them all.
TEST(FrameScale, BetweenWholeRatiosTheFrameIsEnlargedByTheNextWholeFactorAndFillsTheArea) {
  for (double ratio : {1.25, 1.5, 1.75, 2.5}) {
    const FrameScale scale(W, H, W, H, ratio);
    EXPECT_TRUE(scale.Smoothed());
    EXPECT_EQ(scale.factor, static_cast<int>(std::ceil(ratio)));
    EXPECT_EQ(scale.deviceWidth, std::ceil(W * ratio));
    const DeviceBox whole = scale.ToDevice(CRect{0, 0, W, H});
    EXPECT_EQ(whole, (DeviceBox{0, 0, std::ceil(W * ratio), std::ceil(H * ratio)}));
    EXPECT_EQ(scale.ToFrame(100.5, 50), (CPoint{100, 50}));
    EXPECT_EQ(scale.ToFrame(478.9, 457.9), (CPoint{478, 457}));
    EXPECT_EQ(scale.DeviceToFrame(scale.deviceWidth - 1, scale.deviceHeight - 1),
              (CPoint{478, 457})) << "the last, partly covered device pixel";
    // The update of one frame pixel covers it and the neighbours its smoothing touches.
    const CRect update = scale.ToLogical(CRect{100, 50, 101, 51});
    EXPECT_LE(update.left, 99);
    EXPECT_GE(update.right, 102);
    EXPECT_EQ(scale.ToFramePixels(CRect{0, 0, 4000, 4000}), (CRect{0, 0, W, H}));
  }
  EXPECT_EQ(FrameScale(W, H, W, H, 0.75).factor, 1);
  EXPECT_EQ(FrameScale(W, H, W, H, 1.5).deviceHeight, 687);
}

// A frame of stripes: columns alternate between two colours every 3 pixels.
CBitmap Stripes() {
  CBitmap frame;
  frame.Create(W, H);
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) {
      frame.SetPixel(x, y, (x / 3) % 2 ? PixelRgb(200, 100, 0) : PixelRgb(0, 0, 100));
    }
  }
  return frame;
}

TEST(ScaledFrame, WholeFactorsAreSharpBlocksAndFractionalOnesFillTheAreaBlurringEdgesByOnePixel) {
  const CBitmap frame = Stripes();
  CBitmap out;
  const FrameScale twice(W, H, W, H, 2);
  ScaleFrame(frame, twice, CRect{0, 0, twice.deviceWidth, twice.deviceHeight}, out);
  for (int x = 0; x < out.Width(); ++x) ASSERT_EQ(out.Pixel(x, 7), frame.Pixel(x / 2, 3)) << x;

  const FrameScale scale(W, H, W, H, 1.5);
  const CRect area{0, 0, scale.deviceWidth, scale.deviceHeight};
  ScaleFrame(frame, scale, area, out);
  ASSERT_EQ(out.Width(), 719);
  int blended = 0;
  for (int x = 0; x < out.Width(); ++x) {
    const CPoint left = scale.DeviceToFrame(x, 0);
    const CPoint right = scale.DeviceToFrame(x + 0.999, 0);
    const std::uint32_t pixel = out.Pixel(x, 10);
    if (frame.Pixel(left.x, 0) == frame.Pixel(std::min(right.x, W - 1), 0)) {
      ASSERT_EQ(pixel, frame.Pixel(left.x, 0)) << "inside a stripe, device pixel " << x;
    } else {
      ++blended;
      EXPECT_NE(pixel, frame.Pixel(left.x, 0));
      EXPECT_NE(pixel, frame.Pixel(right.x, 0));
    }
  }
  EXPECT_GT(blended, 0);
  EXPECT_LT(blended, 719 / 4) << "at most one device pixel per edge";
  EXPECT_EQ(out.Pixel(718, 686), frame.Pixel(478, 457)) << "no margin at the far corner";

  // A part drawn alone is the same as that part of the whole: updates leave no seams.
  CBitmap part;
  ScaleFrame(frame, scale, CRect{100, 40, 131, 52}, part);
  for (int y = 0; y < part.Height(); ++y) {
    for (int x = 0; x < part.Width(); ++x) ASSERT_EQ(part.Pixel(x, y), out.Pixel(100 + x, 40 + y));
  }
}

}  // namespace
