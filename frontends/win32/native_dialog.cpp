// The dialog windows on the Win32 API: each is built from an in-memory template and run by
// the system's own dialog manager (DialogBoxIndirectParamW), whose modal loop keeps
// dispatching the messages of every window of the thread, so the game's timers and painting
// go on behind a dialog or message box.

#include <windows.h>
#include <shellapi.h>
#include <windowsx.h>

#include "frontends/win32/native_dialog.h"
#include "frontends/win32/native_placement.h"
#include "frontends/win32/native_template.h"
#include "frontends/win32/native_window_state.h"

namespace {

constexpr WORD ICON_RESOURCE = 128;

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

// The game window's own parts: menu bar, system-menu item, icons. The framework sizes it.
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
}

// Minimised, the window shows the program's icon centred on the icon's own background.
void PaintIcon(HWND window, const WindowState& state) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  SendMessageW(window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(window, &client);
  const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(dc, x, y, state.bigIcon);
  EndPaint(window, &paint);
}

// The frame is composed at every paint, minimised too. The part that changed since the last
// frame, and whatever Windows asks to be drawn again, is drawn from the frame the framework
// keeps.
void PaintGameWindow(HWND window, WindowState& state) {
  if (IsIconic(window)) {
    PaintIcon(window, state);
    state.events->Paint();
    return;
  }
  state.events->Paint();
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (!IsRectEmpty(&paint.rcPaint)) {
    state.paintDc = dc;
    state.events->Expose(paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right,
                         paint.rcPaint.bottom);
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

// The window whose leaving is being watched for, if any, and whether this thread has the
// system cursor hidden.
thread_local HWND t_watchedForLeaving = nullptr;
thread_local bool t_cursorHidden = false;

void TrackLeaving(HWND window, DWORD flags) {
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = flags;
  track.hwndTrack = window;
  TrackMouseEvent(&track);
}

// While the system cursor is hidden over the window (a piece is carried there), the pointer
// leaving it is reported (WM_MOUSELEAVE, which the input watch hears and the dialog takes as the
// pointer leaving), so the carried piece goes at once even when nothing else happens. With the
// cursor shown nothing is drawn at the pointer, and the watch is not asked for: some systems
// (Wine) watch by polling the pointer.
void WatchForLeaving(HWND window) {
  if (t_watchedForLeaving == window || !t_cursorHidden) return;
  TrackLeaving(window, TME_LEAVE);
  t_watchedForLeaving = window;
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
  if (kind == NativeMouse::Move) WatchForLeaving(window);
  state->events->Mouse(kind, static_cast<unsigned>(wParam & 0x1F), GET_X_LPARAM(lParam),
                       GET_Y_LPARAM(lParam));
  return true;
}

INT_PTR OnInitDialog(HWND window, LPARAM lParam) {
  auto* state = reinterpret_cast<WindowState*>(lParam);
  SetWindowLongPtrW(window, DWLP_USER, lParam);
  if (IsGameWindow(*state->form)) {
    SetUpGameWindow(window, *state);
  } else {
    CentreOverOwner(window, GetWindow(window, GW_OWNER));
  }
  return state->events->InitDialog(window) ? TRUE : FALSE;
}

// Buttons report BN_CLICKED (0), menus 0 and accelerators 1; other notifications of the
// controls (an edit box's changes) are not commands.
void OnCommand(WindowState& state, WPARAM wParam, LPARAM lParam) {
  const WORD code = HIWORD(wParam);
  if (code == BN_CLICKED || (lParam == 0 && code == 1)) state.events->Command(LOWORD(wParam));
}

// The game window takes the place and size Windows suggests for the new resolution, and the
// framework sizes its client area for the frame again. Other dialogs scale by themselves.
void OnDpiChanged(HWND window, WindowState& state, LPARAM lParam) {
  const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
  SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  state.events->DpiChanged();
}

INT_PTR OnGameWindowMessage(HWND window, WindowState& state, UINT message, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintGameWindow(window, state);
      return TRUE;
    case WM_ERASEBKGND:
      // The frame covers the whole client area; erasing first would only flicker.
      SetWindowLongPtrW(window, DWLP_MSGRESULT, 1);
      return TRUE;
    case WM_DPICHANGED:
      OnDpiChanged(window, state, lParam);
      return TRUE;
    case WM_MOUSELEAVE:
      // The watch is spent; the leaving itself goes on to the dialog as a mouse event.
      if (t_watchedForLeaving == window) t_watchedForLeaving = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return OnInitDialog(window, lParam);
  WindowState* state = StateOf(window);
  if (state == nullptr) return FALSE;
  if (IsGameWindow(*state->form) && OnGameWindowMessage(window, *state, message, lParam)) {
    return TRUE;
  }
  switch (message) {
    case WM_COMMAND:
      OnCommand(*state, wParam, lParam);
      return TRUE;
    case WM_TIMER:
      state->events->Timer(static_cast<int>(wParam) - 1);
      return TRUE;
    case WM_DROPFILES:
      DeliverDrop(reinterpret_cast<HDROP>(wParam), *state->events);
      return TRUE;
    case WM_ACTIVATE:
    case WM_SIZE:
      NativeReportInput();
      return FALSE;
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

void NativeCursorHidden(bool hidden) {
  t_cursorHidden = hidden;
  if (hidden || t_watchedForLeaving == nullptr) return;
  TrackLeaving(t_watchedForLeaving, TME_LEAVE | TME_CANCEL);
  t_watchedForLeaving = nullptr;
}

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
