#include "frontends/web/web_event_loop.h"

#include <algorithm>
#include <cstdlib>

#include "frontends/web/page_bridge.h"

namespace {

// Where the pointer is said to be once it has left the page: far from every window's parts.
constexpr CPoint POINTER_GONE{-32768, -32768};

}  // namespace

void WebEventLoop::Remove(const WebWindowPort& port) {
  m_ports.erase(std::remove(m_ports.begin(), m_ports.end(), &port), m_ports.end());
}

void WebEventLoop::RunUntil(const std::function<bool()>& done) {
  while (!done()) {
    if (HandleEvent() || FireTimer()) continue;
    Paint();
    if (done()) return;
    Sleep();
  }
}

PageAnswer WebEventLoop::AwaitAnswer(int request) {
  RunUntil([this, request] { return m_answers.count(request) != 0; });
  PageAnswer answer = std::move(m_answers[request]);
  m_answers.erase(request);
  return answer;
}

bool WebEventLoop::HandleEvent() {
  int fields[6] = {};
  char* text = nullptr;
  const int kind = page_take_event(fields, &text);
  if (kind == PAGE_EVENT_NONE) return false;
  std::string owned = text != nullptr ? text : "";
  std::free(text);
  Dispatch(kind, fields[1], CPoint{fields[2], fields[3]}, static_cast<unsigned>(fields[4]),
           fields[5], std::move(owned));
  return true;
}

// The windows are asked oldest first; a tick may open a modal window, whose loop then runs
// inside it, so the list is read afresh each time.
bool WebEventLoop::FireTimer() {
  for (std::size_t i = 0; i < m_ports.size(); ++i) {
    if (m_ports[i]->FireDueTimer()) return true;
  }
  return false;
}

void WebEventLoop::Paint() {
  for (std::size_t i = 0; i < m_ports.size(); ++i) {
    if (m_ports[i]->TakeInvalidation()) m_ports[i]->Dialog().OnPaint();
  }
}

// Until the earliest awake timer of any window is due, or until the page has an event; with
// every timer resting, until the page has an event.
void WebEventLoop::Sleep() {
  std::optional<TimerSchedule::Millis> next;
  for (const WebWindowPort* port : m_ports) {
    const std::optional<TimerSchedule::Millis> wakeUp = port->NextWakeUp();
    if (wakeUp && (!next || *wakeUp < *next)) next = wakeUp;
  }
  // Saved games written since the last sleep leave for the player before the page waits.
  page_deliver_saved_files();
  const double timeout = next ? std::max(0.0, static_cast<double>(*next) - page_now()) : -1.0;
  page_wait_event(timeout);
}

WebWindowPort* WebEventLoop::PortOf(int window) {
  for (WebWindowPort* port : m_ports) {
    if (port->Window() == window) return port;
  }
  return nullptr;
}

// Input to any window wakes every window's resting timers, as input does on the desktop.
void WebEventLoop::Dispatch(int kind, int window, CPoint point, unsigned flags, int id,
                            std::string text) {
  if (kind == PAGE_EVENT_ANSWER) {
    m_answers[window] = PageAnswer{id, std::move(text)};
    return;
  }
  for (WebWindowPort* port : m_ports) port->Wake();
  if (kind == PAGE_EVENT_POINTER_LEFT) {
    m_pointer = POINTER_GONE;
    return;
  }
  WebWindowPort* port = PortOf(window);
  if (port == nullptr) return;
  CDialog& dialog = port->Dialog();
  switch (kind) {
    case PAGE_EVENT_LEFT_DOWN:
      m_pointer = point;
      dialog.OnLButtonDown(flags, point);
      break;
    case PAGE_EVENT_LEFT_DOUBLE:
      m_pointer = point;
      dialog.OnLButtonDblClk(flags, point);
      break;
    case PAGE_EVENT_RIGHT_DOWN:
      m_pointer = point;
      dialog.OnRButtonDown(flags, point);
      break;
    case PAGE_EVENT_MOVE:
      m_pointer = point;
      dialog.OnMouseMove(flags, point);
      break;
    case PAGE_EVENT_BUTTON:
      dialog.OnButton(id);
      break;
    case PAGE_EVENT_DROP:
      dialog.OnDropFiles({std::move(text)});
      break;
    default:
      break;
  }
}
