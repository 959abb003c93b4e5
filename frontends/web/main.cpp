// The game in the browser: the page (page/index.html) starts this program with the options of
// its address (?seed=N gives --seed N, ?lang=CODE --lang CODE) once its file system is
// filled. The program speaks the first of those languages and the browser's it has, and tells
// the page its words. The program ends when the game window closes; the page then says so.

#include <cstdlib>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/game_app.h"
#include "app/language_choice.h"
#include "frontends/web/page_bridge.h"
#include "frontends/web/page_description.h"
#include "frontends/web/web_framework.h"

namespace {

std::vector<std::string> BrowserLanguages() {
  char* list = page_languages();
  std::vector<std::string> languages;
  std::string_view rest = list;
  while (!rest.empty()) {
    const std::size_t comma = rest.find(',');
    if (comma != 0) languages.emplace_back(rest.substr(0, comma));
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
  }
  std::free(list);
  return languages;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  CommandLine line = ParseCommandLine(args);
  // A page has no console to print help on: whatever else it was asked, it plays.
  if (line.action != CommandLine::Action::Play) line = CommandLine{};
  UseLanguageOf(line, BrowserLanguages());
  page_use_texts(PageTextsJson().c_str());
  WebFramework framework;
  CGameApp app(framework, line);
  app.InitInstance();
  page_program_ended();
  return 0;
}
