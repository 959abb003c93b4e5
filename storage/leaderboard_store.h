#pragma once

#include <string>

#include "storage/leaderboard.h"

// Where the game keeps its "list.txt", and reading and writing it there. programDir is the
// folder of the program's executable with its trailing separator (empty: the current folder).

// Fills leaderboard from the list: the copy in the user's data folder when there is one, else
// the one beside the executable. Entries the file does not fill keep their value.
void LoadLeaderboard(const std::string& programDir, Leaderboard& leaderboard);
// Writes leaderboard to the list beside the executable, or to the user's data folder when that
// folder cannot be written. Nothing is reported.
void StoreLeaderboard(const std::string& programDir, const Leaderboard& leaderboard);
