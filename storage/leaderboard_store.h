#pragma once

#include <string>
#include <vector>

#include "storage/leaderboard.h"

// What became of one write of "list.txt".
enum class LeaderboardWrite {
  Written,  // the file holds every change of this game
  Busy,     // another game held the lock all the while this write could wait: the changes wait
  Failed,   // the file could not be written: the changes wait for the next write
};

// How a game window keeps "list.txt" in step with its leaderboard. Every write takes the
// file's lock, reads the file as it stands, applies this game's changes that are not in it
// yet, in order, and replaces it whole; so games running side by side keep each other's
// entries, and a change is on disk as soon as the lock allows. Nothing is ever written without
// the lock. programDir is the folder of the program's executable with its trailing separator
// (empty: the current folder).
class LeaderboardStore {
 public:
  // Fills board from the list; the place is chosen now and kept for the run. Entries the file
  // does not fill keep their value; a file that is missing or cannot be read leaves them all.
  // A list kept in the user's data folder because the one beside the program cannot be
  // written starts from the entries of that one.
  void Read(const std::string& programDir, Leaderboard& board);
  // Makes one change to board (a new entry, or a clear) and writes it at once, waiting for the
  // lock no longer than a player can notice (Busy after that).
  LeaderboardWrite Change(const std::string& programDir, const LeaderboardEdit& edit,
                          Leaderboard& board);
  // Writes the file, waiting at most lockWaitMs for its lock. Written: board becomes the
  // merged board. Otherwise board keeps its entries and the changes wait for the next write; a
  // failure is said once a run on standard error. A damaged file is written over only once
  // its bytes are kept beside it as PATH.damaged (made once, never overwritten), and a file
  // that cannot be read is never written over.
  LeaderboardWrite Write(const std::string& programDir, Leaderboard& board, int lockWaitMs);
  // Whether changes of this game wait to be written.
  bool Waiting() const { return !m_unwritten.empty(); }

 private:
  void ChoosePlace(const std::string& programDir);
  // Reads the file under its lock into merged and applies the waiting changes; false when the
  // file must not be written over.
  bool Merge(Leaderboard& merged) const;
  LeaderboardWrite Failed();

  // Where list.txt is read and written for the whole run: beside the program when it can be
  // written there and the program is not an installed one, else in the user's data folder.
  std::string m_path;
  // The list beside the program, when m_path is elsewhere: read while m_path has no file yet.
  std::string m_seedPath;
  // This game's changes that have not reached the file yet, oldest first.
  std::vector<LeaderboardEdit> m_unwritten;
  bool m_failureReported = false;
};
