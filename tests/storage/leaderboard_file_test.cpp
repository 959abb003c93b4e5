// "list.txt": its exact bytes, how it is read back, where it lives, and the GB18030 names.

#include "storage/leaderboard_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <filesystem>
#include <set>

#include "app/game_dlg.h"
#include "platform/text_codec.h"
#include "storage/program_dir.h"
#include "frontends/scripted/scripted_framework.h"
#include "frontends/scripted/temp_folder.h"
#include "tests/support/scoped_env.h"

namespace {

const std::string YIMING_GBK = "\xD8\xFD\xC3\xFB";  // 佚名

std::string Repeat(const std::string& text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

// Whether the system converts GB18030 itself. Wine has no code page 54936 and stands in GBK
// (code page 936): characters beyond GBK are written as "?" there, and "—" reads back as "―".
bool SystemHasGb18030() { return Gb18030ToUtf8("\x81\x30\x81\x30") == "\u0080"; }

Leaderboard Parsed(const std::string& bytes) {
  Leaderboard board;
  ParseLeaderboard(bytes, board);
  return board;
}

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
  EXPECT_EQ(read.entries[1], (LeaderboardEntry{"小明", -5}));
  if (SystemHasGb18030()) {
    EXPECT_EQ(read.entries[2], (LeaderboardEntry{"Zoë 😀", 13}));
  }
  EXPECT_EQ(read.entries[9], (LeaderboardEntry{"佚名", 0}));

  // Read as it stands, without sorting, and with a fraction kept until it is written again.
  const Leaderboard unsorted = Parsed("low\n1\nhigh\n12.7\n");
  EXPECT_EQ(unsorted.entries[0], (LeaderboardEntry{"low", 1}));
  EXPECT_EQ(unsorted.entries[1], (LeaderboardEntry{"high", 12.7}));
  EXPECT_TRUE(FormatLeaderboard(unsorted).starts_with("low\r\n1\r\nhigh\r\n13\r\n"));
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

TEST(LeaderboardFile, ReadingStopsOrKeepsDefaultsWhereTheFileRunsOut) {
  // An empty name line stops the reading: that entry and all after it stay the default.
  const Leaderboard gap = Parsed("A\n5\n\n7\nC\n3\n");
  EXPECT_EQ(gap.entries[0], (LeaderboardEntry{"A", 5}));
  EXPECT_EQ(gap.entries[1], (LeaderboardEntry{"佚名", 0}));
  EXPECT_EQ(gap.entries[2], (LeaderboardEntry{"佚名", 0}));

  // A name on the last line without a score line, and one followed by an empty score line.
  EXPECT_EQ(Parsed("A\n5\nLast").entries[1], (LeaderboardEntry{"Last", 0}));
  const Leaderboard emptyScore = Parsed("A\n\nB\n4\n");
  EXPECT_EQ(emptyScore.entries[0], (LeaderboardEntry{"A", 0}));
  EXPECT_EQ(emptyScore.entries[1], (LeaderboardEntry{"佚名", 0}));

  // Score lines that do not start with a number keep 0; leading space and trailing text do not
  // matter; a blank-looking line never borrows the next name's number.
  const Leaderboard scores = Parsed("A\nabc\nB\n  42xyz\nC\n \n2024\n9\nD\n1e999\nE\nnan\n");
  EXPECT_EQ(scores.entries[0].score, 0);
  EXPECT_EQ(scores.entries[1].score, 42);
  EXPECT_EQ(scores.entries[2], (LeaderboardEntry{"C", 0}));
  EXPECT_EQ(scores.entries[3], (LeaderboardEntry{"2024", 9}));
  EXPECT_EQ(scores.entries[4].score, 0);
  EXPECT_EQ(scores.entries[5].score, 0);

  // Lines after the tenth pair are ignored.
  const Leaderboard eleven = Parsed(Repeat("N\n1\n", 10) + "Extra\n99\n");
  EXPECT_EQ(eleven.entries[9], (LeaderboardEntry{"N", 1}));
}

TEST(LeaderboardFile, ZeroByteCutsTheRestOfItsBlockOnly) {
  // Block one is the first 1023 bytes; its zero byte hides "B\n2\n" up to the block's end.
  std::string bytes = "A\n1\n";
  bytes += '\0';
  bytes += "B\n2\n";
  bytes += std::string(1023 - bytes.size(), 'x');
  bytes += "C\n3\n";
  const Leaderboard board = Parsed(bytes);
  EXPECT_EQ(board.entries[0], (LeaderboardEntry{"A", 1}));
  EXPECT_EQ(board.entries[1], (LeaderboardEntry{"C", 3}));
}

TEST(LeaderboardFile, InvalidGbkBytesSpoilOnlyTheirOwnCharacter) {
  const Leaderboard board = Parsed("A\xFF" + YIMING_GBK + "\n7\nB\xD8\n8\nC\n9\n");
  EXPECT_EQ(board.entries[0], (LeaderboardEntry{"A\uFFFD佚名", 7}));
  EXPECT_EQ(board.entries[1], (LeaderboardEntry{"B\uFFFD", 8}));  // a character cut short
  EXPECT_EQ(board.entries[2], (LeaderboardEntry{"C", 9}));
  EXPECT_EQ(Utf8ToGb18030("a\xC3(b"), "a?(b");
  if (SystemHasGb18030()) {
    EXPECT_EQ(Gb18030ToUtf8(Utf8ToGb18030("€·—")), "€·—");
  }
}

TEST(LeaderboardFile, NoNameIsWrittenThatWouldCutTheFileShort) {
  Leaderboard board;
  board.entries[0] = {"", 50};
  board.entries[1] = {"two\r\nlines", 40};
  board.entries[2] = {"C", 30};
  const Leaderboard read = Parsed(FormatLeaderboard(board));
  EXPECT_EQ(read.entries[0], (LeaderboardEntry{"佚名", 50}));
  EXPECT_EQ(read.entries[1], (LeaderboardEntry{"two  lines", 40}));
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

// The game window reading and writing "list.txt" beside a program in a temporary folder, with
// the user's data folder in another.
class LeaderboardStore : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(m_program.File("bin"));
    m_framework.moduleFileName = m_program.File("bin/vandrel");
    const char* old = getenv(DATA_HOME_VARIABLE);
    m_oldDataHome = old ? std::optional<std::string>(old) : std::nullopt;
    setenv(DATA_HOME_VARIABLE, m_data.Path().c_str(), 1);
  }
  void TearDown() override {
    if (m_oldDataHome) {
      setenv(DATA_HOME_VARIABLE, m_oldDataHome->c_str(), 1);
    } else {
      unsetenv(DATA_HOME_VARIABLE);
    }
  }

  std::string ProgramCopy() const { return m_program.File("bin/list.txt"); }
  std::string UserCopy() const { return UserDataFolderIn(m_data.Path()) + "/list.txt"; }

  TempFolder m_program;
  TempFolder m_data;
  std::optional<std::string> m_oldDataHome;
  ScriptedFramework m_framework;
};

TEST_F(LeaderboardStore, MissingFileGivesDefaultsAndEachChangeIsWrittenAtOnce) {
  CGameDlg game(m_framework);
  game.ReadLeaderboard();
  EXPECT_EQ(game.GetLeaderboard().entries, Leaderboard{}.entries);
  game.ChangeLeaderboard(LeaderboardEdit{false, "小明", 88});
  EXPECT_EQ(FileContents(ProgramCopy()),
            "\xD0\xA1\xC3\xF7\r\n88\r\n" + Repeat(YIMING_GBK + "\r\n0\r\n", 9));
  EXPECT_FALSE(std::filesystem::exists(UserCopy()));

  CGameDlg next(m_framework);
  next.ReadLeaderboard();
  EXPECT_EQ(next.GetLeaderboard().entries, game.GetLeaderboard().entries);
  next.ChangeLeaderboard(LeaderboardEdit{true, {}, 0});
  EXPECT_EQ(FileContents(ProgramCopy()), FormatLeaderboard(Leaderboard{}));
  // Leaving writes the file as it stands, with nothing of this game's left to add: the clear
  // is not undone and the entry is not entered twice.
  game.WriteLeaderboard();
  EXPECT_EQ(FileContents(ProgramCopy()), FormatLeaderboard(Leaderboard{}));
}

TEST_F(LeaderboardStore, OneRulePicksThePlaceAndNoCopyIsEverRemoved) {
  // A user copy from an earlier run stays untouched while the program's folder takes the file.
  std::filesystem::create_directories(UserDataFolderIn(m_data.Path()));
  ASSERT_TRUE(WriteFileContents(UserCopy(), "Old\r\n1\r\n"));
  CGameDlg beside(m_framework);
  beside.ReadLeaderboard();
  EXPECT_EQ(beside.GetLeaderboard().entries[0].name, DEFAULT_NAME);
  beside.ChangeLeaderboard(LeaderboardEdit{false, "B", 20});
  EXPECT_EQ(Parsed(FileContents(ProgramCopy())).entries[0], (LeaderboardEntry{"B", 20}));
  EXPECT_EQ(FileContents(UserCopy()), "Old\r\n1\r\n");

  // Where list.txt cannot be written beside the program (here a read-only file), the user's
  // copy is read and written, and the program's copy is left as it was.
  std::filesystem::permissions(ProgramCopy(), std::filesystem::perms::owner_read);
  const std::string programBytes = FileContents(ProgramCopy());
  CGameDlg fallback(m_framework);
  fallback.ReadLeaderboard();
  EXPECT_EQ(fallback.GetLeaderboard().entries[0], (LeaderboardEntry{"Old", 1}));
  fallback.ChangeLeaderboard(LeaderboardEdit{false, "A", 10});
  EXPECT_EQ(Parsed(FileContents(UserCopy())).entries[0], (LeaderboardEntry{"A", 10}));
  EXPECT_EQ(FileContents(ProgramCopy()), programBytes);

  // Written nowhere: one line on standard error, and the entry still shows for this run.
  std::filesystem::remove(UserCopy());
  std::filesystem::create_directory(UserCopy());
  testing::internal::CaptureStderr();
  CGameDlg nowhere(m_framework);
  nowhere.ReadLeaderboard();
  nowhere.ChangeLeaderboard(LeaderboardEdit{false, "C", 30});
  nowhere.WriteLeaderboard();
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find(UserCopy()), std::string::npos) << said;
  EXPECT_EQ(nowhere.GetLeaderboard().entries[0], (LeaderboardEntry{"C", 30}));
}

// Games running side by side, each entering its scores while the others write too, and one
// killed right after its entry: every entry is in the file at the end.
TEST_F(LeaderboardStore, GamesSideBySideAndAKilledGameKeepEveryEntry) {
#ifdef _WIN32
  GTEST_SKIP() << "runs the games as forked processes and kills one, which only POSIX can";
#else
  constexpr int GAMES = 5;  // ten entries: the board is full at the end
  constexpr int ENTRIES = 2;
  std::vector<pid_t> children;
  for (int g = 0; g < GAMES; ++g) {
    const pid_t child = fork();
    if (child == 0) {
      CGameDlg game(m_framework);
      game.ReadLeaderboard();
      for (int e = 0; e < ENTRIES; ++e) {
        game.ChangeLeaderboard(LeaderboardEdit{false, "G" + std::to_string(g), 10.0 * g + e + 1});
      }
      if (g == 0) raise(SIGKILL);  // never leaves the normal way
      game.WriteLeaderboard();
      _exit(0);
    }
    children.push_back(child);
  }
  for (pid_t child : children) waitpid(child, nullptr, 0);
  const Leaderboard board = Parsed(FileContents(ProgramCopy()));
  std::set<double> scores;
  for (const LeaderboardEntry& entry : board.entries) scores.insert(entry.score);
  for (int g = 0; g < GAMES; ++g) {
    for (int e = 0; e < ENTRIES; ++e) EXPECT_EQ(scores.count(10.0 * g + e + 1), 1u) << g << e;
  }
  // An entry that no longer qualifies on the board as it now stands is left out.
  Leaderboard full = board;
  full.ApplyEdit(LeaderboardEdit{false, "low", 0.5});
  EXPECT_EQ(full.entries, board.entries);
#endif
}

// The euro sign is the single byte 0x80 in code page 936 (GB18030 has no such byte): it reads
// as "€" and goes back as 0x80, also where 0x80 is the second byte of a GBK character.
TEST_F(LeaderboardStore, UntouchedCodePage936FileKeepsEveryByte) {
  std::string bytes = "A\x80\r\n100\r\n\x81\x80\r\n90\r\n\x80\r\n80\r\n";
  bytes += Repeat(YIMING_GBK + "\r\n0\r\n", 7);
  const Leaderboard board = Parsed(bytes);
  EXPECT_EQ(board.entries[0].name, "A€");
  EXPECT_EQ(board.entries[2].name, "€");
  EXPECT_EQ(Utf8ToGb18030(board.entries[1].name), "\x81\x80");
  EXPECT_EQ(FormatLeaderboard(board), bytes);

  ASSERT_TRUE(WriteFileContents(ProgramCopy(), bytes));
  CGameDlg game(m_framework);
  game.ReadLeaderboard();
  game.WriteLeaderboard();
  EXPECT_EQ(FileContents(ProgramCopy()), bytes);
}

TEST_F(LeaderboardStore, HomeServesWhenNoDataFolderIsSet) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows names the data folder by %APPDATA% alone";
#endif
  const char* oldHome = getenv("HOME");
  const std::string savedHome = oldHome ? oldHome : "";
  unsetenv("XDG_DATA_HOME");
  setenv("HOME", m_data.Path().c_str(), 1);
  m_framework.moduleFileName = m_program.File("missing folder/vandrel");
  CGameDlg game(m_framework);
  game.ChangeLeaderboard(LeaderboardEdit{false, "H", 3});
  const bool written = FileContents(m_data.File(".local/share/vandrel/list.txt")).starts_with("H\r\n3\r\n");
  setenv("HOME", savedHome.c_str(), 1);
  EXPECT_TRUE(written);
}

}  // namespace
