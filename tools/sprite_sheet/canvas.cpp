#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace {

std::uint32_t Channel(float v) {
  return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0f, 255.0f)));
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, float t) {
  return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scale(Rgb c, float factor) { return Rgb{c.r * factor, c.g * factor, c.b * factor}; }

std::uint32_t PackOpaque(Rgb c) {
  return 0xFF000000u | (Channel(c.r) << 16) | (Channel(c.g) << 8) | Channel(c.b);
}

Canvas::Canvas(int width, int height, std::uint32_t fill)
    : m_width(width),
      m_height(height),
      m_pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

Rgb Canvas::GetRgb(int x, int y) const {
  const std::uint32_t p = Get(x, y);
  return RgbOf(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
               static_cast<int>(p & 0xFF));
}

void Canvas::Blend(int x, int y, Rgb c, float alpha) {
  if (!Contains(x, y) || alpha <= 0.0f) return;
  alpha = std::min(alpha, 1.0f);
  const std::uint32_t old = Get(x, y);
  const float oldAlpha = static_cast<float>(old >> 24) / 255.0f;
  const float outAlpha = alpha + oldAlpha * (1.0f - alpha);
  const Rgb under = GetRgb(x, y);
  const float keep = oldAlpha * (1.0f - alpha) / outAlpha;
  const Rgb mixed{c.r * alpha / outAlpha + under.r * keep, c.g * alpha / outAlpha + under.g * keep,
                  c.b * alpha / outAlpha + under.b * keep};
  Set(x, y, (Channel(outAlpha * 255.0f) << 24) | (PackOpaque(mixed) & 0x00FFFFFFu));
}

void Canvas::CopyFrom(const Canvas& src, int sx, int sy, int w, int h, int x, int y) {
  for (int row = 0; row < h; ++row) {
    for (int col = 0; col < w; ++col) {
      if (src.Contains(sx + col, sy + row) && Contains(x + col, y + row)) {
        Set(x + col, y + row, src.Get(sx + col, sy + row));
      }
    }
  }
}
