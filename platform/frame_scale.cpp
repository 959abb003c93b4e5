#include "platform/frame_scale.h"

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

int Floor(double value) { return static_cast<int>(std::floor(value)); }
int Ceil(double value) { return static_cast<int>(std::ceil(value)); }

}  // namespace

int DeviceLength(int logical, double ratio) {
  return Ceil(logical * ratio - WHOLE_TOLERANCE);
}

FrameScale::FrameScale(int frameW, int frameH, int logicalWidth, int logicalHeight,
                       double deviceRatio)
    : frameWidth(frameW), frameHeight(frameH), ratio(deviceRatio > 0 ? deviceRatio : 1.0) {
  factor = WholeFactor(ratio);
  if (IsWhole(ratio)) ratio = factor;
  deviceWidth = DeviceLength(logicalWidth, ratio);
  deviceHeight = DeviceLength(logicalHeight, ratio);
  if (!Smoothed() || frameWidth <= 0 || frameHeight <= 0) {
    stepX = stepY = factor;
    offsetX = std::max(0, (deviceWidth - frameWidth * factor) / 2);
    offsetY = std::max(0, (deviceHeight - frameHeight * factor) / 2);
  } else {
    stepX = ratio * logicalWidth / frameWidth;
    stepY = ratio * logicalHeight / frameHeight;
    offsetX = offsetY = 0;
  }
}

DeviceBox FrameScale::ToDevice(const CRect& framePixels) const {
  DeviceBox device{offsetX + framePixels.left * stepX, offsetY + framePixels.top * stepY,
                   offsetX + framePixels.right * stepX, offsetY + framePixels.bottom * stepY};
  // The frame's last column and row reach into the area's last, partly covered device pixel.
  if (Smoothed() && framePixels.right >= frameWidth) device.right = deviceWidth;
  if (Smoothed() && framePixels.bottom >= frameHeight) device.bottom = deviceHeight;
  return device;
}

CRect FrameScale::ToFramePixels(const CRect& devicePixels) const {
  return CRect{std::max(0, Floor((devicePixels.left - offsetX) / stepX)),
               std::max(0, Floor((devicePixels.top - offsetY) / stepY)),
               std::min(frameWidth, Ceil((devicePixels.right - offsetX) / stepX)),
               std::min(frameHeight, Ceil((devicePixels.bottom - offsetY) / stepY))};
}

CRect FrameScale::ToLogical(const CRect& framePixels) const {
  const DeviceBox device = ToDevice(framePixels);
  const int grow = Smoothed() ? 1 : 0;
  return CRect{Floor(device.left / ratio) - grow, Floor(device.top / ratio) - grow,
               Ceil(device.right / ratio) + grow, Ceil(device.bottom / ratio) + grow};
}

CPoint FrameScale::ToFrame(double logicalX, double logicalY) const {
  return DeviceToFrame(logicalX * ratio, logicalY * ratio);
}

CPoint FrameScale::DeviceToFrame(double deviceX, double deviceY) const {
  return CPoint{Floor((deviceX - offsetX) / stepX), Floor((deviceY - offsetY) / stepY)};
}
