#pragma once

#include <windows.h>

// Where the windows a dialog opens appear: centred over the window they belong to, kept on the
// working area of that window's screen.

// Moves window so that it stands centred over owner, or over the working area of the screen
// when there is no owner or it is minimised.
void CentreOverOwner(HWND window, HWND owner);

// While one lives, the first window of this thread that is activated (a message box, which
// places itself before it is shown) is centred over owner.
class CentreNextWindow {
 public:
  explicit CentreNextWindow(HWND owner);
  ~CentreNextWindow();
  CentreNextWindow(const CentreNextWindow&) = delete;
  CentreNextWindow& operator=(const CentreNextWindow&) = delete;

 private:
  bool m_hooked = false;  // this one set the hook (a box opened inside another's loop does not)
};
