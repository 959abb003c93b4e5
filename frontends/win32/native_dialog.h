#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The Win32 side of a dialog window, described in plain types. Files that include the core's
// headers talk to Windows only through this header and native_services.h: <windows.h> defines
// names (MessageBox, TextOut, RGB, COLORREF, IDOK...) that clash with the framework's own, so it
// appears only in the native_*.cpp files, which in turn include no header of the core.

// A window handle (HWND) without its type.
using NativeHandle = void*;

enum class NativeControlKind { DefaultButton, Button, Edit, Static, ListView, Icon };

// One control of a dialog template, in dialog units.
struct NativeControl {
  int id;
  NativeControlKind kind;
  std::wstring text;
  int x, y, width, height;
};

struct NativeMenuItem {
  int id;  // 0 for a separator
  std::wstring text;
};

struct NativeMenuPopup {
  std::wstring title;
  std::vector<NativeMenuItem> items;
};

// A key that sends a command while the window is active, in its portable text form: "Ctrl+N",
// "F1", "Space", "P" (modifiers Ctrl, Shift, Alt before the key).
struct NativeAccelerator {
  std::wstring key;
  int id;
};

// What a dialog window is built from. A dialog with a menu is the game window: its client area
// shows a frame of clientWidth x clientHeight pixels, scaled to the screen's dots per inch;
// the others are sized in dialog units by their font, as Windows lays out every dialog.
struct NativeDialogSpec {
  std::wstring title;
  int width = 0, height = 0;  // dialog units
  std::wstring fontFace;
  int fontPoints = 9;
  std::vector<NativeControl> controls;
  std::vector<NativeMenuPopup> menu;
  std::vector<NativeAccelerator> accelerators;
  bool acceptFiles = false;
  int clientWidth = 0, clientHeight = 0;  // frame pixels of the game window
  // The item added after a separator at the end of the system menu, and the command it sends
  // (as a menu command); no item when the text is empty.
  std::wstring systemMenuItem;
  int systemMenuCommand = 0;
  int systemMenuItemId = 0;  // the item's own id in the system menu
};

// Leave: the pointer has left the client area (its point is not used).
enum class NativeMouse { LeftDown, LeftDoubleClick, RightDown, Move, Leave };

// The events of one dialog window, handed from the window procedure to the framework.
// Positions and sizes are device pixels of the client area.
class NativeDialogEvents {
 public:
  virtual ~NativeDialogEvents() = default;
  // The window exists; set-up follows. Returns whether the focus goes to the first control.
  virtual bool InitDialog(NativeHandle window) = 0;
  // Buttons and menu commands: IDOK 1 (also Enter), IDCANCEL 2 (also Esc and the close box),
  // every other id as it stands.
  virtual void Command(int id) = 0;
  virtual void Timer(int id) = 0;
  // Asks the dialog for its frame (the game window); the part that changed is marked for
  // drawing with NativeInvalidateArea.
  virtual void Paint() = 0;
  // Draws the box (left, top, right, bottom) of the client area with NativeShowPixels.
  virtual void Expose(int left, int top, int right, int bottom) = 0;
  // Flags as the mouse messages give them (MK_...).
  virtual void Mouse(NativeMouse kind, unsigned flags, int x, int y) = 0;
  virtual void DropFiles(const std::vector<std::wstring>& paths) = 0;
  // The window's dots per inch changed; it stands in the rectangle Windows suggested.
  virtual void DpiChanged() = 0;
  // The window is being destroyed; it still exists.
  virtual void Destroy() = 0;
};

// Creates the dialog window, runs its modal loop (which goes on dispatching the messages of
// every other window of the thread, timers included) until NativeEndDialog, destroys it and
// returns the result; -1 when the window cannot be created. owner may be null. A dialog other
// than the game window opens centred over its owner.
int NativeRunDialog(const NativeDialogSpec& form, NativeHandle owner, NativeDialogEvents& events);

// Services of an open dialog window.
void NativeEndDialog(NativeHandle window, int result);
// A system timer: WM_TIMER with id until it is killed; setting it again restarts it.
void NativeSetTimer(NativeHandle window, int id, unsigned milliseconds);
void NativeKillTimer(NativeHandle window, int id);
// Asks for one later paint (NativeDialogEvents::Paint), without erasing anything.
void NativeInvalidate(NativeHandle window);
// Marks a box of the client area to be drawn (NativeDialogEvents::Expose) at the next paint.
void NativeInvalidateArea(NativeHandle window, int left, int top, int right, int bottom);
void NativeClientSize(NativeHandle window, int& width, int& height);
// Sizes the window so that its client area, below the menu bar, is exactly width x height.
void NativeSetClientSize(NativeHandle window, int width, int height);
// A screen point in client coordinates.
void NativeScreenToClient(NativeHandle window, int& x, int& y);
bool NativeIsIconic(NativeHandle window);
// The dots per inch of the screen the window stands on (96 at 100 %).
int NativeWindowDpi(NativeHandle window);
// Shows width x height pixels 0x??RRGGBB, rows top to bottom, with their top-left corner at
// (left, top) of the client area.
void NativeShowPixels(NativeHandle window, const std::uint32_t* pixels, int width, int height,
                      int left, int top);
std::wstring NativeGetItemText(NativeHandle window, int id);
void NativeSetItemText(NativeHandle window, int id, const std::wstring& text);
// The control's own window, or null.
NativeHandle NativeGetItem(NativeHandle window, int id);

// Calls onInput for every input message (pointer, keys, the pointer leaving a window, dropped
// files) that a window of this thread takes from its queue, in any message loop, those of
// message boxes and dialogs included, and when a dialog window of this back end is activated,
// deactivated, minimised or restored, for as long as it lives.
class NativeInputWatch {
 public:
  explicit NativeInputWatch(std::function<void()> onInput);
  ~NativeInputWatch();
  NativeInputWatch(const NativeInputWatch&) = delete;
  NativeInputWatch& operator=(const NativeInputWatch&) = delete;

 private:
  std::function<void()> m_onInput;
  friend void NativeReportInput();
};
// Tells every input watch of this thread that something happened.
void NativeReportInput();
// Whether the system cursor is hidden now (its show count below 0): while it is, the pointer
// leaving the game window is watched for.
void NativeCursorHidden(bool hidden);
