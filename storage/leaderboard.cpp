#include "storage/leaderboard.h"

void Leaderboard::ClearLeaderboard() {
  for (LeaderboardEntry& entry : entries) entry = LeaderboardEntry{DEFAULT_NAME, 0.0};
}

bool Leaderboard::Qualifies(double score) const { return score > entries.back().score; }

void Leaderboard::InsertScore(const std::string& name, double score) {
  int k = LEADERBOARD_SIZE - 1;
  while (k > 0 && entries[k - 1].score < score) {
    entries[k] = entries[k - 1];
    --k;
  }
  entries[k] = LeaderboardEntry{name, score};
}

void Leaderboard::ApplyEdit(const LeaderboardEdit& edit) {
  if (edit.clear) {
    ClearLeaderboard();
  } else if (Qualifies(edit.score)) {
    InsertScore(edit.name, edit.score);
  }
}
