// Where "list.txt" lives and how a game window keeps it: the place, the lock shared with other
// games, the damaged copy, and the player told when it cannot be saved.

#include <gtest/gtest.h>
#include <stdlib.h>

#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <set>
#include <thread>

#include "app/game_dlg.h"
#include "platform/file_lock.h"
#include "frontends/scripted/scripted_framework.h"
#include "frontends/scripted/temp_folder.h"
#include "platform/text_codec.h"
#include "res/resource_ids.h"
#include "tests/storage/leaderboard_text.h"
#include "tests/support/scoped_env.h"

namespace {

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
  // The message boxes shown so far, as "caption: text (type)".
  std::vector<std::string> Boxes() const {
    std::vector<std::string> boxes;
    for (const DialogRecord& record : m_framework.dialogs) {
      if (record.kind == DialogRecord::MessageBox) {
        boxes.push_back(record.title + ": " + record.text + " (" + std::to_string(record.type) + ")");
      }
    }
    return boxes;
  }
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

  // Written nowhere: the player is told once, in a box, with one line on standard error; the
  // entry still shows for this run and waits for the next write, which succeeds once the place
  // can be written again.
  std::filesystem::remove(UserCopy());
  std::filesystem::create_directory(UserCopy());
  testing::internal::CaptureStderr();
  CGameDlg nowhere(m_framework);
  nowhere.ReadLeaderboard();
  nowhere.ChangeLeaderboard(LeaderboardEdit{false, "C", 30});
  nowhere.ChangeLeaderboard(LeaderboardEdit{false, "D", 20});
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find(UserCopy()), std::string::npos) << said;
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"错误: 保存排行榜失败！ (16)"}));
  EXPECT_EQ(nowhere.GetLeaderboard().entries[0], (LeaderboardEntry{"C", 30}));
  std::filesystem::remove(UserCopy());
  nowhere.WriteLeaderboard();
  const Leaderboard written = Parsed(FileContents(UserCopy()));
  EXPECT_EQ(written.entries[0], (LeaderboardEntry{"C", 30}));
  EXPECT_EQ(ScoreOf(written, "D"), 20);
  EXPECT_EQ(Boxes().size(), 1u);
}

// A list beside the program that cannot be written is where a new list in the data folder
// starts from; the old one stays as it was.
TEST_F(LeaderboardStore, ListInTheDataFolderStartsFromTheOneBesideTheProgram) {
  ASSERT_TRUE(WriteFileContents(ProgramCopy(), "Old\r\n50\r\n"));
  std::filesystem::permissions(ProgramCopy(), std::filesystem::perms::owner_read);
  CGameDlg game(m_framework);
  game.ReadLeaderboard();
  EXPECT_EQ(game.GetLeaderboard().entries[0], (LeaderboardEntry{"Old", 50}));
  game.ChangeLeaderboard(LeaderboardEdit{false, "New", 10});
  const Leaderboard user = Parsed(FileContents(UserCopy()));
  EXPECT_EQ(user.entries[0], (LeaderboardEntry{"Old", 50}));
  EXPECT_EQ(user.entries[1], (LeaderboardEntry{"New", 10}));
  EXPECT_EQ(FileContents(ProgramCopy()), "Old\r\n50\r\n");
}

// A damaged list is read for every entry it holds and written over only with its bytes kept
// beside it; that copy is made once and never overwritten by a later damage.
TEST_F(LeaderboardStore, DamagedListIsKeptBesideItselfOnce) {
  const std::string damaged = "\r\nA\r\n5\r\n\r\nB\r\n4\r\n";
  ASSERT_TRUE(WriteFileContents(ProgramCopy(), damaged));
  CGameDlg game(m_framework);
  game.ReadLeaderboard();
  EXPECT_EQ(game.GetLeaderboard().entries[1], (LeaderboardEntry{"B", 4}));
  EXPECT_EQ(FileContents(ProgramCopy()), damaged);  // reading changes nothing
  game.ChangeLeaderboard(LeaderboardEdit{false, "C", 7});
  const Leaderboard written = Parsed(FileContents(ProgramCopy()));
  EXPECT_EQ(written.entries[0], (LeaderboardEntry{"C", 7}));
  EXPECT_EQ(written.entries[2], (LeaderboardEntry{"B", 4}));
  EXPECT_EQ(FileContents(ProgramCopy() + ".damaged"), damaged);

  ASSERT_TRUE(WriteFileContents(ProgramCopy(), "X\r9\r"));
  game.WriteLeaderboard();
  EXPECT_EQ(Parsed(FileContents(ProgramCopy())).entries[0], (LeaderboardEntry{"X", 9}));
  EXPECT_EQ(FileContents(ProgramCopy() + ".damaged"), damaged);
  EXPECT_TRUE(Boxes().empty());
}

// Another game holding the lock never holds up the window: the change waits and follows as
// soon as the lock is free, on the retry timer or, at the latest, as the window goes.
TEST_F(LeaderboardStore, AHeldLockNeverFreezesTheWindowNorIsWrittenPast) {
  CGameDlg game(m_framework);
  ScriptedPort& port = m_framework.Open(game);
  game.ReadLeaderboard();
  auto other = std::make_unique<FileLock>(ProgramCopy(), 0);
  ASSERT_TRUE(other->Held());
  const auto started = std::chrono::steady_clock::now();
  game.ChangeLeaderboard(LeaderboardEdit{false, "W", 9});
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(500));
  EXPECT_EQ(game.GetLeaderboard().entries[0], (LeaderboardEntry{"W", 9}));
  EXPECT_FALSE(std::filesystem::exists(ProgramCopy()));
  EXPECT_EQ(port.TimerInterval(LeaderboardTimer), static_cast<int>(LEADERBOARD_RETRY_MS));
  EXPECT_TRUE(m_framework.FireTimer(game, LeaderboardTimer));
  EXPECT_FALSE(std::filesystem::exists(ProgramCopy()));
  other.reset();
  EXPECT_TRUE(m_framework.FireTimer(game, LeaderboardTimer));
  EXPECT_EQ(Parsed(FileContents(ProgramCopy())).entries[0], (LeaderboardEntry{"W", 9}));
  EXPECT_FALSE(port.TimerInterval(LeaderboardTimer));

  // As the window goes, the write waits for a lock that is let go meanwhile.
  other = std::make_unique<FileLock>(ProgramCopy(), 0);
  game.ChangeLeaderboard(LeaderboardEdit{false, "V", 8});
  std::thread letGo([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    other.reset();
  });
  m_framework.Close(game);
  letGo.join();
  EXPECT_EQ(Parsed(FileContents(ProgramCopy())).entries[1], (LeaderboardEntry{"V", 8}));
  EXPECT_TRUE(Boxes().empty());
}

// Games running side by side, each entering its scores while the others write too (a change
// that finds the lock held is written again on the retry timer, as the window does), and one
// killed right after its entries are written: every entry is in the file at the end.
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
      while (game.LeaderboardWaiting()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        game.RetryLeaderboard();
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
