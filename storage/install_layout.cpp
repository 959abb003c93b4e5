#include "storage/install_layout.h"

#include <filesystem>
#include <system_error>

namespace {

bool HoldsHelp(const std::filesystem::path& folder) {
  std::error_code error;
  return std::filesystem::is_directory(folder / "help", error);
}

// Paths from and to UTF-8 text whatever the system's narrow code page (Windows' is not UTF-8).
std::filesystem::path PathOfUtf8(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string Utf8OfPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace

InstallLayout FindInstallLayout(std::string_view programDir) {
  const std::filesystem::path program = PathOfUtf8(programDir.empty() ? std::string_view(".") : programDir);
  if (HoldsHelp(program)) return {std::string(programDir), false};
  // The program's path comes from the system with every link resolved, so its folder's ".."
  // can be taken away by the text alone. Debian keeps a game's data in share/games.
  for (const char* data : {"share/games/vandrel", "share/vandrel"}) {
    const std::filesystem::path shared = (program / ".." / data).lexically_normal();
    if (HoldsHelp(shared)) return {Utf8OfPath(shared / ""), true};
  }
  return {std::string(programDir), false};
}
