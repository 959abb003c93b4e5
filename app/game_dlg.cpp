#include "app/game_dlg.h"

#include "res/resource_ids.h"
#include "view/score_look.h"

CGameDlg::CGameDlg(Framework& framework, CDialog* parent)
    : CDialog(framework, IDD_GAME, parent) {}

// Enter must never close the game window.
void CGameDlg::OnOK() {}

void CGameDlg::ShowCursor(bool show) {
  GetFramework().ShowCursor(show);
  m_cursorShown = show;
}

void CGameDlg::AddScorePopup(int x, int y, std::string_view text, COLORREF textColor,
                             COLORREF outlineColor) {
  if (m_game.FastForward() || m_game.State() != Playing) return;
  m_popups.Add(x, y, text, textColor, outlineColor);
}

// Popups are held back as a whole while fast-forward is on or the game is not in play, so a
// fast water step does not visit its events one by one.
void CGameDlg::Show(const GameReport& report, CPoint pointer) {
  const bool popups = !m_game.FastForward() && m_game.State() == Playing;
  for (int i = 0; popups && i < report.eventCount; ++i) {
    const ScoreEvent& event = report.events[static_cast<std::size_t>(i)];
    const ScoreText shown = ScoreTextOf(event, pointer);
    AddScorePopup(shown.at.x, shown.at.y, shown.text, shown.textColor, shown.outlineColor);
    if (m_scoreWatcher) m_scoreWatcher(event, shown);
  }
  if (report.rebuild) RedrawBoard(true);
}

void CGameDlg::NewGame() {
  const GameReport report = m_game.NewGame();
  RestartWaterTimer();
  Show(report);
  Invalidate(false);
}

void CGameDlg::RestartWaterTimer() {
  KillTimer(WaterTimer);
  if (const std::optional<unsigned> interval = m_game.WaterInterval()) {
    SetTimer(WaterTimer, *interval);
  }
}
