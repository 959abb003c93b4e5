#include "frontends/web/web_window_port.h"

#include <algorithm>
#include <cstdlib>

#include "frontends/web/page_bridge.h"
#include "frontends/web/page_description.h"
#include "platform/frame_diff.h"

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

// Only the pixels that differ from what the page shows go there, as the page's RGBA bytes: a
// frame drawn again over a wide part often changes a few small spots of it.
void WebWindowPort::Present(const CBitmap& frame, const CRect& changed) {
  const std::optional<CRect> part = ChangedRect(m_shown, frame, changed);
  if (!part) return;
  if (m_shown.Width() != frame.Width() || m_shown.Height() != frame.Height()) m_shown = frame;
  const int width = part->Width();
  m_rgba.resize(static_cast<std::size_t>(width) * part->Height() * 4);
  unsigned char* out = m_rgba.data();
  for (int y = part->top; y < part->bottom; ++y) {
    const std::uint32_t* row = frame.Row(y);
    std::copy(row + part->left, row + part->right, m_shown.Row(y) + part->left);
    for (int x = part->left; x < part->right; ++x) {
      const std::uint32_t pixel = row[x];
      *out++ = static_cast<unsigned char>(pixel >> 16);
      *out++ = static_cast<unsigned char>(pixel >> 8);
      *out++ = static_cast<unsigned char>(pixel);
      *out++ = 0xFF;
    }
  }
  page_present(m_window, m_rgba.data(), part->left, part->top, width, part->Height());
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
