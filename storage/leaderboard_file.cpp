#include "storage/leaderboard_file.h"

#include "platform/text_codec.h"
#include "storage/score_text.h"
#include "storage/text_scanner.h"

namespace {

constexpr std::size_t READ_BLOCK = 1023;

// The text as the file was always read: CR LF taken as LF, then blocks of 1023 characters,
// each of which ends at its first zero byte.
std::string TextOf(std::string_view bytes) {
  std::string lines;
  lines.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    lines += bytes[i];
  }
  std::string text;
  text.reserve(lines.size());
  for (std::size_t start = 0; start < lines.size(); start += READ_BLOCK) {
    const std::string_view block = std::string_view(lines).substr(start, READ_BLOCK);
    text += block.substr(0, block.find('\0'));
  }
  return text;
}

// Takes the first line off rest (without its line end); the whole rest when it has none.
std::string_view TakeLine(std::string_view& rest) {
  const std::size_t end = rest.find('\n');
  const std::string_view line = rest.substr(0, end);
  rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  return line;
}

// The name as it goes on disk: never empty, never with a line end in it.
std::string DiskName(const std::string& name) {
  std::string text = name.empty() ? std::string(DEFAULT_NAME) : name;
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return Utf8ToGb18030(text);
}

}  // namespace

std::string FormatLeaderboard(const Leaderboard& board) {
  std::string bytes;
  for (const LeaderboardEntry& entry : board.entries) {
    bytes += DiskName(entry.name);
    bytes += "\r\n";
    bytes += FormatScore(entry.score);
    bytes += "\r\n";
  }
  return bytes;
}

void ParseLeaderboard(std::string_view bytes, Leaderboard& board) {
  const std::string text = TextOf(bytes);
  std::string_view rest = text;
  for (LeaderboardEntry& entry : board.entries) {
    const std::string_view name = TakeLine(rest);
    if (name.empty()) return;
    entry.name = Gb18030ToUtf8(name);
    // The score is looked for in its own line only, so a blank-looking score line never takes
    // the number of the next entry's name.
    const std::string_view scoreLine = TakeLine(rest);
    if (scoreLine.empty()) return;
    TextScanner in(scoreLine);
    double score = 0.0;
    if (in.ReadNumber(score) && IsStorableScore(score)) entry.score = score;
  }
}
