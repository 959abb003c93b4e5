// Starting the accessibility bridge without a session bus must not leave the stand-in bus
// address behind: the programs the game starts later (the browser for the help pages) see
// the environment the game was started with.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QTemporaryDir>
#include <optional>

#include "frontends/qt/accessibility_start.h"
#include "tests/support/scoped_env.h"

namespace {

constexpr char BUS[] = "DBUS_SESSION_BUS_ADDRESS";

TEST(AccessibilityStart, LeavesTheBusAddressAsItWas) {
  // No bus address, no bus socket, no dbus-launch on the search path.
  const QTemporaryDir empty;
  const ScopedEnv path("PATH", empty.path().toStdString());
  const ScopedEnv runtime("XDG_RUNTIME_DIR", empty.path().toStdString());
  const std::optional<QByteArray> saved =
      qEnvironmentVariableIsSet(BUS) ? std::optional(qgetenv(BUS)) : std::nullopt;
  qunsetenv(BUS);
  StartAccessibility();
  EXPECT_FALSE(qEnvironmentVariableIsSet(BUS));
  {
    const ScopedEnv bus(BUS, "unix:path=/nonexistent");
    StartAccessibility();
    EXPECT_EQ(qgetenv(BUS), QByteArray("unix:path=/nonexistent"));
  }
  if (saved) qputenv(BUS, *saved);
}

}  // namespace
