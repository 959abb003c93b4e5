#pragma once

#include <string>

// An exclusive lock that processes take before they read, change and write back one file, so
// that no two of them interleave. It is held for the life of the object. The lock is taken on
// a lock file beside the (linked-to) file, PATH.lock, which stays; where the folder takes no
// new file, on the file itself. Waits at most about three seconds for another holder: a lock
// that cannot be had by then is not held, and the caller goes on without it.
class FileLock {
 public:
  explicit FileLock(const std::string& path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool Held() const { return m_held; }

 private:
  int m_fd = -1;
  bool m_held = false;
};
