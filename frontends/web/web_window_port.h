#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/list_model.h"
#include "platform/timer_schedule.h"
#include "platform/window_port.h"

// One open window of the page: the game's canvas or an HTML dialog. Its timers run on one
// schedule that the event loop reads, so resting timers cost nothing; an invalidation is kept
// until the loop paints; of each frame only the pixels that differ from the page's go there.
class WebWindowPort : public WindowPort {
 public:
  WebWindowPort(int window, CDialog& dialog, CRect client);

  void SetTimer(int id, unsigned milliseconds) override;
  void KillTimer(int id) override;
  void RestTimer(int id) override;
  void Invalidate() override;
  void EndDialog(int result) override;
  CRect GetClientRect() const override { return m_client; }
  // The pointer's position is kept in the game window's client pixels.
  CPoint ScreenToClient(CPoint screen) const override { return screen; }
  bool IsIconic() const override { return false; }
  void Present(const CBitmap& frame, const CRect& changed) override;
  std::string GetItemText(int id) const override;
  void SetItemText(int id, std::string_view text) override;
  ListView* GetListView(int id) override;

  // --- For the event loop ---
  int Window() const { return m_window; }
  CDialog& Dialog() { return m_dialog; }
  std::optional<int> Result() const { return m_result; }
  // Fires the awake timer that is due first, if one is; whether one fired.
  bool FireDueTimer();
  // Input arrived: every resting timer comes back.
  void Wake();
  std::optional<TimerSchedule::Millis> NextWakeUp() const { return m_timers.NextWakeUp(); }
  // Whether a paint was asked for since the last call.
  bool TakeInvalidation();

 private:
  int m_window;
  CDialog& m_dialog;
  CRect m_client;
  TimerSchedule m_timers;
  bool m_invalid = false;
  std::optional<int> m_result;
  // The frame as the page shows it, and the page's copy of a part of it.
  CBitmap m_shown;
  std::vector<unsigned char> m_rgba;
  std::map<int, std::unique_ptr<ListModel>> m_lists;
};
