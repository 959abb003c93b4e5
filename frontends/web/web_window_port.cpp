#include "frontends/web/web_window_port.h"

#include <algorithm>
#include <cstdlib>

#include "frontends/web/page_bridge.h"
#include "frontends/web/page_description.h"

namespace {

// Shorter intervals are raised to this, so no timer can keep the page busy.
constexpr unsigned MINIMUM_INTERVAL_MS = 10;

TimerSchedule::Millis Now() { return static_cast<TimerSchedule::Millis>(page_now()); }

}  // namespace

WebWindowPort::WebWindowPort(int window, CDialog& dialog, CRect client)
    : m_window(window), m_dialog(dialog), m_client(client) {}

// Starting a running timer starts its interval afresh.
void WebWindowPort::SetTimer(int id, unsigned milliseconds) {
  m_timers.Start(id, std::max(milliseconds, MINIMUM_INTERVAL_MS), Now());
  Wake();
}

void WebWindowPort::KillTimer(int id) {
  m_timers.Stop(id);
  Wake();
}

void WebWindowPort::RestTimer(int id) { m_timers.Rest(id); }

void WebWindowPort::Invalidate() {
  m_invalid = true;
  Wake();
}

void WebWindowPort::EndDialog(int result) { m_result = result; }

bool WebWindowPort::FireDueTimer() {
  const std::optional<int> id = m_timers.TakeDue(Now());
  if (!id) return false;
  m_dialog.OnTimer(*id);
  // A tick that did not rest may have changed what the others would see.
  if (!m_timers.IsResting(*id)) Wake();
  return true;
}

void WebWindowPort::Wake() { m_timers.WakeAll(Now()); }

bool WebWindowPort::TakeInvalidation() {
  const bool invalid = m_invalid;
  m_invalid = false;
  return invalid;
}

// The frame's 0xFFRRGGBB pixels become the page's RGBA bytes, for the changed part only.
void WebWindowPort::Present(const CBitmap& frame, const CRect& changed) {
  const int left = std::max(changed.left, 0);
  const int top = std::max(changed.top, 0);
  const int right = std::min(changed.right, frame.Width());
  const int bottom = std::min(changed.bottom, frame.Height());
  if (right <= left || bottom <= top) return;
  m_rgba.resize(static_cast<std::size_t>(right - left) * (bottom - top) * 4);
  unsigned char* out = m_rgba.data();
  for (int y = top; y < bottom; ++y) {
    const std::uint32_t* row = frame.Row(y);
    for (int x = left; x < right; ++x) {
      const std::uint32_t pixel = row[x];
      *out++ = static_cast<unsigned char>(pixel >> 16);
      *out++ = static_cast<unsigned char>(pixel >> 8);
      *out++ = static_cast<unsigned char>(pixel);
      *out++ = 0xFF;
    }
  }
  page_present(m_window, m_rgba.data(), left, top, right - left, bottom - top);
}

std::string WebWindowPort::GetItemText(int id) const {
  char* text = page_item_text(m_window, id);
  std::string copy = text != nullptr ? text : "";
  std::free(text);
  return copy;
}

void WebWindowPort::SetItemText(int id, std::string_view text) {
  page_set_item_text(m_window, id, std::string(text).c_str());
}

// The list is kept here and shown anew on the page after every change.
ListView* WebWindowPort::GetListView(int id) {
  std::unique_ptr<ListModel>& list = m_lists[id];
  if (!list) {
    list = std::make_unique<ListModel>();
    ListModel* model = list.get();
    const int window = m_window;
    model->onChange = [model, window, id] { page_render_list(window, id, ListJson(*model).c_str()); };
  }
  return list.get();
}
