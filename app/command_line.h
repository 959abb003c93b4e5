#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>

// What the desktop program was asked for on its command line:
//   vandrel [--lang CODE] [--seed N] [FILE.flm]
//                                     play in language CODE; deal the first game from N; open
//                                     FILE at start-up
//   vandrel --help | --version        print and stop
// Shared by every desktop back end; knows no toolkit.
struct CommandLine {
  enum class Action { Play, Help, Version, Usage };

  Action action = Action::Play;
  std::optional<std::uint32_t> seed;  // --seed N
  std::string language;               // --lang CODE: the language asked for before the system's
  std::string file;                   // the saved game to open once the window runs
  std::string error;                  // with Usage: what was wrong, in a few words
};

// args: the arguments after the program's name, as the system hands them over (UTF-8).
// "--" ends the options, so a file whose name starts with "-" can be named after it.
CommandLine ParseCommandLine(std::span<const std::string> args);

// Prints what a Help, Version or Usage answer asks for (help and version to out, the one-line
// usage to err) and returns the exit status (0, 0, 2); nothing for Play.
std::optional<int> AnswerCommandLine(const CommandLine& line, std::ostream& out,
                                     std::ostream& err);
