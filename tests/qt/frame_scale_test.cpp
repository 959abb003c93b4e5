#include <gtest/gtest.h>

#include "platform/qt/frame_scale.h"

namespace {

const QSize kGame(479, 458);

TEST(FrameScale, WholeRatiosFillTheAreaAndMapPointsBack) {
  for (int ratio : {1, 2, 3}) {
    const FrameScale scale(kGame, kGame, ratio);
    EXPECT_EQ(scale.factor, ratio);
    EXPECT_EQ(scale.offset, QPoint(0, 0));
    EXPECT_EQ(scale.ToDevice(QRect(0, 0, 479, 458)), QRect(0, 0, 479 * ratio, 458 * ratio));
    EXPECT_EQ(scale.ToFrame(QPointF(100.75, 50.5)), (CPoint{100, 50}));
    EXPECT_EQ(scale.ToFrame(QPointF(-0.5, 0)), (CPoint{-1, 0})) << "left of the area stays left";
    EXPECT_EQ(scale.ToLogical(QRect(10, 20, 5, 6)), QRect(10, 20, 5, 6));
  }
}

TEST(FrameScale, FractionalRatiosCentreTheFrameAtTheWholeFactorBelow) {
  const FrameScale scale(kGame, kGame, 2.5);
  EXPECT_EQ(scale.factor, 2);
  // The area is 1198 x 1145 device pixels; the frame takes 958 x 916 of them.
  EXPECT_EQ(scale.offset, QPoint(120, 114));
  EXPECT_EQ(scale.ToFrame(QPointF((120 + 2 * 100 + 1) / 2.5, (114 + 2 * 50) / 2.5)),
            (CPoint{100, 50}));
  // An update of one frame pixel covers its two device pixels in logical ones.
  const QRect logical = scale.ToLogical(QRect(100, 50, 1, 1));
  EXPECT_TRUE(QRectF(logical.x() * 2.5, logical.y() * 2.5, logical.width() * 2.5,
                     logical.height() * 2.5)
                  .contains(QRectF(scale.ToDevice(QRect(100, 50, 1, 1)))));
  EXPECT_EQ(FrameScale(kGame, kGame, 0.999999).factor, 1);
  EXPECT_EQ(FrameScale(kGame, kGame, 0.75).factor, 1);
}

}  // namespace
