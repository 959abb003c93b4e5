#pragma once

#include <memory>
#include <vector>

#include "frontends/win32/native_dialog.h"

class MessageFilterUse;

// The keys of a window as an accelerator table, translated inside the system's dialog loop
// (which translates none by itself) by the thread's message filter. The keys work while window
// or one of its controls has the keyboard, not while another dialog is in front of it.
class NativeAccelerators {
 public:
  NativeAccelerators(NativeHandle window, const std::vector<NativeAccelerator>& keys);
  ~NativeAccelerators();
  NativeAccelerators(const NativeAccelerators&) = delete;
  NativeAccelerators& operator=(const NativeAccelerators&) = delete;

  // Translates message (a MSG) when it is one of the keys and meant for the window; true when
  // the command was sent.
  bool Translate(void* message);

 private:
  void* m_table = nullptr;  // HACCEL
  std::unique_ptr<MessageFilterUse> m_filter;
  NativeAccelerators* m_outer = nullptr;
  NativeHandle m_window;
};
