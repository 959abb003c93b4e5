#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

#include "platform/types.h"

// How a frame fills the client area on a screen with a device-pixel ratio.
//
// At a whole ratio every frame pixel becomes a block of ratio x ratio device pixels, pixel
// exact (a frame smaller than the area is centred in it). Between whole ratios the frame is
// first enlarged by the next whole factor without smoothing, then brought to the area's size
// in device pixels with smoothing, so edges stay crisp and the picture fills the whole area.
struct FrameScale {
  FrameScale(QSize frame, QSize logicalArea, double ratio);

  // True between whole ratios, where the picture is smoothed down to the area.
  bool Smoothed() const { return factor != ratio; }
  // Where frame pixels land, in device pixels of the area. Between whole ratios the frame's
  // last column and row stretch to the end of the area's last device pixel.
  QRectF ToDevice(const QRect& framePixels) const;
  // The frame pixels that cover these device pixels of the area, clipped to the frame.
  QRect ToFramePixels(const QRect& devicePixels) const;
  // The logical rectangle of the area that covers those device pixels; between whole ratios
  // widened by one pixel, for the smoothing that blends neighbouring pixels.
  QRect ToLogical(const QRect& framePixels) const;
  // The frame pixel under a logical point of the area (outside the frame too).
  CPoint ToFrame(QPointF logical) const;

  QSize frame;
  int factor;      // the whole enlargement: the ratio itself, or the next whole number above
  double ratio;
  QPointF offset;  // device pixels from the area's corner to the frame's
  double stepX;    // device pixels per frame pixel
  double stepY;
  QSize deviceArea;  // the device pixels the area touches, a partly covered last one included
};
