#include <gtest/gtest.h>

#include "frontends/qt/frame_scale.h"

namespace {

const QSize kGame(479, 458);

TEST(FrameScale, WholeRatiosFillTheAreaPixelExactAndMapPointsBack) {
  for (int ratio : {1, 2, 3}) {
    const FrameScale scale(kGame, kGame, ratio);
    EXPECT_FALSE(scale.Smoothed());
    EXPECT_EQ(scale.factor, ratio);
    EXPECT_EQ(scale.offset, QPointF(0, 0));
    EXPECT_EQ(scale.ToDevice(QRect(0, 0, 479, 458)), QRectF(0, 0, 479 * ratio, 458 * ratio));
    EXPECT_EQ(scale.ToFrame(QPointF(100.75, 50.5)), (CPoint{100, 50}));
    EXPECT_EQ(scale.ToFrame(QPointF(-0.5, 0)), (CPoint{-1, 0})) << "left of the area stays left";
    EXPECT_EQ(scale.ToLogical(QRect(10, 20, 5, 6)), QRect(10, 20, 5, 6));
  }
  EXPECT_EQ(FrameScale(kGame, kGame, 1.9999999).factor, 2);
  EXPECT_EQ(FrameScale(QSize(100, 100), kGame, 2).offset, QPointF(379, 358)) << "centred";
}

TEST(FrameScale, BetweenWholeRatiosTheFrameIsEnlargedByTheNextWholeFactorAndFillsTheArea) {
  for (double ratio : {1.25, 1.5, 2.5}) {
    const FrameScale scale(kGame, kGame, ratio);
    EXPECT_TRUE(scale.Smoothed());
    EXPECT_EQ(scale.factor, static_cast<int>(std::ceil(ratio)));
    // The whole frame covers every device pixel the area touches, the last partial one too.
    const QRectF whole = scale.ToDevice(QRect(0, 0, 479, 458));
    EXPECT_EQ(whole.topLeft(), QPointF(0, 0));
    EXPECT_EQ(whole.right(), std::ceil(479 * ratio));
    EXPECT_EQ(whole.bottom(), std::ceil(458 * ratio));
    EXPECT_EQ(scale.ToFrame(QPointF(100.5, 50)), (CPoint{100, 50}));
    EXPECT_EQ(scale.ToFrame(QPointF(478.9, 457.9)), (CPoint{478, 457}));
    // The update of one frame pixel covers it and the neighbours its smoothing touches.
    EXPECT_TRUE(QRectF(scale.ToLogical(QRect(100, 50, 1, 1))).contains(QRectF(99, 49, 3, 3)));
    EXPECT_EQ(scale.ToFramePixels(QRect(0, 0, 4000, 4000)), QRect(0, 0, 479, 458));
  }
  EXPECT_EQ(FrameScale(kGame, kGame, 0.75).factor, 1);
}

}  // namespace
