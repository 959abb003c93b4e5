#pragma once

#include "app/command_line.h"
#include "platform/framework.h"

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

 private:
  Framework& m_framework;
  CommandLine m_line;
};
