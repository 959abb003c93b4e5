#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "game/game_position.h"

// The text of a saved game (".flm"): the header "[state][score][fastForward][queue 0][queue 1]
// [queue 2][current]" with no line end, then the 256 squares in board order, each record
// closed by CR LF.

// Saved games larger than this are refused unread; a real one is about 85 KB.
constexpr std::size_t SAVED_GAME_MAX_BYTES = 8u << 20;

// Appends the whole file for position to out.
void FormatSavedGame(const GamePosition& position, std::string& out);

// Reads a whole file. True only when every field is present, well formed and inside the limits
// of the game (state 0..2, fast-forward 0 or 1, dealt piece kinds 0..13, a finite whole-number
// score, cells as ReadCellText checks them) and nothing but white space follows the 256th
// record. position is written even when it fails: read into a scratch value and hand it to the
// game only on success.
bool ParseSavedGame(std::string_view text, GamePosition& position);

// Writes position to path; an existing file is replaced only by a complete new one. False when
// anything failed.
bool WriteSavedGame(const std::string& path, const GamePosition& position);
// Reads the saved game at path into position. False, with position untouched, when the file
// cannot be read or is not a complete, valid saved game.
bool ReadSavedGame(const std::string& path, GamePosition& position);
