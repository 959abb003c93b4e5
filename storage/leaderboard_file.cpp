#include "storage/leaderboard_file.h"

#include <algorithm>
#include <vector>

#include "platform/text_codec.h"
#include "storage/score_text.h"
#include "storage/text_scanner.h"

namespace {

// The lines of a list file, with what the reading of each needs to know.
struct ListLines {
  std::string text;                   // the file without its zero bytes
  std::vector<std::string_view> line;  // each line of text, without its line end
  // numbersFrom[i]: how many lines holding a number there are from line i on before the next
  // line that holds anything else, blank lines passed over. numbersFrom[line.size()] is 0.
  std::vector<std::size_t> numbersFrom;
  bool clean = true;  // no zero byte and no lone CR was met
};

bool HoldsNumber(std::string_view line, double& value) {
  TextScanner in(line);
  return in.ReadNumber(value);
}

bool HoldsNumberAlone(std::string_view line) {
  TextScanner in(line);
  double value = 0.0;
  if (!in.ReadNumber(value)) return false;
  in.SkipSpace();
  return in.AtEnd();
}

// Fills lines (made empty) from bytes. The line views point into lines.text, so lines is
// filled where it stays.
void SplitLines(std::string_view bytes, ListLines& lines) {
  lines.text.reserve(bytes.size());
  for (char c : bytes) {
    if (c != '\0') lines.text += c;
  }
  lines.clean = lines.text.size() == bytes.size();
  std::string_view rest = lines.text;
  while (!rest.empty()) {
    const std::size_t end = rest.find_first_of("\r\n");
    lines.line.push_back(rest.substr(0, end));
    if (end == std::string_view::npos) break;
    const bool crLf = rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n';
    if (rest[end] == '\r' && !crLf) lines.clean = false;
    rest.remove_prefix(end + (crLf ? 2 : 1));
  }
  lines.numbersFrom.assign(lines.line.size() + 1, 0);
  for (std::size_t i = lines.line.size(); i-- > 0;) {
    double value = 0.0;
    const std::string_view line = lines.line[i];
    if (line.empty()) lines.numbersFrom[i] = lines.numbersFrom[i + 1];
    else if (HoldsNumber(line, value)) lines.numbersFrom[i] = lines.numbersFrom[i + 1] + 1;
  }
}

// Reads the entries of a list, each a name line and then a score line, from the first line on.
class EntryReader {
 public:
  explicit EntryReader(ListLines& lines) : m_lines(lines) {}

  // Reads the next entry into entry; false when the lines have run out.
  bool Next(LeaderboardEntry& entry);
  // Whether any line that holds something is left.
  bool AnythingLeft() const;

 private:
  bool AtEnd() const { return m_at >= m_lines.line.size(); }
  std::string_view Line() const { return m_lines.line[m_at]; }
  // An odd count of numbers below line `at` pairs up only with `at` taken as one line of an
  // entry: a blank name line then is an empty name; an even count (none included) pairs up
  // among itself, so a blank name line is a stray one, and a line that holds no score is the
  // entry's spoilt score line rather than the next entry's name.
  bool OddNumbersBelow() const { return m_lines.numbersFrom[m_at + 1] % 2 == 1; }
  void ReadScore(LeaderboardEntry& entry);

  ListLines& m_lines;
  std::size_t m_at = 0;
};

bool EntryReader::Next(LeaderboardEntry& entry) {
  while (!AtEnd() && Line().empty() && !OddNumbersBelow()) {
    m_lines.clean = false;  // a stray blank line
    ++m_at;
  }
  if (AtEnd()) return false;
  if (Line().empty()) {
    m_lines.clean = false;
    entry.name = DEFAULT_NAME;
  } else {
    entry.name = Gb18030ToUtf8(Line());
  }
  ++m_at;
  ReadScore(entry);
  return true;
}

void EntryReader::ReadScore(LeaderboardEntry& entry) {
  if (AtEnd()) {
    m_lines.clean = false;  // a name without its score line
    return;
  }
  double score = 0.0;
  if (HoldsNumber(Line(), score)) {
    if (IsStorableScore(score)) entry.score = score;
    if (!HoldsNumberAlone(Line())) m_lines.clean = false;
    ++m_at;
    return;
  }
  m_lines.clean = false;
  if (!OddNumbersBelow()) {
    ++m_at;  // the entry's own spoilt score line
  } else if (Line().empty()) {
    while (!AtEnd() && Line().empty()) ++m_at;  // stray blank lines before the score
    ReadScore(entry);
  }
  // Else the line is the next entry's name, and this entry has no score line.
}

bool EntryReader::AnythingLeft() const {
  for (std::size_t i = m_at; i < m_lines.line.size(); ++i) {
    if (!m_lines.line[i].empty()) return true;
  }
  return false;
}

// The name as it goes on disk: never empty, never with a line end or a zero byte in it.
std::string DiskName(const std::string& name) {
  std::string text = name.empty() ? std::string(DEFAULT_NAME) : name;
  for (char& c : text) {
    if (c == '\r' || c == '\n' || c == '\0') c = ' ';
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

bool ParseLeaderboard(std::string_view bytes, Leaderboard& board) {
  ListLines lines;
  SplitLines(bytes, lines);
  EntryReader reader(lines);
  for (LeaderboardEntry& entry : board.entries) {
    if (!reader.Next(entry)) break;
  }
  if (reader.AnythingLeft()) lines.clean = false;
  std::stable_sort(board.entries.begin(), board.entries.end(),
                   [](const LeaderboardEntry& a, const LeaderboardEntry& b) { return a.score > b.score; });
  return lines.clean;
}
