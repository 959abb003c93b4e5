// What any Win32 window costs under the Wine desktop measurements, as a floor to read the
// game's figures against: a window of the game's client size titled "Vandrel" that tracks the
// mouse and, on a 30 ms timer that never stops (the game's hover and animation pace), repaints
// a 20 x 20 square under the pointer when it moved. Nothing else: no menu, no frame of its
// own, no timer that rests. Run it with bench/wine-desktop.sh, which measures it beside the
// game.

#include <windows.h>
#include <windowsx.h>

namespace {

constexpr int CLIENT_WIDTH = 479;
constexpr int CLIENT_HEIGHT = 458;
constexpr int SQUARE = 20;
constexpr UINT_PTR HEARTBEAT = 1;

POINT g_pointer{0, 0};
POINT g_shown{0, 0};

void InvalidateSquare(HWND window, POINT at) {
  const RECT box{at.x, at.y, at.x + SQUARE, at.y + SQUARE};
  InvalidateRect(window, &box, FALSE);
}

void ShowPointer(HWND window) {
  if (g_pointer.x == g_shown.x && g_pointer.y == g_shown.y) return;
  InvalidateSquare(window, g_shown);
  InvalidateSquare(window, g_pointer);
  g_shown = g_pointer;
}

void Paint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  HBRUSH ground = CreateSolidBrush(RGB(128, 0, 0));
  HBRUSH square = CreateSolidBrush(RGB(255, 255, 0));
  FillRect(dc, &paint.rcPaint, ground);
  const RECT box{g_shown.x, g_shown.y, g_shown.x + SQUARE, g_shown.y + SQUARE};
  FillRect(dc, &box, square);
  DeleteObject(square);
  DeleteObject(ground);
  EndPaint(window, &paint);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      g_pointer = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      return 0;
    case WM_TIMER:
      ShowPointer(window);
      return 0;
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSW type{};
  type.lpfnWndProc = WindowProc;
  type.hInstance = instance;
  type.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
  type.lpszClassName = L"VandrelFloor";
  RegisterClassW(&type);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  RECT frame{0, 0, CLIENT_WIDTH, CLIENT_HEIGHT};
  AdjustWindowRect(&frame, style, FALSE);
  HWND window = CreateWindowW(L"VandrelFloor", L"Vandrel", style, 0, 0, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, show);
  SetTimer(window, HEARTBEAT, 30, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
