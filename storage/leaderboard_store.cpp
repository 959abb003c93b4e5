#include <filesystem>
#include <system_error>

#include "game/game_dlg.h"
#include "platform/file_bytes.h"
#include "platform/user_data_folder.h"
#include "storage/leaderboard_file.h"
#include "storage/program_dir.h"

namespace {

// "list.txt" in the user's data folder; empty when the system names none.
std::string UserCopyPath() {
  const std::string folder = UserDataFolder();
  return folder.empty() ? std::string() : folder + "/" + std::string(LEADERBOARD_FILE_NAME);
}

bool Exists(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::exists(path, error);
}

}  // namespace

void CGameDlg::ReadLeaderboard() {
  const std::string userCopy = UserCopyPath();
  std::string bytes;
  const bool read = (Exists(userCopy) && ReadFileBytes(userCopy, LEADERBOARD_MAX_BYTES, bytes)) ||
                    ReadFileBytes(GetProgramDir(GetFramework()) + LEADERBOARD_FILE_NAME,
                                  LEADERBOARD_MAX_BYTES, bytes);
  if (read) ParseLeaderboard(bytes, m_leaderboard);
}

void CGameDlg::WriteLeaderboard() {
  const std::string bytes = FormatLeaderboard(m_leaderboard);
  const std::string userCopy = UserCopyPath();
  std::error_code error;
  if (WriteFileAtomically(GetProgramDir(GetFramework()) + LEADERBOARD_FILE_NAME, bytes)) {
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
