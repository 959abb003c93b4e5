#include "storage/program_dir.h"

#include "platform/framework.h"

std::string FolderOfPath(std::string_view path) {
  for (std::size_t i = path.size(); i > 1; --i) {
    const char c = path[i - 1];
    if (c == '\\' || c == '/') return std::string(path.substr(0, i));
  }
  return {};
}

std::string GetProgramDir(const Framework& framework) {
  return FolderOfPath(framework.GetModuleFileName());
}
