#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/dc.h"
#include "platform/types.h"

constexpr int POPUP_RING_SIZE = 100;
constexpr int POPUP_RISE_LIMIT = 20;
// The height of the popups' font.
constexpr int POPUP_FONT_HEIGHT = 16;

// One rising score text such as "+2". Active while rise < limit; it stands at y - rise and
// climbs one pixel per animation tick, then vanishes.
struct ScorePopup {
  int x = 0;
  int y = 0;
  int rise = POPUP_RISE_LIMIT;
  int limit = POPUP_RISE_LIMIT;
  int step = 1;
  std::string text;
  COLORREF outlineColor = RGB(0, 0, 0);
  COLORREF textColor = RGB(255, 255, 255);

  bool IsActive() const { return rise < limit; }
  // A rectangle that holds every pixel Draw may touch: each byte of the text given the font's
  // height in width, twice that height, the outline and a margin around.
  CRect Area() const;
  // Draws the text with a one-pixel outline into dc (its popup font already selected); leaves
  // textColor as the dc's text colour. An idle popup draws nothing.
  void Draw(CDC& dc) const;
};

// The ring of the 100 most recent score texts. A new one takes the slot after the last one
// added, so the oldest goes first when more than 100 rise at once.
class PopupRing {
 public:
  // Starts a popup rising from (x, y).
  void Add(int x, int y, std::string_view text, COLORREF textColor, COLORREF outlineColor);
  // Every active popup climbs by its step.
  void Rise();
  // Whether any popup is still rising.
  bool AnyActive() const;
  // The areas of the rising popups together; empty when none rises.
  CRect Area() const;
  // Draws every popup oldest first, so that the newest ends up on top.
  void Draw(CDC& dc) const;

  // The count of popups added so far, modulo the ring: the slot after the last one added
  // (POPUP_RING_SIZE right after the last slot was filled).
  int Next() const { return m_next; }
  const ScorePopup& operator[](int slot) const { return m_popups[static_cast<std::size_t>(slot)]; }
  ScorePopup& operator[](int slot) { return m_popups[static_cast<std::size_t>(slot)]; }
  auto begin() { return m_popups.begin(); }
  auto end() { return m_popups.end(); }

 private:
  std::array<ScorePopup, POPUP_RING_SIZE> m_popups;
  int m_next = 0;
};
