// The saved-game text: the bytes the game writes, what the reader tolerates and what it
// refuses.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/piece_catalogue.h"
#include "storage/leaderboard_file.h"
#include "storage/saved_game.h"
#include "storage/score_text.h"

namespace {

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

const std::string EMPTY_RECORD = "[-1]" + Repeat("[0][0][-1][-1][-1]", 18) + "[0]";

// Everything a test needs to read a text: scratch header and board.
struct Parsed {
  SavedGameHeader header;
  std::unique_ptr<Board> board = std::make_unique<Board>();
  bool ok = false;
  explicit Parsed(const std::string& text) { ok = ParseSavedGame(text, header, *board); }
};

// A small position: a wet source with water under way, a joined crossing, the rest empty.
struct Position {
  SavedGameHeader header{Paused, 1234, 1, {3, 12, 5}, 7};
  std::unique_ptr<Board> board = std::make_unique<Board>();
  Position() {
    PipeCell& cross = (*board)[CellIndex(2, 3)];
    cross.CopyFrom(PieceCatalogue[PIECE_VERTICAL]);
    cross.Join(PieceCatalogue[PIECE_HORIZONTAL]);
    cross.nodes[PORT_TOP].fill = FILL_WET;
    cross.nodes[4].fill = FILL_ARRIVING;
    cross.front = {0, 4, 0, 0, 0, 0, 0, 0};
    cross.frontCount = 2;
  }
  std::string Text() const {
    std::string text;
    FormatSavedGame(header, *board, text);
    return text;
  }
};

TEST(SavedGameText, EmptyBoardIsTheHeaderThen256RecordsWithCrLf) {
  auto board = std::make_unique<Board>();
  std::string text;
  FormatSavedGame(SavedGameHeader{Playing, 10, 0, {3, 12, 5}, 7}, *board, text);
  ASSERT_EQ(EMPTY_RECORD.size(), 331u);
  EXPECT_EQ(text, "[0][10][0][3][12][5][7]" + Repeat(EMPTY_RECORD + "\r\n", 256));
}

TEST(SavedGameText, ScoreIsWrittenRoundedAndReadWithFractionOrExponent) {
  auto board = std::make_unique<Board>();
  std::string text;
  FormatSavedGame(SavedGameHeader{Over, 12.7, 0, {0, 13, 6}, 13}, *board, text);
  EXPECT_TRUE(text.starts_with("[1][13][0][0][13][6][13][-1]")) << text.substr(0, 30);
  text.clear();
  FormatSavedGame(SavedGameHeader{Over, -37.2, 0, {0, 13, 6}, 13}, *board, text);
  EXPECT_TRUE(text.starts_with("[1][-37][0][0][13][6][13][-1]")) << text.substr(0, 30);

  const std::string records = Repeat(EMPTY_RECORD + "\r\n", 256);
  for (const auto& [written, value] : {std::pair<std::string, double>{"1.5e2", 150.0},
                                       {"+42", 42.0},
                                       {"-0.75", -0.75},
                                       {"  12.", 12.0}}) {
    Parsed parsed("[0][" + written + "][0][1][2][3][4]" + records);
    ASSERT_TRUE(parsed.ok) << written;
    EXPECT_EQ(parsed.header.score, value) << written;
  }
}

// Whatever the score has come to, both files write it so that it reads back: whole numbers past
// 2^53 (where one water step can push a score), up to the largest finite double, either sign.
TEST(SavedGameText, EveryScoreTheWritersCanProduceReadsBack) {
  std::vector<double> scores = {0.0,     -0.0,    1.0,     -1.0,    0x1p53 - 1, 0x1p53,
                                0x1p53 + 2, -0x1p53 - 2, 0x1p63, 1e300, -1e300,
                                std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::lowest(),
                                std::numeric_limits<double>::denorm_min(), 12.5, -7.5};
  std::mt19937_64 random(2024);
  while (scores.size() < 1000) {
    const double score = std::bit_cast<double>(random());
    if (std::isfinite(score)) scores.push_back(score);
  }
  Position position;
  for (const double score : scores) {
    position.header.score = score;
    const Parsed parsed(position.Text());
    ASSERT_TRUE(parsed.ok) << score;
    EXPECT_EQ(FormatScore(parsed.header.score), FormatScore(score)) << score;
    if (std::trunc(score) == score) {
      EXPECT_EQ(parsed.header.score, score);
    }

    Leaderboard board;  // every entry, so that the score leads the list whatever its sign
    for (LeaderboardEntry& entry : board.entries) entry.score = score;
    Leaderboard reread;
    ParseLeaderboard(FormatLeaderboard(board), reread);
    EXPECT_EQ(FormatScore(reread.entries[0].score), FormatScore(score)) << score;
  }
}

TEST(SavedGameText, LineEndsMayBeCrLfLoneLfOrMissingAndNumbersMayFollowSpace) {
  const Position position;
  const std::string crlf = position.Text();
  std::string lf;
  std::string none;
  std::string spaced;
  for (char c : crlf) {
    if (c != '\r') lf += c;
    if (c != '\r' && c != '\n') none += c;
    spaced += c;
    if (c == '[') spaced += " \t";
  }
  for (const std::string& text : {crlf, lf, none, spaced, crlf + " \r\n\t\n"}) {
    const Parsed parsed(text);
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(parsed.header, position.header);
    for (int i = 0; i < BOARD_CELLS; ++i) {
      EXPECT_TRUE((*parsed.board)[i].SameContents((*position.board)[i])) << "square " << i;
    }
  }
}

TEST(SavedGameText, RefusesValuesOutsideTheLimitsOfTheGame) {
  const std::string records = Repeat(EMPTY_RECORD + "\r\n", 256);
  EXPECT_TRUE(Parsed("[2][0][1][13][0][0][0]" + records).ok);
  for (const char* header :
       {"[3][0][0][0][0][0][0]", "[-1][0][0][0][0][0][0]", "[0][0][2][0][0][0][0]",
        "[0][0][0][14][0][0][0]", "[0][0][0][0][-1][0][0]", "[0][0][0][0][0][0][14]",
        "[0][nan][0][0][0][0][0]", "[0][inf][0][0][0][0][0]", "[0][1e400][0][0][0][0][0]",
        "[0][0][0][0][0][0][99999999999]",
        "[0][0x10][0][0][0][0][0]"}) {
    EXPECT_FALSE(Parsed(header + records).ok) << header;
  }

  // The first record with one node (or the code, or the front) at its last valid value is
  // read; one step past it is not.
  const std::string header = "[0][10][0][3][12][5][7]";
  const std::string rest = Repeat(EMPTY_RECORD + "\r\n", 255);
  const std::string blank = "[0][0][-1][-1][-1]";
  const auto record = [&](const std::string& code, const std::string& node,
                          const std::string& front) {
    return header + code + Repeat(blank, 17) + node + front + "\r\n" + rest;
  };
  const std::pair<std::string, std::string> codes[] = {{"[-3]", "[-4]"}, {"[16]", "[17]"}};
  for (const auto& [good, bad] : codes) {
    EXPECT_TRUE(Parsed(record(good, blank, "[0]")).ok) << good;
    EXPECT_FALSE(Parsed(record(bad, blank, "[0]")).ok) << bad;
  }
  const std::pair<std::string, std::string> nodes[] = {
      {"[65][0][-1][-1][-1]", "[66][0][-1][-1][-1]"},
      {"[0][2][-1][-1][-1]", "[0][3][-1][-1][-1]"},
      {"[1][0][17][-1][-1]", "[1][0][18][-1][-1]"},
      {"[1][0][-1][-1][0]", "[1][0][-1][-1][-2]"},
      {"[0][0][-1][-1][-1]", "[-1][0][-1][-1][-1]"}};
  for (const auto& [good, bad] : nodes) {
    EXPECT_TRUE(Parsed(record("[-1]", good, "[0]")).ok) << good;
    EXPECT_FALSE(Parsed(record("[-1]", bad, "[0]")).ok) << bad;
  }
  EXPECT_TRUE(Parsed(record("[-1]", blank, "[8][0][1][2][3][4][5][6][17]")).ok);
  EXPECT_FALSE(Parsed(record("[-1]", blank, "[9][0][1][2][3][4][5][6][7][8]")).ok);
  EXPECT_FALSE(Parsed(record("[-1]", blank, "[1][18]")).ok);
  EXPECT_FALSE(Parsed(record("[-1]", blank, "[-1]")).ok);
}

TEST(SavedGameText, RefusesAnythingButACompleteFile) {
  const std::string text = Position().Text();
  EXPECT_FALSE(Parsed("").ok);
  EXPECT_FALSE(Parsed(" \r\n").ok);
  EXPECT_FALSE(Parsed(text.substr(0, text.size() - 3)).ok);  // last "]" of the last record gone
  EXPECT_FALSE(Parsed(text + "[").ok);
  EXPECT_FALSE(Parsed(text + "x").ok);
  EXPECT_FALSE(Parsed(text + EMPTY_RECORD).ok);  // a 257th record
  EXPECT_FALSE(Parsed(" " + text).ok);
  // A space between two fields of a record, and between the header and the first record.
  std::string spaced = text;
  spaced.insert(text.find("][", 40) + 1, " ");
  EXPECT_FALSE(Parsed(spaced).ok);
  spaced = text;
  spaced.insert(text.find("[-1]"), " ");
  EXPECT_FALSE(Parsed(spaced).ok);
  // A sign or a number cut by a space, and an empty field.
  EXPECT_FALSE(Parsed("[0][10][0][3][12][5][- 7]" + text.substr(23)).ok);
  EXPECT_FALSE(Parsed("[0][1 0][0][3][12][5][7]" + text.substr(23)).ok);
  EXPECT_FALSE(Parsed("[0][][0][3][12][5][7]" + text.substr(23)).ok);
}

}  // namespace
