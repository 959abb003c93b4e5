#include "app/help_pages.h"

#include <cstdio>

#include "res/catalogue.h"

namespace {

bool KeptAsIs(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         c == '/' || c == '-' || c == '.' || c == '_' || c == '~';
}

// A path that starts with a drive, as "C:/...", keeps the drive's colon.
bool HasDrive(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

}  // namespace

std::string ShippedPagePath(std::string_view page) {
  std::string path = "help/";
  if (HelpLanguage() != DefaultLanguage()) path += std::string(LanguageCode(HelpLanguage())) + "/";
  return path + std::string(page);
}

std::string FileUrl(std::string_view path) {
  std::string url = "file://";
  if (path.empty() || path.front() != '/') url += '/';
  const bool drive = HasDrive(path);
  for (std::size_t i = 0; i < path.size(); ++i) {
    const auto byte = static_cast<unsigned char>(path[i]);
    if (KeptAsIs(byte) || (drive && i == 1)) {
      url += path[i];
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
      url += escaped;
    }
  }
  return url;
}
