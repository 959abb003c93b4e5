#include "app/game_dlg.h"
#include "view/board_geometry.h"
#include "res/resource_ids.h"

void CGameDlg::OnTimer(int id) {
  switch (id) {
    case WaterTimer:
      WaterTick();
      break;
    case HoverTimer:
      HoverTick();
      break;
    case AnimationTimer:
      AnimationTick();
      break;
    case StartUpFileTimer:
      OpenStartUpFile();
      break;
    case LeaderboardTimer:
      RetryLeaderboard();
      break;
    default:
      break;
  }
  CDialog::OnTimer(id);
}

void CGameDlg::WaterTick() {
  const GameReport report = m_game.WaterTick();
  Show(report);
  if (report.waterStopped) EndOfFlow();
  // Only the squares whose water changed are drawn again; after the drain's rebuild, all.
  if (m_view.RedrawSquares(m_game.Squares(), report.changedSquares)) ForgetShownFrame();
  Invalidate(false);
}

// The announcement runs while the game still reads Playing, with the water timer stopped; the
// hover and animation timers go on inside its dialogs.
void CGameDlg::EndOfFlow() {
  KillTimer(WaterTimer);
  if (m_game.State() == Playing) AnnounceGameOver();
  Show(m_game.EndOfFlow());
  SetTimer(WaterTimer, FAST_INTERVAL_MS);
}

// Right after a tick a second one with no new input in between would do nothing: the pointer
// stands, the move has been seen and the cursor is as the tick left it. So a tick that changed
// nothing lets the timer rest until something happens; one that changed the discard button's
// look or the cursor does not, so the animation heartbeat wakes to show it.
void CGameDlg::HoverTick() {
  const CPoint point = ScreenToClient(GetFramework().GetCursorPos());
  const bool wasOverDiscard = m_overDiscard;
  const bool wasShown = m_cursorShown;
  m_overDiscard = DISCARD_BUTTON.Contains(point);
  if (m_game.State() == Playing && (BOARD_HOVER_AREA.Contains(point) || m_overDiscard)) {
    // Hidden only after the mouse has moved, so a pointer resting over the board when a game
    // starts stays a normal cursor until it moves.
    if (m_cursorShown && m_mouseMoved) ShowCursor(false);
  } else if (!m_cursorShown) {
    ShowCursor(true);
  }
  m_mouseMoved = false;
  if (m_overDiscard == wasOverDiscard && m_cursorShown == wasShown) RestTimer(HoverTimer);
}

// The heartbeat at which changes become visible: it asks for a paint only when the frame
// would differ from the one shown. With the frame up to date and no popup rising, the ticks to
// come would change nothing until something happens, so the timer rests.
void CGameDlg::AnimationTick() {
  m_popups.Rise();
  if (FrameOutdated(PointerInClient())) {
    Invalidate(false);
  } else if (!m_popups.AnyActive()) {
    RestTimer(AnimationTimer);
  }
}
