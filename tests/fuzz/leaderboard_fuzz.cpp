// libFuzzer target: the leaderboard reader on arbitrary bytes, read from a file as the game
// reads it (only its first LEADERBOARD_MAX_BYTES count). Besides never crashing, the
// board it reads must write a file that reads back whole, to the same file: one pass settles
// every damaged name and fractional score for good.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "storage/leaderboard_file.h"
#include "tests/fuzz/through_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Leaderboard board;
  std::string text = ThroughFile(data, size, LEADERBOARD_MAX_BYTES);
  text.resize(std::min(text.size(), LEADERBOARD_MAX_BYTES));
  ParseLeaderboard(text, board);
  const std::string written = FormatLeaderboard(board);
  Leaderboard reread;
  if (!ParseLeaderboard(written, reread) || FormatLeaderboard(reread) != written) std::abort();
  return 0;
}
