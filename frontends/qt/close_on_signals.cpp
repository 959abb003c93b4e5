#include "frontends/qt/close_on_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <cerrno>

namespace {

constexpr int CLOSE_STEP_MS = 50;

int s_signalPipe[2] = {-1, -1};

void OnTerminationSignal(int) {
  const int savedErrno = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t ignored = ::write(s_signalPipe[0], &byte, 1);
  errno = savedErrno;
}

// Closes the topmost modal window (a box, a dialog, at last the game window itself) every
// step: closing one may lead the game on to open the next, which the next step closes.
void StartClosing() {
  auto* closer = new QTimer(qApp);
  QObject::connect(closer, &QTimer::timeout, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
  closer->start(CLOSE_STEP_MS);
  if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
}

}  // namespace

void CloseWindowOnTerminationSignals() {
  if (s_signalPipe[0] >= 0) return;
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, s_signalPipe) != 0) {
    return;
  }
  auto* notifier = new QSocketNotifier(s_signalPipe[1], QSocketNotifier::Read, qApp);
  QObject::connect(notifier, &QSocketNotifier::activated, [notifier] {
    char bytes[16];
    while (::read(s_signalPipe[1], bytes, sizeof bytes) > 0) {
    }
    notifier->setEnabled(false);  // one signal starts the closing; more change nothing
    StartClosing();
  });
  struct sigaction action{};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &action, nullptr);
}
