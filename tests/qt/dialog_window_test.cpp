// The modal run of a dialog window on Qt: set-up and destruction, keys, the close box, the
// menu, timers and message boxes.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <map>
#include <set>
#include <utility>

#include "frontends/qt/qt_dialog_window.h"
#include "frontends/qt/qt_framework.h"
#include "frontends/qt/qt_window_port.h"
#include "res/menu.h"
#include "tests/qt/modal_helpers.h"
#include "tests/qt/recording_dialog.h"

namespace {

using Events = std::vector<std::string>;

class DialogWindow : public ::testing::Test {
 protected:
  ModalWatchdog m_watchdog;
  QtFramework m_framework{"/opt/games/vandrel"};
  RecordingDialog m_dialog{m_framework};
};

TEST_F(DialogWindow, SetUpComesBeforeTheWindowShowsAndDestroyAfterItEnds) {
  bool shownAtSetUp = true;
  m_dialog.onInit = [&](RecordingDialog& d) {
    shownAtSetUp = m_framework.WindowOf(&d)->isVisible();
  };
  WhenModalOpens([&](QWidget* modal) {
    EXPECT_EQ(m_dialog.events, Events{"init"});
    EXPECT_NE(m_dialog.GetPort(), nullptr);
    static_cast<QDialog*>(modal)->close();
  });
  EXPECT_EQ(m_framework.RunModal(m_dialog), IDCANCEL);
  EXPECT_FALSE(shownAtSetUp);
  EXPECT_EQ(m_dialog.events, (Events{"init", "cancel", "destroy"}));
  EXPECT_EQ(m_dialog.GetPort(), nullptr);
}

// The game window's key table takes both Enter keys (the board cursor's), ahead of OnOK.
TEST_F(DialogWindow, EnterIsTheWindowsKeyCommandAndEscOrTheCloseBoxGoToOnCancel) {
  m_dialog.closable = false;
  WhenModalOpens([&](QWidget* modal) {
    QTest::keyClick(modal, Qt::Key_Return);
    QTest::keyClick(modal, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(modal, Qt::Key_Escape);
    static_cast<QDialog*>(modal)->close();
    EXPECT_TRUE(modal->isVisible()) << "a dialog that does not end stays open";
    m_dialog.closable = true;
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  EXPECT_EQ(m_framework.RunModal(m_dialog), IDCANCEL);
  EXPECT_EQ(m_dialog.events,
            (Events{"init", "command " + std::to_string(ID_KEY_LAY), "command " + std::to_string(ID_KEY_LAY),
                    "cancel", "cancel", "cancel", "destroy"}));
}

TEST_F(DialogWindow, AnEndDuringSetUpReturnsWithoutShowingTheWindow) {
  m_dialog.onInit = [](RecordingDialog& d) { d.EndDialog(42); };
  EXPECT_EQ(m_framework.RunModal(m_dialog), 42);
  EXPECT_EQ(m_dialog.events, (Events{"init", "destroy"}));

  RecordingDialog unknown(m_framework, 4711);
  EXPECT_EQ(m_framework.RunModal(unknown), -1);
  EXPECT_TRUE(unknown.events.empty());
}

TEST_F(DialogWindow, GameWindowHasAFixedClientAreaUnderItsMenu) {
  WhenModalOpens([&](QWidget* modal) {
    auto* window = static_cast<QtDialogWindow*>(modal);
    EXPECT_EQ(window->windowTitle(), QString("Vandrel"));
    EXPECT_EQ(window->Surface().size(), QSize(479, 458));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "not resizable";
    ASSERT_NE(window->MenuBar(), nullptr);
    EXPECT_GE(window->Surface().y(), window->MenuBar()->geometry().bottom());
    EXPECT_EQ(m_dialog.GetClientRect(), (CRect{0, 0, 479, 458}));
    window->close();
  });
  m_framework.RunModal(m_dialog);
}

// The menu as the player sees it: titles and items with their access keys, in order.
QStringList MenuTexts(QMenuBar* bar) {
  QStringList texts;
  for (QAction* popup : bar->actions()) {
    texts << popup->text();
    for (QAction* item : popup->menu()->actions()) {
      texts << (item->isSeparator() ? QString("-") : item->text() + " " + item->data().toString());
    }
  }
  return texts;
}

TEST_F(DialogWindow, MenuItemsCarryTheirTextsAndSendTheirIds) {
  WhenModalOpens([&](QWidget* modal) {
    QMenuBar* bar = static_cast<QtDialogWindow*>(modal)->MenuBar();
    const QStringList expected{
        "游戏(&G)", "新游戏(&N) 32772", "-", "打开游戏存档(&O) 32786", "保存游戏存档(&S) 32787",
        "-", "排行榜(&L) 32778", "-", "退出(&Q) 32779",
        "帮助(&H)", "使用说明(&M) 32781", "QQ联系作者(&Q) 32782", "-", "关于...(&A) 32783"};
    EXPECT_EQ(MenuTexts(bar), expected);
    bar->actions()[1]->menu()->actions()[3]->trigger();
    bar->actions()[0]->menu()->actions()[0]->trigger();
    static_cast<QDialog*>(modal)->close();
  });
  m_framework.RunModal(m_dialog);
  EXPECT_EQ(m_dialog.events,
            (Events{"init", "command 32783", "command 32772", "cancel", "destroy"}));
}

TEST_F(DialogWindow, TimersFireByIdAndStartingOneAgainRestartsItsInterval) {
  m_dialog.onInit = [](RecordingDialog& d) {
    d.SetTimer(4, 20);
    d.SetTimer(5, 1000);
  };
  WhenModalOpens([&](QWidget* modal) {
    EXPECT_TRUE(WaitUntil([&] { return m_dialog.ticks[4] >= 3; }));
    Pump(300);
    EXPECT_LE(PortOf(modal).TimerRemaining(5), 750);
    m_dialog.SetTimer(5, 1000);
    EXPECT_GE(PortOf(modal).TimerRemaining(5), 900);

    m_dialog.KillTimer(4);
    const int ticks = m_dialog.ticks[4];
    Pump(100);
    EXPECT_EQ(m_dialog.ticks[4], ticks);
    m_dialog.EndDialog(IDOK);
  });
  EXPECT_EQ(m_framework.RunModal(m_dialog), IDOK);
  EXPECT_EQ(m_dialog.ticks.count(5), 0u);
}

// A timer whose ticks would change nothing rests: the process sleeps through it until input
// reaches the program, the dialog asks for a paint, or another timer's tick did not rest.
TEST_F(DialogWindow, RestingTimersSleepUntilSomethingHappens) {
  std::set<int> resting;
  m_dialog.onInit = [](RecordingDialog& d) {
    d.SetTimer(6, 20);
    d.SetTimer(7, 20);
  };
  m_dialog.onTimer = [&](int id) {
    if (resting.count(id)) m_dialog.RestTimer(id);
  };
  WhenModalOpens([&](QWidget* modal) {
    const auto ticksDuring = [&](int ms) {
      const std::map<int, int> before = m_dialog.ticks;
      Pump(ms);
      return std::pair{m_dialog.ticks[6] - before.at(6), m_dialog.ticks[7] - before.at(7)};
    };
    ASSERT_TRUE(WaitUntil([&] { return m_dialog.ticks[6] >= 1 && m_dialog.ticks[7] >= 1; }));
    resting = {7};
    const auto [sixOnly, sevenWokenBySix] = ticksDuring(200);
    EXPECT_GE(sixOnly, 5);
    EXPECT_GE(sevenWokenBySix, 5) << "a tick that did not rest wakes the others";

    resting = {6, 7};
    Pump(60);
    EXPECT_EQ(ticksDuring(200), (std::pair{0, 0}));
    EXPECT_TRUE(PortOf(modal).TimerResting(6));

    QTest::mouseMove(&static_cast<QtDialogWindow*>(modal)->Surface(), QPoint(5, 5));
    EXPECT_EQ(ticksDuring(100), (std::pair{1, 1})) << "input wakes them for one tick";
    m_dialog.Invalidate();
    EXPECT_EQ(ticksDuring(100), (std::pair{1, 1}));
    m_dialog.EndDialog(IDOK);
  });
  EXPECT_EQ(m_framework.RunModal(m_dialog), IDOK);
}

TEST_F(DialogWindow, TimersAndPaintingGoOnWhileAMessageBoxIsOpen) {
  m_dialog.onInit = [](RecordingDialog& d) { d.SetTimer(1, 20); };
  m_dialog.onTimer = [&](int) { m_dialog.Invalidate(); };
  int ticksDuringBox = 0;
  int paintsDuringBox = 0;
  MessageBoxSeen seen;
  WhenModalOpens([&](QWidget* modal) {
    const int ticks = m_dialog.ticks[1];
    const int paints = m_dialog.paints;
    AnswerMessageBox(seen, 300);
    EXPECT_EQ(m_dialog.MessageBox("水还在流", "", MB_ICONINFORMATION), IDOK);
    ticksDuringBox = m_dialog.ticks[1] - ticks;
    paintsDuringBox = m_dialog.paints - paints;
    static_cast<QDialog*>(modal)->close();
  });
  m_framework.RunModal(m_dialog);
  EXPECT_GE(ticksDuringBox, 5);
  EXPECT_GE(paintsDuringBox, 5);
  EXPECT_TRUE(seen.seen);
}

TEST_F(DialogWindow, MessageBoxesShowCaptionIconTextAsItStandsAndOneButton) {
  MessageBoxSeen error;
  AnswerMessageBox(error);
  EXPECT_EQ(m_framework.MessageBox(nullptr, "读取游戏存档失败！", "错误", MB_ICONERROR), IDOK);
  EXPECT_EQ(error.title, QString("错误"));
  EXPECT_EQ(error.text, QString("读取游戏存档失败！"));
  EXPECT_EQ(error.icon, QMessageBox::Critical);
  EXPECT_EQ(error.buttons, 1);

  MessageBoxSeen untitled;
  AnswerMessageBox(untitled);
  m_framework.MessageBox(nullptr, "<b>10</b>", "", MB_ICONINFORMATION);
  EXPECT_EQ(untitled.title, QString("vandrel")) << "no caption: the application's title";
  EXPECT_EQ(untitled.icon, QMessageBox::Information);
  EXPECT_EQ(untitled.text, QString("<b>10</b>"));
  EXPECT_TRUE(untitled.plainText);

  MessageBoxSeen plain;
  AnswerMessageBox(plain);
  m_framework.MessageBox(nullptr, "x", "y", MB_OK);
  EXPECT_EQ(plain.icon, QMessageBox::NoIcon);
}

}  // namespace
