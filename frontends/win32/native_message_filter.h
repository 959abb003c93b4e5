#pragma once

#include <windows.h>

// One message filter hook (WH_MSGFILTER) for the thread. Every window of this program runs in
// one of the system's modal loops (the dialog manager's for the game window and every dialog,
// message box and file dialog; the menu loop for open menus), and those loops hand the filter
// each message they take, before it is dispatched. The filter reports input to the input
// watches and translates the keys of the newest window with keys; it is set while anything
// uses it.
class MessageFilterUse {
 public:
  MessageFilterUse();
  ~MessageFilterUse();
  MessageFilterUse(const MessageFilterUse&) = delete;
  MessageFilterUse& operator=(const MessageFilterUse&) = delete;
};

// The filter's two clients (native_accelerators.cpp, native_input_watch.cpp).
bool TranslateWindowKeys(MSG* message);
bool IsInputMessage(UINT message);
