#include "platform/posix/posix_file.h"

#include <climits>
#include <cerrno>

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool ResolveLinks(std::string path, std::string& target) {
  constexpr int LINK_LIMIT = 40;  // as the kernel allows when it follows links itself
  for (int hop = 0; hop < LINK_LIMIT; ++hop) {
    std::string link(PATH_MAX, '\0');
    const ssize_t length = ::readlink(path.c_str(), link.data(), link.size());
    if (length < 0) {
      target = path;
      return errno == EINVAL || errno == ENOENT;  // not a link, or nothing there yet
    }
    if (static_cast<std::size_t>(length) >= link.size()) return false;
    link.resize(static_cast<std::size_t>(length));
    path = link.starts_with('/') ? link : FolderOf(path) + "/" + link;
  }
  return false;
}

bool MayWriteFile(const std::string& path, const struct stat& status) {
  return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 &&
         ::access(path.c_str(), W_OK) == 0;
}
