#include "app/game_dlg.h"
#include "storage/leaderboard_store.h"
#include "storage/program_dir.h"
#include "storage/saved_game.h"
#include "res/resource_ids.h"

namespace {

constexpr const char* SAVED_GAME_FILTER = "游戏存档 (*.flm)|*.flm||";
constexpr const char* SAVED_GAME_EXTENSION = "flm";

constexpr const char* LOADED_TEXT = "读取游戏存档成功！";
constexpr const char* NOT_LOADED_TEXT = "读取游戏存档失败！";
constexpr const char* SAVED_TEXT = "保存游戏存档成功！";
constexpr const char* NOT_SAVED_TEXT = "保存游戏存档失败！";
constexpr const char* SUCCESS_CAPTION = "成功";
constexpr const char* ERROR_CAPTION = "错误";
constexpr const char* LEADERBOARD_NOT_SAVED_TEXT = "保存排行榜失败！";

// Another game holds the lock for milliseconds; as the window goes, a write waits this long.
constexpr int CLOSING_LOCK_WAIT_MS = 3000;

// Runs the saved-game file dialog (both commands use the same settings); true with path set
// when the player chose a file.
bool ChooseSavedGame(CGameDlg& owner, bool open, std::string& path) {
  CFileDialog dialog(owner.GetFramework(), open, SAVED_GAME_EXTENSION, "", true, SAVED_GAME_FILTER,
                     &owner);
  if (dialog.DoModal() != IDOK) return false;
  path = dialog.GetPathName();
  return true;
}

void ReportOutcome(CGameDlg& owner, bool ok, const char* okText, const char* failText) {
  if (ok) {
    owner.MessageBox(okText, SUCCESS_CAPTION, MB_OK | MB_ICONINFORMATION);
  } else {
    owner.MessageBox(failText, ERROR_CAPTION, MB_OK | MB_ICONERROR);
  }
}

}  // namespace

void CGameDlg::OnOpenGame() {
  std::string path;
  if (!ChooseSavedGame(*this, true, path)) return;
  ReportOutcome(*this, LoadGame(path), LOADED_TEXT, NOT_LOADED_TEXT);
}

void CGameDlg::OnSaveGame() {
  std::string path;
  if (!ChooseSavedGame(*this, false, path)) return;
  ReportOutcome(*this, SaveGame(path), SAVED_TEXT, NOT_SAVED_TEXT);
}

// The hover check is held off while the file is read and its message shows, and the cursor
// is shown so the player can answer the message.
void CGameDlg::OnDropFiles(const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  KillTimer(HoverTimer);
  if (!m_cursorShown) ShowCursor(true);
  ReportOutcome(*this, LoadGame(paths.front()), LOADED_TEXT, NOT_LOADED_TEXT);
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
    MessageBox(LEADERBOARD_NOT_SAVED_TEXT, ERROR_CAPTION, MB_OK | MB_ICONERROR);
    return;
  }
  for (int timer : {WaterTimer, HoverTimer, AnimationTimer, StartUpFileTimer, LeaderboardTimer}) {
    KillTimer(timer);
  }
  GetFramework().MessageBox(nullptr, LEADERBOARD_NOT_SAVED_TEXT, ERROR_CAPTION,
                            MB_OK | MB_ICONERROR);
}

void CGameDlg::OpenStartUpFile() {
  KillTimer(StartUpFileTimer);
  if (m_startUpFile.empty()) return;
  const std::string path = std::move(m_startUpFile);
  m_startUpFile.clear();
  OnDropFiles({path});
}
