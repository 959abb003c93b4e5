#include "frontends/win32/native_message_filter.h"

#include "frontends/win32/native_dialog.h"

namespace {

thread_local int t_users = 0;
thread_local HHOOK t_hook = nullptr;

// Input is reported in every loop; keys are translated inside dialog loops, which translate
// none by themselves.
LRESULT CALLBACK FilterMessage(int code, WPARAM wParam, LPARAM lParam) {
  auto* message = reinterpret_cast<MSG*>(lParam);
  if (code >= 0 && message != nullptr) {
    if (IsInputMessage(message->message)) NativeReportInput();
    if (code == MSGF_DIALOGBOX && TranslateWindowKeys(message)) return TRUE;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

MessageFilterUse::MessageFilterUse() {
  if (t_users++ == 0) {
    t_hook = SetWindowsHookExW(WH_MSGFILTER, FilterMessage, nullptr, GetCurrentThreadId());
  }
}

MessageFilterUse::~MessageFilterUse() {
  if (--t_users == 0 && t_hook != nullptr) {
    UnhookWindowsHookEx(t_hook);
    t_hook = nullptr;
  }
}

bool IsInputMessage(UINT message) {
  return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) ||
         message == WM_MOUSELEAVE || message == WM_NCMOUSELEAVE || message == WM_DROPFILES;
}
