#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "storage/leaderboard_store.h"
#include "platform/file_bytes.h"
#include "storage/leaderboard_file.h"

namespace {

// "list.txt" in the user's data folder: $XDG_DATA_HOME/vandrel, else ~/.local/share/vandrel.
// Empty when neither variable names an absolute folder.
std::string UserCopyPath() {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  std::string folder;
  if (dataHome != nullptr && dataHome[0] == '/') {
    folder = dataHome;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
    folder = std::string(home) + "/.local/share";
  } else {
    return {};
  }
  return folder + "/vandrel/" + LEADERBOARD_FILE_NAME;
}

bool Exists(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::exists(path, error);
}

}  // namespace

void LoadLeaderboard(const std::string& programDir, Leaderboard& leaderboard) {
  const std::string userCopy = UserCopyPath();
  std::string bytes;
  const bool read = (Exists(userCopy) && ReadFileBytes(userCopy, LEADERBOARD_MAX_BYTES, bytes)) ||
                    ReadFileBytes(programDir + LEADERBOARD_FILE_NAME,
                                  LEADERBOARD_MAX_BYTES, bytes);
  if (read) ParseLeaderboard(bytes, leaderboard);
}

void StoreLeaderboard(const std::string& programDir, const Leaderboard& leaderboard) {
  const std::string bytes = FormatLeaderboard(leaderboard);
  const std::string userCopy = UserCopyPath();
  std::error_code error;
  if (WriteFileAtomically(programDir + LEADERBOARD_FILE_NAME, bytes)) {
    // The user's copy is read first, so one left from an earlier run must not outlive this
    // write: it goes, or when it cannot go it is brought up to date.
    if (Exists(userCopy) && !std::filesystem::remove(userCopy, error)) {
      WriteFileAtomically(userCopy, bytes);
    }
    return;
  }
  if (userCopy.empty()) return;
  std::filesystem::create_directories(std::filesystem::path(userCopy).parent_path(), error);
  WriteFileAtomically(userCopy, bytes);
}
