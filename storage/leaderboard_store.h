#pragma once

#include <string>
#include <vector>

#include "storage/leaderboard.h"

// How a game window keeps "list.txt" in step with its leaderboard. Every write takes the
// file's lock, reads the file as it stands, applies this game's changes that are not in it
// yet, in order, and replaces it whole; so games running side by side keep each other's
// entries, and a change is on disk as soon as it is made.
struct LeaderboardStore {
  // Where list.txt is read and written for the whole run, chosen at the first read or write:
  // beside the program when it can be written there, else in the user's data folder.
  std::string path;
  // This game's changes that have not reached the file yet, oldest first.
  std::vector<LeaderboardEdit> unwritten;
  // A write that failed has been reported (once a run) on standard error.
  bool failureReported = false;
};
