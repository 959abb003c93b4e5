#include "platform/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/posix/posix_file.h"

bool ReadFileBytes(const std::string& path, std::size_t maxBytes, std::string& bytes) {
  bytes.clear();
  // O_NONBLOCK lets a FIFO open without waiting for a writer; O_NOCTTY keeps a terminal from
  // becoming ours. Whatever opened is then looked at before a single byte is read. The reads
  // stay non-blocking: a file on a disk always answers at once, and a kernel file that calls
  // itself regular but waits for data to come (/proc/kmsg) answers EAGAIN and is refused.
  FileDescriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)};
  if (file.fd < 0) return false;
  struct stat status{};
  if (::fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode)) return false;
  char buffer[65536];
  while (bytes.size() < maxBytes) {
    const std::size_t want = std::min(sizeof buffer, maxBytes - bytes.size());
    const ssize_t got = ::read(file.fd, buffer, want);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  return true;
}
