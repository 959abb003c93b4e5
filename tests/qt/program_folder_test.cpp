// The leaderboard lands beside the executable that really runs: this test program is copied
// into a temporary folder and runs the game window from there, ended with Esc, or with SIGTERM
// while a dialog is open over the window.

#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/game_dlg.h"
#include "frontends/qt/close_on_signals.h"
#include "frontends/qt/qt_dialog_window.h"
#include "frontends/qt/qt_framework.h"
#include "tests/qt/modal_helpers.h"

namespace {

constexpr const char* CHILD_SWITCH = "VANDREL_TEST_PROGRAM_FOLDER_CHILD";

TEST(ProgramFolder, EscOrATerminationSignalWritesListTxtBesideTheRunningExecutable) {
  for (const char* child : {"RunsTheGameAndPressesEsc", "TerminationSignalClosesEveryWindow"}) {
    QTemporaryDir program;
    QTemporaryDir data;
    const QString copy = program.filePath("test_qt");
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationFilePath(), copy));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(CHILD_SWITCH, "1");
    environment.insert("XDG_DATA_HOME", data.path());
    process.setProcessEnvironment(environment);
    process.start(copy, {QString("--gtest_filter=ProgramFolderChild.") + child});
    ASSERT_TRUE(process.waitForFinished(60000)) << child;
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardOutput().toStdString();
    EXPECT_TRUE(QFile::exists(program.filePath("list.txt"))) << child;
    EXPECT_FALSE(QFile::exists(data.filePath("vandrel/list.txt"))) << child;
  }
}

// Runs only as the child of the test above.
TEST(ProgramFolderChild, RunsTheGameAndPressesEsc) {
  if (!qEnvironmentVariableIsSet(CHILD_SWITCH)) GTEST_SKIP() << "runs as a child process only";
  ModalWatchdog watchdog;
  QtFramework framework;
  CGameDlg game(framework);
  WhenModalOpens([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
  EXPECT_EQ(framework.RunModal(game), IDCANCEL);
}

// Runs only as the child of the test above: SIGTERM arrives while the leaderboard dialog is
// open over the game window; both close, as Esc would close them one after the other.
TEST(ProgramFolderChild, TerminationSignalClosesEveryWindow) {
  if (!qEnvironmentVariableIsSet(CHILD_SWITCH)) GTEST_SKIP() << "runs as a child process only";
  ModalWatchdog watchdog;
  CloseWindowOnTerminationSignals();
  QtFramework framework;
  CGameDlg game(framework);
  WhenModalOpens([&game](QWidget*) {
    WhenModalOpens([](QWidget*) { raise(SIGTERM); });
    game.OnLeaderboard();
  });
  EXPECT_EQ(framework.RunModal(game), IDCANCEL);
}

}  // namespace
