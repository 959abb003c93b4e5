// vandrel.exe: the game on Windows; `vandrel.exe --help` tells the command line. The program
// ends when the game window closes.

#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/game_app.h"
#include "app/language_choice.h"
#include "res/catalogue.h"
#include "platform/types.h"
#include "frontends/win32/native_services.h"
#include "frontends/win32/win32_framework.h"
#include "platform/windows/wide_text.h"

namespace {

// A program without a console answers --help, --version and a wrong command line in a message
// box: the help and version as information, the usage as an error.
std::optional<int> AnswerInMessageBox(const CommandLine& line) {
  std::ostringstream out;
  std::ostringstream err;
  const std::optional<int> status = AnswerCommandLine(line, out, err);
  if (!status) return status;
  const bool error = !err.str().empty();
  NativeMessageBox(nullptr, WidenUtf8(error ? err.str() : out.str()), L"Vandrel",
                   error ? MB_ICONERROR : MB_ICONINFORMATION);
  return status;
}

}  // namespace

int main() {
  std::vector<std::string> args;
  for (const std::wstring& arg : NativeCommandLineArguments()) args.push_back(NarrowToUtf8(arg));
  const CommandLine line = ParseCommandLine(args);
  if (const std::optional<int> status = AnswerInMessageBox(line)) return *status;
  // The environment's languages first, as gettext's programs on Windows read them (under Wine
  // they are the Unix session's), then the user's display languages.
  std::vector<std::string> languages = EnvironmentLanguages(std::getenv);
  for (const std::wstring& name : NativeUserLanguages()) languages.push_back(NarrowToUtf8(name));
  UseLanguageOf(line, languages);
  NativeUseUiLanguage(WidenUtf8(LanguageCode(TextLanguage())));
  NativeInitCommonControls();
  Win32Framework framework;
  CGameApp app(framework, line);
  app.InitInstance();
  return 0;
}
