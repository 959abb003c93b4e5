#include "platform/user_data_folder.h"

#include <windows.h>

#include "platform/windows/wide_text.h"

// %APPDATA% must name a whole path with its drive or share, as the system sets it.
std::string UserDataFolder() {
  wchar_t buffer[MAX_PATH * 4];
  const DWORD length = GetEnvironmentVariableW(L"APPDATA", buffer, MAX_PATH * 4);
  if (length == 0 || length >= MAX_PATH * 4) return {};
  return NarrowToUtf8(std::wstring_view(buffer, length)) + "\\Vandrel";
}
