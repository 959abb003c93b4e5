// The dialog windows on the Win32 API: each is built from an in-memory template and run by
// the system's own dialog manager (DialogBoxIndirectParamW), whose modal loop keeps
// dispatching the messages of every window of the thread, so the game's timers and painting
// go on behind a dialog or message box.

#include <windows.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <memory>

#include "frontends/win32/native_accelerators.h"
#include "frontends/win32/native_dialog.h"
#include "frontends/win32/native_template.h"

namespace {

constexpr WORD ICON_RESOURCE = 128;

// What the window procedure keeps for one dialog window.
struct WindowState {
  const NativeDialogSpec* form = nullptr;
  NativeDialogEvents* events = nullptr;
  int scale = 1;       // device pixels a side per frame pixel (game window)
  HDC paintDc = nullptr;  // while WM_PAINT asks the dialog for its frame
  HICON bigIcon = nullptr;
  HICON smallIcon = nullptr;
  std::unique_ptr<NativeAccelerators> keys;  // the game window's shortcuts
  bool leaveTracked = false;  // the system reports the pointer leaving the client area
};

// Device pixels to frame pixels, rounding down, so points left of or above the client area
// stay outside it.
int ToFrame(int device, int scale) {
  return device >= 0 ? device / scale : -((-device + scale - 1) / scale);
}

WindowState* StateOf(HWND window) {
  return reinterpret_cast<WindowState*>(GetWindowLongPtrW(window, DWLP_USER));
}

HMENU BuildMenu(const std::vector<NativeMenuPopup>& menu) {
  HMENU bar = CreateMenu();
  for (const NativeMenuPopup& popup : menu) {
    HMENU items = CreatePopupMenu();
    for (const NativeMenuItem& item : popup.items) {
      if (item.id == 0) {
        AppendMenuW(items, MF_SEPARATOR, 0, nullptr);
      } else {
        AppendMenuW(items, MF_STRING, static_cast<UINT_PTR>(item.id), item.text.c_str());
      }
    }
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(items), popup.title.c_str());
  }
  return bar;
}

HICON LoadProgramIcon(int metricX, int metricY) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(ICON_RESOURCE),
                                       IMAGE_ICON, GetSystemMetrics(metricX),
                                       GetSystemMetrics(metricY), LR_DEFAULTCOLOR | LR_SHARED));
}

// The whole number of device pixels a frame pixel takes on this screen: 1 up to 191 dots per
// inch, 2 from 192, and so on, so the picture stays sharp.
int ScaleForWindow(HWND window) {
  HDC dc = GetDC(window);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(window, dc);
  return std::max(1, dpi / 96);
}

// Sizes the window so that its client area, below the menu bar, is exactly width x height.
void FitClientArea(HWND window, int width, int height) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    RECT client;
    GetClientRect(window, &client);
    const int dx = width - (client.right - client.left);
    const int dy = height - (client.bottom - client.top);
    if (dx == 0 && dy == 0) return;
    RECT frame;
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + dx,
                 frame.bottom - frame.top + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// The game window's own parts: menu bar, system-menu item, icons, fixed client size.
void SetUpGameWindow(HWND window, WindowState& state) {
  const NativeDialogSpec& form = *state.form;
  SetMenu(window, BuildMenu(form.menu));
  HMENU system = GetSystemMenu(window, FALSE);
  if (system != nullptr && !form.systemMenuItem.empty()) {
    AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(system, MF_STRING, static_cast<UINT_PTR>(form.systemMenuItemId),
                form.systemMenuItem.c_str());
  }
  state.bigIcon = LoadProgramIcon(SM_CXICON, SM_CYICON);
  state.smallIcon = LoadProgramIcon(SM_CXSMICON, SM_CYSMICON);
  SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(state.bigIcon));
  SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(state.smallIcon));
  state.keys = std::make_unique<NativeAccelerators>(window, form.accelerators);
  state.scale = ScaleForWindow(window);
  FitClientArea(window, form.clientWidth * state.scale, form.clientHeight * state.scale);
}

void PaintGameWindow(HWND window, WindowState& state) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (IsIconic(window)) {
    DrawIcon(dc, 0, 0, state.bigIcon);
  } else {
    state.paintDc = dc;
    state.events->Paint();
    state.paintDc = nullptr;
  }
  EndPaint(window, &paint);
}

void DeliverDrop(HDROP drop, NativeDialogEvents& events) {
  std::vector<std::wstring> paths;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    DragQueryFileW(drop, i, path.data(), length + 1);
    path.resize(length);
    paths.push_back(std::move(path));
  }
  DragFinish(drop);
  if (!paths.empty()) events.DropFiles(paths);
}

// The system says once when the pointer leaves the client area, after it was asked on a move.
void TrackLeave(HWND window, WindowState& state) {
  if (state.leaveTracked) return;
  TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, window, 0};
  state.leaveTracked = TrackMouseEvent(&track) != FALSE;
}

bool DeliverMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  NativeMouse kind;
  switch (message) {
    case WM_LBUTTONDOWN: kind = NativeMouse::LeftDown; break;
    case WM_LBUTTONDBLCLK: kind = NativeMouse::LeftDoubleClick; break;
    // The framework has no handler of its own for the right button's double-click.
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: kind = NativeMouse::RightDown; break;
    case WM_MOUSEMOVE: kind = NativeMouse::Move; break;
    case WM_MOUSELEAVE: kind = NativeMouse::Leave; break;
    default: return false;
  }
  WindowState* state = StateOf(window);
  if (state == nullptr) return false;
  if (kind == NativeMouse::Move) TrackLeave(window, *state);
  if (kind == NativeMouse::Leave) state->leaveTracked = false;
  state->events->Mouse(kind, static_cast<unsigned>(wParam & 0x1F),
                       ToFrame(GET_X_LPARAM(lParam), state->scale),
                       ToFrame(GET_Y_LPARAM(lParam), state->scale));
  return true;
}

INT_PTR OnInitDialog(HWND window, LPARAM lParam) {
  auto* state = reinterpret_cast<WindowState*>(lParam);
  SetWindowLongPtrW(window, DWLP_USER, lParam);
  if (IsGameWindow(*state->form)) SetUpGameWindow(window, *state);
  return state->events->InitDialog(window) ? TRUE : FALSE;
}

// Buttons report BN_CLICKED (0), menus 0 and accelerators 1; other notifications of the
// controls (an edit box's changes) are not commands.
void OnCommand(WindowState& state, WPARAM wParam, LPARAM lParam) {
  const WORD code = HIWORD(wParam);
  if (code == BN_CLICKED || (lParam == 0 && code == 1)) state.events->Command(LOWORD(wParam));
}

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return OnInitDialog(window, lParam);
  WindowState* state = StateOf(window);
  if (state == nullptr) return FALSE;
  const bool game = IsGameWindow(*state->form);
  switch (message) {
    case WM_COMMAND:
      OnCommand(*state, wParam, lParam);
      return TRUE;
    case WM_TIMER:
      state->events->Timer(static_cast<int>(wParam) - 1);
      return TRUE;
    case WM_PAINT:
      if (!game) return FALSE;
      PaintGameWindow(window, *state);
      return TRUE;
    case WM_ERASEBKGND:
      // The frame covers the whole client area; erasing first would only flicker.
      if (!game) return FALSE;
      SetWindowLongPtrW(window, DWLP_MSGRESULT, 1);
      return TRUE;
    case WM_DROPFILES:
      DeliverDrop(reinterpret_cast<HDROP>(wParam), *state->events);
      return TRUE;
    case WM_SYSCOMMAND:
      if (state->form->systemMenuItemId == 0 ||
          (wParam & 0xFFF0) != static_cast<WPARAM>(state->form->systemMenuItemId)) {
        return FALSE;
      }
      state->events->Command(state->form->systemMenuCommand);
      return TRUE;
    case WM_QUERYDRAGICON:
      return reinterpret_cast<INT_PTR>(state->bigIcon);
    case WM_DESTROY:
      state->keys.reset();
      state->events->Destroy();
      return FALSE;
    default:
      return DeliverMouse(window, message, wParam, lParam) ? TRUE : FALSE;
  }
}

}  // namespace

int NativeRunDialog(const NativeDialogSpec& form, NativeHandle owner, NativeDialogEvents& events) {
  const std::vector<WORD> layout = BuildDialogTemplate(form);
  WindowState state;
  state.form = &form;
  state.events = &events;
  const INT_PTR result = DialogBoxIndirectParamW(
      GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(layout.data()),
      static_cast<HWND>(owner), DialogProc, reinterpret_cast<LPARAM>(&state));
  return static_cast<int>(result);
}

void NativeEndDialog(NativeHandle window, int result) {
  EndDialog(static_cast<HWND>(window), result);
}

// Timer ids are shifted by one: the game counts from 0, and Windows wants ids above 0.
void NativeSetTimer(NativeHandle window, int id, unsigned milliseconds) {
  SetTimer(static_cast<HWND>(window), static_cast<UINT_PTR>(id) + 1,
           std::max(milliseconds, static_cast<unsigned>(USER_TIMER_MINIMUM)), nullptr);
}

void NativeKillTimer(NativeHandle window, int id) {
  KillTimer(static_cast<HWND>(window), static_cast<UINT_PTR>(id) + 1);
}

void NativeInvalidate(NativeHandle window) {
  InvalidateRect(static_cast<HWND>(window), nullptr, FALSE);
}

void NativeClientSize(NativeHandle window, int& width, int& height) {
  RECT client{};
  GetClientRect(static_cast<HWND>(window), &client);
  const WindowState* state = StateOf(static_cast<HWND>(window));
  const int scale = state != nullptr ? state->scale : 1;
  width = (client.right - client.left) / scale;
  height = (client.bottom - client.top) / scale;
}

void NativeScreenToClient(NativeHandle window, int& x, int& y) {
  POINT point{x, y};
  ScreenToClient(static_cast<HWND>(window), &point);
  const WindowState* state = StateOf(static_cast<HWND>(window));
  const int scale = state != nullptr ? state->scale : 1;
  x = ToFrame(point.x, scale);
  y = ToFrame(point.y, scale);
}

bool NativeIsIconic(NativeHandle window) { return IsIconic(static_cast<HWND>(window)) != FALSE; }

void NativePresent(NativeHandle window, const std::uint32_t* pixels, int width, int height) {
  HWND hwnd = static_cast<HWND>(window);
  WindowState* state = StateOf(hwnd);
  if (state == nullptr || pixels == nullptr || width <= 0 || height <= 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows top to bottom
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC dc = state->paintDc != nullptr ? state->paintDc : GetDC(hwnd);
  if (state->scale == 1) {
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                      static_cast<UINT>(height), pixels, &info, DIB_RGB_COLORS);
  } else {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, 0, 0, width * state->scale, height * state->scale, 0, 0, width, height,
                  pixels, &info, DIB_RGB_COLORS, SRCCOPY);
  }
  if (dc != state->paintDc) ReleaseDC(hwnd, dc);
}

std::wstring NativeGetItemText(NativeHandle window, int id) {
  HWND item = GetDlgItem(static_cast<HWND>(window), id);
  if (item == nullptr) return {};
  const int length = GetWindowTextLengthW(item);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(item, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(got, 0)));
  return text;
}

void NativeSetItemText(NativeHandle window, int id, const std::wstring& text) {
  SetDlgItemTextW(static_cast<HWND>(window), id, text.c_str());
}

NativeHandle NativeGetItem(NativeHandle window, int id) {
  return GetDlgItem(static_cast<HWND>(window), id);
}
