// The services of an open dialog window: timers, paint requests, sizes in device pixels, the
// screen's resolution, pixels onto the client area and the controls' texts.

#include <windows.h>

#include <algorithm>

#include "frontends/win32/native_dialog.h"
#include "frontends/win32/native_window_state.h"

namespace {

HWND Handle(NativeHandle window) { return static_cast<HWND>(window); }

using DpiForWindow = UINT(WINAPI*)(HWND);

// GetDpiForWindow where Windows has it (10 and later): the resolution of the window's own
// screen; otherwise the one resolution of the whole desktop.
DpiForWindow FindDpiForWindow() {
  HMODULE user = GetModuleHandleW(L"user32.dll");
  if (user == nullptr) return nullptr;
  return reinterpret_cast<DpiForWindow>(
      reinterpret_cast<void*>(GetProcAddress(user, "GetDpiForWindow")));
}

}  // namespace

void NativeEndDialog(NativeHandle window, int result) { EndDialog(Handle(window), result); }

// Timer ids are shifted by one: the game counts from 0, and Windows wants ids above 0.
void NativeSetTimer(NativeHandle window, int id, unsigned milliseconds) {
  SetTimer(Handle(window), static_cast<UINT_PTR>(id) + 1,
           std::max(milliseconds, static_cast<unsigned>(USER_TIMER_MINIMUM)), nullptr);
}

void NativeKillTimer(NativeHandle window, int id) {
  KillTimer(Handle(window), static_cast<UINT_PTR>(id) + 1);
}

// A WM_PAINT without marking anything to be drawn: the frame's own changes are marked when it
// is composed.
void NativeInvalidate(NativeHandle window) {
  RedrawWindow(Handle(window), nullptr, nullptr, RDW_INTERNALPAINT);
}

void NativeInvalidateArea(NativeHandle window, int left, int top, int right, int bottom) {
  const RECT box{left, top, right, bottom};
  InvalidateRect(Handle(window), &box, FALSE);
}

void NativeClientSize(NativeHandle window, int& width, int& height) {
  RECT client{};
  GetClientRect(Handle(window), &client);
  width = client.right - client.left;
  height = client.bottom - client.top;
}

// Two rounds: a menu bar that wraps at the first width may unwrap at the second.
void NativeSetClientSize(NativeHandle window, int width, int height) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    RECT client;
    GetClientRect(Handle(window), &client);
    const int dx = width - (client.right - client.left);
    const int dy = height - (client.bottom - client.top);
    if (dx == 0 && dy == 0) return;
    RECT frame;
    GetWindowRect(Handle(window), &frame);
    SetWindowPos(Handle(window), nullptr, 0, 0, frame.right - frame.left + dx,
                 frame.bottom - frame.top + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void NativeScreenToClient(NativeHandle window, int& x, int& y) {
  POINT point{x, y};
  ScreenToClient(Handle(window), &point);
  x = point.x;
  y = point.y;
}

bool NativeIsIconic(NativeHandle window) { return IsIconic(Handle(window)) != FALSE; }

int NativeWindowDpi(NativeHandle window) {
  static const DpiForWindow dpiForWindow = FindDpiForWindow();
  if (dpiForWindow != nullptr) {
    if (const UINT dpi = dpiForWindow(Handle(window))) return static_cast<int>(dpi);
  }
  HDC dc = GetDC(Handle(window));
  const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(Handle(window), dc);
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

void NativeShowPixels(NativeHandle window, const std::uint32_t* pixels, int width, int height,
                      int left, int top) {
  WindowState* state = StateOf(Handle(window));
  if (pixels == nullptr || width <= 0 || height <= 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows top to bottom
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC paintDc = state != nullptr ? state->paintDc : nullptr;
  HDC dc = paintDc != nullptr ? paintDc : GetDC(Handle(window));
  SetDIBitsToDevice(dc, left, top, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                    static_cast<UINT>(height), pixels, &info, DIB_RGB_COLORS);
  if (dc != paintDc) ReleaseDC(Handle(window), dc);
}

std::wstring NativeGetItemText(NativeHandle window, int id) {
  HWND item = GetDlgItem(Handle(window), id);
  if (item == nullptr) return {};
  const int length = GetWindowTextLengthW(item);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(item, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(got, 0)));
  return text;
}

void NativeSetItemText(NativeHandle window, int id, const std::wstring& text) {
  SetDlgItemTextW(Handle(window), id, text.c_str());
}

NativeHandle NativeGetItem(NativeHandle window, int id) { return GetDlgItem(Handle(window), id); }
