#include "app/game_dlg.h"
#include "game/board_geometry.h"
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

void CGameDlg::HoverTick() {
  const CPoint point = ScreenToClient(GetFramework().GetCursorPos());
  m_overDiscard = DISCARD_BUTTON.Contains(point);
  if (m_game.State() == Playing && (BOARD_HOVER_AREA.Contains(point) || m_overDiscard)) {
    // Hidden only after the mouse has moved, so a pointer resting over the board when a game
    // starts stays a normal cursor until it moves.
    if (m_cursorShown && m_mouseMoved) ShowCursor(false);
  } else if (!m_cursorShown) {
    ShowCursor(true);
  }
  m_mouseMoved = false;
}

// The heartbeat at which changes become visible: it asks for a paint only when the frame
// would differ from the one shown.
void CGameDlg::AnimationTick() {
  m_popups.Rise();
  if (FrameOutdated(PointerInClient())) Invalidate(false);
}
