// The lock in the browser: the browser's own lock on the file's name, shared by every tab of
// the page's site. The files of the program's folder live in the browser's storage
// (browser_files.js); once the lock is held they are brought in as the last holder left them,
// and they go back to the storage before the lock is given up. So two tabs that change the
// leaderboard keep each other's entries, as two desktop programs do with their lock file.

#include "platform/file_lock.h"

#include <emscripten.h>

// The token of the lock when it was had within waitMs milliseconds (0: at once), 0 when
// another tab held it all the while, -1 when the browser has no locks.
EM_ASYNC_JS(int, browser_lock_file, (const char* path, int waitMs), {
  return await vandrelFiles.lock(UTF8ToString(path), waitMs);
});

EM_ASYNC_JS(void, browser_unlock_file, (int token), { await vandrelFiles.unlock(token); });

FileLock::FileLock(const std::string& path, int waitMilliseconds) {
  m_fd = browser_lock_file(path.c_str(), waitMilliseconds);
  m_held = m_fd > 0;
  m_busy = m_fd == 0;
}

FileLock::~FileLock() {
  if (m_held) browser_unlock_file(m_fd);
}
