#include "platform/program_path.h"

#include <windows.h>

#include "platform/windows/wide_text.h"

std::string RunningProgramPath() {
  std::wstring path(32768, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  if (length == 0 || length >= path.size()) return {};
  path.resize(length);
  return NarrowToUtf8(path);
}
