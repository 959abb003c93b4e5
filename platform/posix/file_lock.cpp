#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/posix_file.h"

namespace {

constexpr int LOCK_WAIT_STEP_MS = 10;
// Every user who plays from the folder must be able to open the lock file: with a private
// lock file, another user's game could not take the lock at all. Write access too, because a
// lock over NFS is a byte-range lock, which needs a descriptor open for writing.
constexpr mode_t LOCK_FILE_MODE = 0666;

// Opens a regular file to lock, without following a link at its own name or waiting on it.
int OpenForLock(const std::string& path, int flags) {
  const int fd = ::open(path.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
                        LOCK_FILE_MODE);
  struct stat status{};
  if (fd >= 0 && (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// The lock file at lockPath, made with LOCK_FILE_MODE whatever the umask when this process
// creates it; another user's existing one is opened for reading where it allows no writing
// (flock needs no write access on a local disk).
int OpenLockFile(const std::string& lockPath) {
  int fd = OpenForLock(lockPath, O_RDWR | O_CREAT | O_EXCL);
  if (fd >= 0) {
    ::fchmod(fd, LOCK_FILE_MODE);
    return fd;
  }
  fd = OpenForLock(lockPath, O_RDWR);
  return fd >= 0 ? fd : OpenForLock(lockPath, O_RDONLY);
}

}  // namespace

FileLock::FileLock(const std::string& path, int waitMilliseconds) {
  std::string target;
  if (!ResolveLinks(path, target)) return;
  m_fd = OpenLockFile(target + ".lock");
  if (m_fd < 0) return;
  for (int waited = 0;; waited += LOCK_WAIT_STEP_MS) {
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
      m_held = true;
      return;
    }
    if (errno != EWOULDBLOCK && errno != EINTR) return;
    if (waited >= waitMilliseconds) break;
    ::usleep(LOCK_WAIT_STEP_MS * 1000);
  }
  m_busy = true;
}

FileLock::~FileLock() {
  if (m_fd >= 0) ::close(m_fd);  // closing drops the lock
}
