// The real game window on Qt, driven as a player would: clicks, keys, the menu, dropped files,
// and the boxes and dialogs those open, answered by the test.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <map>
#include <vector>

#include "storage/pipe_cell_text.h"
#include "view/board_geometry.h"
#include "app/game_dlg.h"
#include "frontends/qt/qt_dialog_window.h"
#include "frontends/qt/qt_framework.h"
#include "frontends/qt/qt_window_port.h"
#include "res/resource_ids.h"
#include "tests/qt/modal_helpers.h"

namespace {

// The game window, counting the timer messages it receives and recording its commands. The
// commands that open a file dialog or the browser are only recorded.
class CountingGameDlg : public CGameDlg {
 public:
  using CGameDlg::CGameDlg;
  void OnTimer(int id) override {
    ++ticks[id];
    CGameDlg::OnTimer(id);
  }
  void OnCommand(int id) override {
    commands.push_back(id);
    if (id != ID_GAME_OPEN && id != ID_GAME_SAVE && id != ID_HELP_INSTRUCTIONS) {
      CGameDlg::OnCommand(id);
    }
  }
  std::map<int, int> ticks;
  std::vector<int> commands;
};

// Everything a saved game holds, as text, to tell whether anything changed.
std::string GameText(const CGameDlg& dlg) {
  std::string text = std::to_string(dlg.GetGame().Position().score) + " " + std::to_string(dlg.GetGame().Position().state) + " " +
                     std::to_string(dlg.GetGame().Position().current);
  for (int kind : dlg.GetGame().Position().queue) text += " " + std::to_string(kind);
  for (const PipeCell& cell : dlg.GetGame().Position().board) WriteCellText(cell, text);
  return text;
}

QAction* MenuAction(QtDialogWindow& window, int id) {
  for (QAction* popup : window.MenuBar()->actions()) {
    for (QAction* item : popup->menu()->actions()) {
      if (item->data().toInt() == id) return item;
    }
  }
  return nullptr;
}

class GameWindow : public ::testing::Test {
 protected:
  void SetUp() override { qputenv("XDG_DATA_HOME", m_data.path().toUtf8()); }
  void TearDown() override { qunsetenv("XDG_DATA_HOME"); }

  // Runs the game window and body inside its modal run; returns the run's result. A window
  // body leaves open is closed with Esc.
  int Play(const std::function<void(QtDialogWindow&)>& body) {
    WhenModalOpens([&](QWidget* modal) {
      auto& window = *static_cast<QtDialogWindow*>(modal);
      body(window);
      if (window.isVisible()) QTest::keyClick(&window, Qt::Key_Escape);
    });
    return m_framework.RunModal(m_game);
  }

  void Click(QtDialogWindow& window, Qt::MouseButton button, CPoint client) {
    const QPoint at = window.Surface().mapTo(&window, QPoint(client.x, client.y));
    QTest::mouseClick(window.windowHandle(), button, {}, at);
  }

  // An empty square with nothing on its four sides, so a piece laid there meets no port.
  CPoint LonelySquare() const {
    for (int col = 1; col < 15; ++col) {
      for (int row = 1; row < 15; ++row) {
        bool lonely = true;
        for (auto [dc, dr] : {std::pair{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
          lonely &= m_game.GetGame().Position().board[CellIndex(col + dc, row + dr)].code == CELL_EMPTY;
        }
        if (lonely) return {SquareLeft(col) + 9, SquareTop(row) + 9};
      }
    }
    return {};
  }

  QString InProgram(const char* name) const { return m_program.filePath(name); }

  ModalWatchdog m_watchdog;
  QTemporaryDir m_program;  // the program's folder: list.txt is written here
  QTemporaryDir m_data;
  QtFramework m_framework{m_program.filePath("vandrel").toStdString()};
  CountingGameDlg m_game{m_framework};
};

TEST_F(GameWindow, AClickLaysTheCarriedPieceAndARightClickTakesItOff) {
  Play([&](QtDialogWindow& window) {
    m_game.KillTimer(WaterTimer);  // no water step may change the board under the test
    const CPoint point = LonelySquare();
    int col = 0;
    int row = 0;
    ASSERT_TRUE(BoardSquareAt(point, col, row));
    const PipeCell& square = m_game.GetGame().EditPosition().board[CellIndex(col, row)];
    ASSERT_TRUE(WaitUntil([&] { return !window.Surface().Frame().IsEmpty(); }));
    const CBitmap before = window.Surface().Frame();
    m_game.GetGame().EditPosition().current = PIECE_VERTICAL;
    const int next = m_game.GetGame().EditPosition().queue[2];

    Click(window, Qt::LeftButton, point);
    EXPECT_EQ(square.code, PIECE_VERTICAL);
    EXPECT_EQ(m_game.GetGame().EditPosition().current, next);
    EXPECT_EQ(m_game.GetGame().EditPosition().score, 9.0) << "a piece that meets no port costs 1";
    EXPECT_TRUE(WaitUntil([&] {
      return window.Surface().Frame().Pixel(point.x, point.y) != before.Pixel(point.x, point.y);
    })) << "the laid piece shows in the window";

    Click(window, Qt::RightButton, point);
    EXPECT_EQ(square.code, CELL_EMPTY);
    EXPECT_EQ(m_game.GetGame().EditPosition().score, 6.0);
  });
}

// The second press of a right double-click, even on the next square, takes nothing off.
TEST_F(GameWindow, ARightDoubleClickTakesOffOnePiece) {
  Play([&](QtDialogWindow& window) {
    m_game.KillTimer(WaterTimer);
    const CPoint first = LonelySquare();
    const CPoint second{first.x + TILE_PITCH, first.y};
    m_game.GetGame().EditPosition().current = PIECE_HORIZONTAL;
    Click(window, Qt::LeftButton, first);
    m_game.GetGame().EditPosition().current = PIECE_HORIZONTAL;
    Click(window, Qt::LeftButton, second);
    const double score = m_game.GetGame().EditPosition().score;

    QTest::mouseDClick(window.windowHandle(), Qt::RightButton, {},
                       window.Surface().mapTo(&window, QPoint(first.x, first.y)));
    QMouseEvent secondPress(QEvent::MouseButtonDblClick, QPointF(second.x, second.y),
                            window.Surface().mapToGlobal(QPointF(second.x, second.y)),
                            Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(&window.Surface(), &secondPress);
    EXPECT_EQ(m_game.GetGame().EditPosition().score, score - 3);
    const auto codeAt = [&](CPoint point) {
      int col = 0;
      int row = 0;
      BoardSquareAt(point, col, row);
      return m_game.GetGame().EditPosition().board[CellIndex(col, row)].code;
    };
    EXPECT_EQ(codeAt(first), CELL_EMPTY);
    EXPECT_EQ(codeAt(second), PIECE_HORIZONTAL);
  });
}

TEST_F(GameWindow, NewGameFromTheMenuStartsAgainAtTen) {
  Play([&](QtDialogWindow& window) {
    m_game.GetGame().EditPosition().score = -40;
    m_game.GetGame().EditPosition().state = Over;
    MenuAction(window, ID_GAME_NEW)->trigger();
    EXPECT_EQ(m_game.GetGame().EditPosition().score, 10.0);
    EXPECT_EQ(m_game.GetGame().EditPosition().state, Playing);
    EXPECT_EQ(PortOf(&window).TimerInterval(WaterTimer), 5000u);
  });
}

TEST_F(GameWindow, EnterIsIgnoredAndEscEndsTheProgramWritingTheLeaderboard) {
  EXPECT_EQ(Play([&](QtDialogWindow& window) {
              QTest::keyClick(&window, Qt::Key_Return);
              Pump(50);
              EXPECT_TRUE(window.isVisible());
              m_game.ChangeLeaderboard(LeaderboardEdit{false, "测试", 50});
              QTest::keyClick(&window, Qt::Key_Escape);
              EXPECT_FALSE(window.isVisible());
            }),
            IDCANCEL);
  QFile list(InProgram("list.txt"));
  ASSERT_TRUE(list.open(QIODevice::ReadOnly));
  EXPECT_TRUE(list.readAll().startsWith("\xB2\xE2\xCA\xD4\r\n50\r\n")) << "测试 in GBK";
}

TEST_F(GameWindow, EscEndsTheProgramAfterAMenuOpenedFromTheKeyboardHasClosed) {
  EXPECT_EQ(Play([&](QtDialogWindow& window) {
              window.activateWindow();
              ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
              QTest::keyClick(&window, Qt::Key_G, Qt::AltModifier);
              ASSERT_TRUE(WaitUntil([] { return QApplication::activePopupWidget() != nullptr; }));
              QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
              ASSERT_TRUE(WaitUntil([] { return QApplication::activePopupWidget() == nullptr; }));
              EXPECT_TRUE(window.isVisible()) << "the first Esc closes the menu";
              ASSERT_EQ(QApplication::focusWidget(), window.MenuBar());
              QTest::keyClick(window.MenuBar(), Qt::Key_Escape);
              EXPECT_FALSE(window.isVisible());
            }),
            IDCANCEL);
}

TEST_F(GameWindow, ShortcutsRunTheirCommandsAndAResumeByKeyLaysNothing) {
  Play([&](QtDialogWindow& window) {
    EXPECT_EQ(MenuAction(window, ID_GAME_NEW)->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(MenuAction(window, ID_HELP_INSTRUCTIONS)->shortcut(), QKeySequence("F1"));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    m_game.GetGame().EditPosition().score = -40;
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(m_game.GetGame().EditPosition().score, 10.0);
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_F1);

    // The pointer rests on an empty square, where a click would lay the carried piece.
    const CPoint point = LonelySquare();
    QCursor::setPos(window.Surface().mapToGlobal(QPoint(point.x, point.y)));
    const std::string before = GameText(m_game);
    QTest::keyClick(&window, Qt::Key_Space);
    EXPECT_EQ(m_game.GetGame().EditPosition().state, Paused);
    EXPECT_FALSE(PortOf(&window).TimerInterval(WaterTimer));
    QTest::keyClick(&window, Qt::Key_P);
    EXPECT_EQ(m_game.GetGame().EditPosition().state, Playing);
    EXPECT_EQ(PortOf(&window).TimerInterval(WaterTimer), 5000u);
    EXPECT_EQ(GameText(m_game), before) << "nothing laid, nothing charged";
    EXPECT_EQ(m_game.commands, (std::vector<int>{ID_GAME_NEW, ID_GAME_OPEN, ID_GAME_SAVE,
                                                 ID_HELP_INSTRUCTIONS, ID_GAME_PAUSE,
                                                 ID_GAME_PAUSE}));
  });
}

TEST_F(GameWindow, TheCloseBoxAndExitEndTheProgramToo) {
  for (bool closeBox : {true, false}) {
    QFile::remove(InProgram("list.txt"));
    CGameDlg game(m_framework);
    WhenModalOpens([&](QWidget* modal) {
      auto& window = *static_cast<QtDialogWindow*>(modal);
      if (closeBox) {
        window.close();
      } else {
        MenuAction(window, ID_GAME_EXIT)->trigger();
      }
    });
    EXPECT_EQ(m_framework.RunModal(game), IDCANCEL);
    EXPECT_TRUE(QFile::exists(InProgram("list.txt")));
  }
}

void DropFile(ClientSurface& surface, const QString& path) {
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(path)});
  QDragEnterEvent enter(QPoint(240, 240), Qt::CopyAction, &files, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&surface, &enter);
  QDropEvent drop(QPointF(240, 240), Qt::CopyAction, &files, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&surface, &drop);
}

TEST_F(GameWindow, ADroppedSavedGameLoadsWhileTheWaterAndAnimationGoOn) {
  Play([&](QtDialogWindow& window) {
    m_game.KillTimer(WaterTimer);
    Click(window, Qt::LeftButton, LonelySquare());
    const std::string saved = GameText(m_game);
    ASSERT_TRUE(m_game.SaveGame(InProgram("a game.flm").toStdString()));
    MenuAction(window, ID_GAME_NEW)->trigger();
    ASSERT_NE(GameText(m_game), saved);

    MessageBoxSeen seen;
    bool hoverStopped = false;
    int animationTicks = 0;
    WhenModalOpens([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      seen = {true, box->windowTitle(), box->text(), box->icon(),
              static_cast<int>(box->buttons().size()), true};
      EXPECT_EQ(box->button(QMessageBox::Ok)->text(), QString("确定")) << "Qt's own texts too";
      hoverStopped = !PortOf(&window).TimerInterval(HoverTimer);
      // A rising score text keeps the heartbeat going while the box is open.
      m_game.Popups().Add(100, 100, "+2", RGB(255, 255, 255), RGB(0, 0, 0));
      m_game.Invalidate();
      const int before = m_game.ticks[AnimationTimer];
      Pump(300);
      animationTicks = m_game.ticks[AnimationTimer] - before;
      box->button(QMessageBox::Ok)->click();
    });
    DropFile(window.Surface(), InProgram("a game.flm"));
    ASSERT_TRUE(WaitUntil([&] { return seen.seen && QApplication::activeModalWidget() == &window; }));
    EXPECT_EQ(seen.text, QString("读取游戏存档成功！"));
    EXPECT_EQ(seen.title, QString("成功"));
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_EQ(GameText(m_game), saved);
    EXPECT_TRUE(hoverStopped);
    EXPECT_GE(animationTicks, 5) << "timers keep firing while the box is open";
    EXPECT_TRUE(PortOf(&window).TimerInterval(HoverTimer));
  });
}

TEST_F(GameWindow, ADamagedDroppedFileIsRefusedAndChangesNothing) {
  QFile damaged(InProgram("damaged.flm"));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write("[0]\r\n[10]\r\nnot a saved game\r\n");
  damaged.close();
  Play([&](QtDialogWindow& window) {
    m_game.KillTimer(WaterTimer);
    const std::string before = GameText(m_game);
    MessageBoxSeen seen;
    AnswerMessageBox(seen);
    DropFile(window.Surface(), InProgram("damaged.flm"));
    ASSERT_TRUE(WaitUntil([&] { return seen.seen && QApplication::activeModalWidget() == &window; }));
    EXPECT_EQ(seen.text, QString("读取游戏存档失败！"));
    EXPECT_EQ(seen.title, QString("错误"));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(GameText(m_game), before);
  });
}

QPushButton* OkButton(QWidget* dialog) {
  for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
    if (button->text() == "确定") return button;
  }
  return nullptr;
}

TEST_F(GameWindow, LeaderboardAndAboutOpenFromTheMenuOverTheRunningGame) {
  Play([&](QtDialogWindow& window) {
    int hoverTicks = 0;
    WhenModalOpens([&](QWidget* modal) {
      EXPECT_EQ(modal->windowTitle(), QString("排行榜"));
      EXPECT_EQ(modal->parentWidget(), &window);
      auto* table = modal->findChild<QTableWidget*>();
      ASSERT_NE(table, nullptr);
      EXPECT_EQ(table->rowCount(), 10);
      EXPECT_EQ(table->item(9, 0)->text(), QString("10"));
      EXPECT_EQ(table->item(9, 1)->text(), QString("佚名"));
      // While a score text rises, the game's timers tick on behind the dialog.
      m_game.Popups().Add(100, 100, "+2", RGB(255, 255, 255), RGB(0, 0, 0));
      m_game.Invalidate();
      const int before = m_game.ticks[HoverTimer];
      Pump(200);
      hoverTicks = m_game.ticks[HoverTimer] - before;
      OkButton(modal)->click();
    });
    MenuAction(window, ID_GAME_LEADERBOARD)->trigger();
    EXPECT_GE(hoverTicks, 3);

    QString aboutTitle;
    WhenModalOpens([&](QWidget* modal) {
      aboutTitle = modal->windowTitle();
      OkButton(modal)->click();
    });
    MenuAction(window, ID_HELP_ABOUT)->trigger();
    EXPECT_EQ(aboutTitle, QString("关于 Flumora"));
  });
}

TEST_F(GameWindow, ThePointerTurnsIntoThePieceOverTheBoardAndBackOffIt) {
  Play([&](QtDialogWindow& window) {
    ClientSurface& surface = window.Surface();
    // With nothing happening, the 30 ms timers rest; the pointer's move wakes them.
    m_game.KillTimer(WaterTimer);
    EXPECT_TRUE(WaitUntil([&] {
      return PortOf(&window).TimerResting(HoverTimer) && PortOf(&window).TimerResting(AnimationTimer);
    }));
    const QPoint over = surface.mapTo(&window, QPoint(230, 230));
    QCursor::setPos(surface.mapToGlobal(QPoint(230, 230)));
    QTest::mouseMove(window.windowHandle(), over);
    EXPECT_TRUE(WaitUntil([&] { return surface.cursor().shape() == Qt::BlankCursor; }));
    EXPECT_FALSE(m_game.CursorShown());

    QCursor::setPos(surface.mapToGlobal(QPoint(20, 440)));
    EXPECT_TRUE(WaitUntil([&] { return surface.cursor().shape() == Qt::ArrowCursor; }));
    EXPECT_TRUE(m_game.CursorShown());
  });
}

}  // namespace
