#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/posix_file.h"

namespace {

constexpr int LOCK_WAIT_STEPS = 300;
constexpr useconds_t LOCK_WAIT_STEP_US = 10000;

// Opens a regular file to lock, without following a link at its own name or waiting on it.
int OpenForLock(const std::string& path, int flags) {
  const int fd = ::open(path.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  struct stat status{};
  if (fd >= 0 && (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

FileLock::FileLock(const std::string& path) {
  std::string target;
  if (!ResolveLinks(path, target)) return;
  m_fd = OpenForLock(target + ".lock", O_RDWR | O_CREAT);
  if (m_fd < 0) m_fd = OpenForLock(target, O_RDONLY);
  if (m_fd < 0) return;
  for (int step = 0; step < LOCK_WAIT_STEPS; ++step) {
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
      m_held = true;
      return;
    }
    if (errno != EWOULDBLOCK && errno != EINTR) return;
    ::usleep(LOCK_WAIT_STEP_US);
  }
}

FileLock::~FileLock() {
  if (m_fd >= 0) ::close(m_fd);  // closing drops the lock
}
