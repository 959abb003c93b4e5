#pragma once

#include <string>
#include <string_view>

#include "platform/bitmap.h"
#include "platform/list_view.h"
#include "platform/types.h"

// The back end's side of one open dialog window. A CDialog holds one while its window
// exists; every window service the dialog offers goes through it.
class WindowPort {
 public:
  virtual ~WindowPort() = default;
  // Starts timer id, or restarts its interval when it runs already.
  virtual void SetTimer(int id, unsigned milliseconds) = 0;
  virtual void KillTimer(int id) = 0;
  // The timer's next ticks would change nothing until the program hears of something new:
  // input to any of its windows, a tick of another timer of this window that did not rest, or
  // a timer change or invalidation of this window. A back end may sleep through those ticks; the
  // timer keeps its phase. Back ends that cannot sleep deliver the ticks as before.
  virtual void RestTimer(int /*id*/) {}
  // Asks for one later paint of the whole client area, without erasing.
  virtual void Invalidate() = 0;
  // Ends the modal run of this window with result.
  virtual void EndDialog(int result) = 0;
  virtual CRect GetClientRect() const = 0;
  virtual CPoint ScreenToClient(CPoint screen) const = 0;
  virtual bool IsIconic() const = 0;
  // The final copy of a frame onto the window, from the top-left corner. Outside changed the
  // frame equals the one presented before, so a back end may leave the rest of the window be.
  virtual void Present(const CBitmap& frame, const CRect& changed) = 0;
  void Present(const CBitmap& frame) { Present(frame, CRect{0, 0, frame.Width(), frame.Height()}); }

  // Controls of the dialog's template, by id.
  virtual std::string GetItemText(int id) const = 0;
  virtual void SetItemText(int id, std::string_view text) = 0;
  virtual ListView* GetListView(int id) = 0;
};
