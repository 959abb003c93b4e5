#include "app/game_app.h"

#include "app/game_dlg.h"

bool CGameApp::InitInstance() {
  CGameDlg dialog(m_framework);
  if (m_line.seed) dialog.SetFirstGameSeed(*m_line.seed);
  if (!m_line.file.empty()) dialog.OpenAfterStartUp(m_line.file);
  if (m_preparedPixels.valid()) dialog.UsePreparedPixels(std::move(m_preparedPixels));
  dialog.DoModal();
  return false;
}
