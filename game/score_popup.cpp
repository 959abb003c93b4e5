#include "game/score_popup.h"

#include "game/game_dlg.h"

void CGameDlg::AddScorePopup(int x, int y, std::string_view text, COLORREF textColor,
                             COLORREF outlineColor) {
  if (m_fastForward == 1 || m_state != Playing) return;
  if (m_popupNext >= POPUP_RING_SIZE || m_popupNext < 0) m_popupNext = 0;
  ScorePopup& popup = m_popups[m_popupNext];
  popup.x = x;
  popup.y = y;
  popup.rise = 0;
  popup.limit = POPUP_RISE_LIMIT;
  popup.step = 1;
  popup.text.assign(text);
  popup.textColor = textColor;
  popup.outlineColor = outlineColor;
  ++m_popupNext;
}

void CGameDlg::AnimationTick() {
  Invalidate(false);
  for (ScorePopup& popup : m_popups) {
    if (popup.rise < popup.limit) popup.rise += popup.step;
  }
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
