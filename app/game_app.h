#pragma once

#include <future>

#include "app/command_line.h"
#include "platform/framework.h"
#include "view/view_pixels.h"

// The application: its start-up runs the game window modally, and the program ends when the
// window closes.
class CGameApp {
 public:
  // line: what the command line asked for; its seed deals the first game and its file opens
  // once the window runs.
  explicit CGameApp(Framework& framework, CommandLine line = {})
      : m_framework(framework), m_line(std::move(line)) {}

  // Runs the game window until it closes. Returns false, so the caller ends the program
  // instead of running an event loop of its own.
  bool InitInstance();
  // Bitmaps for the game window being made ahead; see CGameDlg::UsePreparedPixels.
  void UsePreparedPixels(std::future<ViewPixels> pixels) { m_preparedPixels = std::move(pixels); }

 private:
  Framework& m_framework;
  CommandLine m_line;
  std::future<ViewPixels> m_preparedPixels;
};
