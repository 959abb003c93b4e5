#include <memory>

#include "platform/file_bytes.h"
#include "storage/saved_game.h"

bool WriteSavedGame(const std::string& path, const GamePosition& position) {
  std::string text;
  FormatSavedGame(HeaderOf(position), position.board, text);
  return WriteFileAtomically(path, text);
}

bool ReadSavedGame(const std::string& path, GamePosition& position) {
  std::string text;
  if (!ReadFileBytes(path, SAVED_GAME_MAX_BYTES + 1, text) || text.size() > SAVED_GAME_MAX_BYTES) {
    return false;
  }
  // The file is read into a separate position (on the heap: a board is 100 KB) so that the
  // game changes only when the whole file has been read and checked.
  auto scratch = std::make_unique<GamePosition>();
  SavedGameHeader header;
  if (!ParseSavedGame(text, header, scratch->board)) return false;
  ApplyHeader(header, *scratch);
  position = *scratch;
  return true;
}
