#include "game/game_dlg.h"
#include "res/resource_ids.h"

void CGameDlg::Pause() {
  m_state = Paused;
  KillTimer(WaterTimer);
  Invalidate(false);
}

void CGameDlg::Resume() {
  m_state = Playing;
  RestartWaterTimer();
}

// The key does what the pause button does in play and what a click does while paused, so a
// resume by key lays nothing either.
void CGameDlg::OnPauseResume() {
  if (m_state == Playing) {
    Pause();
  } else if (m_state == Paused) {
    Resume();
  }
}
