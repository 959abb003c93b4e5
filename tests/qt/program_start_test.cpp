// The desktop program's start as a player meets it: a saved game and a seed named on the
// command line, and a display that cannot be reached.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <string>
#include <vector>

#include "app/game_app.h"
#include "app/game_dlg.h"
#include "frontends/qt/qt_dialog_window.h"
#include "frontends/qt/qt_framework.h"
#include "res/resource_ids.h"
#include "tests/qt/modal_helpers.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ProgramStart : public ::testing::Test {
 protected:
  void SetUp() override { qputenv("XDG_DATA_HOME", m_data.path().toUtf8()); }
  void TearDown() override { qunsetenv("XDG_DATA_HOME"); }

  QString In(const char* name) const { return m_dir.filePath(name); }

  // Runs the script player on script and expects it to succeed.
  void RunScriptPlayer(const QString& script) {
    QProcess player;
    player.start(VANDREL_PLAY, {});
    player.write(script.toUtf8());
    player.closeWriteChannel();
    ASSERT_TRUE(player.waitForFinished(20000));
    ASSERT_EQ(player.exitCode(), 0) << player.readAllStandardError().toStdString();
  }

  // Starts the application as the command line args asks and runs body in its game window;
  // a window body leaves open is closed.
  void Start(const std::vector<std::string>& args,
             const std::function<void(CGameDlg&, QtDialogWindow&)>& body) {
    WhenModalOpens([&](QWidget* modal) {
      auto* window = dynamic_cast<QtDialogWindow*>(modal);
      ASSERT_NE(window, nullptr) << "the game window shows first";
      body(static_cast<CGameDlg&>(window->Dialog()), *window);
      if (window->isVisible()) window->close();
    });
    CGameApp app(m_framework, ParseCommandLine(args));
    app.InitInstance();
  }

  ModalWatchdog m_watchdog;
  QTemporaryDir m_dir;
  QTemporaryDir m_data;
  QtFramework m_framework{m_dir.filePath("vandrel").toStdString()};
};

TEST_F(ProgramStart, ASeedDealsTheFirstGameTheScriptPlayerDealsForIt) {
  RunScriptPlayer("seed 4242\nnew\nsave " + In("played.flm") + "\n");
  Start({"--seed", "4242"}, [&](CGameDlg& game, QtDialogWindow&) {
    EXPECT_TRUE(game.SaveGame(In("shown.flm").toStdString()));
  });
  EXPECT_FALSE(ReadAll(In("played.flm")).isEmpty());
  EXPECT_EQ(ReadAll(In("shown.flm")), ReadAll(In("played.flm")));
}

TEST_F(ProgramStart, ASavedGameOnTheCommandLineOpensOverTheShownWindowAsADropWould) {
  RunScriptPlayer("seed 7\nnew\nclick 230 230\nclick 250 250\nsave " + In("a game.flm") + "\n");
  QFile damaged(In("damaged.flm"));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write("[0]\r\n[10]\r\nnot a saved game\r\n");
  damaged.close();

  for (const bool good : {true, false}) {
    MessageBoxSeen seen;
    Start({In(good ? "a game.flm" : "damaged.flm").toStdString()},
          [&](CGameDlg& game, QtDialogWindow& window) {
            AnswerMessageBox(seen);
            ASSERT_TRUE(WaitUntil([&] {
              return seen.seen && QApplication::activeModalWidget() == &window;
            }));
            EXPECT_TRUE(game.SaveGame(In("now.flm").toStdString()));
          });
    EXPECT_EQ(seen.text, QString(good ? "读取游戏存档成功！" : "读取游戏存档失败！"));
    EXPECT_EQ(seen.title, QString(good ? "成功" : "错误"));
    EXPECT_EQ(ReadAll(In("now.flm")) == ReadAll(In("a game.flm")), good);
  }
}

// Run as a separate process: Qt's failure to start would end this one.
TEST(Program, WithoutAReachableDisplayItSaysSoInOneLineAndEndsWithStatusOne) {
  for (const auto& [name, value] : {std::pair{"DISPLAY", ":9999"}, {"QT_QPA_PLATFORM", "nonsense"}}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* unset : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"}) {
      environment.remove(unset);
    }
    environment.insert("DISPLAY", ":9999");
    environment.insert(name, value);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(VANDREL_PROGRAM, {});
    ASSERT_TRUE(program.waitForFinished(20000));
    const QString said = QString::fromUtf8(program.readAllStandardError());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "no abort";
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_EQ(said.count('\n'), 1) << said.toStdString();
    EXPECT_TRUE(said.contains(value)) << said.toStdString();
  }
}

}  // namespace
