#include "app/game_dlg.h"

void CGameDlg::CreateDrawingResources() {
  const CRect client = GetClientRect();
  if (m_preparedPixels.valid()) {
    m_view.Create(GetFramework().GetTextRenderer(), client, m_preparedPixels.get());
  } else {
    m_view.Create(GetFramework().GetTextRenderer(), client);
  }
}

void CGameDlg::RedrawBoard(bool rebuild) {
  m_view.RedrawBoard(m_game.Squares(), rebuild);
  ForgetShownFrame();
}

CRect CGameDlg::ComposeFrame(CPoint pointer) {
  return m_view.ComposeFrame(m_game.Position(), ExtrasAt(pointer));
}

// The board cursor shows only in play, where the keys act. The carried piece lies on its
// square while the keys were used last, else follows the pointer while the system cursor is
// hidden.
FrameExtras CGameDlg::ExtrasAt(CPoint pointer) const {
  FrameExtras extras;
  if (m_game.State() == Playing) extras.cursor = m_boardCursor;
  if (extras.cursor && m_keysLast) {
    extras.piece = SquareCentre(*extras.cursor);
  } else if (!m_cursorShown) {
    extras.piece = pointer;
  }
  extras.overDiscard = m_overDiscard;
  extras.popups = &m_popups;
  return extras;
}

CPoint CGameDlg::PointerInClient() const { return ScreenToClient(GetFramework().GetCursorPos()); }

// The pause picture covers the popups, which rise on unseen.
bool CGameDlg::FrameOutdated(CPoint pointer) const {
  return m_frameStale || m_popupsShown || (m_game.State() != Paused && m_popups.AnyActive()) ||
         LookOf(m_game.Position(), ExtrasAt(pointer)) != m_shownLook;
}

// A frame that would come out as the one the window shows already is neither composed nor
// handed over again.
void CGameDlg::OnPaint() {
  CDialog::OnPaint();
  const CPoint pointer = PointerInClient();
  if (!FrameOutdated(pointer)) return;
  const CRect changed = ComposeFrame(pointer);
  m_shownLook = LookOf(m_game.Position(), ExtrasAt(pointer));
  m_popupsShown = m_game.State() != Paused && m_popups.AnyActive();
  m_frameStale = false;
  if (WindowPort* port = GetPort()) port->Present(m_view.Frame(), changed);
}
