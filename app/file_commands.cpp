#include "app/game_dlg.h"
#include "storage/leaderboard_store.h"
#include "storage/program_dir.h"
#include "storage/saved_game.h"
#include "res/catalogue.h"
#include "res/resource_ids.h"

namespace {

constexpr const char* SAVED_GAME_EXTENSION = "flm";
// After the file type's name, its pattern and the end of the filter list.
constexpr const char* SAVED_GAME_PATTERN = "|*.flm||";

// Another game holds the lock for milliseconds; as the window goes, a write waits this long.
constexpr int CLOSING_LOCK_WAIT_MS = 3000;

// Runs the saved-game file dialog (both commands use the same settings); true with path set
// when the player chose a file.
bool ChooseSavedGame(CGameDlg& owner, bool open, std::string& path) {
  const std::string filter = std::string(Text(TEXT_FILE_TYPE)) + SAVED_GAME_PATTERN;
  CFileDialog dialog(owner.GetFramework(), open, SAVED_GAME_EXTENSION, "", true, filter,
                     &owner);
  if (dialog.DoModal() != IDOK) return false;
  path = dialog.GetPathName();
  return true;
}

void ReportOutcome(CGameDlg& owner, bool ok, TextId okText, TextId failText) {
  if (ok) {
    owner.MessageBox(Text(okText), Text(TEXT_CAPTION_SUCCESS), MB_OK | MB_ICONINFORMATION);
  } else {
    owner.MessageBox(Text(failText), Text(TEXT_CAPTION_ERROR), MB_OK | MB_ICONERROR);
  }
}

}  // namespace

void CGameDlg::OnOpenGame() {
  std::string path;
  if (!ChooseSavedGame(*this, true, path)) return;
  ReportOutcome(*this, LoadGame(path), TEXT_BOX_OPENED, TEXT_BOX_NOT_OPENED);
}

void CGameDlg::OnSaveGame() {
  std::string path;
  if (!ChooseSavedGame(*this, false, path)) return;
  ReportOutcome(*this, SaveGame(path), TEXT_BOX_SAVED, TEXT_BOX_NOT_SAVED);
}

// The hover check is held off while the file is read and its message shows, and the cursor
// is shown so the player can answer the message.
void CGameDlg::OnDropFiles(const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  KillTimer(HoverTimer);
  if (!m_cursorShown) ShowCursor(true);
  ReportOutcome(*this, LoadGame(paths.front()), TEXT_BOX_OPENED, TEXT_BOX_NOT_OPENED);
  SetTimer(HoverTimer, HOVER_INTERVAL_MS);
}

bool CGameDlg::SaveGame(const std::string& path) const {
  return WriteSavedGame(path, m_game.Position());
}

bool CGameDlg::LoadGame(const std::string& path) {
  GamePosition position;
  if (!ReadSavedGame(path, position)) return false;
  m_game.Restore(position);
  RestartWaterTimer();
  RedrawBoard(true);
  Invalidate(false);
  return true;
}

void CGameDlg::ReadLeaderboard() { m_leaderboardStore.Read(GetProgramDir(GetFramework()), m_leaderboard); }

void CGameDlg::WriteLeaderboard() {
  KillTimer(LeaderboardTimer);
  m_leaderboardStore.Write(GetProgramDir(GetFramework()), m_leaderboard, CLOSING_LOCK_WAIT_MS);
  if (m_leaderboardStore.Waiting()) TellLeaderboardNotSaved(true);
}

void CGameDlg::ChangeLeaderboard(const LeaderboardEdit& edit) {
  FollowLeaderboardWrite(
      m_leaderboardStore.Change(GetProgramDir(GetFramework()), edit, m_leaderboard));
}

void CGameDlg::RetryLeaderboard() {
  if (!m_leaderboardStore.Waiting()) {
    KillTimer(LeaderboardTimer);
    return;
  }
  FollowLeaderboardWrite(m_leaderboardStore.Write(GetProgramDir(GetFramework()), m_leaderboard, 0));
}

void CGameDlg::FollowLeaderboardWrite(LeaderboardWrite outcome) {
  if (outcome == LeaderboardWrite::Busy) {
    SetTimer(LeaderboardTimer, LEADERBOARD_RETRY_MS);
    return;
  }
  KillTimer(LeaderboardTimer);
  if (outcome == LeaderboardWrite::Failed) TellLeaderboardNotSaved(false);
}

// A box as the window goes runs a message loop of its own: with the timers still running, a
// water step could end the game and open the name dialog on a closing window.
void CGameDlg::TellLeaderboardNotSaved(bool closing) {
  if (m_leaderboardFailureTold) return;
  m_leaderboardFailureTold = true;
  if (!closing) {
    MessageBox(Text(TEXT_BOX_LIST_NOT_SAVED), Text(TEXT_CAPTION_ERROR), MB_OK | MB_ICONERROR);
    return;
  }
  for (int timer : {WaterTimer, HoverTimer, AnimationTimer, StartUpFileTimer, LeaderboardTimer}) {
    KillTimer(timer);
  }
  GetFramework().MessageBox(nullptr, Text(TEXT_BOX_LIST_NOT_SAVED), Text(TEXT_CAPTION_ERROR),
                            MB_OK | MB_ICONERROR);
}

void CGameDlg::OpenStartUpFile() {
  KillTimer(StartUpFileTimer);
  if (m_startUpFile.empty()) return;
  const std::string path = std::move(m_startUpFile);
  m_startUpFile.clear();
  OnDropFiles({path});
}
