// Input to any window of the thread, seen by the message filter, which every modal loop of the
// program hands each message it takes.

#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "frontends/win32/native_dialog.h"
#include "frontends/win32/native_message_filter.h"

namespace {

// The watches of this thread, oldest first, and the filter while there is any.
thread_local std::vector<NativeInputWatch*> t_watches;
thread_local std::unique_ptr<MessageFilterUse> t_filter;

}  // namespace

NativeInputWatch::NativeInputWatch(std::function<void()> onInput) : m_onInput(std::move(onInput)) {
  if (t_watches.empty()) t_filter = std::make_unique<MessageFilterUse>();
  t_watches.push_back(this);
}

NativeInputWatch::~NativeInputWatch() {
  std::erase(t_watches, this);
  if (t_watches.empty()) t_filter.reset();
}

// A copy, as a watch may go while the others hear of it.
void NativeReportInput() {
  const std::vector<NativeInputWatch*> watches = t_watches;
  for (NativeInputWatch* watch : watches) {
    if (std::find(t_watches.begin(), t_watches.end(), watch) != t_watches.end()) watch->m_onInput();
  }
}
