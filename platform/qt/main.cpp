// vandrel: the game on the desktop; `vandrel --help` tells the command line. The program ends
// when the game window closes.

#include <QApplication>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/game_app.h"
#include "platform/qt/app_icon_qt.h"
#include "platform/qt/close_on_signals.h"
#include "platform/qt/display_guard.h"
#include "platform/qt/qt_framework.h"
#include "platform/qt/qt_translations.h"
#include "platform/qt/x11_images.h"

int main(int argc, char* argv[]) {
  const CommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (const std::optional<int> status = AnswerCommandLine(line, std::cout, std::cerr)) {
    return *status;
  }
  // Fractional factors pass through, so the picture can fill a window scaled by 1.5.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  PreferPlainX11Images();
  std::optional<DisplayGuard> guard(std::in_place);
  QApplication application(argc, argv);
  guard.reset();
  QApplication::setApplicationName(QStringLiteral("vandrel"));
  QGuiApplication::setDesktopFileName(QStringLiteral("vandrel"));
  QApplication::setWindowIcon(AppIconForQt());
  CloseWindowOnTerminationSignals();
  InstallQtTranslations(application);

  QtFramework framework;
  CGameApp app(framework, line);
  return app.InitInstance() ? application.exec() : 0;
}
