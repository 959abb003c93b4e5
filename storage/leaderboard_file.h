#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "storage/leaderboard.h"

// The text of "list.txt": twenty lines, each entry's name and then its score rounded to a
// whole number, every line closed by CR LF, names in GB18030 (GBK for every GBK character).

constexpr const char* LEADERBOARD_FILE_NAME = "list.txt";

// Only the start of a larger file is read; ten names and scores never come near it.
constexpr std::size_t LEADERBOARD_MAX_BYTES = 1u << 20;

// The file's bytes for board. An empty name is written as the default name, and line ends and
// zero bytes inside a name as spaces, so that no name can cut the file short or shift the
// lines below it.
std::string FormatLeaderboard(const Leaderboard& board);

// Fills board from the file's bytes and sorts it best first (an equal score keeps its place
// in the file). Every entry the bytes hold is read, whatever a damaged file looks like: CR LF,
// LF and a lone CR all end a line, zero bytes are passed over, and a blank line counts as an
// empty name (read as the default name) or an empty score line only where the numbers below it
// pair up that way, else as a stray line. A score line that does not start with a number (or
// holds one no score can be) keeps the entry's score, and so does a name without a score line
// at the end. Lines after the tenth entry are not read; entries the bytes do not reach keep
// their values.
// True when the bytes are a list as it is written (with CR LF or LF line ends, fractional
// scores and fewer than ten entries allowed), so that writing the board back loses nothing of
// them; false when anything had to be passed over or repaired.
bool ParseLeaderboard(std::string_view bytes, Leaderboard& board);
