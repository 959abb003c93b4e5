#include "storage/install_layout.h"

#include <filesystem>
#include <system_error>

namespace {

bool HoldsHelp(const std::filesystem::path& folder) {
  std::error_code error;
  return std::filesystem::is_directory(folder / "help", error);
}

}  // namespace

InstallLayout FindInstallLayout(std::string_view programDir) {
  const std::filesystem::path program(programDir.empty() ? std::string_view(".") : programDir);
  if (HoldsHelp(program)) return {std::string(programDir), false};
  // The program's path comes from the system with every link resolved, so its folder's ".."
  // can be taken away by the text alone.
  const std::filesystem::path shared = (program / ".." / "share" / "vandrel").lexically_normal();
  if (HoldsHelp(shared)) return {(shared / "").string(), true};
  return {std::string(programDir), false};
}
