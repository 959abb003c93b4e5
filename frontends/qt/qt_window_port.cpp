#include "frontends/qt/qt_window_port.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <chrono>

#include "platform/dialog.h"
#include "frontends/qt/input_watcher.h"
#include "frontends/qt/qt_dialog_window.h"
#include "frontends/qt/qt_strings.h"

namespace {

// Shorter intervals are raised to this, so no timer can keep the event loop spinning.
constexpr unsigned MINIMUM_INTERVAL_MS = 10;

TimerSchedule::Millis Now() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

QtWindowPort::QtWindowPort(QtDialogWindow& window)
    : m_window(window),
      m_wakeUp(new QTimer(&window)),
      m_inputWatcher(std::make_unique<InputWatcher>([this] { WakeTimers(); })) {
  m_wakeUp->setSingleShot(true);
  m_wakeUp->setTimerType(Qt::PreciseTimer);
  QObject::connect(m_wakeUp, &QTimer::timeout, &m_window, [this] { FireDueTimers(); });
}

QtWindowPort::~QtWindowPort() { delete m_wakeUp; }

// Starting a running timer starts its interval afresh.
void QtWindowPort::SetTimer(int id, unsigned milliseconds) {
  m_timers.Start(id, std::clamp(milliseconds, MINIMUM_INTERVAL_MS, 0x7FFFFFFFu), Now());
  WakeTimers();
  ArmWakeUp();
}

void QtWindowPort::KillTimer(int id) {
  m_timers.Stop(id);
  WakeTimers();
  ArmWakeUp();
}

void QtWindowPort::RestTimer(int id) {
  m_timers.Rest(id);
  ArmWakeUp();
}

std::optional<TimerSchedule::Millis> QtWindowPort::TimerRemaining(int id) const {
  return m_timers.Remaining(id, Now());
}

// Each due timer is taken and delivered in turn, with the wake-up set for the next one first:
// a tick that opens a box runs a nested event loop in which the other timers go on.
void QtWindowPort::FireDueTimers() {
  const TimerSchedule::Millis now = Now();
  while (const std::optional<int> id = m_timers.TakeDue(now)) {
    ArmWakeUp();
    m_window.Dialog().OnTimer(*id);
    if (!m_timers.IsResting(*id)) WakeTimers();
  }
  ArmWakeUp();
}

void QtWindowPort::WakeTimers() {
  if (m_timers.WakeAll(Now())) ArmWakeUp();
}

// A wake-up already set for the same moment stands.
void QtWindowPort::ArmWakeUp() {
  const std::optional<TimerSchedule::Millis> next = m_timers.NextWakeUp();
  if (!next) {
    m_wakeUp->stop();
    return;
  }
  if (m_wakeUp->isActive() && m_armedFor == *next) return;
  m_armedFor = *next;
  m_wakeUp->start(static_cast<int>(std::clamp<TimerSchedule::Millis>(*next - Now(), 0, 0x7FFFFFFF)));
}

void QtWindowPort::Invalidate() {
  WakeTimers();
  m_window.Surface().RequestPaint();
}

void QtWindowPort::EndDialog(int result) { m_window.End(result); }

CRect QtWindowPort::GetClientRect() const {
  const QSize size = m_window.Surface().size();
  return CRect{0, 0, size.width(), size.height()};
}

CPoint QtWindowPort::ScreenToClient(CPoint screen) const {
  const ClientSurface& surface = m_window.Surface();
  return surface.ToClient(surface.mapFromGlobal(QPointF(screen.x, screen.y)));
}

bool QtWindowPort::IsIconic() const { return m_window.isMinimized(); }

void QtWindowPort::Present(const CBitmap& frame, const CRect& changed) {
  m_window.Surface().ShowFrame(frame, changed);
}

std::string QtWindowPort::GetItemText(int id) const {
  const QWidget* control = m_window.Control(id);
  if (const auto* edit = qobject_cast<const QLineEdit*>(control)) return ToUtf8(edit->text());
  if (const auto* label = qobject_cast<const QLabel*>(control)) return ToUtf8(label->text());
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
    return ToUtf8(button->text());
  }
  return {};
}

void QtWindowPort::SetItemText(int id, std::string_view text) {
  QWidget* control = m_window.Control(id);
  if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->setText(ToQString(text));
  if (auto* label = qobject_cast<QLabel*>(control)) label->setText(ToQString(text));
  if (auto* button = qobject_cast<QAbstractButton*>(control)) button->setText(ToQString(text));
}

ListView* QtWindowPort::GetListView(int id) { return m_window.ListView(id); }
