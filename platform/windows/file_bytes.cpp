// Whole-file reading on Windows: UTF-16 paths and binary handles (no text mode ever touches
// the bytes); only a plain file on a disk is read.

#include <windows.h>

#include <algorithm>

#include "platform/file_bytes.h"
#include "platform/windows/file_handle.h"
#include "platform/windows/file_names.h"
#include "platform/windows/wide_text.h"

bool ReadFileBytes(const std::string& path, std::size_t maxBytes, std::string& bytes) {
  bytes.clear();
  // Consoles, pipes, devices and folders are refused before a single byte is read, so nothing
  // can block or stream for ever.
  FileHandle file{CreateFileW(WidenUtf8(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (!file.IsOpen() || !IsPlainFile(file.handle)) return false;
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
