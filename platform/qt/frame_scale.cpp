#include "platform/qt/frame_scale.h"

#include <algorithm>
#include <cmath>

namespace {

int WholeFactor(double ratio) {
  // A ratio a hair below a whole number still counts as that number.
  return std::max(1, static_cast<int>(std::floor(ratio + 1e-6)));
}

}  // namespace

FrameScale::FrameScale(QSize frame, QSize logicalArea, double deviceRatio)
    : factor(WholeFactor(deviceRatio)), ratio(deviceRatio > 0 ? deviceRatio : 1.0) {
  const int deviceWidth = static_cast<int>(std::lround(logicalArea.width() * ratio));
  const int deviceHeight = static_cast<int>(std::lround(logicalArea.height() * ratio));
  offset = QPoint(std::max(0, (deviceWidth - frame.width() * factor) / 2),
                  std::max(0, (deviceHeight - frame.height() * factor) / 2));
}

QRect FrameScale::ToDevice(const QRect& framePixels) const {
  return QRect(offset + framePixels.topLeft() * factor, framePixels.size() * factor);
}

QRect FrameScale::ToLogical(const QRect& framePixels) const {
  const QRect device = ToDevice(framePixels);
  const int left = static_cast<int>(std::floor(device.left() / ratio));
  const int top = static_cast<int>(std::floor(device.top() / ratio));
  const int right = static_cast<int>(std::ceil((device.right() + 1) / ratio));
  const int bottom = static_cast<int>(std::ceil((device.bottom() + 1) / ratio));
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

CPoint FrameScale::ToFrame(QPointF logical) const {
  const double x = (logical.x() * ratio - offset.x()) / factor;
  const double y = (logical.y() * ratio - offset.y()) / factor;
  return CPoint{static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))};
}
