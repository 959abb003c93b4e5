#include "platform/qt/qt_window_port.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>

#include "platform/dialog.h"
#include "platform/qt/qt_dialog_window.h"
#include "platform/qt/qt_strings.h"

namespace {

// Shorter intervals are raised to this, so no timer can keep the event loop spinning.
constexpr unsigned MINIMUM_INTERVAL_MS = 10;

}  // namespace

QtWindowPort::QtWindowPort(QtDialogWindow& window) : m_window(window) {}

// Starting a running timer starts its interval afresh.
void QtWindowPort::SetTimer(int id, unsigned milliseconds) {
  QTimer*& timer = m_timers[id];
  if (timer == nullptr) {
    timer = new QTimer(&m_window);
    timer->setObjectName(QStringLiteral("timer %1").arg(id));
    CDialog& dialog = m_window.Dialog();
    QObject::connect(timer, &QTimer::timeout, &m_window, [&dialog, id] { dialog.OnTimer(id); });
  }
  timer->start(static_cast<int>(std::clamp(milliseconds, MINIMUM_INTERVAL_MS, 0x7FFFFFFFu)));
}

void QtWindowPort::KillTimer(int id) {
  auto it = m_timers.find(id);
  if (it != m_timers.end()) it->second->stop();
}

void QtWindowPort::Invalidate() { m_window.Surface().RequestPaint(); }

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

void QtWindowPort::Present(const CBitmap& frame) { m_window.Surface().ShowFrame(frame); }

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
