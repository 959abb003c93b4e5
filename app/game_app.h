#pragma once

#include "platform/framework.h"

// The application: its start-up runs the game window modally, and the program ends when the
// window closes.
class CGameApp {
 public:
  explicit CGameApp(Framework& framework) : m_framework(framework) {}

  // Runs the game window until it closes. Returns false, so the caller ends the program
  // instead of running an event loop of its own.
  bool InitInstance();

 private:
  Framework& m_framework;
};
