#include "game/game_dlg.h"

#include "res/resource_ids.h"

std::optional<std::string> CGameDlg::s_lastName;

CGameDlg::CGameDlg(Framework& framework, CDialog* parent)
    : CDialog(framework, IDD_GAME, parent) {}

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

// Enter must never close the game window.
void CGameDlg::OnOK() {}

void CGameDlg::ShowCursor(bool show) {
  GetFramework().ShowCursor(show);
  m_cursorShown = show;
}
