#include "app/help_pages.h"

#include <cstdio>

namespace {

bool KeptAsIs(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         c == '/' || c == '-' || c == '.' || c == '_' || c == '~';
}

}  // namespace

std::string FileUrl(std::string_view path) {
  std::string url = "file://";
  if (path.empty() || path.front() != '/') url += '/';
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (KeptAsIs(byte)) {
      url += c;
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
      url += escaped;
    }
  }
  return url;
}
