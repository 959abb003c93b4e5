#pragma once

#include <QObject>
#include <QPointF>
#include <QTimer>
#include <functional>
#include <optional>

class QEvent;

// Turns the touches of one finger on a widget into taps and long presses. A touch that lifts
// before the long-press time, not having wandered further than a drag starts, is a tap where
// it came down; one held there until that time is a long press, at once. A wander, a second
// finger or a touch the system cancels is neither. Positions are the widget's logical pixels.
class TouchPresses : public QObject {
 public:
  TouchPresses(std::function<void(QPointF)> onTap, std::function<void(QPointF)> onLongPress,
               std::function<void()> onLifted, QObject* parent);

  // Takes a touch event of the widget; false for any other event. onLifted follows the end of
  // every touch, whatever it was.
  bool Handle(QEvent* event);

 private:
  void Move(QPointF at);
  void Forget();

  std::function<void(QPointF)> m_onTap;
  std::function<void(QPointF)> m_onLongPress;
  std::function<void()> m_onLifted;
  QTimer m_longPress;
  std::optional<QPointF> m_down;  // where the finger came down, while the touch may still count
};
