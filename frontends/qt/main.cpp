// vandrel: the game on the desktop; `vandrel --help` tells the command line. The program ends
// when the game window closes.

#include <QApplication>
#include <cstdlib>
#include <future>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "app/command_line.h"
#include "app/game_app.h"
#include "app/language_choice.h"
#include "frontends/qt/accessibility_start.h"
#include "frontends/qt/app_icon_qt.h"
#include "frontends/qt/close_on_signals.h"
#include "frontends/qt/display_guard.h"
#include "frontends/qt/qt_framework.h"
#include "frontends/qt/qt_translations.h"
#include "frontends/qt/startup_report.h"
#include "frontends/qt/quiet_event_loop.h"
#include "platform/file_size_limit.h"
#include "res/dialog_templates.h"
#include "view/view_pixels.h"

namespace {

// Runs make on a thread of its own, so that it is done while Qt connects to the display and
// builds the window; without a thread it runs when its result is first asked for.
template <typename Make>
auto StartEarly(Make make) {
  try {
    return std::async(std::launch::async, std::move(make));
  } catch (const std::system_error&) {
    return std::async(std::launch::deferred, std::move(make));
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  MarkStartupStage("main");
  IgnoreFileSizeLimitSignal();
  const CommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (const std::optional<int> status = AnswerCommandLine(line, std::cout, std::cerr)) {
    return *status;
  }
  UseLanguageOf(line, EnvironmentLanguages(std::getenv));
  // The icon and the game window's bitmaps need nothing of Qt's windows: they are made
  // meanwhile.
  auto iconImages = StartEarly(AppIconImages);
  auto viewPixels = StartEarly([] {
    return MakeViewPixels(CRect{0, 0, GAME_CLIENT_WIDTH, GAME_CLIENT_HEIGHT});
  });
  // Fractional factors pass through, so the picture can fill a window scaled by 1.5.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  std::optional<QuietEventLoop> quiet(std::in_place);
  // The menu bar is always drawn in the window (BuildMenuBar turns the native one off); said
  // before any is made, Qt does not first ask the session bus for a global menu service.
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  std::optional<DisplayGuard> guard(std::in_place);
  QApplication application(argc, argv);
  guard.reset();
  quiet.reset();
  MarkStartupStage("application");
  StartAccessibility();
  QApplication::setApplicationName(QStringLiteral("vandrel"));
  QGuiApplication::setDesktopFileName(QStringLiteral(VANDREL_APP_ID));
  QApplication::setWindowIcon(AppIconForQt(iconImages.get()));
  CloseWindowOnTerminationSignals();
  InstallQtTranslations(application);

  QtFramework framework;
  CGameApp app(framework, line);
  app.UsePreparedPixels(std::move(viewPixels));
  return app.InitInstance() ? application.exec() : 0;
}
