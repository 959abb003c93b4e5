#pragma once

#include <string>
#include <vector>

#include "storage/leaderboard.h"

// How a game window keeps "list.txt" in step with its leaderboard. Every write takes the
// file's lock, reads the file as it stands, applies this game's changes that are not in it
// yet, in order, and replaces it whole; so games running side by side keep each other's
// entries, and a change is on disk as soon as it is made. programDir is the folder of the
// program's executable with its trailing separator (empty: the current folder).
class LeaderboardStore {
 public:
  // Fills board from the list; the place is chosen now and kept for the run. Entries the file
  // does not fill keep their value; a file that is missing or cannot be read leaves them all.
  void Read(const std::string& programDir, Leaderboard& board);
  // Makes one change to board (a new entry, or a clear) and writes it at once.
  void Change(const std::string& programDir, const LeaderboardEdit& edit, Leaderboard& board);
  // Writes the file under its lock; board becomes the merged board. A failure is said once a
  // run on standard error, and the changes wait for the next write.
  void Write(const std::string& programDir, Leaderboard& board);

 private:
  void ChoosePlace(const std::string& programDir);

  // Where list.txt is read and written for the whole run: beside the program when it can be
  // written there and the program is not an installed one, else in the user's data folder.
  std::string m_path;
  // This game's changes that have not reached the file yet, oldest first.
  std::vector<LeaderboardEdit> m_unwritten;
  bool m_failureReported = false;
};
