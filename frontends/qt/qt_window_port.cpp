#include "frontends/qt/qt_window_port.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <chrono>

#include "platform/dialog.h"
#include "frontends/qt/input_watcher.h"
#include "frontends/qt/qt_dialog_window.h"
#include "frontends/qt/qt_strings.h"

namespace {

TimerSchedule::Millis Now() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

QtWindowPort::QtWindowPort(QtDialogWindow& window)
    : m_window(window),
      m_wakeUp(new QTimer(&window)),
      m_timers({[this](TimerSchedule::Millis delay) { m_wakeUp->start(static_cast<int>(delay)); },
                [this] { m_wakeUp->stop(); }, Now,
                [this](int id) { m_window.Dialog().OnTimer(id); }}),
      m_inputWatcher(std::make_unique<InputWatcher>([this] { m_timers.Wake(); })) {
  m_wakeUp->setSingleShot(true);
  m_wakeUp->setTimerType(Qt::PreciseTimer);
  QObject::connect(m_wakeUp, &QTimer::timeout, &m_window, [this] { m_timers.FireDue(); });
}

QtWindowPort::~QtWindowPort() { delete m_wakeUp; }

void QtWindowPort::SetTimer(int id, unsigned milliseconds) { m_timers.Set(id, milliseconds); }

void QtWindowPort::KillTimer(int id) { m_timers.Kill(id); }

void QtWindowPort::RestTimer(int id) { m_timers.Rest(id); }

void QtWindowPort::Invalidate() {
  m_timers.Wake();
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
