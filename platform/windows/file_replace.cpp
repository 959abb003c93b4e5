// Replacing a file whole on Windows: a new file beside the target, written, flushed and moved
// over it with MoveFileExW, which replaces an existing file where the C library's rename
// refuses to.

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>

#include "platform/file_bytes.h"
#include "platform/windows/file_handle.h"
#include "platform/windows/file_names.h"
#include "platform/windows/wide_text.h"

namespace {

// Temporary files are named ".vandrel-PID-N.tmp": short whatever the target's name, and
// recognisable as ours when one is left behind.
constexpr std::wstring_view TEMP_PREFIX = L".vandrel-";
constexpr std::wstring_view TEMP_SUFFIX = L".tmp";
// A temporary file this old is abandoned whoever wrote it: a save takes milliseconds.
constexpr ULONGLONG TEMP_ABANDONED_AFTER_100NS = 10ull * 60 * 10000000;

bool WriteAll(HANDLE handle, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(handle, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

std::wstring InFolder(const std::wstring& folder, std::wstring_view name) {
  const bool separated = folder.ends_with(L'\\') || folder.ends_with(L'/');
  return folder + (separated ? L"" : L"\\") + std::wstring(name);
}

bool ProcessRuns(DWORD pid) {
  const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  if (process == nullptr) return GetLastError() == ERROR_ACCESS_DENIED;
  DWORD code = 0;
  const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
  CloseHandle(process);
  return running;
}

// A temporary file is abandoned when the process its name carries is gone, or when it is old.
// A writer keeps its file open without sharing until it is written, so the removal of a file
// still being written fails anyway.
bool IsAbandoned(const WIN32_FIND_DATAW& found) {
  std::wstring_view name = found.cFileName;
  name.remove_prefix(TEMP_PREFIX.size());
  DWORD pid = 0;
  for (wchar_t c : name) {
    if (c < L'0' || c > L'9') break;
    pid = pid * 10 + static_cast<DWORD>(c - L'0');
  }
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const auto ticks = [](const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  const bool old = ticks(now) - ticks(found.ftLastWriteTime) > TEMP_ABANDONED_AFTER_100NS;
  return old || (pid != 0 && pid != GetCurrentProcessId() && !ProcessRuns(pid));
}

void RemoveAbandonedTemporaries(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  const std::wstring pattern = InFolder(folder, std::wstring(TEMP_PREFIX) + L"*" + std::wstring(TEMP_SUFFIX));
  const HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && IsAbandoned(found)) {
      DeleteFileW(InFolder(folder, found.cFileName).c_str());
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

// Creates a file that did not exist before in folder, for writing. CREATE_NEW makes sure no
// other file is ever reused.
HANDLE CreateTemporaryIn(const std::wstring& folder, std::wstring& tempPath) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = InFolder(folder, std::wstring(TEMP_PREFIX) + std::to_wstring(GetCurrentProcessId()) +
                                    L"-" + std::to_wstring(counter++) + std::wstring(TEMP_SUFFIX));
    const HANDLE handle = CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return handle;
  }
  return INVALID_HANDLE_VALUE;
}

// The attributes of what stands at path; INVALID_FILE_ATTRIBUTES with `missing` set when
// nothing does.
DWORD AttributesOf(const std::wstring& path, bool& missing) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  const DWORD error = GetLastError();
  missing = attributes == INVALID_FILE_ATTRIBUTES &&
            (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND);
  return attributes;
}

// A plain file that is not read-only. The read-only mark is looked at here because not every
// file system refuses a replacing move onto such a file.
bool IsWritablePlainFile(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_READONLY)) == 0;
}

// Opens the existing plain file at path for writing; a device or folder is refused.
HANDLE OpenExistingForWrite(const std::wstring& path) {
  const HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle != INVALID_HANDLE_VALUE && !IsPlainFile(handle)) {
    CloseHandle(handle);
    return INVALID_HANDLE_VALUE;
  }
  return handle;
}

// Whether folder takes new files: a file is made there and removed again at once, which is the
// only sure test of a folder's permissions.
bool FolderTakesNewFiles(const std::wstring& folder) {
  std::wstring probe;
  FileHandle file{CreateTemporaryIn(folder, probe)};
  if (!file.IsOpen()) return false;
  file.Close();
  DeleteFileW(probe.c_str());
  return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::wstring target = ResolveLinks(WidenUtf8(path));
  if (target.empty()) return false;
  bool missing = false;
  const DWORD attributes = AttributesOf(target, missing);
  if (!missing && !IsWritablePlainFile(attributes)) return false;

  const std::wstring folder = FolderOf(target);
  RemoveAbandonedTemporaries(folder);
  std::wstring tempPath;
  FileHandle file{CreateTemporaryIn(folder, tempPath)};
  if (!file.IsOpen()) return false;
  const bool written = WriteAll(file.handle, bytes) && FlushFileBuffers(file.handle);
  // The new file takes what the old one was marked as (hidden, say); its permissions are the
  // folder's, as for every file made there.
  constexpr DWORD KEPT = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                         FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  if (!file.Close() || !written ||
      (!missing && (attributes & KEPT) != 0 &&
       !SetFileAttributesW(tempPath.c_str(), attributes & KEPT)) ||
      !MoveFileExW(tempPath.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(tempPath.c_str());
    return false;
  }
  return true;
}

// The folder must take a new file, and an existing file must open for writing.
bool CanReplaceFile(const std::string& path) {
  const std::wstring target = ResolveLinks(WidenUtf8(path));
  if (target.empty()) return false;
  bool missing = false;
  const DWORD attributes = AttributesOf(target, missing);
  if (!missing) {
    if (!IsWritablePlainFile(attributes)) return false;
    FileHandle file{OpenExistingForWrite(target)};
    if (!file.IsOpen()) return false;
  }
  return FolderTakesNewFiles(FolderOf(target));
}

std::string FinalPath(const std::string& path) {
  const std::wstring target = ResolveLinks(WidenUtf8(path));
  return target.empty() ? std::string() : NarrowToUtf8(target);
}

// Opening follows links, so a link that leads nowhere opens as nothing.
bool NothingAt(const std::string& path) {
  const HANDLE file = CreateFileW(WidenUtf8(path).c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    CloseHandle(file);
    return false;
  }
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}
