#pragma once

#include <map>

#include "platform/window_port.h"

class CDialog;
class QTimer;
class QtDialogWindow;

// The window services of one open dialog on its Qt window: timers by id (QTimers owned by the
// window, named "timer <id>"), paint requests, the end of the modal run, client coordinates,
// the presented frame and the controls' texts and list views.
class QtWindowPort : public WindowPort {
 public:
  explicit QtWindowPort(QtDialogWindow& window);

  void SetTimer(int id, unsigned milliseconds) override;
  void KillTimer(int id) override;
  void Invalidate() override;
  void EndDialog(int result) override;
  CRect GetClientRect() const override;
  CPoint ScreenToClient(CPoint screen) const override;
  bool IsIconic() const override;
  void Present(const CBitmap& frame) override;

  std::string GetItemText(int id) const override;
  void SetItemText(int id, std::string_view text) override;
  ListView* GetListView(int id) override;

 private:
  QtDialogWindow& m_window;
  std::map<int, QTimer*> m_timers;
};
