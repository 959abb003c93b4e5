#include "game/game_dlg.h"
#include "game/game_random.h"
#include "model/piece_catalogue.h"
#include "res/resource_ids.h"

// The order matters: the back buffer takes the client area's size, the catalogue must exist
// before the first deal, and the seed before the first draw. The window's icon is the
// application's, which the back end gives every window.
bool CGameDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  ReadLeaderboard();
  CreateDrawingResources();
  BuildPieceCatalogue();
  GameRandom::Seed(static_cast<std::uint32_t>(GetFramework().CurrentTimeSeconds()));
  NewGame();
  RedrawBoard(false);
  SetTimer(WaterTimer, WATER_INTERVAL_MS);
  SetTimer(HoverTimer, HOVER_INTERVAL_MS);
  SetTimer(AnimationTimer, ANIMATION_INTERVAL_MS);
  return true;
}

void CGameDlg::OnDestroy() {
  CDialog::OnDestroy();
  WriteLeaderboard();
}
