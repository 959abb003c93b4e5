// The program's icon: a parchment tile with a pipe elbow, water creeping into it, and a drop.
// Drawn from shapes at each size, so small icons stay crisp.

#include <cmath>

#include "picture_art.h"
#include "vector_art.h"

namespace {

const Rgb INK = RgbOf(20, 14, 10);

}  // namespace

Canvas DrawAppIcon(int size) {
  Canvas icon(size, size, 0x00000000u);
  Painter p(icon, 0, 0, size, size);
  const float s = static_cast<float>(size) / 64.0f;  // drawn on a 64-unit square
  auto at = [s](const Shape& shape) {
    return [=](float x, float y) { return shape(x / s, y / s) * s; };
  };
  auto shade = [s](const Shader& shader) {
    return [=](float x, float y) { return shader(x / s, y / s); };
  };
  const float line = std::max(1.0f, 2.6f * s);

  p.Outlined(at(RoundBox(32, 32, 30, 30, 11)), shade(Lit(RgbOf(240, 222, 180), 32, 32, 30, 30, 0.3f)),
             line, RgbOf(84, 52, 26));
  // The elbow: a quarter ring about the tile's upper-left corner, its walls inked, wet for
  // the half nearer the top edge.
  const Shape tile = RoundBox(32, 32, 29, 29, 10);
  const Shape corner = Intersect([](float x, float) { return 4.0f - x; },
                                 [](float, float y) { return 4.0f - y; });
  const Shape pipe = Intersect(Intersect(Subtract(Circle(4, 4, 42), Circle(4, 4, 19)), corner), tile);
  const Shape inside = Intersect(Intersect(Subtract(Circle(4, 4, 38), Circle(4, 4, 23)), corner), tile);
  const Shape wet = Intersect(inside, [](float x, float y) { return y - x; });
  p.Fill(at(pipe), INK);
  p.Fill(at(inside), shade(Lit(RgbOf(150, 150, 156), 20, 20, 30, 30, 0.45f)));
  p.Fill(at(wet), shade(Lit(RgbOf(0, 226, 240), 20, 20, 30, 30, 0.4f)));
  p.Fill(at(Intersect(Ring(Circle(4, 4, 33), 2.0f), inside)), RgbOf(255, 255, 255), 0.35f);
  // A drop falling from the pipe.
  const Shape drop = Union(Circle(48, 49, 7), Polygon({{42.2f, 45.5f}, {53.8f, 45.5f}, {48, 34}}));
  p.Outlined(at(drop), shade(Lit(RgbOf(40, 200, 240), 48, 45, 7, 10, 0.4f)), line, INK);
  p.Fill(at(Ellipse(45.5f, 47.5f, 1.8f, 2.6f)), RgbOf(235, 255, 255), 0.9f);
  return icon;
}
