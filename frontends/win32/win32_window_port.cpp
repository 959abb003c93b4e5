#include "frontends/win32/win32_window_port.h"

#include "platform/windows/wide_text.h"

// Setting a running timer again restarts its interval, as Windows does itself.
void Win32WindowPort::SetTimer(int id, unsigned milliseconds) {
  NativeSetTimer(m_window, id, milliseconds);
}

void Win32WindowPort::KillTimer(int id) { NativeKillTimer(m_window, id); }

void Win32WindowPort::Invalidate() { NativeInvalidate(m_window); }

void Win32WindowPort::EndDialog(int result) { NativeEndDialog(m_window, result); }

CRect Win32WindowPort::GetClientRect() const {
  CRect rect;
  NativeClientSize(m_window, rect.right, rect.bottom);
  return rect;
}

CPoint Win32WindowPort::ScreenToClient(CPoint screen) const {
  NativeScreenToClient(m_window, screen.x, screen.y);
  return screen;
}

bool Win32WindowPort::IsIconic() const { return NativeIsIconic(m_window); }

void Win32WindowPort::Present(const CBitmap& frame, const CRect& /*changed*/) {
  NativePresent(m_window, frame.Bits(), frame.Width(), frame.Height());
}

std::string Win32WindowPort::GetItemText(int id) const {
  return NarrowToUtf8(NativeGetItemText(m_window, id));
}

void Win32WindowPort::SetItemText(int id, std::string_view text) {
  NativeSetItemText(m_window, id, WidenUtf8(text));
}

ListView* Win32WindowPort::GetListView(int id) {
  std::unique_ptr<Win32ListView>& list = m_lists[id];
  if (list == nullptr) {
    NativeHandle control = NativeGetItem(m_window, id);
    if (control == nullptr) return nullptr;
    list = std::make_unique<Win32ListView>(control);
  }
  return list.get();
}
