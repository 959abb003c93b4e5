#pragma once

#include <cstdint>

// Plain value types of the framework, shaped after the desktop dialog API the game is written
// against.

// A colour as 0x00BBGGRR: red in the low byte.
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int r, int g, int b) {
  return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }

struct CPoint {
  int x = 0;
  int y = 0;
  bool operator==(const CPoint&) const = default;
};

struct CRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
  bool operator==(const CRect&) const = default;
};

// The smallest rectangle holding both; an empty one adds nothing.
constexpr CRect UnionRect(const CRect& a, const CRect& b) {
  if (a.IsEmpty()) return b;
  if (b.IsEmpty()) return a;
  return CRect{a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
               a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}

// Message box styles and dialog results.
constexpr unsigned MB_OK = 0x00;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Text layout flag of CDC::DrawText: right-aligned, top-aligned, clipped to the rectangle.
constexpr unsigned DT_RIGHT = 0x02;

// Text background modes of CDC::SetBkMode.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Show mode handed with an address to the browser: minimised, not activated.
constexpr int SW_SHOWMINNOACTIVE = 7;

// Key and button state handed to the mouse handlers.
constexpr unsigned MK_LBUTTON = 0x0001;
constexpr unsigned MK_RBUTTON = 0x0002;
constexpr unsigned MK_SHIFT = 0x0004;
constexpr unsigned MK_CONTROL = 0x0008;
constexpr unsigned MK_MBUTTON = 0x0010;
