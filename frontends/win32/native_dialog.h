#pragma once

#include <cstdint>
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
// is clientWidth x clientHeight frame pixels whatever the dialog font, scaled by the whole
// factor the screen's resolution asks for; the others are sized in dialog units by their font,
// as Windows lays out every dialog.
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
class NativeDialogEvents {
 public:
  virtual ~NativeDialogEvents() = default;
  // The window exists; set-up follows. Returns whether the focus goes to the first control.
  virtual bool InitDialog(NativeHandle window) = 0;
  // Buttons and menu commands: IDOK 1 (also Enter), IDCANCEL 2 (also Esc and the close box),
  // every other id as it stands.
  virtual void Command(int id) = 0;
  virtual void Timer(int id) = 0;
  // Asks for the frame; it arrives through NativePresent while this runs.
  virtual void Paint() = 0;
  // Client coordinates in frame pixels; flags as the mouse messages give them (MK_...).
  virtual void Mouse(NativeMouse kind, unsigned flags, int x, int y) = 0;
  virtual void DropFiles(const std::vector<std::wstring>& paths) = 0;
  // The window is being destroyed; it still exists.
  virtual void Destroy() = 0;
};

// Creates the dialog window, runs its modal loop (which goes on dispatching the messages of
// every other window of the thread, timers included) until NativeEndDialog, destroys it and
// returns the result; -1 when the window cannot be created. owner may be null.
int NativeRunDialog(const NativeDialogSpec& form, NativeHandle owner, NativeDialogEvents& events);

// Services of an open dialog window.
void NativeEndDialog(NativeHandle window, int result);
void NativeSetTimer(NativeHandle window, int id, unsigned milliseconds);
void NativeKillTimer(NativeHandle window, int id);
// Asks for one later WM_PAINT of the whole client area, without erasing.
void NativeInvalidate(NativeHandle window);
// Size of the client area in frame pixels.
void NativeClientSize(NativeHandle window, int& width, int& height);
// A screen point in the client area's frame pixels.
void NativeScreenToClient(NativeHandle window, int& x, int& y);
bool NativeIsIconic(NativeHandle window);
// Shows a frame of width x height pixels 0x??RRGGBB, rows top to bottom, at the client area's
// top-left corner, each pixel as a block of the window's scale factor.
void NativePresent(NativeHandle window, const std::uint32_t* pixels, int width, int height);
std::wstring NativeGetItemText(NativeHandle window, int id);
void NativeSetItemText(NativeHandle window, int id, const std::wstring& text);
// The control's own window, or null.
NativeHandle NativeGetItem(NativeHandle window, int id);
