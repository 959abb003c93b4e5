// The pause picture: a cheerful plumber taking a nap on a length of pipe, wrench in hand,
// drawn as a cartoon with ink outlines over the scroll of background B.

#include <cmath>

#include "picture_art.h"
#include "vector_art.h"
#include "view/sprite_layout.h"

namespace {

const Rgb INK = RgbOf(28, 18, 12);
const Rgb SKIN = RgbOf(250, 204, 164);
const Rgb CAP_TEAL = RgbOf(26, 132, 140);
const Rgb SHIRT_YELLOW = RgbOf(236, 180, 52);
const Rgb OVERALL_BLUE = RgbOf(58, 96, 172);
const Rgb BOOT_BROWN = RgbOf(112, 64, 32);
const Rgb STEEL = RgbOf(176, 182, 192);
const Rgb PIPE_GREY = RgbOf(150, 150, 156);
const Rgb MOUSTACHE = RgbOf(196, 192, 186);  // a grey old hand
const Rgb WATER = RgbOf(40, 200, 236);
constexpr float LINE = 1.6f;

// The figure is drawn in its own coordinates, 0..106 across and 0..128 down; Local maps a
// shape drawn there onto the sheet, turned by `tilt` radians about the pivot (px, py).
struct Local {
  float ox, oy;
  float tilt = 0, px = 0, py = 0;
  Shape operator()(const Shape& s) const {
    const Local m = *this;
    return [=](float x, float y) {
      float lx, ly;
      m.Map(x, y, lx, ly);
      return s(lx, ly);
    };
  }
  Shader operator()(const Shader& s) const {
    const Local m = *this;
    return [=](float x, float y) {
      float lx, ly;
      m.Map(x, y, lx, ly);
      return s(lx, ly);
    };
  }
  void Map(float x, float y, float& lx, float& ly) const {
    const float dx = x - ox - px, dy = y - oy - py;
    const float c = std::cos(tilt), s = std::sin(tilt);
    lx = px + dx * c + dy * s;
    ly = py - dx * s + dy * c;
  }
};

void PaintPipeSeat(Painter& p, const Local& at) {
  p.Outlined(at(RoundBox(53, 104, 49, 8, 2)), at(Lit(PIPE_GREY, 53, 100, 40, 8, 0.5f)), LINE, INK);
  for (float x : {12.0f, 94.0f}) {
    p.Outlined(at(RoundBox(x, 104, 4, 11, 1.5f)), at(Lit(PIPE_GREY, x, 100, 4, 11, 0.5f)), LINE, INK);
  }
  p.Fill(at(Capsule(20, 99, 86, 99, 1.0f)), RgbOf(230, 230, 236), 0.7f);
}

void PaintLegsAndBoots(Painter& p, const Local& at) {
  // He sits on the pipe: knees towards us, shins hanging down in front of it.
  for (float side : {-1.0f, 1.0f}) {
    const float x = 53 + side * 11;
    const Shape leg = Union(Circle(x, 99, 8), Capsule(x, 99, x + side * 1.5f, 113, 6));
    p.Outlined(at(leg), at(Lit(OVERALL_BLUE, x, 104, 8, 12)), LINE, INK);
    p.Outlined(at(Ellipse(x + side * 3, 119, 9.5f, 6.0f)), at(Lit(BOOT_BROWN, x, 117, 9, 6, 0.4f)),
               LINE, INK);
  }
}

void PaintBody(Painter& p, const Local& at) {
  // The arm that rests on the pipe, behind the body.
  p.Outlined(at(Capsule(36, 76, 24, 94, 5.5f)), at(Lit(SHIRT_YELLOW, 30, 84, 8, 12)), LINE, INK);
  p.Outlined(at(Circle(23, 97, 5.2f)), at(Lit(SKIN, 23, 97, 5, 5)), LINE, INK);
  p.Outlined(at(RoundBox(53, 84, 19, 17, 9)), at(Lit(SHIRT_YELLOW, 53, 84, 19, 17)), LINE, INK);
  p.Outlined(at(RoundBox(53, 90, 19, 11, 7)), at(Lit(OVERALL_BLUE, 53, 90, 19, 11)), LINE, INK);
  p.Outlined(at(RoundBox(53, 78, 10, 7, 2.5f)), at(Lit(OVERALL_BLUE, 53, 78, 10, 7)), LINE, INK);
  for (float side : {-1.0f, 1.0f}) {
    p.Outlined(at(Capsule(53 + side * 8, 73, 53 + side * 13, 66, 2.2f)), OVERALL_BLUE, 1.2f, INK);
    p.Outlined(at(Circle(53 + side * 7, 74, 2.0f)), RgbOf(250, 210, 60), 1.0f, INK);
  }
}

// The wrench leans against the pipe, its open jaw up by the plumber's shoulder.
void PaintWrench(Painter& p, const Local& at) {
  const Shape handle = Capsule(86, 104, 95, 54, 3.2f);
  const Shape head = Subtract(Circle(96.5f, 47, 8.5f),
                              Rotated(RoundBox(98, 40, 3.2f, 7, 1), 98, 47, 0.25f));
  p.Outlined(at(Union(handle, head)), at(Lit(STEEL, 92, 70, 10, 30, 0.45f)), LINE, INK);
  p.Fill(at(Capsule(88, 98, 95, 60, 0.8f)), RgbOf(245, 247, 252), 0.8f);
}

void PaintArmWithWrench(Painter& p, const Local& at) {
  p.Outlined(at(Capsule(71, 76, 83, 88, 5.5f)), at(Lit(SHIRT_YELLOW, 77, 82, 8, 10)), LINE, INK);
  p.Outlined(at(Circle(86, 88, 5.4f)), at(Lit(SKIN, 86, 88, 5, 5)), LINE, INK);
}

void PaintHead(Painter& p, const Local& at) {
  for (float x : {33.0f, 73.0f}) p.Outlined(at(Circle(x, 50, 5)), at(Lit(SKIN, x, 50, 5, 5)), LINE, INK);
  p.Outlined(at(Circle(53, 48, 20)), at(Lit(SKIN, 53, 48, 20, 20, 0.18f)), LINE, INK);
  for (float x : {41.0f, 65.0f}) p.Fill(at(Ellipse(x, 57, 5, 3)), RgbOf(240, 130, 120), 0.45f);
  // Closed, contented eyes: two small downward arcs.
  for (float x : {45.0f, 61.0f}) p.Fill(at(Arc(x, 47, 3.6f, 1.7f, 0, 1)), INK);
  p.Outlined(at(Ellipse(53, 55, 6.5f, 5)), at(Lit(RgbOf(246, 170, 140), 53, 55, 6, 5, 0.3f)), 1.3f, INK);
  for (float side : {-1.0f, 1.0f}) {
    p.Outlined(at(Rotated(Ellipse(53 + side * 7.5f, 61, 8, 3.6f), 53 + side * 7.5f, 61, side * 0.28f)),
               MOUSTACHE, 1.2f, INK);
  }
  p.Fill(at(Arc(53, 63.5f, 3, 1.4f, 0, 1)), INK);
}

void PaintCap(Painter& p, const Local& at) {
  const Shape crown = Intersect(Circle(53, 40, 20.5f), [](float, float y) { return y - 39.0f; });
  p.Outlined(at(crown), at(Lit(CAP_TEAL, 53, 30, 20, 10, 0.35f)), LINE, INK);
  p.Outlined(at(Rotated(Ellipse(55, 39, 25, 4.5f), 55, 39, 0.06f)), at(Lit(CAP_TEAL, 55, 39, 25, 5, 0.4f)),
             LINE, INK);
  // The badge on the cap: a drop of water.
  p.Outlined(at(Circle(53, 29, 5.5f)), RgbOf(250, 250, 245), 1.2f, INK);
  p.Fill(at(Union(Circle(53, 30.5f, 2.4f), Polygon({{50.9f, 29.6f}, {55.1f, 29.6f}, {53, 25.2f}}))),
         WATER);
}

// "Z z": he is fast asleep.
void PaintSnore(Painter& p, const Local& at) {
  struct Letter {
    float x, y, size;
  };
  for (const Letter& z : {Letter{78, 8, 11}, Letter{94, 1, 7}}) {
    const float w = z.size * 0.3f > 1.4f ? 1.9f : 1.4f;
    const Shape letter = Union(Union(Capsule(z.x, z.y, z.x + z.size, z.y, w),
                                     Capsule(z.x + z.size, z.y, z.x, z.y + z.size, w)),
                               Capsule(z.x, z.y + z.size, z.x + z.size, z.y + z.size, w));
    p.Fill(at(letter), RgbOf(70, 96, 170));
  }
}

}  // namespace

void PaintPauseFigure(Canvas& sheet, int left, int top) {
  Painter painter(sheet, left + FIGURE_BOX.left, top + FIGURE_BOX.top, left + FIGURE_BOX.right + 1,
                  top + FIGURE_BOX.bottom + 1);
  const Local at{static_cast<float>(left + FIGURE_BOX.left), static_cast<float>(top + FIGURE_BOX.top)};
  // A soft shadow on the parchment grounds the figure.
  painter.Fill(at(Ellipse(55, 121, 50, 6)), RgbOf(90, 60, 30), 0.3f);
  PaintPipeSeat(painter, at);
  PaintWrench(painter, at);
  PaintBody(painter, at);
  PaintLegsAndBoots(painter, at);
  PaintArmWithWrench(painter, at);
  // His head has dropped a little to one side as he dozes.
  const Local nodding{at.ox, at.oy, -0.12f, 53, 68};
  PaintHead(painter, nodding);
  PaintCap(painter, nodding);
  PaintSnore(painter, at);
}
