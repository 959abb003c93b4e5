#include "frontends/qt/display_guard.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};

QtMessageHandler s_previous = nullptr;
std::vector<HeldMessage> s_held;

// The platform Qt tries when none is named: Wayland in a Wayland session, else X11.
QByteArray PlatformName() {
  const QByteArray named = qgetenv("QT_QPA_PLATFORM");
  if (!named.isEmpty()) return named;
  return qgetenv("XDG_SESSION_TYPE") == "wayland" ? QByteArray("wayland") : QByteArray("xcb");
}

QByteArray DisplayFailureLine() {
  const QByteArray platform = PlatformName();
  const bool wayland = platform.startsWith("wayland");
  const bool x11 = platform.startsWith("xcb");
  QByteArray display = qgetenv(wayland ? "WAYLAND_DISPLAY" : "DISPLAY");
  if (display.isEmpty()) display = wayland ? "wayland-0" : "(none set)";
  QByteArray hint = "check that QT_QPA_PLATFORM names a platform of Qt's (xcb, wayland) or unset it";
  if (x11) hint = "check that DISPLAY names a running X server";
  if (wayland) hint = "check that WAYLAND_DISPLAY names a running Wayland desktop";
  return "vandrel: cannot show the game on display \"" + display + "\" (Qt platform \"" +
         platform + "\"); " + hint + ", or try: xvfb-run -a vandrel\n";
}

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    // Qt would abort after this message; end plainly instead. Nothing of the game has started.
    std::fputs(DisplayFailureLine().constData(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
  }
  s_held.push_back({type, QByteArray(context.category), text});
}

}  // namespace

DisplayGuard::DisplayGuard() { s_previous = qInstallMessageHandler(Hold); }

DisplayGuard::~DisplayGuard() {
  qInstallMessageHandler(s_previous);
  for (const HeldMessage& message : std::exchange(s_held, {})) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
    qt_message_output(message.type, context, message.text);
  }
}
