#include "vector_art.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

float Length(float x, float y) { return std::sqrt(x * x + y * y); }

}  // namespace

Shape Circle(float cx, float cy, float r) {
  return [=](float x, float y) { return Length(x - cx, y - cy) - r; };
}

Shape Ellipse(float cx, float cy, float rx, float ry) {
  return [=](float x, float y) {
    const float px = (x - cx) / rx;
    const float py = (y - cy) / ry;
    const float k0 = Length(px, py);
    const float k1 = Length(px / rx, py / ry);
    if (k1 <= 0.0f) return -std::min(rx, ry);
    return k0 * (k0 - 1.0f) / k1;
  };
}

Shape RoundBox(float cx, float cy, float hw, float hh, float radius) {
  return [=](float x, float y) {
    const float qx = std::abs(x - cx) - hw + radius;
    const float qy = std::abs(y - cy) - hh + radius;
    return Length(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) -
           radius;
  };
}

Shape Capsule(float x0, float y0, float x1, float y1, float r) {
  return [=](float x, float y) {
    const float dx = x1 - x0, dy = y1 - y0;
    const float len2 = dx * dx + dy * dy;
    const float t = len2 > 0 ? std::clamp(((x - x0) * dx + (y - y0) * dy) / len2, 0.0f, 1.0f) : 0;
    return Length(x - x0 - dx * t, y - y0 - dy * t) - r;
  };
}

Shape Polygon(std::vector<Point> v) {
  return [v = std::move(v)](float x, float y) {
    float d = (x - v[0].x) * (x - v[0].x) + (y - v[0].y) * (y - v[0].y);
    float sign = 1.0f;
    for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
      const float ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
      const float wx = x - v[i].x, wy = y - v[i].y;
      const float t = std::clamp((wx * ex + wy * ey) / (ex * ex + ey * ey), 0.0f, 1.0f);
      const float bx = wx - ex * t, by = wy - ey * t;
      d = std::min(d, bx * bx + by * by);
      const bool c1 = y >= v[i].y, c2 = y < v[j].y, c3 = ex * wy > ey * wx;
      if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) sign = -sign;
    }
    return sign * std::sqrt(d);
  };
}

Shape Rotated(Shape shape, float cx, float cy, float angle) {
  const float c = std::cos(angle), s = std::sin(angle);
  return [=](float x, float y) {
    const float dx = x - cx, dy = y - cy;
    return shape(cx + dx * c + dy * s, cy - dx * s + dy * c);
  };
}

Shape Union(Shape a, Shape b) {
  return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

Shape Intersect(Shape a, Shape b) {
  return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

Shape Subtract(Shape a, Shape b) {
  return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

Shape Ring(Shape shape, float w) {
  return [=](float x, float y) { return std::abs(shape(x, y)) - w * 0.5f; };
}

Shape Arc(float cx, float cy, float r, float w, float nx, float ny) {
  return [=](float x, float y) {
    const float ring = std::abs(Length(x - cx, y - cy) - r) - w * 0.5f;
    const float side = -((x - cx) * nx + (y - cy) * ny);
    return std::max(ring, side);
  };
}

Painter::Painter(Canvas& canvas, int left, int top, int right, int bottom)
    : m_canvas(canvas),
      m_left(std::max(left, 0)),
      m_top(std::max(top, 0)),
      m_right(std::min(right, canvas.Width())),
      m_bottom(std::min(bottom, canvas.Height())) {}

void Painter::Fill(const Shape& shape, Rgb colour, float opacity) {
  Fill(shape, [colour](float, float) { return colour; }, opacity);
}

void Painter::Fill(const Shape& shape, const Shader& shader, float opacity) {
  for (int y = m_top; y < m_bottom; ++y) {
    for (int x = m_left; x < m_right; ++x) {
      const float px = static_cast<float>(x) + 0.5f, py = static_cast<float>(y) + 0.5f;
      const float coverage = std::clamp(0.5f - shape(px, py), 0.0f, 1.0f);
      if (coverage > 0.0f) m_canvas.Blend(x, y, shader(px, py), coverage * opacity);
    }
  }
}

void Painter::Outlined(const Shape& shape, Rgb fill, float outline, Rgb ink) {
  Outlined(shape, [fill](float, float) { return fill; }, outline, ink);
}

void Painter::Outlined(const Shape& shape, const Shader& fill, float outline, Rgb ink) {
  Fill([&](float x, float y) { return shape(x, y) - outline * 0.5f; }, ink);
  Fill([&](float x, float y) { return shape(x, y) + outline * 0.5f; }, fill);
}

Shader Lit(Rgb base, float cx, float cy, float hw, float hh, float strength) {
  return [=](float x, float y) {
    const float t = std::clamp(((x - cx) / hw + (y - cy) / hh) * 0.5f, -1.0f, 1.0f);
    return t < 0 ? Mix(base, RgbOf(255, 255, 255), -t * strength * 0.8f)
                 : Mix(base, RgbOf(0, 0, 0), t * strength);
  };
}
