// Saved games and the leaderboard file under hostile conditions: special files where a file
// should be, read-only files, links, long names, folders that take no new file, a file-size
// limit, two users sharing a folder, and saves killed half way.

#include <gtest/gtest.h>

#ifdef _WIN32

// Every case here is made with what POSIX has: FIFOs, /dev files, symbolic links, file modes,
// another user's id and child processes that are killed. The Windows forms of these cases
// (devices, pipes, folders, read-only files) are in tests/platform/windows_files_test.cpp.
TEST(HostileFiles, AreMadeWithPosixCalls) {
  GTEST_SKIP() << "FIFOs, /dev files, file modes and killed child processes are POSIX; "
                  "WindowsFiles covers the Windows cases";
}

#else

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <random>

#include "app/game_dlg.h"
#include "model/piece_catalogue.h"
#include "platform/file_lock.h"
#include "platform/file_size_limit.h"
#include "tests/support/scoped_env.h"
#include "frontends/scripted/scripted_framework.h"
#include "frontends/scripted/temp_folder.h"

namespace fs = std::filesystem;

namespace {

constexpr uid_t NOBODY = 65534;

// Runs check in a child process, which is ended after limitSeconds: a check that would hang
// fails instead of stopping the test run. True when check returned true in time.
bool InChild(const std::function<bool()>& check, unsigned limitSeconds = 10) {
  const pid_t child = fork();
  if (child == 0) {
    alarm(limitSeconds);
    _exit(check() ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool AnsweredWithinASecond(const std::function<bool()>& action) {
  const auto start = std::chrono::steady_clock::now();
  const bool result = action();
  return result && std::chrono::steady_clock::now() - start < std::chrono::seconds(1);
}

// The names in folder, sorted.
std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

mode_t ModeOf(const std::string& path) {
  struct stat status{};
  lstat(path.c_str(), &status);
  return status.st_mode;
}

class HostileFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    m_framework.Open(m_game);
    m_game.GetGame().Seed(4711);
    m_game.NewGame();
    ASSERT_TRUE(m_game.SaveGame(m_folder.File("reference.flm")));
    m_saved = FileContents(m_folder.File("reference.flm"));
    fs::remove(m_folder.File("reference.flm"));
  }

  ScriptedFramework m_framework;
  CGameDlg m_game{m_framework};
  TempFolder m_folder;
  std::string m_saved;  // the bytes of the running game
};

TEST_F(HostileFiles, FifoFolderAndDeviceAreRefusedAtOnceAsSavedGameAndAsLeaderboard) {
  const std::string fifo = m_folder.File("pipe.flm");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  const std::string folder = m_folder.File("folder.flm");
  fs::create_directory(folder);
  // /proc/kmsg calls itself a regular file but waits for the kernel's next message.
  for (const std::string& path : {fifo, folder, std::string("/dev/zero"), std::string("/proc/kmsg")}) {
    EXPECT_TRUE(InChild([&] {
      return AnsweredWithinASecond([&] { return !m_game.LoadGame(path); }) &&
             AnsweredWithinASecond([&] { return !m_game.SaveGame(path); });
    })) << path;
  }
  EXPECT_TRUE(S_ISFIFO(ModeOf(fifo)));
  EXPECT_TRUE(fs::is_empty(folder));

  // The same three as list.txt, beside the program and in the user's data folder: the board
  // keeps its defaults, nothing waits, and what stands there is left as it was.
  for (const std::string& special : {fifo, folder, std::string("/dev/zero")}) {
    TempFolder program;
    TempFolder data;
    const ScopedEnv dataHome("XDG_DATA_HOME", data.Path());
    fs::create_directory(data.File("vandrel"));
    fs::create_symlink(special, program.File("list.txt"));
    fs::create_symlink(special, data.File("vandrel/list.txt"));
    ScriptedFramework framework;
    framework.moduleFileName = program.File("vandrel");
    EXPECT_TRUE(InChild([&] {
      CGameDlg game(framework);
      return AnsweredWithinASecond([&] {
        game.ReadLeaderboard();
        game.ChangeLeaderboard(LeaderboardEdit{false, "A", 5});
        return game.GetLeaderboard().entries[0] == (LeaderboardEntry{"A", 5}) &&
               game.GetLeaderboard().entries[1] == (LeaderboardEntry{DEFAULT_NAME, 0});
      });
    })) << special;
  }
  EXPECT_TRUE(S_ISFIFO(ModeOf(fifo)));
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(HostileFiles, SavingKeepsWhatStoodAtThePath) {
  // A read-only file is refused and stays as it was, even for the superuser.
  const std::string readOnly = m_folder.File("read-only.flm");
  ASSERT_TRUE(WriteFileContents(readOnly, "old"));
  chmod(readOnly.c_str(), 0444);
  EXPECT_FALSE(m_game.SaveGame(readOnly));
  EXPECT_EQ(FileContents(readOnly), "old");

  // A link is followed: the file it leads to is replaced, the link stays a link.
  fs::create_directory(m_folder.File("elsewhere"));
  ASSERT_TRUE(WriteFileContents(m_folder.File("elsewhere/real.flm"), "old"));
  fs::create_symlink("elsewhere/real.flm", m_folder.File("link.flm"));
  EXPECT_TRUE(m_game.SaveGame(m_folder.File("link.flm")));
  EXPECT_TRUE(fs::is_symlink(m_folder.File("link.flm")));
  EXPECT_EQ(FileContents(m_folder.File("elsewhere/real.flm")), m_saved);

  // A private file stays private; a new file takes the usual mode.
  const std::string privateFile = m_folder.File("private.flm");
  ASSERT_TRUE(WriteFileContents(privateFile, "old"));
  chmod(privateFile.c_str(), 0600);
  EXPECT_TRUE(m_game.SaveGame(privateFile));
  EXPECT_EQ(ModeOf(privateFile) & 0777, 0600u);
  const mode_t mask = umask(0);
  umask(mask);
  EXPECT_TRUE(m_game.SaveGame(m_folder.File("new.flm")));
  EXPECT_EQ(ModeOf(m_folder.File("new.flm")) & 0777, 0666u & ~mask);

  // The longest legal name saves and loads.
  const std::string longName = m_folder.File(std::string(251, 'n') + ".flm");
  EXPECT_TRUE(m_game.SaveGame(longName));
  EXPECT_TRUE(m_game.LoadGame(longName));
  EXPECT_EQ(FileContents(longName), m_saved);

  // Nothing else is left in the folder.
  EXPECT_EQ(Entries(m_folder.Path()),
            (std::vector<std::string>{"elsewhere", "link.flm", "new.flm",
                                      longName.substr(m_folder.Path().size() + 1), "private.flm",
                                      "read-only.flm"}));
}

// A folder that takes no new file around writable files: nothing there is ever rewritten in
// place, where a kill would leave it cut. The save fails; the list goes to the user's data
// folder and starts from the entries of the one it could not write. Checked as an ordinary
// user (the superuser may create files in any folder).
TEST_F(HostileFiles, FolderThatTakesNoNewFileIsNeverWrittenIn) {
  const std::string closed = m_folder.File("closed");
  const std::string data = m_folder.File("data");
  fs::create_directory(closed);
  fs::create_directory(data);
  const std::string game = closed + "/game.flm";
  const std::string list = closed + "/list.txt";
  ASSERT_TRUE(WriteFileContents(game, "old"));
  ASSERT_TRUE(WriteFileContents(list, "Old\r\n50\r\n"));
  const bool root = geteuid() == 0;
  if (root) {
    chmod(m_folder.Path().c_str(), 0755);
    for (const std::string& path : {closed, data, game, list}) {
      ASSERT_EQ(chown(path.c_str(), NOBODY, NOBODY), 0);
    }
  }
  chmod(closed.c_str(), 0555);
  const ScopedEnv dataHome("XDG_DATA_HOME", data);
  EXPECT_TRUE(InChild([&] {
    if (root && (setgid(NOBODY) != 0 || setuid(NOBODY) != 0)) return false;
    ScriptedFramework framework;
    framework.moduleFileName = closed + "/vandrel";
    CGameDlg player(framework);
    player.ReadLeaderboard();
    player.ChangeLeaderboard(LeaderboardEdit{false, "New", 10});
    return !m_game.SaveGame(game) && !m_game.SaveGame(closed + "/new.flm") &&
           player.GetLeaderboard().entries[0] == (LeaderboardEntry{"Old", 50}) &&
           framework.dialogs.empty();
  }));
  chmod(closed.c_str(), 0755);
  EXPECT_EQ(FileContents(game), "old");
  EXPECT_EQ(FileContents(list), "Old\r\n50\r\n");
  EXPECT_EQ(Entries(closed), (std::vector<std::string>{"game.flm", "list.txt"}));
  EXPECT_TRUE(FileContents(data + "/vandrel/list.txt").starts_with("Old\r\n50\r\nNew\r\n10\r\n"));
}

// A save beyond the file-size limit is a failed save: the program goes on, the old file stays
// whole and no temporary file is left.
TEST_F(HostileFiles, FileSizeLimitFailsTheSaveAndLeavesNothing) {
  const std::string path = m_folder.File("game.flm");
  ASSERT_TRUE(WriteFileContents(path, "old"));
  EXPECT_TRUE(InChild([&] {
    IgnoreFileSizeLimitSignal();
    const rlimit limit{10000, 10000};
    return setrlimit(RLIMIT_FSIZE, &limit) == 0 && !m_game.SaveGame(path) &&
           !m_game.SaveGame(m_folder.File("new.flm"));
  }));
  EXPECT_EQ(FileContents(path), "old");
  EXPECT_EQ(Entries(m_folder.Path()), (std::vector<std::string>{"game.flm"}));
}

// list.txt as a link is followed as a saved game's link is, to an existing file or to one that
// does not exist yet; the link stays a link.
TEST_F(HostileFiles, ListThroughALinkIsWrittenWhereItLeads) {
  TempFolder data;
  const ScopedEnv dataHome("XDG_DATA_HOME", data.Path());
  fs::create_directory(m_folder.File("elsewhere"));
  fs::create_symlink("elsewhere/list.txt", m_folder.File("list.txt"));
  fs::create_symlink("elsewhere/game.flm", m_folder.File("game.flm"));
  ScriptedFramework framework;
  framework.moduleFileName = m_folder.File("vandrel");
  for (int run = 0; run < 2; ++run) {  // a new target, then the existing one
    CGameDlg game(framework);
    game.ReadLeaderboard();
    game.ChangeLeaderboard(LeaderboardEdit{false, "L" + std::to_string(run), 3.0 + run});
    EXPECT_TRUE(m_game.SaveGame(m_folder.File("game.flm")));
  }
  EXPECT_TRUE(fs::is_symlink(m_folder.File("list.txt")));
  EXPECT_TRUE(FileContents(m_folder.File("elsewhere/list.txt")).starts_with("L1\r\n4\r\nL0\r\n3\r\n"));
  EXPECT_EQ(FileContents(m_folder.File("elsewhere/game.flm")), m_saved);
  EXPECT_FALSE(fs::exists(data.File("vandrel")));
  EXPECT_TRUE(framework.dialogs.empty());
}

// Two users share a game folder (the list writable by both): whoever made the lock file and
// whatever their umask, each takes the same lock, so a game waits while the other writes.
TEST_F(HostileFiles, PlayersOfTwoUsersTakeTheSameLock) {
  if (geteuid() != 0) GTEST_SKIP() << "needs the superuser to act as two users";
  constexpr uid_t OTHER = NOBODY - 1;
  chmod(m_folder.Path().c_str(), 0777);
  const std::string list = m_folder.File("list.txt");
  ASSERT_TRUE(WriteFileContents(list, ""));
  chmod(list.c_str(), 0666);
  TempFolder data;
  const ScopedEnv dataHome("XDG_DATA_HOME", data.Path());
  ScriptedFramework framework;
  framework.moduleFileName = m_folder.File("vandrel");
  // Enters one score as user uid with a private umask, in a child process. Exits with 0 when
  // the entry is written, 1 when it waits; with `ready` it then keeps the lock until it is
  // killed, having said so on the pipe.
  auto play = [&](uid_t uid, double score, int* ready) {
    const pid_t child = fork();
    if (child != 0) return child;
    umask(077);
    if (setgid(uid) != 0 || setuid(uid) != 0) _exit(2);
    CGameDlg game(framework);
    game.ReadLeaderboard();
    game.ChangeLeaderboard(LeaderboardEdit{false, "U" + std::to_string(uid), score});
    if (ready == nullptr) _exit(game.LeaderboardWaiting() ? 1 : 0);
    const FileLock lock(list, 0);
    if (!lock.Held() || write(ready[1], "x", 1) != 1) _exit(2);
    pause();
    _exit(0);
  };
  auto exitCode = [](pid_t child) {
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  };
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t holder = play(NOBODY, 10, ready);
  char byte;
  ASSERT_EQ(read(ready[0], &byte, 1), 1);
  EXPECT_EQ(ModeOf(list + ".lock") & 0777, 0666u);
  EXPECT_EQ(exitCode(play(OTHER, 20, nullptr)), 1);  // waits while the other user writes
  ::kill(holder, SIGKILL);
  waitpid(holder, nullptr, 0);
  EXPECT_EQ(exitCode(play(OTHER, 20, nullptr)), 0);
  const std::string bytes = FileContents(list);
  EXPECT_TRUE(bytes.starts_with("U" + std::to_string(OTHER) + "\r\n20\r\nU" +
                                std::to_string(NOBODY) + "\r\n10\r\n")) << bytes;
}

// Saves killed at random moments leave the old or the new file whole; what a killed save left
// behind goes with the next save to that folder.
TEST_F(HostileFiles, KilledSavesLeaveOneWholeFileAndNoLitter) {
  const std::string path = m_folder.File("game.flm");
  const std::string first = m_saved;
  m_game.GetGame().EditPosition().score = 12345;
  ASSERT_TRUE(m_game.SaveGame(path));
  const std::string second = FileContents(path);
  std::mt19937 random(7);
  int strays = 0;
  for (int kill = 0; kill < 120; ++kill) {
    const pid_t child = fork();
    if (child == 0) {
      for (int save = 0;; ++save) {
        m_game.GetGame().EditPosition().score = save % 2 == 0 ? 10 : 12345;
        m_game.SaveGame(path);
      }
    }
    usleep(std::uniform_int_distribution<useconds_t>(0, 20000)(random));
    ::kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const std::string now = FileContents(path);
    ASSERT_TRUE(now == first || now == second) << "kill " << kill;
    strays += static_cast<int>(Entries(m_folder.Path()).size()) - 1;
  }
  RecordProperty("temporary files left by killed saves", strays);
  EXPECT_TRUE(m_game.SaveGame(path));
  EXPECT_EQ(Entries(m_folder.Path()), (std::vector<std::string>{"game.flm"}));

  // What a live writer may still be filling stays: a file named for a running process, and a
  // file that a running process holds locked whatever its name says.
  const std::string ours = ".vandrel-" + std::to_string(getpid()) + "-0.tmp";
  const std::string locked = ".vandrel-999999999-0.tmp";
  ASSERT_TRUE(WriteFileContents(m_folder.File(ours), "part"));
  ASSERT_TRUE(WriteFileContents(m_folder.File(locked), "part"));
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t holder = fork();
  if (holder == 0) {
    const int fd = open(m_folder.File(locked).c_str(), O_RDONLY);
    flock(fd, LOCK_EX);
    if (write(ready[1], "x", 1) != 1) _exit(1);
    pause();
  }
  char byte;
  ASSERT_EQ(read(ready[0], &byte, 1), 1);
  EXPECT_TRUE(m_game.SaveGame(path));
  EXPECT_EQ(Entries(m_folder.Path()), (std::vector<std::string>{ours, locked, "game.flm"}));
  ::kill(holder, SIGKILL);
  waitpid(holder, nullptr, 0);
  EXPECT_TRUE(m_game.SaveGame(path));
  EXPECT_EQ(Entries(m_folder.Path()), (std::vector<std::string>{ours, "game.flm"}));
}

}  // namespace

#endif
