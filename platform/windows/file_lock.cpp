// The lock of platform/file_lock.h on Windows: LockFileEx on PATH.lock, opened so that every
// other process may open, lock and even delete it too. The handle is kept as a C runtime
// descriptor, so the class holds the same int on every system; closing it drops the lock.

#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include "platform/file_lock.h"
#include "platform/windows/file_names.h"
#include "platform/windows/wide_text.h"

namespace {

constexpr int LOCK_WAIT_STEP_MS = 10;

// Opens a plain file to lock; a folder or a device is refused.
HANDLE OpenForLock(const std::wstring& path, DWORD access, DWORD disposition) {
  const HANDLE handle =
      CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle != INVALID_HANDLE_VALUE && !IsPlainFile(handle)) {
    CloseHandle(handle);
    return INVALID_HANDLE_VALUE;
  }
  return handle;
}

// The lock file, made where it is missing; one that another user's rights let this process
// only read is opened for reading, which LockFileEx accepts as well.
HANDLE OpenLockFile(const std::wstring& lockPath) {
  const HANDLE handle = OpenForLock(lockPath, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
  return handle != INVALID_HANDLE_VALUE ? handle : OpenForLock(lockPath, GENERIC_READ, OPEN_EXISTING);
}

}  // namespace

FileLock::FileLock(const std::string& path, int waitMilliseconds) {
  const std::wstring target = ResolveLinks(WidenUtf8(path));
  if (target.empty()) return;
  const HANDLE handle = OpenLockFile(target + L".lock");
  if (handle == INVALID_HANDLE_VALUE) return;
  m_fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY);
  if (m_fd < 0) {
    CloseHandle(handle);
    return;
  }
  for (int waited = 0;; waited += LOCK_WAIT_STEP_MS) {
    OVERLAPPED start{};
    if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &start)) {
      m_held = true;
      return;
    }
    if (GetLastError() != ERROR_LOCK_VIOLATION && GetLastError() != ERROR_IO_PENDING) return;
    if (waited >= waitMilliseconds) break;
    Sleep(LOCK_WAIT_STEP_MS);
  }
  m_busy = true;
}

FileLock::~FileLock() {
  if (m_fd >= 0) _close(m_fd);  // closing the handle drops the lock
}
