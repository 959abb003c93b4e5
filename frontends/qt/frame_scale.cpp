#include "frontends/qt/frame_scale.h"

#include <algorithm>
#include <cmath>

namespace {

// A ratio a hair away from a whole number counts as that number.
constexpr double WHOLE_TOLERANCE = 1e-6;

bool IsWhole(double ratio) { return std::abs(ratio - std::round(ratio)) < WHOLE_TOLERANCE; }

int WholeFactor(double ratio) {
  if (IsWhole(ratio)) return std::max(1, static_cast<int>(std::lround(ratio)));
  return std::max(1, static_cast<int>(std::ceil(ratio)));
}

// The whole device pixels a logical length covers, a partly covered last one included.
int DeviceLength(int logical, double ratio) {
  return static_cast<int>(std::ceil(logical * ratio - WHOLE_TOLERANCE));
}

}  // namespace

FrameScale::FrameScale(QSize frameSize, QSize logicalArea, double deviceRatio)
    : frame(frameSize), ratio(deviceRatio > 0 ? deviceRatio : 1.0) {
  factor = WholeFactor(ratio);
  if (IsWhole(ratio)) ratio = factor;
  const int deviceWidth = DeviceLength(logicalArea.width(), ratio);
  const int deviceHeight = DeviceLength(logicalArea.height(), ratio);
  if (!Smoothed() || frame.isEmpty()) {
    stepX = stepY = factor;
    offset = QPointF(std::max(0, (deviceWidth - frame.width() * factor) / 2),
                     std::max(0, (deviceHeight - frame.height() * factor) / 2));
  } else {
    stepX = ratio * logicalArea.width() / frame.width();
    stepY = ratio * logicalArea.height() / frame.height();
    offset = QPointF(0, 0);
  }
  deviceArea = QSize(deviceWidth, deviceHeight);
}

QRectF FrameScale::ToDevice(const QRect& framePixels) const {
  QRectF device(offset.x() + framePixels.x() * stepX, offset.y() + framePixels.y() * stepY,
                framePixels.width() * stepX, framePixels.height() * stepY);
  // The frame's last column and row reach into the area's last, partly covered device pixel.
  if (Smoothed() && framePixels.right() + 1 >= frame.width()) device.setRight(deviceArea.width());
  if (Smoothed() && framePixels.bottom() + 1 >= frame.height()) {
    device.setBottom(deviceArea.height());
  }
  return device;
}

QRect FrameScale::ToFramePixels(const QRect& devicePixels) const {
  const int left = static_cast<int>(std::floor((devicePixels.left() - offset.x()) / stepX));
  const int top = static_cast<int>(std::floor((devicePixels.top() - offset.y()) / stepY));
  const int right = static_cast<int>(std::ceil((devicePixels.right() + 1 - offset.x()) / stepX));
  const int bottom = static_cast<int>(std::ceil((devicePixels.bottom() + 1 - offset.y()) / stepY));
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)) & QRect(QPoint(0, 0), frame);
}

QRect FrameScale::ToLogical(const QRect& framePixels) const {
  const QRectF device = ToDevice(framePixels);
  const int grow = Smoothed() ? 1 : 0;
  const int left = static_cast<int>(std::floor(device.left() / ratio)) - grow;
  const int top = static_cast<int>(std::floor(device.top() / ratio)) - grow;
  const int right = static_cast<int>(std::ceil(device.right() / ratio)) + grow;
  const int bottom = static_cast<int>(std::ceil(device.bottom() / ratio)) + grow;
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

CPoint FrameScale::ToFrame(QPointF logical) const {
  const double x = (logical.x() * ratio - offset.x()) / stepX;
  const double y = (logical.y() * ratio - offset.y()) / stepY;
  return CPoint{static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))};
}
