#pragma once

#include <cstdint>
#include <vector>

// A bitmap in memory: width x height pixels of 32 bits, 0xFFRRGGBB, rows top to bottom. The
// layout matches a 32-bit RGB image of the toolkit, so a back end can draw text into it and
// show it without converting.
class CBitmap {
 public:
  CBitmap() = default;
  // Allocates a width x height bitmap filled with black. Returns false for sizes below 1.
  bool Create(int width, int height);
  bool IsEmpty() const { return m_pixels.empty(); }
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  std::uint32_t* Row(int y) { return m_pixels.data() + static_cast<std::size_t>(y) * m_width; }
  const std::uint32_t* Row(int y) const {
    return m_pixels.data() + static_cast<std::size_t>(y) * m_width;
  }
  std::uint32_t Pixel(int x, int y) const { return Row(y)[x]; }
  void SetPixel(int x, int y, std::uint32_t argb) { Row(y)[x] = argb; }
  std::uint32_t* Bits() { return m_pixels.data(); }
  const std::uint32_t* Bits() const { return m_pixels.data(); }

 private:
  int m_width = 0;
  int m_height = 0;
  std::vector<std::uint32_t> m_pixels;
};

// Pixel value of a 0x00BBGGRR colour.
constexpr std::uint32_t PixelFromColor(std::uint32_t colorref) {
  return 0xFF000000u | ((colorref & 0xFFu) << 16) | (colorref & 0xFF00u) |
         ((colorref >> 16) & 0xFFu);
}
constexpr std::uint32_t PixelRgb(int r, int g, int b) {
  return 0xFF000000u | (static_cast<std::uint32_t>(r & 0xFF) << 16) |
         (static_cast<std::uint32_t>(g & 0xFF) << 8) | static_cast<std::uint32_t>(b & 0xFF);
}
constexpr std::uint32_t PIXEL_WHITE = 0xFFFFFFFFu;
