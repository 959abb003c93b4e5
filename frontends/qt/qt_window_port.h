#pragma once

#include <memory>
#include <optional>

#include "platform/window_timers.h"
#include "platform/window_port.h"

class CDialog;
class QTimer;
class QtDialogWindow;
class InputWatcher;

// The window services of one open dialog on its Qt window: timers by id, paint requests, the
// end of the modal run, client coordinates, the presented frame and the controls' texts and
// list views. All timers of the window share one QTimer that wakes the process once for every
// timer due at that moment; timers that rest are slept through until input reaches the
// program, another timer's tick did not rest, or the dialog changes a timer or asks for a
// paint.
class QtWindowPort : public WindowPort {
 public:
  explicit QtWindowPort(QtDialogWindow& window);

  void SetTimer(int id, unsigned milliseconds) override;
  void KillTimer(int id) override;
  void RestTimer(int id) override;
  void Invalidate() override;
  void EndDialog(int result) override;
  CRect GetClientRect() const override;
  CPoint ScreenToClient(CPoint screen) const override;
  bool IsIconic() const override;
  void Present(const CBitmap& frame, const CRect& changed) override;

  std::string GetItemText(int id) const override;
  void SetItemText(int id, std::string_view text) override;
  ListView* GetListView(int id) override;

  ~QtWindowPort() override;
  // For tests: the timer's interval while it runs, its time to the next tick, whether it rests.
  std::optional<unsigned> TimerInterval(int id) const { return m_timers.Interval(id); }
  std::optional<TimerSchedule::Millis> TimerRemaining(int id) const {
    return m_timers.Remaining(id);
  }
  bool TimerResting(int id) const { return m_timers.Resting(id); }

 private:
  QtDialogWindow& m_window;
  QTimer* m_wakeUp;
  WindowTimers m_timers;
  std::unique_ptr<InputWatcher> m_inputWatcher;
};
