#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <string>

// Small helpers shared by the file services on POSIX systems.

// Closes the descriptor when it goes out of scope.
struct FileDescriptor {
  int fd = -1;
  FileDescriptor() = default;
  explicit FileDescriptor(int descriptor) : fd(descriptor) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
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

// The folder part of path without its last separator: "." for a bare name, "/" for a name
// in the root folder.
std::string FolderOf(const std::string& path);

// Follows path through symbolic links, relative ones from the link's own folder, to the name
// that the data lives under (which need not exist yet). False for a loop of links or a link
// that cannot be read.
bool ResolveLinks(std::string path, std::string& target);

// Whether this process may change the regular file described by status at path. The mode must
// give someone a write bit as well as the system granting access: a read-only (0444) file is
// refused even to the superuser, whom access() alone would let through.
bool MayWriteFile(const std::string& path, const struct stat& status);
