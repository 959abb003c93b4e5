#pragma once

#include "platform/types.h"

// A box in device pixels, with fractional edges where a frame pixel ends inside a device pixel.
struct DeviceBox {
  double left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const DeviceBox&) const = default;
};

// How a frame fills a window's client area on a screen with `ratio` device pixels to a logical
// pixel (a desktop's device-pixel ratio, or Windows' dots per inch over 96).
//
// At a whole ratio every frame pixel becomes a block of ratio x ratio device pixels, pixel
// exact (a frame smaller than the area is centred in it). Between whole ratios the frame is
// first enlarged by the next whole factor without smoothing, then brought to the area's size
// in device pixels with smoothing, so edges stay crisp and the picture fills the whole area.
// Toolkit-free, so that every back end maps pixels and pointer positions by the same rule.
struct FrameScale {
  FrameScale(int frameWidth, int frameHeight, int logicalWidth, int logicalHeight, double ratio);

  // True between whole ratios, where the picture is smoothed down to the area.
  bool Smoothed() const { return factor != ratio; }
  // Where frame pixels land, in device pixels of the area. Between whole ratios the frame's
  // last column and row stretch to the end of the area's last device pixel.
  DeviceBox ToDevice(const CRect& framePixels) const;
  // The frame pixels that cover these device pixels of the area, clipped to the frame.
  CRect ToFramePixels(const CRect& devicePixels) const;
  // The logical rectangle of the area that covers those device pixels; between whole ratios
  // widened by one pixel, for the smoothing that blends neighbouring pixels.
  CRect ToLogical(const CRect& framePixels) const;
  // The frame pixel under a point of the area, in logical or in device pixels (outside the
  // frame too: points left of or above it stay left of or above it).
  CPoint ToFrame(double logicalX, double logicalY) const;
  CPoint DeviceToFrame(double deviceX, double deviceY) const;

  int frameWidth;
  int frameHeight;
  int factor;      // the whole enlargement: the ratio itself, or the next whole number above
  double ratio;
  double offsetX;  // device pixels from the area's corner to the frame's
  double offsetY;
  double stepX;    // device pixels per frame pixel
  double stepY;
  int deviceWidth;  // the device pixels the area touches, a partly covered last one included
  int deviceHeight;
};

// The area's size in device pixels for a logical size: every device pixel it touches.
int DeviceLength(int logical, double ratio);
