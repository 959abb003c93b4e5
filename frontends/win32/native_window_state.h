#pragma once

#include <windows.h>

#include <memory>

#include "frontends/win32/native_accelerators.h"
#include "frontends/win32/native_dialog.h"

// What the window procedure keeps for one dialog window, in the window's DWLP_USER slot.
struct WindowState {
  const NativeDialogSpec* form = nullptr;
  NativeDialogEvents* events = nullptr;
  HDC paintDc = nullptr;  // while WM_PAINT draws the game window's frame
  HICON bigIcon = nullptr;
  HICON smallIcon = nullptr;
  std::unique_ptr<NativeAccelerators> keys;  // the game window's shortcuts
};

inline WindowState* StateOf(HWND window) {
  return reinterpret_cast<WindowState*>(GetWindowLongPtrW(window, DWLP_USER));
}
