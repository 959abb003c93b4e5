#include "app/game_dlg.h"
#include "res/resource_ids.h"

bool CGameDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetUpWindow(m_firstGameSeed.value_or(
      static_cast<std::uint32_t>(GetFramework().CurrentTimeSeconds())));
  // A timer fires only once the window runs, so the file opens over the shown game.
  if (!m_startUpFile.empty()) SetTimer(StartUpFileTimer, 0);
  return true;
}

void CGameDlg::SetUpWindow(std::optional<std::uint32_t> firstGameSeed) {
  ReadLeaderboard();
  CreateDrawingResources();
  if (firstGameSeed) {
    m_game.Seed(*firstGameSeed);
    NewGame();
    RedrawBoard(false);
    SetTimer(WaterTimer, WATER_INTERVAL_MS);
  }
  SetTimer(HoverTimer, HOVER_INTERVAL_MS);
  SetTimer(AnimationTimer, ANIMATION_INTERVAL_MS);
}

// The window is going: the leaderboard is written back. The game in progress is not saved.
void CGameDlg::OnDestroy() {
  CDialog::OnDestroy();
  WriteLeaderboard();
}
