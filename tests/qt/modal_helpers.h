#pragma once

#include <QString>
#include <functional>

class QMessageBox;
class QWidget;
class QtWindowPort;

// Calls act from the event loop with the next modal widget that becomes active, other than the
// one active when this is called. A modal that never comes fails the test after timeoutMs.
void WhenModalOpens(std::function<void(QWidget*)> act, int timeoutMs = 5000);

// Runs the event loop until done() holds or timeoutMs has passed; returns done().
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000);

// The window services of an open dialog window, with its timers.
const QtWindowPort& PortOf(QWidget* dialogWindow);

// Runs the event loop for ms milliseconds.
void Pump(int ms);

// What a message box showed, read before it is answered.
struct MessageBoxSeen {
  bool seen = false;
  QString title;
  QString text;
  int icon = -1;  // QMessageBox::Icon
  int buttons = 0;
  bool plainText = false;  // shown as it stands, never read as markup
};

// Answers the next modal with OK if it is a message box, recording what it showed into seen;
// any other modal fails the test and is closed.
void AnswerMessageBox(MessageBoxSeen& seen, int delayMs = 0);

// While alive, ends every modal that is still open after timeoutMs, failing the test, so a
// test that goes wrong cannot hang the suite.
class ModalWatchdog {
 public:
  explicit ModalWatchdog(int timeoutMs = 20000);
  ~ModalWatchdog();

 private:
  class QTimer* m_timer;
};
