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
  m_leaderboardStore.Write(GetProgramDir(GetFramework()), m_leaderboard);
}

void CGameDlg::ChangeLeaderboard(const LeaderboardEdit& edit) {
  m_leaderboardStore.Change(GetProgramDir(GetFramework()), edit, m_leaderboard);
}

void CGameDlg::OpenStartUpFile() {
  KillTimer(StartUpFileTimer);
  if (m_startUpFile.empty()) return;
  const std::string path = std::move(m_startUpFile);
  m_startUpFile.clear();
  OnDropFiles({path});
}
