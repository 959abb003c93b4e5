#pragma once

#include <array>
#include <string>

// The ten best results, best first. Names are UTF-8 in memory.
struct LeaderboardEntry {
  std::string name;
  double score = 0.0;
  bool operator==(const LeaderboardEntry&) const = default;
};

inline constexpr const char* DEFAULT_NAME = "佚名";
constexpr int LEADERBOARD_SIZE = 10;

// One change a game makes to the leaderboard: a new entry, or the whole board cleared.
struct LeaderboardEdit {
  bool clear = false;
  std::string name;  // the new entry, when not a clear
  double score = 0.0;
};

struct Leaderboard {
  std::array<LeaderboardEntry, LEADERBOARD_SIZE> entries;

  Leaderboard() { ClearLeaderboard(); }
  // Every entry becomes the default name with score 0.
  void ClearLeaderboard();
  // Whether score would enter: strictly better than the tenth entry.
  bool Qualifies(double score) const;
  // Puts (name, score) into its place; an equal earlier score keeps the higher place and the
  // tenth entry drops out.
  void InsertScore(const std::string& name, double score);
  // Applies one edit: a clear empties the board; a new entry goes in only where it still
  // qualifies, so a board that has meanwhile filled with better scores keeps them.
  void ApplyEdit(const LeaderboardEdit& edit);
};
