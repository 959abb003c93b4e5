#include "game/game_dlg.h"
#include "game/game_random.h"
#include "model/piece_catalogue.h"
#include "res/resource_ids.h"

// Set-up of the game window, once, before it is first shown: the leaderboard, the drawing
// surfaces, the catalogue, the first game and the three timers, in that order; then, when one
// was named at start-up, the saved game to open.
bool CGameDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  ReadLeaderboard();
  CreateDrawingResources();
  BuildPieceCatalogue();
  GameRandom::Seed(m_firstGameSeed.value_or(
      static_cast<std::uint32_t>(GetFramework().CurrentTimeSeconds())));
  NewGame();
  RedrawBoard(false);
  SetTimer(WaterTimer, WATER_INTERVAL_MS);
  SetTimer(HoverTimer, HOVER_INTERVAL_MS);
  SetTimer(AnimationTimer, ANIMATION_INTERVAL_MS);
  // A timer fires only once the window runs, so the file opens over the shown game.
  if (!m_startUpFile.empty()) SetTimer(StartUpFileTimer, 0);
  return true;
}

// The window is going: the leaderboard is written back. The game in progress is not saved.
void CGameDlg::OnDestroy() {
  CDialog::OnDestroy();
  WriteLeaderboard();
}
