// vandrel-play [--lang CODE]: runs the real game window on the scripted back end from a script
// on standard input, one command a line, and prints what a player would have seen. It speaks
// Chinese, whatever the system's language, unless --lang names another. Unknown commands and
// bad arguments stop the script with a message naming the line and a non-zero exit.

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/language_choice.h"
#include "platform/file_size_limit.h"
#include "platform/program_path.h"
#include "tools/script_player.h"

int main(int argc, char** argv) {
  IgnoreFileSizeLimitSignal();
  const CommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (line.action != CommandLine::Action::Play || line.seed || !line.file.empty()) {
    std::cerr << "usage: vandrel-play [--lang CODE] < SCRIPT\n";
    return 2;
  }
  UseLanguageOf(line, {});
  const std::string self = RunningProgramPath();
  ScriptPlayer player(self.empty() ? std::filesystem::absolute(argv[0])
                                   : std::filesystem::path(std::u8string(self.begin(), self.end())));
  std::string text;
  int number = 0;
  while (!player.Closed() && std::getline(std::cin, text)) {
    ++number;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    std::string error;
    if (!player.Run(text, error)) {
      std::cerr << "line " << number << ": " << error << "\n";
      return 2;
    }
    error = player.TakeError();
    if (!error.empty()) {
      std::cerr << "line " << number << ": " << error << "\n";
      return 1;
    }
  }
  player.Finish();
  const std::string error = player.TakeError();
  if (!error.empty()) {
    std::cerr << "end of script: " << error << "\n";
    return 1;
  }
  return 0;
}
