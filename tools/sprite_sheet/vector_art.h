#pragma once

#include <functional>
#include <vector>

#include "canvas.h"

// Smooth cartoon shapes for the figure, the scroll's ornaments and the icon. A shape is a
// signed distance function in pixels (negative inside); painting turns the distance at each
// pixel centre into coverage, which gives clean anti-aliased edges at any size.

using Shape = std::function<float(float x, float y)>;
using Shader = std::function<Rgb(float x, float y)>;

struct Point {
  float x = 0, y = 0;
};

Shape Circle(float cx, float cy, float r);
Shape Ellipse(float cx, float cy, float rx, float ry);
// A box centred at (cx, cy) with half sizes hw, hh and corners rounded by radius.
Shape RoundBox(float cx, float cy, float hw, float hh, float radius);
// A line from (x0, y0) to (x1, y1) thickened to radius r, with round ends.
Shape Capsule(float x0, float y0, float x1, float y1, float r);
Shape Polygon(std::vector<Point> points);
// The shape turned by angle radians about (cx, cy).
Shape Rotated(Shape shape, float cx, float cy, float angle);
Shape Union(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);
// The band of width w along the shape's edge.
Shape Ring(Shape shape, float w);
// A stroke of width w along the circle of radius r about (cx, cy), only on the side of the
// centre that (nx, ny) points to: half a circle, such as a closed eye or a smile.
Shape Arc(float cx, float cy, float r, float w, float nx, float ny);

// Paints shapes onto a canvas, only inside the clip rectangle [left, right) x [top, bottom).
class Painter {
 public:
  Painter(Canvas& canvas, int left, int top, int right, int bottom);
  void Fill(const Shape& shape, Rgb colour, float opacity = 1.0f);
  void Fill(const Shape& shape, const Shader& shader, float opacity = 1.0f);
  // A cartoon shape: an ink outline of width `outline` around a fill.
  void Outlined(const Shape& shape, Rgb fill, float outline, Rgb ink);
  void Outlined(const Shape& shape, const Shader& fill, float outline, Rgb ink);

 private:
  Canvas& m_canvas;
  int m_left, m_top, m_right, m_bottom;
};

// A shader lit from the upper left: `base` brightened towards the top-left of the box centred
// at (cx, cy) with half sizes (hw, hh), darkened towards its bottom-right.
Shader Lit(Rgb base, float cx, float cy, float hw, float hh, float strength = 0.25f);
