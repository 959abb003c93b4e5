// Replacing a file whole: a new file beside the target, written, flushed and renamed over it.

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <ctime>

#include "platform/file_bytes.h"
#include "platform/posix/posix_file.h"

namespace {

// Temporary files are named ".vandrel-PID-N.tmp": short whatever the target's name, hidden,
// and recognisable as ours when one is left behind.
constexpr std::string_view TEMP_PREFIX = ".vandrel-";
constexpr std::string_view TEMP_SUFFIX = ".tmp";
// Where locks cannot tell, a temporary file this old is taken as abandoned: a save takes
// milliseconds.
constexpr std::time_t TEMP_ABANDONED_AFTER_SECONDS = 10 * 60;

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The process id a temporary file's name carries, or 0.
pid_t WriterOf(std::string_view name) {
  name.remove_prefix(TEMP_PREFIX.size());
  pid_t pid = 0;
  std::from_chars(name.data(), name.data() + name.size(), pid);
  return pid;
}

// A temporary file is abandoned when no process holds its lock (the writer holds it from just
// after creating the file until its rename, and the system drops it when the writer dies) and
// either the process its name carries is gone or it is old. The second condition covers the
// instant between the creation and the lock; a live writer elsewhere (another host sharing the
// folder) holds the lock. Where the file system has no locks, only the age counts.
bool IsAbandoned(int fd, const struct stat& status, std::string_view name) {
  const bool old = std::time(nullptr) - status.st_mtime > TEMP_ABANDONED_AFTER_SECONDS;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return errno != EWOULDBLOCK && old;
  const pid_t writer = WriterOf(name);
  const bool writerGone = writer > 0 && ::kill(writer, 0) != 0 && errno == ESRCH;
  return writerGone || old;
}

// Removes this user's abandoned temporary files from folder.
void RemoveAbandonedTemporaries(const std::string& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (!name.starts_with(TEMP_PREFIX) || !name.ends_with(TEMP_SUFFIX)) continue;
    FileDescriptor file{::openat(::dirfd(dir), entry->d_name,
                                 O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    struct stat status{};
    if (file.fd < 0 || ::fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_uid != ::geteuid()) {
      continue;
    }
    if (IsAbandoned(file.fd, status, name)) ::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
}

// Creates a new temporary file in folder with the given mode, locked by this process.
int CreateTemporaryIn(const std::string& folder, mode_t mode, std::string& tempPath) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = folder + "/" + std::string(TEMP_PREFIX) + std::to_string(::getpid()) + "-" +
               std::to_string(counter++) + std::string(TEMP_SUFFIX);
    const int fd =
        ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0) {
      ::flock(fd, LOCK_EX | LOCK_NB);
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

// Gives the new file what the old one had: its owner where the system allows (else at least
// its group, which a member may give, so a file that players of one group share stays theirs),
// and its permission bits.
bool TakeOverAttributes(int fd, const struct stat& old) {
  if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
      ::fchown(fd, old.st_uid, old.st_gid) != 0) {
    [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
  }
  return ::fchmod(fd, old.st_mode & 0777) == 0;
}

// Whether this process may rename a new file over the one described by status in folder: a
// folder with the sticky bit (as /tmp) lets only the file's or the folder's owner do that.
bool MayRenameOver(const std::string& folder, const struct stat& status) {
  struct stat folderStatus{};
  if (::stat(folder.c_str(), &folderStatus) != 0) return false;
  const uid_t self = ::geteuid();
  return (folderStatus.st_mode & S_ISVTX) == 0 || self == 0 || status.st_uid == self ||
         folderStatus.st_uid == self;
}

void SyncFolder(const std::string& folder) {
  FileDescriptor dir{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
  if (dir.fd >= 0) ::fsync(dir.fd);
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string target;
  if (!ResolveLinks(path, target)) return false;
  struct stat old{};
  const bool exists = ::lstat(target.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) return false;
  if (exists && (!S_ISREG(old.st_mode) || !MayWriteFile(target, old))) return false;

  const std::string folder = FolderOf(target);
  RemoveAbandonedTemporaries(folder);
  std::string tempPath;
  // A file that replaces another is private until its permission bits are set.
  FileDescriptor file{CreateTemporaryIn(folder, exists ? 0600 : 0666, tempPath)};
  if (file.fd < 0) return false;
  const bool written = WriteAll(file.fd, bytes) && (!exists || TakeOverAttributes(file.fd, old)) &&
                       ::fsync(file.fd) == 0;
  if (!file.Close() || !written || std::rename(tempPath.c_str(), target.c_str()) != 0) {
    ::unlink(tempPath.c_str());
    return false;
  }
  SyncFolder(folder);
  return true;
}

bool CanReplaceFile(const std::string& path) {
  std::string target;
  if (!ResolveLinks(path, target)) return false;
  const std::string folder = FolderOf(target);
  if (::access(folder.c_str(), W_OK | X_OK) != 0) return false;
  struct stat status{};
  if (::lstat(target.c_str(), &status) == 0) {
    return S_ISREG(status.st_mode) && MayWriteFile(target, status) && MayRenameOver(folder, status);
  }
  return errno == ENOENT;
}

std::string FinalPath(const std::string& path) {
  std::string target;
  return ResolveLinks(path, target) ? target : std::string();
}

bool NothingAt(const std::string& path) {
  struct stat status{};
  return ::stat(path.c_str(), &status) != 0 && errno == ENOENT;
}
