#include "platform/user_data_folder.h"

#include <windows.h>

#include "platform/windows/file_names.h"
#include "platform/windows/wide_text.h"

// %APPDATA% must name a whole path with its drive or share, as the system sets it.
std::string UserDataFolder() {
  constexpr DWORD CAPACITY = 32768;
  std::wstring buffer(CAPACITY, L'\0');
  const DWORD length = GetEnvironmentVariableW(L"APPDATA", buffer.data(), CAPACITY);
  if (length == 0 || length >= CAPACITY) return {};
  buffer.resize(length);
  const bool whole = (length >= 3 && buffer[1] == L':' && (buffer[2] == L'\\' || buffer[2] == L'/')) ||
                     buffer.starts_with(L"\\\\");
  return whole ? NarrowToUtf8(buffer) + "\\Vandrel" : std::string();
}

// Each missing folder from the top down; one that exists already (made by another process in
// the meantime, too) is fine.
bool MakeFolders(const std::string& folder) {
  const std::wstring path = WidenUtf8(folder);
  if (path.empty()) return false;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const std::wstring parent = FolderOf(path);
  if (parent != path && parent != L"." && parent.size() < path.size()) {
    MakeFolders(NarrowToUtf8(parent));
  }
  CreateDirectoryW(path.c_str(), nullptr);
  const DWORD made = GetFileAttributesW(path.c_str());
  return made != INVALID_FILE_ATTRIBUTES && (made & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
