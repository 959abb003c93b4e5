// "list.txt": its exact bytes, how it is read back, damaged or whole, and the GB18030 names.

#include "storage/leaderboard_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontends/scripted/scripted_framework.h"
#include "platform/text_codec.h"
#include "storage/program_dir.h"
#include "tests/storage/leaderboard_text.h"

namespace {

TEST(LeaderboardFile, DefaultBoardIsTwentyGbkLinesWithCrLf) {
  EXPECT_EQ(FormatLeaderboard(Leaderboard{}), Repeat(YIMING_GBK + "\r\n0\r\n", 10));
}

TEST(LeaderboardFile, NamesAndScoresComeBackInFileOrder) {
  Leaderboard board;
  board.entries[0] = {"AB", 1234};
  board.entries[1] = {"小明", -5};
  board.entries[2] = {"Zoë 😀", 12.7};  // beyond GBK: stored in GB18030's four-byte form
  const std::string bytes = FormatLeaderboard(board);
  EXPECT_TRUE(bytes.starts_with("AB\r\n1234\r\n\xD0\xA1\xC3\xF7\r\n-5\r\n"));
  EXPECT_NE(bytes.find("\r\n13\r\n"), std::string::npos);  // written rounded

  const Leaderboard read = Parsed(bytes);
  EXPECT_EQ(read.entries[0], (LeaderboardEntry{"AB", 1234}));
  if (SystemHasGb18030()) {
    EXPECT_EQ(read.entries[1], (LeaderboardEntry{"Zoë 😀", 13}));
  }
  EXPECT_EQ(read.entries[2], (LeaderboardEntry{"佚名", 0}));
  EXPECT_EQ(read.entries[9], (LeaderboardEntry{"小明", -5}));  // sorted below the defaults

  // A fraction is kept until the board is written again.
  const Leaderboard fraction = Parsed("high\n12.7\n");
  EXPECT_EQ(fraction.entries[0], (LeaderboardEntry{"high", 12.7}));
  EXPECT_TRUE(FormatLeaderboard(fraction).starts_with("high\r\n13\r\n"));
}

// Sorted best first as it is read, so that the tenth entry is the lowest score and a good one
// enters; an equal score keeps its place in the file.
TEST(LeaderboardFile, ListIsSortedBestFirstWhenRead) {
  Leaderboard board;
  EXPECT_TRUE(ParseLeaderboard(Repeat("low\n1\n", 9) + "best\n100000\n", board));
  EXPECT_EQ(board.entries[0], (LeaderboardEntry{"best", 100000}));
  EXPECT_EQ(board.entries[9], (LeaderboardEntry{"low", 1}));
  EXPECT_TRUE(board.Qualifies(2));
  const Leaderboard ties = Parsed("a\n5\nb\n7\nc\n5\n-d\n-1\n");
  EXPECT_EQ(ties.entries[0].name, "b");
  EXPECT_EQ(ties.entries[1].name, "a");
  EXPECT_EQ(ties.entries[2].name, "c");
  EXPECT_EQ(ties.entries[9], (LeaderboardEntry{"-d", -1}));  // below the default entries
}

TEST(LeaderboardFile, LfOnlyReadsLikeCrLf) {
  const std::string crlf = "A\r\n5\r\nB\r\n4\r\n" + Repeat(YIMING_GBK + "\r\n0\r\n", 8);
  std::string lf;
  for (char c : crlf) {
    if (c != '\r') lf += c;
  }
  EXPECT_EQ(Parsed(lf).entries, Parsed(crlf).entries);
  EXPECT_EQ(Parsed(crlf).entries[1], (LeaderboardEntry{"B", 4}));
}


// A file as it is written parses whole: CR LF or LF line ends, a fraction, fewer than ten
// entries. Anything else is damage, and every entry is still read from it.
TEST(LeaderboardFile, DamagedFilesGiveUpEveryEntryTheyHold) {
  const std::string ten = "A\r\n10\r\nB\r\n9\r\nC\r\n8\r\nD\r\n7\r\nE\r\n6\r\nF\r\n5\r\n"
                          "G\r\n4\r\nH\r\n3\r\nI\r\n2\r\nJ\r\n1\r\n";
  const Leaderboard whole = Parsed(ten);
  for (const std::string& bytes : {ten, std::string("A\n10\nB\n9.5\n"), std::string()}) {
    Leaderboard board;
    EXPECT_TRUE(ParseLeaderboard(bytes, board)) << bytes;
  }

  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string bytes = ten;
    for (std::size_t at = 0; (at = bytes.find(from, at)) != std::string::npos; at += to.size()) {
      bytes.replace(at, from.size(), to);
    }
    return bytes;
  };
  std::string nulInFirstName = ten;
  nulInFirstName.insert(1, 1, '\0');
  const std::vector<std::string> sameTen = {
      "\r\n" + ten,                   // a blank first line
      replaced("\r\n", "\r"),         // CR-only line ends
      replaced("\r\n", "\r\r\n"),     // line ends doubled by a second conversion
      replaced("\r\n", "\n\n"),        // a blank line after every line
      nulInFirstName,                  // a zero byte inside the first name
      ten + "K\r\n0\r\n",             // an eleventh entry
  };
  for (const std::string& bytes : sameTen) {
    Leaderboard board;
    EXPECT_FALSE(ParseLeaderboard(bytes, board)) << bytes;
    EXPECT_EQ(board.entries, whole.entries) << bytes;
  }

  // An empty name (as an older writer left one) is the default name, and the entries below it
  // are read; so is an empty score line, with the score kept.
  const Leaderboard emptyName = Parsed(replaced("D\r\n", "\r\n"));
  EXPECT_EQ(emptyName.entries[3], (LeaderboardEntry{DEFAULT_NAME, 7}));
  EXPECT_EQ(emptyName.entries[9], (LeaderboardEntry{"J", 1}));
  const Leaderboard emptyScore = Parsed("A\n\nB\n4\n");
  EXPECT_EQ(emptyScore.entries[0], (LeaderboardEntry{"B", 4}));
  EXPECT_EQ(emptyScore.entries[1], (LeaderboardEntry{"A", 0}));
  // A number as a name: blank lines are told apart by how the numbers below them pair up.
  const Leaderboard strayBlank = Parsed("\n2024\n9\nx\n3\n");
  EXPECT_EQ(ScoreOf(strayBlank, "2024"), 9);
  EXPECT_EQ(ScoreOf(strayBlank, "x"), 3);
  const Leaderboard noName = Parsed("\n7\n2024\n9\n");
  EXPECT_EQ(ScoreOf(noName, DEFAULT_NAME), 7);
  EXPECT_EQ(ScoreOf(noName, "2024"), 9);

  // A name on the last line without a score line is taken with the score it had.
  EXPECT_EQ(ScoreOf(Parsed("A\n5\nLast"), "Last"), 0);

  // Score lines that do not start with a number keep 0; leading space and trailing text do not
  // matter; a line that holds no score never takes the next name's number.
  Leaderboard scores;
  EXPECT_FALSE(ParseLeaderboard("A\nabc\nB\n  42xyz\nC\n \n2024\n9\nD\n1e999\nE\nnan\n", scores));
  EXPECT_EQ(ScoreOf(scores, "A"), 0);
  EXPECT_EQ(ScoreOf(scores, "B"), 42);
  EXPECT_EQ(ScoreOf(scores, "C"), 0);
  EXPECT_EQ(ScoreOf(scores, "2024"), 9);
  EXPECT_EQ(ScoreOf(scores, "D"), 0);
  EXPECT_EQ(ScoreOf(scores, "E"), 0);
  // A line without a score above a name and a score is the next entry's name.
  const Leaderboard lostScore = Parsed("A\n5\nB\nC\n3\n");
  EXPECT_EQ(ScoreOf(lostScore, "B"), 0);
  EXPECT_EQ(ScoreOf(lostScore, "C"), 3);
}

TEST(LeaderboardFile, InvalidGbkBytesSpoilOnlyTheirOwnCharacter) {
  const Leaderboard board = Parsed("A\xFF" + YIMING_GBK + "\n9\nB\xD8\n8\nC\n7\n");
  EXPECT_EQ(board.entries[0], (LeaderboardEntry{"A\uFFFD佚名", 9}));
  EXPECT_EQ(board.entries[1], (LeaderboardEntry{"B\uFFFD", 8}));  // a character cut short
  EXPECT_EQ(board.entries[2], (LeaderboardEntry{"C", 7}));
  EXPECT_EQ(Utf8ToGb18030("a\xC3(b"), "a?(b");
  if (SystemHasGb18030()) {
    EXPECT_EQ(Gb18030ToUtf8(Utf8ToGb18030("€·—")), "€·—");
  }
}

TEST(LeaderboardFile, NoNameIsWrittenThatWouldCutTheFileShort) {
  Leaderboard board;
  board.entries[0] = {"", 50};
  board.entries[1] = {std::string("two\r\nlines\0", 11), 40};
  board.entries[2] = {"C", 30};
  const Leaderboard read = Parsed(FormatLeaderboard(board));
  EXPECT_EQ(read.entries[0], (LeaderboardEntry{"佚名", 50}));
  EXPECT_EQ(read.entries[1], (LeaderboardEntry{"two  lines ", 40}));
  EXPECT_EQ(read.entries[2], (LeaderboardEntry{"C", 30}));
}

TEST(ProgramDir, FolderIsThePathUpToItsLastSeparator) {
  EXPECT_EQ(FolderOfPath("C:\\a\\b\\game.exe"), "C:\\a\\b\\");
  EXPECT_EQ(FolderOfPath("D:\\game.exe"), "D:\\");
  EXPECT_EQ(FolderOfPath("/usr/bin/vandrel"), "/usr/bin/");
  EXPECT_EQ(FolderOfPath("game.exe"), "");
  EXPECT_EQ(FolderOfPath("\\game.exe"), "");  // the first character is never examined
  EXPECT_EQ(FolderOfPath(""), "");
  ScriptedFramework framework;
  framework.moduleFileName = "/opt/vandrel/bin/vandrel";
  EXPECT_EQ(GetProgramDir(framework), "/opt/vandrel/bin/");
}

}  // namespace
