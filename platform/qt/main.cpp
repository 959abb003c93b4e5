// vandrel: the game on the desktop. Takes no arguments; the program ends when the game window
// closes.

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/game_app.h"
#include "platform/qt/app_icon_qt.h"
#include "platform/qt/close_on_signals.h"
#include "platform/qt/qt_framework.h"

namespace {

// Without a display Qt would abort with a core dump; say plainly what is missing instead.
bool HasDisplay() {
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!HasDisplay()) {
    std::fputs("vandrel: no display to show the game on (neither DISPLAY nor WAYLAND_DISPLAY is "
               "set).\nStart it on a desktop, or try it under Xvfb:\n"
               "  xvfb-run -a -s '-screen 0 800x600x24' vandrel\n",
               stderr);
    return 1;
  }
  // Whole scale factors only: the game's pixels then become sharp square blocks.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("vandrel"));
  QGuiApplication::setDesktopFileName(QStringLiteral("vandrel"));
  QApplication::setWindowIcon(AppIconForQt());
  CloseWindowOnTerminationSignals();

  QtFramework framework;
  CGameApp app(framework);
  return app.InitInstance() ? application.exec() : 0;
}
