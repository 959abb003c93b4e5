#pragma once

#include <string>

#include "platform/dc.h"
#include "platform/types.h"

constexpr COLORREF POPUP_GREEN = RGB(0, 255, 0);
constexpr COLORREF POPUP_RED = RGB(255, 0, 0);
constexpr COLORREF POPUP_BLACK = RGB(0, 0, 0);
constexpr int POPUP_RING_SIZE = 100;
constexpr int POPUP_RISE_LIMIT = 20;

// One rising score text such as "+2". Active while rise < limit; it stands at y - rise and
// climbs one pixel per animation tick, then vanishes.
struct ScorePopup {
  int x = 0;
  int y = 0;
  int rise = POPUP_RISE_LIMIT;
  int limit = POPUP_RISE_LIMIT;
  int step = 1;
  std::string text;
  COLORREF outlineColor = POPUP_BLACK;
  COLORREF textColor = RGB(255, 255, 255);

  bool IsActive() const { return rise < limit; }
  // Draws the text with a one-pixel outline into dc (its popup font already selected); leaves
  // textColor as the dc's text colour. An idle popup draws nothing.
  void Draw(CDC& dc) const;
};
