// The game in the browser: the page (page/index.html) starts this program with the options of
// its address (?seed=N gives --seed N) once its file system is filled. The program ends when
// the game window closes; the page then says so.

#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/game_app.h"
#include "frontends/web/page_bridge.h"
#include "frontends/web/web_framework.h"

int main(int argc, char* argv[]) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  CommandLine line = ParseCommandLine(args);
  // A page has no console to print help on: whatever else it was asked, it plays.
  if (line.action != CommandLine::Action::Play) line = CommandLine{};
  WebFramework framework;
  CGameApp app(framework, line);
  app.InitInstance();
  page_program_ended();
  return 0;
}
