#pragma once

#include <string>

// An exclusive lock that processes take before they read, change and write back one file, so
// that no two of them interleave. It is held for the life of the object. Every process takes
// it on the same lock file beside the (linked-to) file, PATH.lock, which stays: made openable
// by every user when it is created, whatever the creator's umask, and opened for reading alone
// where another user's file allows no more, so games of different users sharing a file take
// the same lock. There is no other lock to fall back on: where the lock file cannot be opened,
// no lock is held and the caller must not write.
class FileLock {
 public:
  // Tries to take the lock on path, waiting at most waitMilliseconds while another process
  // holds it (0: a single try that never waits).
  FileLock(const std::string& path, int waitMilliseconds);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool Held() const { return m_held; }
  // Not held because another process held the lock all the while: worth trying again later.
  // (Not held and not busy: the lock file could not be opened.)
  bool Busy() const { return m_busy; }

 private:
  int m_fd = -1;
  bool m_held = false;
  bool m_busy = false;
};
