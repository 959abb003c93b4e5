#pragma once

#include <vector>

// Chooses what a game that mostly waits does best, unless the player's environment says
// otherwise, for the application object made while this lives:
// - Qt's own event loop instead of GLib's: the game needs no GLib sources, and the GLib loop
//   costs more for every event and wake-up.
// - On X11, the window's pictures go to the server in the connection's own requests instead of
//   through shared memory. The game sends small changed rectangles many times a second; shared
//   memory makes each of them wait for the server to finish with the previous one, a round trip
//   that costs more than the few kilobytes it saves.
// The choices are told to Qt in its environment variables, which are taken back when this
// ends, so that programs the game starts (the help pages' browser) do not inherit them.
class QuietEventLoop {
 public:
  QuietEventLoop();
  ~QuietEventLoop();
  QuietEventLoop(const QuietEventLoop&) = delete;
  QuietEventLoop& operator=(const QuietEventLoop&) = delete;

 private:
  std::vector<const char*> m_set;  // the variables this set
};
