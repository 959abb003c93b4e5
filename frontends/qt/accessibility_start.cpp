#include "frontends/qt/accessibility_start.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QAccessible>
#include <QByteArray>
#include <QList>

namespace {

constexpr char BUS_VARIABLE[] = "DBUS_SESSION_BUS_ADDRESS";
// An address libdbus rejects at once: no transport has this name.
constexpr char NO_BUS[] = "disabled:";

bool IsExecutable(const QByteArray& path) { return ::access(path.constData(), X_OK) == 0; }

// The places libdbus runs dbus-launch from: its own folder, then the search path.
bool LauncherInstalled() {
  if (IsExecutable("/usr/bin/dbus-launch")) return true;
  for (const QByteArray& folder : qgetenv("PATH").split(':')) {
    if (!folder.isEmpty() && IsExecutable(folder + "/dbus-launch")) return true;
  }
  return false;
}

bool BusSocketInRuntimeFolder() {
  const QByteArray folder = qgetenv("XDG_RUNTIME_DIR");
  struct stat info {};
  return !folder.isEmpty() && ::stat((folder + "/bus").constData(), &info) == 0 &&
         S_ISSOCK(info.st_mode);
}

bool BusCanBeFound() {
  return !qgetenv(BUS_VARIABLE).isEmpty() || BusSocketInRuntimeFolder() || LauncherInstalled();
}

}  // namespace

void StartAccessibility() {
  if (BusCanBeFound()) {
    QAccessible::isActive();
    return;
  }
  // The bridge asks for the session bus once, on a thread of Qt's, while this one waits.
  qputenv(BUS_VARIABLE, NO_BUS);
  QAccessible::isActive();
  qunsetenv(BUS_VARIABLE);
}
