// libFuzzer target: the leaderboard reader on arbitrary bytes. Besides never crashing, the
// board it reads must write a file that reads back to the same file: one pass settles every
// damaged name and fractional score for good.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "storage/leaderboard_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Leaderboard board;
  ParseLeaderboard(std::string_view(reinterpret_cast<const char*>(data), size), board);
  const std::string written = FormatLeaderboard(board);
  Leaderboard reread;
  ParseLeaderboard(written, reread);
  if (FormatLeaderboard(reread) != written) std::abort();
  return 0;
}
