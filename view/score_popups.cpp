#include "view/score_popups.h"

void PopupRing::Add(int x, int y, std::string_view text, COLORREF textColor,
                    COLORREF outlineColor) {
  if (m_next >= POPUP_RING_SIZE || m_next < 0) m_next = 0;
  ScorePopup& popup = m_popups[static_cast<std::size_t>(m_next)];
  popup.x = x;
  popup.y = y;
  popup.rise = 0;
  popup.limit = POPUP_RISE_LIMIT;
  popup.step = 1;
  popup.text.assign(text);
  popup.textColor = textColor;
  popup.outlineColor = outlineColor;
  ++m_next;
}

void PopupRing::Rise() {
  for (ScorePopup& popup : m_popups) {
    if (popup.rise < popup.limit) popup.rise += popup.step;
  }
}

bool PopupRing::AnyActive() const {
  for (const ScorePopup& popup : m_popups) {
    if (popup.IsActive()) return true;
  }
  return false;
}

CRect PopupRing::Area() const {
  CRect area;
  for (const ScorePopup& popup : m_popups) {
    if (popup.IsActive()) area = UnionRect(area, popup.Area());
  }
  return area;
}

// Oldest first: the ring is visited from the slot the next popup will take.
void PopupRing::Draw(CDC& dc) const {
  int slot = m_next % POPUP_RING_SIZE;
  if (slot < 0) slot += POPUP_RING_SIZE;
  for (int i = 0; i < POPUP_RING_SIZE; ++i) {
    m_popups[static_cast<std::size_t>(slot)].Draw(dc);
    if (++slot == POPUP_RING_SIZE) slot = 0;
  }
}

CRect ScorePopup::Area() const {
  constexpr int MARGIN = 3;
  const int top = y - rise;
  const int width = POPUP_FONT_HEIGHT * static_cast<int>(text.size());
  return CRect{x - 1 - MARGIN, top - 1 - MARGIN, x + 1 + width + MARGIN,
               top + 1 + 2 * POPUP_FONT_HEIGHT + MARGIN};
}

void ScorePopup::Draw(CDC& dc) const {
  if (rise >= limit) return;
  const int top = y - rise;
  dc.SetTextColor(outlineColor);
  dc.TextOut(x - 1, top, text);
  dc.TextOut(x + 1, top, text);
  dc.TextOut(x, top - 1, text);
  dc.TextOut(x, top + 1, text);
  dc.SetTextColor(textColor);
  dc.TextOut(x, top, text);
}
