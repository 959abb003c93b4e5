#include "app/input_name_dlg.h"
#include "app/game_dlg.h"
#include "app/shown_names.h"
#include "res/catalogue.h"

void CGameDlg::AnnounceGameOver() {
  if (!m_cursorShown) ShowCursor(true);

  MessageBox(TextWithScore(TEXT_GAME_OVER, m_game.Score()), {}, MB_OK);
  if (!m_leaderboard.Qualifies(m_game.Score())) return;

  if (!m_lastName) m_lastName = DEFAULT_NAME;
  CInputNameDlg dialog(GetFramework(), this);
  dialog.m_strName = ShownName(*m_lastName);
  if (dialog.DoModal() == 0) return;

  // The leaderboard file cannot hold an empty name without losing every entry below it, so an
  // empty answer is entered under the default name (StoredName).
  m_lastName = StoredName(dialog.m_strName);
  ChangeLeaderboard(LeaderboardEdit{false, *m_lastName, m_game.Score()});
  OnLeaderboard();
}
