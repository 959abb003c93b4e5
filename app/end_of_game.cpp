#include <cstdio>

#include "app/input_name_dlg.h"
#include "app/game_dlg.h"

void CGameDlg::AnnounceGameOver() {
  if (!m_cursorShown) ShowCursor(true);

  char text[400];  // "%.0lf" of the largest score has 309 digits
  std::snprintf(text, sizeof text, "游戏结束，您的分数为 %.0lf", m_game.Score());
  MessageBox(text, {}, MB_OK);
  if (!m_leaderboard.Qualifies(m_game.Score())) return;

  if (!m_lastName) m_lastName = DEFAULT_NAME;
  CInputNameDlg dialog(GetFramework(), this);
  dialog.m_strName = *m_lastName;
  if (dialog.DoModal() == 0) return;

  // The leaderboard file cannot hold an empty name without losing every entry below it, so an
  // empty answer is entered under the default name.
  if (dialog.m_strName.empty()) dialog.m_strName = DEFAULT_NAME;
  m_lastName = dialog.m_strName;
  ChangeLeaderboard(LeaderboardEdit{false, dialog.m_strName, m_game.Score()});
  OnLeaderboard();
}
