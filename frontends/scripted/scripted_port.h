#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/list_model.h"
#include "platform/bitmap.h"
#include "platform/window_port.h"

// One start or stop of a timer, in the order they happened.
struct TimerEvent {
  int id;
  int interval;  // -1: stopped
};

// The window of one open dialog: it records its timers, invalidations, frames and control texts
// for the test or script to read.
class ScriptedPort : public WindowPort {
 public:
  ScriptedPort(int templateId, CRect client);
  void SetTimer(int id, unsigned milliseconds) override;
  void KillTimer(int id) override;
  void Invalidate() override { ++m_invalidations; }
  void EndDialog(int result) override { m_result = result; }
  CRect GetClientRect() const override { return m_client; }
  CPoint ScreenToClient(CPoint screen) const override;
  bool IsIconic() const override { return false; }
  void Present(const CBitmap& frame, const CRect& changed) override;
  std::string GetItemText(int id) const override;
  void SetItemText(int id, std::string_view text) override;
  ListView* GetListView(int id) override;

  // The interval of a running timer.
  std::optional<int> TimerInterval(int id) const;
  const std::vector<TimerEvent>& TimerLog() const { return m_timerLog; }
  int Invalidations() const { return m_invalidations; }
  std::optional<int> Result() const { return m_result; }
  const CBitmap& LastFrame() const { return m_frame; }
  int Frames() const { return m_frames; }
  // The part of the last frame said to differ from the one before.
  const CRect& LastChanged() const { return m_changed; }
  ListModel* FindListView(int id);

  // Screen position of the client area's top-left corner.
  CPoint origin{100, 50};

 private:
  int m_templateId;
  CRect m_client;
  std::map<int, int> m_timers;
  std::vector<TimerEvent> m_timerLog;
  int m_invalidations = 0;
  std::optional<int> m_result;
  CBitmap m_frame;
  int m_frames = 0;
  CRect m_changed;
  std::map<int, std::string> m_texts;
  std::map<int, std::unique_ptr<ListModel>> m_lists;
};
