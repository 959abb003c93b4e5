#include "frontends/qt/pointer_position.h"

#include <QCursor>
#include <optional>

namespace {

// Only the user-interface thread handles mouse events and timers.
std::optional<QPoint> g_lastPointer;

}  // namespace

void NotePointerPosition(QPoint global) { g_lastPointer = global; }

void NotePointerLeft() { g_lastPointer = QPoint(-32768, -32768); }

QPoint LastPointerPosition() {
  if (!g_lastPointer) g_lastPointer = QCursor::pos();
  return *g_lastPointer;
}
