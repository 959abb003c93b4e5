#include "storage/leaderboard_store.h"

#include <cstdio>

#include "platform/file_bytes.h"
#include "platform/file_lock.h"
#include "platform/user_data_folder.h"
#include "storage/install_layout.h"
#include "storage/leaderboard_file.h"
#include "storage/program_dir.h"

namespace {

// How long a change waits for another game to let go of the lock before it is left for the
// retry: less than a player can notice, and longer than another game's write usually takes.
constexpr int CHANGE_LOCK_WAIT_MS = 50;

// What stands at the place of a list.
enum class ListState {
  Missing,      // nothing (a link to nothing included): a list starts there
  Whole,        // a list as it is written
  Damaged,      // a list that had to be repaired while it was read
  Untouchable,  // a file that cannot be read, or one too large to keep a copy of
};

// Reads the list at path into board; bytes are the file's.
ListState ReadList(const std::string& path, Leaderboard& board, std::string& bytes) {
  if (!ReadFileBytes(path, LEADERBOARD_MAX_BYTES + 1, bytes)) {
    return NothingAt(path) ? ListState::Missing : ListState::Untouchable;
  }
  if (bytes.size() > LEADERBOARD_MAX_BYTES) {
    bytes.resize(LEADERBOARD_MAX_BYTES);
    ParseLeaderboard(bytes, board);
    return ListState::Untouchable;
  }
  return ParseLeaderboard(bytes, board) ? ListState::Whole : ListState::Damaged;
}

// Keeps the bytes of a damaged list beside the file it lies in, as PATH.damaged, before the
// list is written over. The copy is made once: one left by an earlier damage is never
// overwritten (every entry of the list was read into the board in any case).
bool KeepDamagedCopy(const std::string& path, const std::string& bytes) {
  const std::string file = FinalPath(path);
  if (file.empty()) return false;
  const std::string copy = file + ".damaged";
  return !NothingAt(copy) || WriteFileAtomically(copy, bytes);
}

// Whether list.txt can be kept at path: replaced whole, under a lock that can be opened (free
// or held by another game).
bool CanKeepListAt(const std::string& path) {
  if (!CanReplaceFile(path)) return false;
  const FileLock probe(path, 0);
  return probe.Held() || probe.Busy();
}

}  // namespace

// The one rule for the place of list.txt: beside the program when the file can be kept there
// and the program is not an installed one, else in the user's data folder. No other copy is
// written or removed.
void LeaderboardStore::ChoosePlace(const std::string& programDir) {
  if (!m_path.empty()) return;
  const std::string beside = programDir + LEADERBOARD_FILE_NAME;
  const std::string folder = UserDataFolder();
  if ((!FindInstallLayout(programDir).installed && CanKeepListAt(beside)) || folder.empty()) {
    m_path = beside;
    return;
  }
  m_path = folder + "/" + LEADERBOARD_FILE_NAME;
  m_seedPath = beside;
}

void LeaderboardStore::Read(const std::string& programDir, Leaderboard& board) {
  ChoosePlace(programDir);
  std::string bytes;
  if (ReadList(m_path, board, bytes) == ListState::Missing && !m_seedPath.empty()) {
    ReadList(m_seedPath, board, bytes);
  }
}

LeaderboardWrite LeaderboardStore::Change(const std::string& programDir,
                                          const LeaderboardEdit& edit, Leaderboard& board) {
  board.ApplyEdit(edit);
  m_unwritten.push_back(edit);
  return Write(programDir, board, CHANGE_LOCK_WAIT_MS);
}

bool LeaderboardStore::Merge(Leaderboard& merged) const {
  std::string bytes;
  switch (ReadList(m_path, merged, bytes)) {
    case ListState::Untouchable:
      return false;
    case ListState::Damaged:
      if (!KeepDamagedCopy(m_path, bytes)) return false;
      break;
    case ListState::Missing:
      if (!m_seedPath.empty()) ReadList(m_seedPath, merged, bytes);
      break;
    case ListState::Whole:
      break;
  }
  for (const LeaderboardEdit& edit : m_unwritten) merged.ApplyEdit(edit);
  return true;
}

LeaderboardWrite LeaderboardStore::Write(const std::string& programDir, Leaderboard& board,
                                         int lockWaitMs) {
  ChoosePlace(programDir);
  const std::string folder = FolderOfPath(m_path);
  if (!folder.empty()) MakeFolders(folder);

  const FileLock lock(m_path, lockWaitMs);
  if (!lock.Held()) return lock.Busy() ? LeaderboardWrite::Busy : Failed();
  Leaderboard merged;
  if (!Merge(merged) || !WriteFileAtomically(m_path, FormatLeaderboard(merged))) return Failed();
  board = merged;
  m_unwritten.clear();
  return LeaderboardWrite::Written;
}

LeaderboardWrite LeaderboardStore::Failed() {
  if (Waiting() && !m_failureReported) {
    m_failureReported = true;
    std::fprintf(stderr, "vandrel: cannot write the leaderboard to %s; new entries wait for the "
                 "next write\n", m_path.c_str());
  }
  return LeaderboardWrite::Failed;
}
