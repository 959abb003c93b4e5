#include "tests/qt/modal_helpers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include "platform/dialog.h"
#include "frontends/qt/qt_dialog_window.h"
#include "frontends/qt/qt_window_port.h"

// A modal is answered from inside its own event loop, never while it is still being shown
// (showing may process events before the loop runs, and an answer then would be lost): its
// loop is one deeper than the loops running when the answer was arranged.
void WhenModalOpens(std::function<void(QWidget*)> act, int timeoutMs) {
  QPointer<QWidget> before = QApplication::activeModalWidget();
  const int level = QThread::currentThread()->loopLevel();
  auto* poll = new QTimer(qApp);
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  QObject::connect(poll, &QTimer::timeout, poll, [poll, before, level, clock, timeoutMs, act] {
    QWidget* modal = QApplication::activeModalWidget();
    const bool inItsLoop = QThread::currentThread()->loopLevel() > level;
    if (modal != nullptr && modal != before && modal->isVisible() && inItsLoop) {
      poll->stop();
      poll->deleteLater();
      act(modal);
    } else if (clock->elapsed() > timeoutMs) {
      poll->stop();
      poll->deleteLater();
      ADD_FAILURE() << "no modal window opened";
    }
  });
  poll->start(10);
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeoutMs) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

const QtWindowPort& PortOf(QWidget* dialogWindow) {
  return *static_cast<QtWindowPort*>(static_cast<QtDialogWindow*>(dialogWindow)->Dialog().GetPort());
}

void Pump(int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

void AnswerMessageBox(MessageBoxSeen& seen, int delayMs) {
  WhenModalOpens([&seen, delayMs](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr) {
      ADD_FAILURE() << "expected a message box, got " << modal->metaObject()->className();
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->done(0);
      return;
    }
    seen = {true, box->windowTitle(), box->text(), box->icon(),
            static_cast<int>(box->buttons().size()), box->textFormat() == Qt::PlainText};
    QTimer::singleShot(delayMs, box, [box] {
      if (QAbstractButton* ok = box->button(QMessageBox::Ok)) ok->click();
    });
  });
}

ModalWatchdog::ModalWatchdog(int timeoutMs) : m_timer(new QTimer) {
  m_timer->setSingleShot(false);
  QObject::connect(m_timer, &QTimer::timeout, [] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      ADD_FAILURE() << "a modal window was left open: "
                    << dialog->windowTitle().toStdString();
      dialog->done(0);
    }
  });
  m_timer->start(timeoutMs);
}

ModalWatchdog::~ModalWatchdog() { delete m_timer; }
