#include "frontends/qt/touch_presses.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <QTouchEvent>

#include "res/menu.h"

TouchPresses::TouchPresses(std::function<void(QPointF)> onTap,
                           std::function<void(QPointF)> onLongPress, std::function<void()> onLifted,
                           QObject* parent)
    : QObject(parent),
      m_onTap(std::move(onTap)),
      m_onLongPress(std::move(onLongPress)),
      m_onLifted(std::move(onLifted)) {
  m_longPress.setSingleShot(true);
  m_longPress.setInterval(static_cast<int>(LONG_PRESS_MS));
  connect(&m_longPress, &QTimer::timeout, this, [this] {
    const QPointF at = *m_down;
    Forget();
    m_onLongPress(at);
  });
}

bool TouchPresses::Handle(QEvent* event) {
  const QEvent::Type type = event->type();
  const bool last = type == QEvent::TouchEnd || type == QEvent::TouchCancel;
  if (type != QEvent::TouchBegin && type != QEvent::TouchUpdate && !last) return false;
  event->accept();
  const QList<QEventPoint>& points = static_cast<QTouchEvent*>(event)->points();
  if (points.size() != 1 || type == QEvent::TouchCancel) {
    Forget();
  } else if (type == QEvent::TouchBegin) {
    m_down = points.first().position();
    m_longPress.start();
  } else if (type == QEvent::TouchUpdate) {
    Move(points.first().position());
  } else if (m_down) {
    const QPointF at = *m_down;
    Forget();
    m_onTap(at);
  }
  if (last) {
    Forget();
    m_onLifted();
  }
  return true;
}

// A finger that wanders as far as a drag would start is taken for neither a tap nor a press.
void TouchPresses::Move(QPointF at) {
  if (!m_down) return;
  const QPointF way = at - *m_down;
  const int reach = QGuiApplication::styleHints()->startDragDistance();
  if (way.x() * way.x() + way.y() * way.y() > reach * reach) Forget();
}

void TouchPresses::Forget() {
  m_longPress.stop();
  m_down.reset();
}
