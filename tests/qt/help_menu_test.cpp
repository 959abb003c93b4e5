// The Help menu's pages reach the desktop's URL handling, in order.

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QUrl>

#include "app/game_dlg.h"
#include "frontends/qt/qt_dialog_window.h"
#include "frontends/qt/qt_framework.h"
#include "res/resource_ids.h"
#include "tests/qt/modal_helpers.h"

namespace {

// Stands in for the browser: writes down every address the desktop is asked to open.
class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  QStringList urls;

 public slots:
  void Open(const QUrl& url) { urls << url.toString(); }
};

void Trigger(QtDialogWindow& window, int id) {
  for (QAction* popup : window.MenuBar()->actions()) {
    for (QAction* item : popup->menu()->actions()) {
      if (item->data().toInt() == id) item->trigger();
    }
  }
}

TEST(HelpMenu, PagesOpenInTheBrowserAfterABlankPage) {
  ModalWatchdog watchdog;
  QTemporaryDir program;
  QTemporaryDir data;
  qputenv("XDG_DATA_HOME", data.path().toUtf8());
  UrlRecorder browser;
  for (const char* scheme : {"about", "file"}) QDesktopServices::setUrlHandler(scheme, &browser, "Open");

  QtFramework framework(program.filePath("vandrel").toStdString());
  CGameDlg game(framework);
  WhenModalOpens([&](QWidget* modal) {
    auto& window = *static_cast<QtDialogWindow*>(modal);
    Trigger(window, ID_HELP_INSTRUCTIONS);
    Trigger(window, ID_HELP_CONTACT);
    window.close();
  });
  framework.RunModal(game);
  for (const char* scheme : {"about", "file"}) QDesktopServices::unsetUrlHandler(scheme);
  qunsetenv("XDG_DATA_HOME");

  const QString folder = QUrl::fromLocalFile(program.path()).toString();
  EXPECT_EQ(browser.urls, (QStringList{"about:blank", folder + "/help/instructions.html",
                                       "about:blank", folder + "/help/contact.html"}));
}

}  // namespace

#include "help_menu_test.moc"
