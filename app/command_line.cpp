#include "app/command_line.h"

#include <charconv>
#include <string_view>

#include "res/catalogue.h"

#ifndef VANDREL_VERSION
#define VANDREL_VERSION "unknown"
#endif
#ifndef VANDREL_COPYRIGHT
#error "VANDREL_COPYRIGHT comes from the build (packaging/identity.cmake)"
#endif

namespace {

constexpr std::string_view USAGE = "usage: vandrel [--lang CODE] [--seed N] [FILE.flm]";

constexpr std::string_view HELP_TEXT =
    "Vandrel, a pipe-laying puzzle game.\n"
    "\n"
    "  FILE.flm    open this saved game right after start-up\n"
    "  --lang CODE speak this language if the game has it (";

// After the list of languages.
constexpr std::string_view HELP_TEXT_END =
    "), before the\n"
    "              ones the system names (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, then\n"
    "              on Windows the display languages); when it has none of them, the\n"
    "              game speaks Chinese\n"
    "  --seed N    deal the first game from N (0 to 4294967295), the same game\n"
    "              vandrel-play deals after \"seed N\" and \"new\"\n"
    "  --help      show this help and exit\n"
    "  --version   show the version and exit\n"
    "\n"
    "Keys of the game window, besides the mouse:\n"
    "  Left, Right, Up, Down   show the board cursor, then move it one square\n"
    "  Enter (Return)          lay the piece in hand on the cursor's square\n"
    "  Del, Backspace          take the piece on the cursor's square off\n"
    "  D                       throw the piece in hand away\n"
    "  F                       switch fast-forward on or off\n"
    "  Space, P                pause the game, and resume it\n"
    "  Esc                     end the program (the game in progress is not saved)\n"
    "On a touch screen a tap lays the piece or presses a button, and a long press\n"
    "(half a second) takes a piece off.\n";

// After the version, as GNU programs tell theirs: who holds the copyright and on what terms.
constexpr std::string_view LICENCE_TEXT =
    "MIT licence: this is free software; you are free to change and pass it on,\n"
    "keeping the copyright line and the licence (the file LICENSE) with it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

// A whole decimal number that fits 32 bits, nothing else.
std::optional<std::uint32_t> ParseSeed(std::string_view text) {
  std::uint32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, problem] = std::from_chars(text.data(), end, value);
  if (text.empty() || problem != std::errc() || stop != end) return std::nullopt;
  return value;
}

// "en, zh_CN": the codes of every language the program has.
std::string LanguageList() {
  std::string list;
  for (int language = 0; language < LanguageCount(); ++language) {
    if (language > 0) list += ", ";
    list += LanguageCode(language);
  }
  return list;
}

// The value of an option given as "--name value" or "--name=value"; false when it is missing.
bool OptionValue(std::span<const std::string> args, std::size_t& i, std::string_view& value) {
  const std::string_view arg = args[i];
  if (arg.find('=') != std::string_view::npos) {
    value = arg.substr(arg.find('=') + 1);
    return true;
  }
  if (i + 1 >= args.size()) return false;
  value = args[++i];
  return true;
}

CommandLine Usage(std::string error) {
  CommandLine line;
  line.action = CommandLine::Action::Usage;
  line.error = std::move(error);
  return line;
}

}  // namespace

CommandLine ParseCommandLine(std::span<const std::string> args) {
  CommandLine line;
  bool options = true;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (options && arg == "--") {
      options = false;
    } else if (options && (arg == "--help" || arg == "-h")) {
      line.action = CommandLine::Action::Help;
      return line;
    } else if (options && arg == "--version") {
      line.action = CommandLine::Action::Version;
      return line;
    } else if (options && (arg == "--seed" || arg.starts_with("--seed="))) {
      std::string_view value;
      if (!OptionValue(args, i, value)) return Usage("--seed needs a number");
      line.seed = ParseSeed(value);
      if (!line.seed) return Usage("--seed takes a whole number from 0 to 4294967295");
    } else if (options && (arg == "--lang" || arg.starts_with("--lang="))) {
      std::string_view value;
      if (!OptionValue(args, i, value) || value.empty()) {
        return Usage("--lang needs a language code, as en or zh_CN");
      }
      line.language = value;
    } else if (options && arg.size() > 1 && arg[0] == '-') {
      return Usage("unknown option '" + std::string(arg) + "'");
    } else if (!line.file.empty()) {
      return Usage("only one saved game can be opened");
    } else {
      line.file = arg;
    }
  }
  return line;
}

std::optional<int> AnswerCommandLine(const CommandLine& line, std::ostream& out,
                                     std::ostream& err) {
  switch (line.action) {
    case CommandLine::Action::Play:
      return std::nullopt;
    case CommandLine::Action::Help:
      out << USAGE << "\n\n" << HELP_TEXT << LanguageList() << HELP_TEXT_END;
      return 0;
    case CommandLine::Action::Version:
      out << "vandrel " << VANDREL_VERSION << "\n" << VANDREL_COPYRIGHT << "\n" << LICENCE_TEXT;
      return 0;
    case CommandLine::Action::Usage:
      break;
  }
  err << "vandrel: " << line.error << "; " << USAGE << " (--help for more)\n";
  return 2;
}
