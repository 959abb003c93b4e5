#include "frontends/win32/native_placement.h"

#include <algorithm>

namespace {

RECT WorkAreaNear(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
    return monitor.rcWork;
  }
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

// The owner of a centred window, and the hook, while a CentreNextWindow lives.
thread_local HWND t_centreOver = nullptr;
thread_local HHOOK t_hook = nullptr;

LRESULT CALLBACK OnActivate(int code, WPARAM window, LPARAM detail) {
  if (code == HCBT_ACTIVATE && t_centreOver != nullptr &&
      reinterpret_cast<HWND>(window) != t_centreOver) {
    CentreOverOwner(reinterpret_cast<HWND>(window), t_centreOver);
    t_centreOver = nullptr;  // once: the box may be moved by the player afterwards
  }
  return CallNextHookEx(nullptr, code, window, detail);
}

}  // namespace

void CentreOverOwner(HWND window, HWND owner) {
  const bool overOwner = owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner);
  const RECT area = WorkAreaNear(overOwner ? owner : window);
  RECT over = area;
  if (overOwner) GetWindowRect(owner, &over);
  RECT box;
  GetWindowRect(window, &box);
  const LONG width = box.right - box.left;
  const LONG height = box.bottom - box.top;
  LONG left = over.left + (over.right - over.left - width) / 2;
  LONG top = over.top + (over.bottom - over.top - height) / 2;
  // Wholly on the working area where it fits; its top-left corner on it where it does not.
  left = std::max(area.left, std::min(left, area.right - width));
  top = std::max(area.top, std::min(top, area.bottom - height));
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CentreNextWindow::CentreNextWindow(HWND owner) {
  if (owner == nullptr || t_hook != nullptr) return;
  t_centreOver = owner;
  t_hook = SetWindowsHookExW(WH_CBT, OnActivate, nullptr, GetCurrentThreadId());
  m_hooked = t_hook != nullptr;
}

CentreNextWindow::~CentreNextWindow() {
  if (!m_hooked) return;
  UnhookWindowsHookEx(t_hook);
  t_hook = nullptr;
  t_centreOver = nullptr;
}
