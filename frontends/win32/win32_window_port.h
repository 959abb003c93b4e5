#pragma once

#include <functional>
#include <map>
#include <memory>

#include "frontends/win32/native_dialog.h"
#include "frontends/win32/win32_list_view.h"
#include "platform/frame_scale.h"
#include "platform/window_port.h"
#include "platform/window_timers.h"

// The window services of one open dialog on its Win32 window.
//
// All timers of the window share one system timer that wakes the process once for every timer
// due at that moment; timers that rest are slept through until input reaches the program,
// another timer's tick did not rest, or the dialog changes a timer or asks for a paint.
//
// The game window (a frame size given) shows its frames scaled to the screen's resolution as
// FrameScale says, and maps the pointer back to frame pixels. It keeps the last frame, so
// that a paint draws only the part that changed and Windows' own requests to draw a part
// again cost no new frame.
class Win32WindowPort : public WindowPort {
 public:
  // frameWidth and frameHeight 0 for a dialog that shows no frame; onTimer takes the ticks.
  Win32WindowPort(NativeHandle window, int frameWidth, int frameHeight,
                  std::function<void(int)> onTimer);
  // The id of the one system timer on the window.
  static constexpr int WAKE_UP_TIMER = 0;

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

  // From the window's events: the one system timer came; a box of the client area (device
  // pixels) is to be drawn; the screen's resolution changed.
  void WakeUpCame() { m_timers.FireDue(); }
  void Expose(const CRect& device);
  void FitToScreen();
  // A point of the client area in device pixels, in frame pixels.
  CPoint DeviceToClient(int x, int y) const;

 private:
  bool ShowsFrame() const { return m_frameWidth > 0; }
  FrameScale Scale() const;

  NativeHandle m_window;
  int m_frameWidth;
  int m_frameHeight;
  CBitmap m_shown;   // the last frame presented
  CBitmap m_pixels;  // scratch: device pixels on their way to the window
  WindowTimers m_timers;
  NativeInputWatch m_inputWatch;
  std::map<int, std::unique_ptr<Win32ListView>> m_lists;
};
