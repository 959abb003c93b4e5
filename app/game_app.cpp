#include "app/game_app.h"

#include "app/game_dlg.h"

bool CGameApp::InitInstance() {
  CGameDlg dialog(m_framework);
  dialog.DoModal();
  return false;
}
