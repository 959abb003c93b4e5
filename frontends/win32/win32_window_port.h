#pragma once

#include <map>
#include <memory>

#include "frontends/win32/native_dialog.h"
#include "frontends/win32/win32_list_view.h"
#include "platform/window_port.h"

// The window services of one open dialog on its Win32 window.
class Win32WindowPort : public WindowPort {
 public:
  explicit Win32WindowPort(NativeHandle window) : m_window(window) {}

  void SetTimer(int id, unsigned milliseconds) override;
  void KillTimer(int id) override;
  void Invalidate() override;
  void EndDialog(int result) override;
  CRect GetClientRect() const override;
  CPoint ScreenToClient(CPoint screen) const override;
  bool IsIconic() const override;
  void Present(const CBitmap& frame, const CRect& changed) override;

  std::string GetItemText(int id) const override;
  void SetItemText(int id, std::string_view text) override;
  ListView* GetListView(int id) override;

 private:
  NativeHandle m_window;
  std::map<int, std::unique_ptr<Win32ListView>> m_lists;
};
