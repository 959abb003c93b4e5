#include "platform/program_path.h"

#include <filesystem>
#include <system_error>

std::string RunningProgramPath() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::canonical("/proc/self/exe", error);
  return error ? std::string() : self.string();
}
