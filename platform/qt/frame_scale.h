#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>

#include "platform/types.h"

// How a frame sits in the client area on a screen with a device-pixel ratio: every frame pixel
// becomes a block of factor x factor device pixels, factor being the largest whole number not
// above the ratio (at least 1), and the frame is centred in the area. With a whole ratio, as
// the program asks Qt for, the frame fills the area exactly; a fractional ratio forced by the
// user leaves a thin margin instead of uneven pixels.
struct FrameScale {
  FrameScale(QSize frame, QSize logicalArea, double ratio);

  // Where frame pixels land, in device pixels of the area.
  QRect ToDevice(const QRect& framePixels) const;
  // The logical rectangle of the area that covers those device pixels.
  QRect ToLogical(const QRect& framePixels) const;
  // The frame pixel under a logical point of the area (outside the frame too).
  CPoint ToFrame(QPointF logical) const;

  int factor;
  QPoint offset;  // device pixels from the area's corner to the frame's
  double ratio;
};
