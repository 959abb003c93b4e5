#pragma once

// Helpers of the tests of "list.txt": its bytes and how a board reads back from them.

#include <cmath>
#include <string>

#include "platform/text_codec.h"
#include "storage/leaderboard_file.h"

inline const std::string YIMING_GBK = "\xD8\xFD\xC3\xFB";  // 佚名

inline std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

// Whether the system converts GB18030 itself. Wine has no code page 54936 and stands in GBK
// (code page 936): characters beyond GBK are written as "?" there, and "—" reads back as "―".
inline bool SystemHasGb18030() { return Gb18030ToUtf8("\x81\x30\x81\x30") == "\u0080"; }

inline Leaderboard Parsed(const std::string& bytes) {
  Leaderboard board;
  ParseLeaderboard(bytes, board);
  return board;
}

// The score of the entry named name, or NaN when there is none.
inline double ScoreOf(const Leaderboard& board, const std::string& name) {
  for (const LeaderboardEntry& entry : board.entries) {
    if (entry.name == name) return entry.score;
  }
  return std::nan("");
}
