// Whole-file reading and atomic replacing on Windows: UTF-16 paths, binary handles (no text
// mode ever touches the bytes), and MoveFileExW, which replaces an existing file where the C
// library's rename refuses to.

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>

#include "platform/file_bytes.h"
#include "platform/windows/wide_text.h"

namespace {

// Closes the handle when it goes out of scope.
struct FileHandle {
  HANDLE handle = INVALID_HANDLE_VALUE;
  ~FileHandle() {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
  bool IsOpen() const { return handle != INVALID_HANDLE_VALUE; }
  // Closes now and reports whether the close succeeded.
  bool Close() {
    const BOOL closed = CloseHandle(handle);
    handle = INVALID_HANDLE_VALUE;
    return closed != 0;
  }
};

// Only a plain file on a disk counts: consoles, pipes, devices and folders are refused before
// a single byte is read, so nothing can block or stream for ever.
bool IsRegularFile(HANDLE handle) {
  if (GetFileType(handle) != FILE_TYPE_DISK) return false;
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(handle, &info)) return false;
  return (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

bool WriteAll(HANDLE handle, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(handle, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// Creates a file that did not exist before, beside path, for writing. Its name carries the
// process id and a counter, and CREATE_NEW makes sure no other file is ever reused.
HANDLE CreateTemporaryBeside(const std::wstring& path, std::wstring& tempPath) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = path + L"." + std::to_wstring(GetCurrentProcessId()) + L"." +
               std::to_wstring(counter++) + L".tmp";
    const HANDLE handle = CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return handle;
  }
  return INVALID_HANDLE_VALUE;
}

// What stands at path may be replaced: nothing, or a plain file that is not read-only (not a
// folder or a device). The read-only mark is looked at here because not every file system
// refuses a replacing move onto such a file.
bool MayReplace(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return GetLastError() == ERROR_FILE_NOT_FOUND;
  return (attributes &
          (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_READONLY)) == 0;
}

}  // namespace

bool ReadFileBytes(const std::string& path, std::size_t maxBytes, std::string& bytes) {
  bytes.clear();
  FileHandle file{CreateFileW(WidenUtf8(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (!file.IsOpen() || !IsRegularFile(file.handle)) return false;
  char buffer[65536];
  while (bytes.size() < maxBytes) {
    const DWORD want = static_cast<DWORD>(std::min(sizeof buffer, maxBytes - bytes.size()));
    DWORD got = 0;
    if (!ReadFile(file.handle, buffer, want, &got, nullptr)) return false;
    if (got == 0) break;
    bytes.append(buffer, got);
  }
  return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::wstring target = WidenUtf8(path);
  if (target.empty() || !MayReplace(target)) return false;
  std::wstring tempPath;
  FileHandle file{CreateTemporaryBeside(target, tempPath)};
  if (!file.IsOpen()) return false;
  const bool written = WriteAll(file.handle, bytes) && FlushFileBuffers(file.handle);
  if (!file.Close() || !written ||
      !MoveFileExW(tempPath.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(tempPath.c_str());
    return false;
  }
  return true;
}
