// Play without a mouse in the real Qt window: the board cursor's keys through the window's
// shortcuts, fingers through synthetic touch events, and the pointer leaving the window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <string>
#include <vector>

#include "app/game_dlg.h"
#include "frontends/qt/qt_dialog_window.h"
#include "frontends/qt/qt_framework.h"
#include "frontends/qt/qt_window_port.h"
#include "res/resource_ids.h"
#include "tests/qt/modal_helpers.h"
#include "tests/support/sample_game.h"
#include "view/board_cursor.h"

namespace {

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QPushButton* ButtonOf(QWidget* dialog, const QString& text) {
  for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

// Answers the boxes at the end of a game as they come, each from inside its own modal run: the
// score's message, the name dialog with name, the leaderboard.
void AnswerTheEnd(const QString& name) {
  const int level = QThread::currentThread()->loopLevel();
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, level, name] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible() || QThread::currentThread()->loopLevel() <= level) {
      return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      box->button(QMessageBox::Ok)->click();
    } else if (auto* edit = modal->findChild<QLineEdit*>()) {
      edit->setText(name);
      ButtonOf(modal, "确定")->click();
    } else if (QPushButton* ok = ButtonOf(modal, "确定")) {
      poll->deleteLater();
      ok->click();
    }
  });
  poll->start(10);
}

class KeysAndTouch : public ::testing::Test {
 protected:
  void SetUp() override { qputenv("XDG_DATA_HOME", m_data.path().toUtf8()); }
  void TearDown() override { qunsetenv("XDG_DATA_HOME"); }

  // Runs the game window, dealt from the sample game's seed without water steps of its own,
  // with body inside its modal run; a window body leaves open is closed with Esc.
  void Play(const std::function<void(QtDialogWindow&)>& body) {
    m_game.SetFirstGameSeed(SAMPLE_SEED);
    WhenModalOpens([&](QWidget* modal) {
      auto& window = *static_cast<QtDialogWindow*>(modal);
      m_game.KillTimer(WaterTimer);
      window.activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
      body(window);
      if (window.isVisible()) QTest::keyClick(&window, Qt::Key_Escape);
    });
    m_framework.RunModal(m_game);
  }

  const PipeCell& Square(BoardSquare square) const {
    return m_game.GetGame().Position().board[CellIndex(square.col, square.row)];
  }

  // A finger on the client area: a tap, or a press held until the game took the piece off.
  void Tap(QtDialogWindow& window, CPoint at) {
    QTest::touchEvent(&window.Surface(), m_finger).press(0, QPoint(at.x, at.y));
    QTest::touchEvent(&window.Surface(), m_finger).release(0, QPoint(at.x, at.y));
  }
  void LongPress(QtDialogWindow& window, CPoint at) {
    const double score = m_game.GetGame().Score();
    QTest::touchEvent(&window.Surface(), m_finger).press(0, QPoint(at.x, at.y));
    EXPECT_TRUE(WaitUntil([&] { return m_game.GetGame().Score() != score; }, 3000));
    QTest::touchEvent(&window.Surface(), m_finger).release(0, QPoint(at.x, at.y));
  }

  ModalWatchdog m_watchdog{60000};
  QTemporaryDir m_program;  // the program's folder: list.txt is written here
  QTemporaryDir m_data;
  QtFramework m_framework{m_program.filePath("vandrel").toStdString()};
  CGameDlg m_game{m_framework};
  QPointingDevice* m_finger = QTest::createTouchDevice();
};

TEST_F(KeysAndTouch, TheBoardCursorsKeysReachTheGameAndTheCursorShowsInTheWindow) {
  Play([&](QtDialogWindow& window) {
    QEvent leave(QEvent::Leave);  // no pointer over the board: the cursor starts in the middle
    QApplication::sendEvent(&window.Surface(), &leave);
    const double score = m_game.GetGame().Score();
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_EQ(m_game.GetGame().Score(), score) << "Enter without the cursor does nothing";

    QTest::keyClick(&window, Qt::Key_Right);
    QTest::keyClick(&window, Qt::Key_Left);
    QTest::keyClick(&window, Qt::Key_Left);
    QTest::keyClick(&window, Qt::Key_Up);
    QTest::keyClick(&window, Qt::Key_Down);
    QTest::keyClick(&window, Qt::Key_Down);
    const BoardSquare square{6, 9};
    ASSERT_EQ(m_game.BoardCursor(), square);
    const std::uint32_t bright = 0xFF000000u | (GetRValue(BOARD_CURSOR_BRIGHT) << 16) |
                                 (GetGValue(BOARD_CURSOR_BRIGHT) << 8) | GetBValue(BOARD_CURSOR_BRIGHT);
    EXPECT_TRUE(WaitUntil([&] {
      const CBitmap& frame = window.Surface().Frame();
      return !frame.IsEmpty() && frame.Pixel(SquareLeft(square.col), SquareTop(square.row) + 5) == bright;
    })) << "the outline shows on the square";

    // Both Enter keys lay; Delete and Backspace take off; D discards and F switches fast-forward.
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_NE(Square(square).code, CELL_EMPTY);
    QTest::keyClick(&window, Qt::Key_Delete);
    EXPECT_EQ(Square(square).code, CELL_EMPTY);
    QTest::keyClick(&window, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_NE(Square(square).code, CELL_EMPTY);
    QTest::keyClick(&window, Qt::Key_Backspace);
    EXPECT_EQ(Square(square).code, CELL_EMPTY);
    QTest::keyClick(&window, Qt::Key_D);
    EXPECT_EQ(m_game.GetGame().Score(), score - 1 - 3 - 1 - 3 - 2);
    QTest::keyClick(&window, Qt::Key_F);
    EXPECT_EQ(PortOf(&window).TimerInterval(WaterTimer), 30u);
    QTest::keyClick(&window, Qt::Key_F);
    EXPECT_EQ(PortOf(&window).TimerInterval(WaterTimer), 5000u);

    // With a menu open the arrow keys are the menu's.
    QTest::keyClick(&window, Qt::Key_G, Qt::AltModifier);
    ASSERT_TRUE(WaitUntil([] { return QApplication::activePopupWidget() != nullptr; }));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    EXPECT_EQ(m_game.BoardCursor(), square);
  });
}

// The pointer over the board carries the piece with the system cursor hidden; as it leaves
// the window both come back at once, before any hover tick.
TEST_F(KeysAndTouch, ThePointerLeavingTheWindowTakesThePieceAwayAtOnce) {
  Play([&](QtDialogWindow& window) {
    ClientSurface& surface = window.Surface();
    QTest::mouseMove(window.windowHandle(), surface.mapTo(&window, QPoint(230, 230)));
    ASSERT_TRUE(WaitUntil([&] { return !m_game.CursorShown(); }));
    m_game.KillTimer(HoverTimer);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&surface, &leave);
    EXPECT_TRUE(m_game.CursorShown());
    EXPECT_EQ(surface.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(m_game.ExtrasAt(m_game.ScreenToClient(m_framework.GetCursorPos())).piece, std::nullopt);
  });
}

// The sample game by finger, against the script player's game by mouse: the same score texts
// at the same places, the same saved game, the same end and the same leaderboard file.
TEST_F(KeysAndTouch, ATouchGameEndsAsTheScriptPlayersMouseGame) {
  // A copy of the player, whose list.txt lands beside it.
  QTemporaryDir playerFolder;
  const QString copy = playerFolder.filePath("vandrel-play");
  ASSERT_TRUE(QFile::copy(VANDREL_PLAY, copy));
  QProcess player;
  player.setWorkingDirectory(playerFolder.path());
  player.start(copy, {});
  player.write(QByteArray::fromStdString(SampleGameScripts().first));
  player.closeWriteChannel();
  ASSERT_TRUE(player.waitForFinished(30000));
  std::vector<std::string> expected;
  for (const QByteArray& line : player.readAllStandardOutput().split('\n')) {
    if (line.startsWith("popup ")) expected.push_back(line.toStdString());
  }

  std::vector<std::string> shown;
  m_game.WatchScores([&](const ScoreEvent&, const ScoreText& text) {
    shown.push_back("popup \"" + text.text + "\" at (" + std::to_string(text.at.x) + ", " +
                    std::to_string(text.at.y) + ")");
  });
  Play([&](QtDialogWindow& window) {
    for (const SampleMove& move : SAMPLE_GAME) {
      const CPoint centre = SquareCentre({move.col, move.row});
      switch (move.kind) {
        case SampleMove::Lay: Tap(window, centre); break;
        case SampleMove::Remove: LongPress(window, centre); break;
        case SampleMove::Discard: Tap(window, DISCARD_BUTTON.Centre()); break;
        case SampleMove::PauseAndResume:
          Tap(window, PAUSE_BUTTON.Centre());
          Tap(window, SquareCentre({8, 8}));
          break;
        case SampleMove::Water:
          for (int i = 0; i < move.col; ++i) m_game.OnTimer(WaterTimer);
          break;
      }
      m_game.KillTimer(WaterTimer);  // a resume starts it again
    }
    ASSERT_TRUE(m_game.SaveGame(m_program.filePath("game.flm").toStdString()));

    // Fast-forward to the end, whose boxes take the name the script gave.
    AnswerTheEnd("Keys");
    Tap(window, FAST_FORWARD_BUTTON.Centre());
    m_game.KillTimer(WaterTimer);
    for (int i = 0; i < 400 && m_game.GetGame().State() == Playing; ++i) m_game.OnTimer(WaterTimer);
  });
  EXPECT_EQ(m_game.GetGame().State(), Over);
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(FileBytes(m_program.filePath("game.flm")), FileBytes(playerFolder.filePath("game.flm")));
  EXPECT_EQ(FileBytes(m_program.filePath("list.txt")), FileBytes(playerFolder.filePath("list.txt")));
  EXPECT_FALSE(FileBytes(m_program.filePath("list.txt")).isEmpty());
}

}  // namespace
