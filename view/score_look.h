#pragma once

#include <string>

#include "game/game_report.h"
#include "platform/types.h"

// Colours of the rising score texts.
constexpr COLORREF POPUP_GREEN = RGB(0, 255, 0);
constexpr COLORREF POPUP_RED = RGB(255, 0, 0);
constexpr COLORREF POPUP_BLACK = RGB(0, 0, 0);

// How one score event shows: the text of its points rising from its anchor (client pixels),
// in its colours.
struct ScoreText {
  CPoint at;
  std::string text;
  COLORREF textColor;
  COLORREF outlineColor;
};

// The points as the player reads them, always signed: "+2", "-3", "+100".
std::string PointsText(double points);

// How event shows. The player's moves rise from pointer, the point of the click that made
// them; the water's events rise from their square.
ScoreText ScoreTextOf(const ScoreEvent& event, CPoint pointer);
