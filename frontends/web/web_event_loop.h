#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "frontends/web/web_window_port.h"
#include "platform/types.h"

// A box's or picker's answer: IDOK with the path chosen, or IDCANCEL.
struct PageAnswer {
  int result = IDCANCEL;
  std::string text;
};

// The one message loop of the page, shaped like a desktop's: it takes the page's events one at
// a time and hands them to the windows' handlers, fires the windows' due timers, paints the
// windows that asked for it, and otherwise sleeps until the next event or timer. A modal
// window runs it nested until the window ends, so the timers of the windows beneath go on.
class WebEventLoop {
 public:
  void Add(WebWindowPort& port) { m_ports.push_back(&port); }
  void Remove(const WebWindowPort& port);

  // Runs until done() holds, checked after every event, timer and paint.
  void RunUntil(const std::function<bool()>& done);
  // Runs until the page answers request, and returns the answer.
  PageAnswer AwaitAnswer(int request);

  // Where the pointer was last seen, in the game window's client pixels.
  CPoint Pointer() const { return m_pointer; }

 private:
  // One step of the loop: an event if one is queued, else a due timer, else the paints and
  // then a sleep. Whether it did anything but sleep.
  bool HandleEvent();
  bool FireTimer();
  void Paint();
  void Sleep();
  void Dispatch(int kind, int window, CPoint point, unsigned flags, int id, std::string text);
  WebWindowPort* PortOf(int window);

  std::vector<WebWindowPort*> m_ports;
  std::map<int, PageAnswer> m_answers;
  CPoint m_pointer{-32768, -32768};
};
