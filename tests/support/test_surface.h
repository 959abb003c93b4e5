#pragma once

#include <cstdint>

#include "platform/bitmap.h"
#include "platform/dc.h"

// A memory surface over a fresh w x h bitmap filled with one pixel value, for drawing tests.
struct TestSurface {
  CBitmap bitmap;
  CDC dc;
  TestSurface(int w, int h, std::uint32_t fill) {
    bitmap.Create(w, h);
    for (int i = 0; i < w * h; ++i) bitmap.Bits()[i] = fill;
    dc.CreateCompatibleDC(nullptr);
    dc.SelectObject(&bitmap);
  }
};

// Whether two bitmaps have the same size and the same pixels.
inline bool SameBitmap(const CBitmap& a, const CBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    }
  }
  return true;
}

// Whether two bitmaps of one size are equal outside a rectangle.
inline bool SameOutside(const CBitmap& a, const CBitmap& b, const CRect& r) {
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      const bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
      if (!inside && a.Pixel(x, y) != b.Pixel(x, y)) return false;
    }
  }
  return true;
}
