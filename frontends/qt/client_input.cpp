// Mouse input, touches and dropped files of the client surface, handed to the dialog's handlers.

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "frontends/qt/client_surface.h"
#include "frontends/qt/pointer_position.h"

namespace {

// The buttons held and the Shift and Ctrl keys, as the handlers' flags.
unsigned KeyFlags(const QMouseEvent* event) {
  const Qt::MouseButtons buttons = event->buttons();
  const Qt::KeyboardModifiers keys = event->modifiers();
  unsigned flags = 0;
  if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
  if (buttons & Qt::RightButton) flags |= MK_RBUTTON;
  if (buttons & Qt::MiddleButton) flags |= MK_MBUTTON;
  if (keys & Qt::ShiftModifier) flags |= MK_SHIFT;
  if (keys & Qt::ControlModifier) flags |= MK_CONTROL;
  return flags;
}

// Paths of the local files among the dropped items, in the order the desktop lists them.
std::vector<std::string> LocalFilePaths(const QMimeData* mime) {
  std::vector<std::string> paths;
  if (mime == nullptr || !mime->hasUrls()) return paths;
  for (const QUrl& url : mime->urls()) {
    if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
  }
  return paths;
}

}  // namespace

void ClientSurface::mousePressEvent(QMouseEvent* event) {
  NotePointerPosition(event->globalPosition().toPoint());
  if (event->button() == Qt::LeftButton) {
    m_dialog.OnLButtonDown(KeyFlags(event), ToClient(event->position()));
  } else if (event->button() == Qt::RightButton) {
    m_dialog.OnRButtonDown(KeyFlags(event), ToClient(event->position()));
  }
}

// Qt delivers the second press of a double-click as this event alone, not as a press. The
// framework has a handler for the left button's; the right button's is ignored, so a right
// double-click acts as one right press and never takes off two pieces.
void ClientSurface::mouseDoubleClickEvent(QMouseEvent* event) {
  NotePointerPosition(event->globalPosition().toPoint());
  if (event->button() == Qt::LeftButton) {
    m_dialog.OnLButtonDblClk(KeyFlags(event), ToClient(event->position()));
  }
}

void ClientSurface::mouseMoveEvent(QMouseEvent* event) {
  NotePointerPosition(event->globalPosition().toPoint());
  m_dialog.OnMouseMove(KeyFlags(event), ToClient(event->position()));
}

void ClientSurface::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  PointerLeft();
}

// Nothing hovers after a finger lifts: the carried piece must not stay where the finger was.
void ClientSurface::PointerLeft() {
  NotePointerLeft();
  m_dialog.OnMouseLeave();
}

// A touch the surface takes is not turned into mouse events as well.
bool ClientSurface::event(QEvent* event) {
  if (m_touches->Handle(event)) return true;
  return QWidget::event(event);
}

void ClientSurface::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalFilePaths(event->mimeData()).empty()) event->acceptProposedAction();
}

void ClientSurface::dragMoveEvent(QDragMoveEvent* event) {
  if (!LocalFilePaths(event->mimeData()).empty()) event->acceptProposedAction();
}

// The handler runs after the drop has completed, so a message box it opens does not keep the
// program the files came from waiting for the end of the drag.
void ClientSurface::dropEvent(QDropEvent* event) {
  std::vector<std::string> paths = LocalFilePaths(event->mimeData());
  if (paths.empty()) return;
  event->acceptProposedAction();
  QMetaObject::invokeMethod(
      this, [this, paths = std::move(paths)] { m_dialog.OnDropFiles(paths); },
      Qt::QueuedConnection);
}
