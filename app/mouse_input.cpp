#include "app/game_dlg.h"
#include "view/board_geometry.h"

// A click ends keyboard play: the board cursor goes until an arrow key brings it back.
void CGameDlg::OnLButtonDown(unsigned, CPoint point) {
  m_boardCursor.reset();
  // The hover tick's flag decides about the discard button, not the click point.
  PressAt(point, m_overDiscard);
}

void CGameDlg::OnLButtonDblClk(unsigned flags, CPoint point) { OnLButtonDown(flags, point); }

void CGameDlg::OnRButtonDown(unsigned, CPoint point) {
  m_boardCursor.reset();
  RemoveAt(point);
}

// The carried piece follows at the next animation tick, which repaints when the frame changed,
// so a fast pointer costs no more frames than the heartbeat. Some systems report a move when a
// window appears or the cursor changes under a pointer that stands still; only a pointer that
// went somewhere takes the carried piece back from the board cursor.
void CGameDlg::OnMouseMove(unsigned, CPoint point) {
  m_mouseMoved = true;
  if (m_lastMove != point) m_keysLast = false;
  m_lastMove = point;
}

void CGameDlg::OnMouseLeave() {
  HoverTick();
  Invalidate(false);
}

void CGameDlg::PressAt(CPoint point, bool discardLit) {
  if (m_game.State() == Paused) {
    // The click that resumes does nothing else, wherever it fell.
    Resume();
    return;
  }
  if (m_game.State() != Playing) return;

  int col = 0;
  int row = 0;
  if (FAST_FORWARD_BUTTON.Contains(point)) {
    m_game.ToggleFastForward();
    RestartWaterTimer();
    Invalidate(false);
  } else if (PAUSE_BUTTON.Contains(point)) {
    Pause();
  } else if (discardLit) {
    Show(m_game.Discard(), point);
    Invalidate(false);
  } else if (BoardSquareAt(point, col, row)) {
    const GameReport report = m_game.LayPiece(col, row);
    Show(report, point);
    if (report.rebuild) Invalidate(false);
  }
}

void CGameDlg::RemoveAt(CPoint point) {
  int col = 0;
  int row = 0;
  if (m_game.State() != Playing || !BoardSquareAt(point, col, row)) return;
  const GameReport report = m_game.RemovePiece(col, row);
  Show(report, point);
  if (report.rebuild) Invalidate(false);
}

void CGameDlg::Pause() {
  m_game.Pause();
  RestartWaterTimer();
  Invalidate(false);
}

void CGameDlg::Resume() {
  m_game.Resume();
  RestartWaterTimer();
}

// The key does what the pause button does in play and what a click does while paused, so a
// resume by key lays nothing either.
void CGameDlg::OnPauseResume() {
  if (m_game.State() == Playing) {
    Pause();
  } else if (m_game.State() == Paused) {
    Resume();
  }
}
