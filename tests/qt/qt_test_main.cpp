// The Qt suite runs on a QApplication; without a display it uses the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>

#include "frontends/qt/app_icon_qt.h"
#include "frontends/qt/qt_translations.h"

namespace {

// The offscreen platform warns about window size hints it cannot pass on; nothing to see.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("propagateSizeHints"))) return;
  qt_message_output(type, context, message);  // hand on to Qt's own output
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  QApplication application(argc, argv);
  qInstallMessageHandler(QuietHandler);
  // As the program does.
  QApplication::setWindowIcon(AppIconForQt());
  InstallQtTranslations(application);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
