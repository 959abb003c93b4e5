// vandrel.exe: the game on Windows. The program ends when the game window closes.
//
// Usage: vandrel.exe [--seed N]
//   --seed N   start with the board that seed N deals, instead of one from the clock

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/game_app.h"
#include "platform/win32/native_services.h"
#include "platform/win32/win32_framework.h"
#include "platform/windows/wide_text.h"

namespace {

// The seed of "--seed N", N a whole number; none when absent or not a number.
std::optional<std::int64_t> SeedArgument(const std::vector<std::wstring>& arguments) {
  for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
    if (arguments[i] != L"--seed") continue;
    const std::string text = NarrowToUtf8(arguments[i + 1]);
    std::int64_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return seed;
  }
  return std::nullopt;
}

}  // namespace

int main() {
  NativeInitCommonControls();
  Win32Framework framework(SeedArgument(NativeCommandLineArguments()));
  CGameApp app(framework);
  app.InitInstance();
  return 0;
}
