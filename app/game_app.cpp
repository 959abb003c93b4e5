#include "app/game_app.h"

#include "game/game_dlg.h"

bool CGameApp::InitInstance() {
  CGameDlg dialog(m_framework);
  dialog.DoModal();
  return false;
}
