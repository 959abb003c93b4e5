#include "app/list_dlg.h"
#include "app/game_dlg.h"
#include "res/resource_ids.h"

namespace {

struct CommandRoute {
  int id;
  void (CGameDlg::*handler)();
};

// The game window's menu commands and their handlers.
constexpr CommandRoute kCommandRoutes[] = {
    {ID_GAME_NEW, &CGameDlg::NewGame},
    {ID_GAME_OPEN, &CGameDlg::OnOpenGame},
    {ID_GAME_SAVE, &CGameDlg::OnSaveGame},
    {ID_GAME_PAUSE, &CGameDlg::OnPauseResume},
    {ID_GAME_LEADERBOARD, &CGameDlg::OnLeaderboard},
    {ID_GAME_EXIT, &CGameDlg::OnExit},
    {ID_HELP_INSTRUCTIONS, &CGameDlg::OnInstructions},
    {ID_HELP_CONTACT, &CGameDlg::OnContactAuthor},
    {ID_HELP_ABOUT, &CGameDlg::OnAbout},
};

}  // namespace

// Ids that name no menu command are the keys of play without a mouse.
void CGameDlg::OnCommand(int id) {
  for (const CommandRoute& route : kCommandRoutes) {
    if (route.id == id) {
      (this->*route.handler)();
      return;
    }
  }
  OnKey(id);
}

void CGameDlg::OnLeaderboard() {
  CListDlg dialog(GetFramework(), m_leaderboard, this,
                  [this] { ChangeLeaderboard(LeaderboardEdit{true, {}, 0.0}); });
  dialog.DoModal();
}

// Ends the game window as Esc and the close box do; its destruction writes the leaderboard.
void CGameDlg::OnExit() { OnCancel(); }
