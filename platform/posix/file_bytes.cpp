#include "platform/file_bytes.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>

namespace {

// Closes the descriptor when it goes out of scope, unless released.
struct FileDescriptor {
  int fd = -1;
  ~FileDescriptor() {
    if (fd >= 0) ::close(fd);
  }
  // Closes now and reports whether the close succeeded.
  bool Close() {
    const int result = ::close(fd);
    fd = -1;
    return result == 0;
  }
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Creates a file that did not exist before, beside path, for writing. Its name carries the
// process id and a counter, and O_EXCL makes sure no other file is ever reused.
int CreateTemporaryBeside(const std::string& path, std::string& tempPath) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = path + "." + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp";
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

bool ReadFileBytes(const std::string& path, std::size_t maxBytes, std::string& bytes) {
  bytes.clear();
  FileDescriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
  if (file.fd < 0) return false;
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

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string tempPath;
  FileDescriptor file{CreateTemporaryBeside(path, tempPath)};
  if (file.fd < 0) return false;
  const bool written = WriteAll(file.fd, bytes) && ::fsync(file.fd) == 0;
  if (!file.Close() || !written || std::rename(tempPath.c_str(), path.c_str()) != 0) {
    ::unlink(tempPath.c_str());
    return false;
  }
  return true;
}
