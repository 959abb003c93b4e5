#include "view/score_look.h"

#include <cstdio>

#include "model/pipe_constants.h"
#include "view/board_geometry.h"

namespace {

// Where a score text stands: at the pointer, or at the square's top-left corner, and how far
// from that point.
enum class Anchor { Pointer, Square };

struct ScoreLook {
  COLORREF textColor;
  Anchor anchor;
  CPoint offset;
};

// In ScoreKind order. A spill's text stands on the side the water runs out of (SPILL_OFFSETS).
constexpr ScoreLook SCORE_LOOKS[] = {
    {POPUP_GREEN, Anchor::Square, {0, -10}},  // WaterMoved
    {POPUP_RED, Anchor::Square, {0, 0}},      // Goal
    {POPUP_RED, Anchor::Square, {0, 0}},      // Spill
    {POPUP_RED, Anchor::Pointer, {0, -10}},   // Discard
    {POPUP_RED, Anchor::Pointer, {0, -10}},   // Unjoined
    {POPUP_RED, Anchor::Pointer, {0, -10}},   // Removal
};

// By port: above the square, below it, left of it, right of it.
constexpr CPoint SPILL_OFFSETS[PORT_COUNT] = {{0, -10}, {0, 9}, {-9, 0}, {19, 0}};

}  // namespace

std::string PointsText(double points) {
  char text[400];  // "%+.0f" of the largest double has 310 characters
  std::snprintf(text, sizeof text, "%+.0f", points);
  return text;
}

ScoreText ScoreTextOf(const ScoreEvent& event, CPoint pointer) {
  const ScoreLook& look = SCORE_LOOKS[static_cast<int>(event.kind)];
  CPoint at = look.anchor == Anchor::Pointer ? pointer
                                             : CPoint{SquareLeft(event.col), SquareTop(event.row)};
  CPoint offset = look.offset;
  if (event.kind == ScoreKind::Spill && event.port >= 0 && event.port < PORT_COUNT) {
    offset = SPILL_OFFSETS[event.port];
  }
  at.x += offset.x;
  at.y += offset.y;
  return ScoreText{at, PointsText(event.points), look.textColor, POPUP_BLACK};
}
