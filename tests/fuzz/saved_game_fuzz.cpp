// libFuzzer target: the saved-game reader on arbitrary bytes, read from a file as the game reads
// it. Besides never crashing, whatever it accepts must write back as a file that reads the same
// and writes the same bytes again.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "storage/saved_game.h"
#include "storage/score_text.h"
#include "tests/fuzz/through_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto board = std::make_unique<Board>();
  static const auto again = std::make_unique<Board>();
  const std::string text = ThroughFile(data, size, SAVED_GAME_MAX_BYTES);
  SavedGameHeader header;
  if (text.size() > SAVED_GAME_MAX_BYTES || !ParseSavedGame(text, header, *board)) return 0;
  std::string written;
  FormatSavedGame(header, *board, written);
  SavedGameHeader reread;
  if (!ParseSavedGame(written, reread, *again)) std::abort();
  // The score is written rounded, so only its written form must survive.
  if (FormatScore(reread.score) != FormatScore(header.score)) std::abort();
  reread.score = header.score;
  if (!(reread == header)) std::abort();
  for (int i = 0; i < BOARD_CELLS; ++i) {
    if (!(*again)[i].SameContents((*board)[i])) std::abort();
  }
  std::string rewritten;
  FormatSavedGame(reread, *again, rewritten);
  if (rewritten != written) std::abort();
  return 0;
}
