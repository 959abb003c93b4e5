#include "storage/leaderboard_store.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "game/game_dlg.h"
#include "platform/file_bytes.h"
#include "platform/file_lock.h"
#include "platform/user_data_folder.h"
#include "storage/install_layout.h"
#include "storage/leaderboard_file.h"
#include "storage/program_dir.h"

namespace {

// The one rule for the place of list.txt: beside the program when the file can be written
// there and the program is not an installed one, else in the user's data folder. No other copy
// is read, written or removed.
std::string ChooseLeaderboardPath(const Framework& framework) {
  const std::string programDir = GetProgramDir(framework);
  const std::string beside = programDir + LEADERBOARD_FILE_NAME;
  const std::string folder = UserDataFolder();
  const bool installed = FindInstallLayout(programDir).installed;
  if ((!installed && CanReplaceFile(beside)) || folder.empty()) return beside;
  return folder + "/" + LEADERBOARD_FILE_NAME;
}

// Reads the file at path into board. True when there is no file (board keeps the defaults) or
// it was read; false when something stands there that cannot be read.
bool ReadLeaderboardFile(const std::string& path, Leaderboard& board) {
  std::string bytes;
  if (ReadFileBytes(path, LEADERBOARD_MAX_BYTES, bytes)) {
    ParseLeaderboard(bytes, board);
    return true;
  }
  std::error_code error;
  return !std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

}  // namespace

void CGameDlg::ReadLeaderboard() {
  if (m_leaderboardStore.path.empty()) {
    m_leaderboardStore.path = ChooseLeaderboardPath(GetFramework());
  }
  ReadLeaderboardFile(m_leaderboardStore.path, m_leaderboard);
}

void CGameDlg::ChangeLeaderboard(const LeaderboardEdit& edit) {
  m_leaderboard.ApplyEdit(edit);
  m_leaderboardStore.unwritten.push_back(edit);
  WriteLeaderboard();
}

void CGameDlg::WriteLeaderboard() {
  LeaderboardStore& store = m_leaderboardStore;
  if (store.path.empty()) store.path = ChooseLeaderboardPath(GetFramework());
  const std::string folder = FolderOfPath(store.path);
  if (!folder.empty()) MakeFolders(folder);

  Leaderboard merged;
  bool written = false;
  {
    const FileLock lock(store.path);
    const bool readable = ReadLeaderboardFile(store.path, merged);
    for (const LeaderboardEdit& edit : store.unwritten) merged.ApplyEdit(edit);
    // A file that stands there but cannot be read is never written over: its entries would
    // be lost unseen.
    written = readable && WriteFileAtomically(store.path, FormatLeaderboard(merged));
  }
  m_leaderboard = merged;
  if (written) {
    store.unwritten.clear();
  } else if (!store.failureReported) {
    store.failureReported = true;
    std::fprintf(stderr, "vandrel: cannot write the leaderboard to %s; new entries last only "
                 "until the game closes\n", store.path.c_str());
  }
}
