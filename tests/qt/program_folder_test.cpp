// The leaderboard lands beside the executable that really runs: this test program is copied
// into a temporary folder and runs the game window from there, ended with Esc.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/game_dlg.h"
#include "platform/qt/qt_dialog_window.h"
#include "platform/qt/qt_framework.h"
#include "tests/qt/modal_helpers.h"

namespace {

constexpr const char* CHILD_SWITCH = "VANDREL_TEST_PROGRAM_FOLDER_CHILD";

TEST(ProgramFolder, EscWritesListTxtBesideTheRunningExecutable) {
  QTemporaryDir program;
  QTemporaryDir data;
  const QString copy = program.filePath("test_qt");
  ASSERT_TRUE(QFile::copy(QCoreApplication::applicationFilePath(), copy));
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(CHILD_SWITCH, "1");
  environment.insert("XDG_DATA_HOME", data.path());
  child.setProcessEnvironment(environment);
  child.start(copy, {"--gtest_filter=ProgramFolderChild.*"});
  ASSERT_TRUE(child.waitForFinished(60000));
  EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
  EXPECT_TRUE(QFile::exists(program.filePath("list.txt")));
  EXPECT_FALSE(QFile::exists(data.filePath("vandrel/list.txt")));
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

}  // namespace
