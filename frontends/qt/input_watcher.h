#pragma once

#include <QObject>
#include <functional>

// Calls back on every input event anywhere in the program (pointer, keys, wheel, drops) and on
// changes of a window's state or activation, for as long as it exists. Lets a window's resting
// timers look again whenever something may have changed.
class InputWatcher : public QObject {
 public:
  explicit InputWatcher(std::function<void()> onInput);
  ~InputWatcher() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> m_onInput;
};
