#pragma once

#include <array>
#include <bitset>

#include "model/board.h"
#include "platform/types.h"

// Colours of the rising score texts.
constexpr COLORREF POPUP_GREEN = RGB(0, 255, 0);
constexpr COLORREF POPUP_RED = RGB(255, 0, 0);
constexpr COLORREF POPUP_BLACK = RGB(0, 0, 0);

// One change of the score as the player sees it: the text that rises from the anchor (client
// pixels) in its colours. Events are reported whether or not the score itself changed: water
// spilling in a finished game still shows where it runs out, when the window shows popups.
struct ScoreEvent {
  int x;
  int y;
  const char* text;  // a string literal: "+2", "-2", "+100", "-1", "-3"
  COLORREF textColor;
  COLORREF outlineColor;
};

// The most score events one operation can make: a water step in which every square spills at
// all four sides and moves its water.
constexpr int MAX_SCORE_EVENTS = BOARD_CELLS * 5;

// What one operation of a Game did, for the window to show: the score events in order, the
// squares whose picture changed, whether the board must be drawn anew (pieces were laid,
// removed or replaced), and whether the water could go no further.
struct GameReport {
  std::array<ScoreEvent, MAX_SCORE_EVENTS> events;  // the first eventCount are valid
  int eventCount = 0;
  std::bitset<BOARD_CELLS> changedSquares;
  bool rebuild = false;
  bool waterStopped = false;

  void Add(int x, int y, const char* text, COLORREF textColor) {
    if (eventCount < MAX_SCORE_EVENTS) events[eventCount++] = {x, y, text, textColor, POPUP_BLACK};
  }
};
