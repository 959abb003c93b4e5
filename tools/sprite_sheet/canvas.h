#pragma once

#include <cstdint>
#include <vector>

// The generator's picture: width x height pixels of 0xAARRGGBB (the layout of the game's own
// bitmaps). Pictures for the sprite sheet stay opaque; the icon uses the alpha channel.

// A colour with components 0..255 as floats, for shading and blending.
struct Rgb {
  float r = 0, g = 0, b = 0;
};

constexpr Rgb RgbOf(int r, int g, int b) {
  return Rgb{static_cast<float>(r), static_cast<float>(g), static_cast<float>(b)};
}
Rgb Mix(Rgb a, Rgb b, float t);
Rgb Scale(Rgb c, float factor);
std::uint32_t PackOpaque(Rgb c);

class Canvas {
 public:
  Canvas(int width, int height, std::uint32_t fill);
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
  std::uint32_t Get(int x, int y) const { return m_pixels[Index(x, y)]; }
  void Set(int x, int y, std::uint32_t argb) { m_pixels[Index(x, y)] = argb; }
  Rgb GetRgb(int x, int y) const;
  // Lays colour c with opacity alpha (0..1) over the pixel: "over" compositing, so a
  // transparent pixel takes the colour and an opaque one mixes.
  void Blend(int x, int y, Rgb c, float alpha);
  // Copies w x h pixels from (sx, sy) of src to (x, y) of this canvas.
  void CopyFrom(const Canvas& src, int sx, int sy, int w, int h, int x, int y);
  const std::vector<std::uint32_t>& Pixels() const { return m_pixels; }

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
           static_cast<std::size_t>(x);
  }
  int m_width;
  int m_height;
  std::vector<std::uint32_t> m_pixels;
};
