#include "tools/offscreen_text.h"

#ifdef VANDREL_PLAY_QT_TEXT

#include <QGuiApplication>

#include "frontends/qt/qt_text_renderer.h"

TextRenderer* OffscreenTextRenderer() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "vandrel-play";
  static char* argv[] = {name, nullptr};
  static QGuiApplication application(argc, argv);
  static QtTextRenderer renderer;
  return &renderer;
}

#else

TextRenderer* OffscreenTextRenderer() { return nullptr; }

#endif
