#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "game/game_position.h"
#include "game/game_state.h"
#include "model/board.h"

// The text of a saved game (".flm"): the header "[state][score][fastForward][queue 0][queue 1]
// [queue 2][current]" with no line end, then the 256 squares in board order, each record
// closed by CR LF.

// The game's fields a saved game holds besides the board.
struct SavedGameHeader {
  int state = Playing;
  double score = 0.0;
  int fastForward = 0;
  std::array<int, 3> queue{};
  int current = 0;

  bool operator==(const SavedGameHeader&) const = default;
};

// The header fields of a game's position, and a position from a header and a board.
SavedGameHeader HeaderOf(const GamePosition& position);
void ApplyHeader(const SavedGameHeader& header, GamePosition& position);

// Saved games larger than this are refused unread; a real one is about 85 KB.
constexpr std::size_t SAVED_GAME_MAX_BYTES = 8u << 20;

// Appends the whole file for header and board to out.
void FormatSavedGame(const SavedGameHeader& header, const Board& board, std::string& out);

// Reads a whole file. True only when every field is present, well formed and inside the limits
// of the game (state 0..2, fast-forward 0 or 1, dealt piece kinds 0..13, a finite whole-number
// score, cells as PipeCell::ReadText checks them) and nothing but white space follows the 256th
// record. header and board are written even when it fails: read into scratch values and copy
// them to the game only on success.
bool ParseSavedGame(std::string_view text, SavedGameHeader& header, Board& board);

// Writes position to path; an existing file is replaced only by a complete new one. False when
// anything failed.
bool WriteSavedGame(const std::string& path, const GamePosition& position);
// Reads the saved game at path into position. False, with position untouched, when the file
// cannot be read or is not a complete, valid saved game.
bool ReadSavedGame(const std::string& path, GamePosition& position);
