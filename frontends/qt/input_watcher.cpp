#include "frontends/qt/input_watcher.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::WindowStateChange:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
      return true;
    default:
      return false;
  }
}

}  // namespace

InputWatcher::InputWatcher(std::function<void()> onInput) : m_onInput(std::move(onInput)) {
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

InputWatcher::~InputWatcher() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool InputWatcher::eventFilter(QObject* watched, QEvent* event) {
  if (IsInput(event->type())) m_onInput();
  return QObject::eventFilter(watched, event);
}
