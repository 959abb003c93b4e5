// File dialogs: the filter, the default extension, the question before overwriting and the
// folder they start in.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "frontends/qt/qt_file_dialog.h"
#include "frontends/qt/qt_framework.h"
#include "tests/qt/modal_helpers.h"

namespace {

TEST(FileDialog, FilterListsBecomeQtNameFilters) {
  EXPECT_EQ(NameFilters("游戏存档 (*.flm)|*.flm||"), QStringList{"游戏存档 (*.flm)"});
  EXPECT_EQ(NameFilters("Text|*.txt;*.log|All (*.*)|*.*||"),
            (QStringList{"Text (*.txt *.log)", "All (*.*)"}));
  EXPECT_TRUE(NameFilters("").isEmpty());
  EXPECT_TRUE(NameFilters("unpaired").isEmpty());
}

FileDialogOptions SaveGameOptions(bool open) {
  return FileDialogOptions{open, "flm", "", "游戏存档 (*.flm)|*.flm||", true};
}

class FileDialogRun : public ::testing::Test {
 protected:
  // Runs a file dialog; answer picks the file in the Qt dialog.
  int Run(bool open, const std::function<void(QFileDialog*)>& answer) {
    WhenModalOpens([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->nameFilters(), QStringList{"游戏存档 (*.flm)"});
      EXPECT_EQ(dialog->defaultSuffix(), QString("flm"));
      EXPECT_EQ(dialog->acceptMode(), open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
      answer(dialog);
    });
    m_path.clear();
    return m_framework.RunFileDialog(nullptr, SaveGameOptions(open), m_path);
  }
  QString In(const char* name) const { return m_dir.filePath(name); }
  // Types name into the dialog's file name field in the temporary folder and confirms.
  void Choose(QFileDialog* dialog, const char* name) {
    dialog->setDirectory(m_dir.path());
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromUtf8(name));
    static_cast<QDialog*>(dialog)->accept();
  }

  ModalWatchdog m_watchdog;
  QtFramework m_framework;
  QTemporaryDir m_dir;
  std::string m_path;
};

TEST_F(FileDialogRun, TypedNameGetsTheExtensionAndCancelChoosesNothing) {
  EXPECT_EQ(Run(false, [&](QFileDialog* d) {
              Choose(d, "第二局");
            }),
            IDOK);
  EXPECT_EQ(QString::fromStdString(m_path), In("第二局.flm"));

  EXPECT_EQ(Run(true, [&](QFileDialog* d) {
              Choose(d, "not-there.flm");
            }),
            IDOK) << "the open dialog accepts a name that does not exist";
  EXPECT_EQ(QString::fromStdString(m_path), In("not-there.flm"));

  EXPECT_EQ(Run(true, [](QFileDialog* d) { d->reject(); }), IDCANCEL);
  EXPECT_TRUE(m_path.empty());
}

TEST_F(FileDialogRun, SavingOverAFileAsksFirst) {
  QFile existing(In("old.flm"));
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.close();
  bool asked = false;
  EXPECT_EQ(Run(false, [&](QFileDialog* d) {
              WhenModalOpens([&](QWidget* question) {
                asked = qobject_cast<QMessageBox*>(question) != nullptr;
                if (asked) static_cast<QMessageBox*>(question)->button(QMessageBox::Yes)->click();
              });
              Choose(d, "old.flm");
            }),
            IDOK);
  EXPECT_TRUE(asked);
  EXPECT_EQ(QString::fromStdString(m_path), In("old.flm"));
}

TEST_F(FileDialogRun, StartsWhereAFileWasChosenLastElseInTheDocumentsFolder) {
  ASSERT_TRUE(QDir(m_dir.path()).mkdir("games"));
  const QString games = In("games");
  QString startedIn;
  ASSERT_EQ(Run(false, [&](QFileDialog* d) {
              EXPECT_TRUE(d->testOption(QFileDialog::DontUseNativeDialog))
                  << "Qt's own dialog, in Qt's translation";
              d->setDirectory(games);
              d->findChild<QLineEdit*>("fileNameEdit")->setText("一.flm");
              static_cast<QDialog*>(d)->accept();
            }),
            IDOK);
  for (bool open : {true, false}) {
    Run(open, [&](QFileDialog* d) {
      startedIn = d->directory().absolutePath();
      d->reject();
    });
    EXPECT_EQ(startedIn, QDir(games).absolutePath());
  }

  ASSERT_TRUE(QDir(games).removeRecursively());
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  Run(true, [&](QFileDialog* d) {
    startedIn = d->directory().absolutePath();
    d->reject();
  });
  EXPECT_EQ(startedIn, QDir(QDir(documents).exists() ? documents : QDir::homePath()).absolutePath());
}

}  // namespace
