#include "storage/leaderboard_store.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

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
std::string ChooseLeaderboardPath(const std::string& programDir) {
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

void LeaderboardStore::ChoosePlace(const std::string& programDir) {
  if (m_path.empty()) m_path = ChooseLeaderboardPath(programDir);
}

void LeaderboardStore::Read(const std::string& programDir, Leaderboard& board) {
  ChoosePlace(programDir);
  ReadLeaderboardFile(m_path, board);
}

void LeaderboardStore::Change(const std::string& programDir, const LeaderboardEdit& edit,
                              Leaderboard& board) {
  board.ApplyEdit(edit);
  m_unwritten.push_back(edit);
  Write(programDir, board);
}

void LeaderboardStore::Write(const std::string& programDir, Leaderboard& board) {
  ChoosePlace(programDir);
  const std::string folder = FolderOfPath(m_path);
  if (!folder.empty()) MakeFolders(folder);

  Leaderboard merged;
  bool written = false;
  {
    const FileLock lock(m_path);
    const bool readable = ReadLeaderboardFile(m_path, merged);
    for (const LeaderboardEdit& edit : m_unwritten) merged.ApplyEdit(edit);
    // A file that stands there but cannot be read is never written over: its entries would
    // be lost unseen.
    written = readable && WriteFileAtomically(m_path, FormatLeaderboard(merged));
  }
  board = merged;
  if (written) {
    m_unwritten.clear();
  } else if (!m_failureReported) {
    m_failureReported = true;
    std::fprintf(stderr, "vandrel: cannot write the leaderboard to %s; new entries last only "
                 "until the game closes\n", m_path.c_str());
  }
}
