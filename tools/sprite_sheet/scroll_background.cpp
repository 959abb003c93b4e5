// Background A: an aged parchment sheet between two rolled ends, lit from the upper left,
// lying on the dark brown ground with a soft shadow beneath it.

#include <algorithm>
#include <cmath>

#include "noise.h"
#include "picture_art.h"
#include "vector_art.h"
#include "view/sprite_layout.h"

namespace {

// Geometry relative to the background's origin. The rolls stand upright at the left and
// right; the sheet runs between their axes; the shadow falls 3 pixels down and right, so the
// whole picture stays inside the scroll box.
constexpr float ROLL_RADIUS = 17.0f;
constexpr float LEFT_AXIS = 21.0f;
constexpr float RIGHT_AXIS = 455.0f;
constexpr float ROLL_TOP = 12.0f;
constexpr float ROLL_BOTTOM = 443.0f;
constexpr float END_RY = 6.0f;  // half height of the elliptic ends of the rolls
constexpr float SHEET_TOP = 14.0f;
constexpr float SHEET_BOTTOM = 440.0f;
constexpr float SHADOW_OFFSET = 3.0f;

const Rgb INK = RgbOf(58, 36, 20);
const Rgb PARCHMENT = RgbOf(242, 226, 186);
const Rgb SCORCH = RgbOf(150, 98, 50);
const Rgb ROLL_PAPER = RgbOf(226, 200, 150);
const Rgb WOOD = RgbOf(120, 66, 30);

float Smoothstep(float a, float b, float x) {
  const float t = std::clamp((x - a) / (b - a), 0.0f, 1.0f);
  return t * t * (3.0f - 2.0f * t);
}

// The sheet: a long rectangle whose top and bottom edges are worn and slightly wavy.
Shape Sheet(float ox, float oy) {
  return [=](float x, float y) {
    const float lx = x - ox, ly = y - oy;
    const float wave = (FractalNoise(lx / 23.0f, ly > 220 ? 7.0f : 3.0f, 3, 41) - 0.5f) * 5.0f;
    const float top = SHEET_TOP + wave - ly;
    const float bottom = ly - SHEET_BOTTOM - wave;
    const float sides = std::max(LEFT_AXIS - lx, lx - RIGHT_AXIS);
    return std::max({top, bottom, sides});
  };
}

Shape Roll(float ox, float oy, float axis) {
  const float cx = ox + axis;
  return Union(Union(RoundBox(cx, oy + (ROLL_TOP + ROLL_BOTTOM) / 2, ROLL_RADIUS,
                              (ROLL_BOTTOM - ROLL_TOP) / 2, 0.0f),
                     Ellipse(cx, oy + ROLL_TOP, ROLL_RADIUS, END_RY)),
               Ellipse(cx, oy + ROLL_BOTTOM, ROLL_RADIUS, END_RY));
}

// The parchment's colour at a point: mottled, stained, with fibres and grain, scorched
// towards the worn edges and shaded where it bends into the rolls.
Rgb SheetColour(float lx, float ly, float edgeDistance) {
  const int ix = static_cast<int>(lx), iy = static_cast<int>(ly);
  Rgb c = Scale(PARCHMENT, 0.9f + 0.14f * FractalNoise(lx / 80.0f, ly / 80.0f, 4, 7));
  const float stain = FractalNoise(lx / 45.0f + 9.0f, ly / 45.0f, 3, 19);
  c = Mix(c, RgbOf(206, 174, 118), Smoothstep(0.66f, 0.76f, stain) * 0.3f);
  c = Mix(c, RgbOf(176, 136, 86), std::max(0.0f, 1.0f - std::abs(stain - 0.665f) / 0.01f) * 0.12f);
  c = Scale(c, 0.975f + 0.05f * ValueNoise(lx / 28.0f, ly / 1.4f, 23));
  c = Scale(c, 0.985f + 0.03f * HashUnit(ix, iy, 5));
  const float wornEdge = edgeDistance + (FractalNoise(lx / 9.0f, ly / 9.0f, 2, 31) - 0.5f) * 8.0f;
  c = Mix(c, SCORCH, std::pow(1.0f - Smoothstep(0.0f, 17.0f, wornEdge), 2.0f) * 0.85f);
  const float fromLeftRoll = lx - (LEFT_AXIS + ROLL_RADIUS);
  const float fromRightRoll = (RIGHT_AXIS - ROLL_RADIUS) - lx;
  const float bend = std::min(fromLeftRoll, fromRightRoll);
  c = Scale(c, 1.0f - std::pow(1.0f - Smoothstep(0.0f, 16.0f, bend), 2.0f) * 0.3f);
  // The left roll, lit from the upper left, casts a short shadow onto the sheet.
  c = Scale(c, 1.0f - (1.0f - Smoothstep(0.0f, 6.0f, fromLeftRoll)) * 0.25f);
  const float cx = lx / 240.0f - 1.0f, cy = ly / 230.0f - 1.0f;
  return Scale(c, 1.0f - 0.08f * (cx * cx + cy * cy));
}

// A roll of parchment: a cylinder lit from the upper left, with a glossy stripe and the seam
// where the sheet leaves it.
Rgb RollColour(float lx, float ly, float axis) {
  const float u = std::clamp((lx - axis) / ROLL_RADIUS, -1.0f, 1.0f);
  const float nz = std::sqrt(std::max(0.0f, 1.0f - u * u));
  const float light = std::max(0.0f, -0.6f * u + 0.8f * nz);
  Rgb c = Scale(ROLL_PAPER, 0.36f + 0.7f * light);
  c = Mix(c, RgbOf(255, 246, 220), std::pow(std::max(0.0f, 1.0f - std::abs(u + 0.45f) * 4.0f), 2.0f) * 0.45f);
  c = Scale(c, 0.96f + 0.06f * ValueNoise(lx / 3.0f, ly / 40.0f, 53));
  const float seamU = axis < 200 ? 0.62f : -0.62f;
  c = Mix(c, INK, std::max(0.0f, 1.0f - std::abs(u - seamU) * 14.0f) * 0.45f);
  return c;
}

// The end face of a roll: the spiral of rolled-up paper seen edge on.
Rgb RollEndColour(float lx, float ly, float axis, float endY) {
  const float dx = (lx - axis) / ROLL_RADIUS, dy = (ly - endY) / END_RY;
  const float r = std::sqrt(dx * dx + dy * dy);
  const float angle = std::atan2(dy, dx) / 6.2831853f;
  const float turns = r * 4.0f - angle;
  const float line = std::abs(turns - std::round(turns));
  Rgb c = Scale(ROLL_PAPER, 0.8f + 0.2f * (1.0f - r));
  c = Mix(c, RgbOf(150, 112, 64), Smoothstep(0.18f, 0.02f, line) * 0.7f);
  return Mix(c, RgbOf(70, 44, 24), Smoothstep(0.35f, 0.0f, r));  // the hollow core
}

void PaintRoll(Painter& painter, float ox, float oy, float axis) {
  const float cx = ox + axis;
  // Wooden rod ends stand out of both ends of the roll.
  for (float end : {ROLL_TOP - 6.0f, ROLL_BOTTOM + 6.0f}) {
    const Shape knob = Union(Ellipse(cx, oy + end, 5.5f, 4.5f),
                             Capsule(cx, oy + (ROLL_TOP + ROLL_BOTTOM) / 2, cx, oy + end, 2.5f));
    painter.Outlined(knob, Lit(WOOD, cx, oy + end, 5.5f, 4.5f, 0.5f), 1.2f, INK);
  }
  painter.Outlined(Roll(ox, oy, axis),
                   [=](float x, float y) { return RollColour(x - ox, y - oy, axis); }, 1.4f, INK);
  // Seen from a little above, only the upper end shows its spiral of rolled paper.
  painter.Outlined(Ellipse(cx, oy + ROLL_TOP, ROLL_RADIUS - 1.5f, END_RY - 1.0f),
                   [=](float x, float y) { return RollEndColour(x - ox, y - oy, axis, ROLL_TOP); },
                   1.0f, INK);
}

// A red wax seal pressed into the lower right corner of the sheet, stamped with a pipe bend.
void PaintSeal(Painter& painter, float cx, float cy) {
  const Shape blob = [=](float x, float y) {
    const float a = std::atan2(y - cy, x - cx);
    const float wobble = 1.2f * std::sin(a * 7.0f) + 0.8f * std::sin(a * 11.0f + 1.0f);
    return std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) - 15.0f - wobble;
  };
  painter.Fill([=](float x, float y) { return blob(x - 2.0f, y - 2.0f) - 1.0f; }, RgbOf(60, 30, 15), 0.35f);
  painter.Outlined(blob, Lit(RgbOf(168, 28, 30), cx, cy, 16, 16, 0.45f), 1.2f, RgbOf(80, 10, 12));
  painter.Fill(Ring(Circle(cx, cy, 10.5f), 1.4f), RgbOf(110, 14, 18), 0.9f);
  painter.Fill(Ring(Circle(cx + 0.7f, cy + 0.7f, 10.5f), 0.8f), RgbOf(220, 90, 80), 0.5f);
  // The stamp: a drop of water, pressed in (dark) with a lit lower rim.
  const Shape drop = Union(Circle(cx, cy + 2.5f, 5.0f), Polygon({{cx - 4.4f, cy + 0.2f}, {cx + 4.4f, cy + 0.2f}, {cx, cy - 8.0f}}));
  painter.Fill([=](float x, float y) { return drop(x - 0.8f, y - 0.8f); }, RgbOf(225, 96, 86), 0.5f);
  painter.Fill(drop, RgbOf(112, 14, 18), 0.9f);
}

}  // namespace

void PaintScrollBackground(Canvas& sheet, int left, int top) {
  const float ox = static_cast<float>(left), oy = static_cast<float>(top);
  for (int y = 0; y < BACKGROUND_HEIGHT; ++y)
    for (int x = 0; x < BACKGROUND_A_WIDTH; ++x) sheet.Set(left + x, top + y, GROUND_PIXEL);
  Painter painter(sheet, left + SCROLL_BOX.left, top + SCROLL_BOX.top, left + SCROLL_BOX.right + 1,
                  top + SCROLL_BOX.bottom + 1);

  const Shape sheetShape = Sheet(ox, oy);
  const Shape whole = Union(Union(sheetShape, Roll(ox, oy, LEFT_AXIS)), Roll(ox, oy, RIGHT_AXIS));
  painter.Fill([&](float x, float y) { return (whole(x - SHADOW_OFFSET, y - SHADOW_OFFSET) + 1.5f) / 3.0f; },
               RgbOf(6, 4, 3), 0.8f);
  painter.Outlined(
      sheetShape,
      [&](float x, float y) { return SheetColour(x - ox, y - oy, -sheetShape(x, y)); }, 1.2f,
      RgbOf(110, 70, 36));
  PaintSeal(painter, ox + 414.0f, oy + 410.0f);
  PaintRoll(painter, ox, oy, LEFT_AXIS);
  PaintRoll(painter, ox, oy, RIGHT_AXIS);
}
