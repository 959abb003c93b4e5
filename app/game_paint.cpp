#include "app/game_dlg.h"

void CGameDlg::CreateDrawingResources() {
  m_view.Create(GetFramework().GetTextRenderer(), GetClientRect());
}

void CGameDlg::RedrawBoard(bool rebuild) { m_view.RedrawBoard(m_game.Squares(), rebuild); }

void CGameDlg::ComposeFrame(CPoint pointer) {
  m_view.ComposeFrame(m_game.Position(), FrameExtras{pointer, m_cursorShown, m_overDiscard, &m_popups});
}

void CGameDlg::OnPaint() {
  CDialog::OnPaint();
  ComposeFrame(ScreenToClient(GetFramework().GetCursorPos()));
  if (WindowPort* port = GetPort()) port->Present(m_view.Frame());
}
