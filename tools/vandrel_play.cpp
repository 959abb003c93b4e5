// vandrel-play: runs the real game window on the scripted back end from a script on standard
// input, one command a line, and prints what a player would have seen. Unknown commands and
// bad arguments stop the script with a message naming the line and a non-zero exit.

#include <filesystem>
#include <iostream>
#include <string>

#include "platform/file_size_limit.h"
#include "platform/program_path.h"
#include "tools/script_player.h"

int main(int, char** argv) {
  IgnoreFileSizeLimitSignal();
  const std::string self = RunningProgramPath();
  ScriptPlayer player(self.empty() ? std::filesystem::absolute(argv[0])
                                   : std::filesystem::path(std::u8string(self.begin(), self.end())));
  std::string line;
  int number = 0;
  while (!player.Closed() && std::getline(std::cin, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string error;
    if (!player.Run(line, error)) {
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
