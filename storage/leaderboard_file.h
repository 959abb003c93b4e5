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

// The file's bytes for board. An empty name is written as the default name and line ends
// inside a name as spaces, so that no name can cut the file short or shift the lines below it.
std::string FormatLeaderboard(const Leaderboard& board);

// Fills board from the file's bytes, entry by entry in file order, without sorting. CR LF
// reads as LF; the bytes are taken in blocks of 1023, each cut at its first zero byte. Reading
// stops at an empty name line or score line; a name without a score line keeps the entry's
// score; a score line that does not start with a number (or holds one no score can be) keeps
// it too. Entries the text does not reach keep their values.
void ParseLeaderboard(std::string_view bytes, Leaderboard& board);
