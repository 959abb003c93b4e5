// Saving and loading the running game through files: round trips of many played games, damaged
// files that must leave the game untouched, and writes that fail.

#include <gtest/gtest.h>
#include <signal.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <set>

#include "model/piece_catalogue.h"
#include "res/resource_ids.h"
#include "storage/saved_game.h"
#include "tests/support/random_play.h"
#include "frontends/scripted/scripted_framework.h"
#include "frontends/scripted/temp_folder.h"

namespace {

class SaveLoadGame : public ::testing::Test {
 protected:
  void SetUp() override {
    m_port = &m_framework.Open(m_game);
    m_game.GetGame().Seed(4711);
    m_game.NewGame();
  }

  // A game played at random for a while, saved; returns the file's bytes.
  std::string PlayAndSave(unsigned seed, int actions) {
    m_game.GetGame().Seed(seed);
    m_game.NewGame();
    RandomPlayer(m_game, m_framework, seed).Play(actions);
    EXPECT_TRUE(m_game.SaveGame(m_path));
    return FileContents(m_path);
  }

  // Loads bytes as a saved game and expects a failed load with nothing of the game changed:
  // its position, its timers and its picture.
  void ExpectRefused(const std::string& bytes, const std::string& what) {
    const SavedGameHeader header = HeaderOf(m_game);
    const auto board = std::make_unique<Board>(m_game.GetGame().EditPosition().board);
    const std::size_t timerEvents = m_port->TimerLog().size();
    const int invalidations = m_port->Invalidations();
    ASSERT_TRUE(WriteFileContents(m_damaged, bytes));
    EXPECT_FALSE(m_game.LoadGame(m_damaged)) << what;
    EXPECT_EQ(HeaderOf(m_game), header) << what;
    for (int i = 0; i < BOARD_CELLS; ++i) {
      ASSERT_TRUE(m_game.GetGame().EditPosition().board[i].SameContents((*board)[i])) << what << ", square " << i;
    }
    EXPECT_EQ(m_port->TimerLog().size(), timerEvents) << what;
    EXPECT_EQ(m_port->Invalidations(), invalidations) << what;
  }

  // The game saves exactly the bytes it saved before.
  void ExpectSaveUnchanged(const std::string& before) {
    ASSERT_TRUE(m_game.SaveGame(m_after));
    EXPECT_EQ(FileContents(m_after), before);
  }

  static SavedGameHeader HeaderOf(const CGameDlg& game) { return ::HeaderOf(game.GetGame().Position()); }

  ScriptedFramework m_framework;
  CGameDlg m_game{m_framework};
  ScriptedPort* m_port = nullptr;
  TempFolder m_folder;
  std::string m_path = m_folder.File("game.flm");
  std::string m_after = m_folder.File("after.flm");
  std::string m_damaged = m_folder.File("damaged.flm");
};

bool HasCrossingWithWater(const Board& board) {
  for (const PipeCell& cell : board) {
    if (cell.code >= PIECE_CROSS && cell.HasWater()) return true;
  }
  return false;
}

bool HasWaterUnderWay(const Board& board) {
  for (const PipeCell& cell : board) {
    for (int i = 0; i < cell.frontCount; ++i) {
      if (cell.front[i] >= FIRST_INNER_NODE && cell.code != CELL_SOURCE) return true;
    }
  }
  return false;
}

TEST_F(SaveLoadGame, ThousandPlayedGamesComeBackFieldForFieldAndByteForByte) {
  std::mt19937 random(99);
  std::set<int> states;
  int crossings = 0;
  int underWay = 0;
  for (unsigned game = 0; game < 1000; ++game) {
    const std::string saved = PlayAndSave(game, std::uniform_int_distribution<int>(0, 400)(random));
    states.insert(m_game.GetGame().EditPosition().state);
    crossings += HasCrossingWithWater(m_game.GetGame().EditPosition().board);
    underWay += HasWaterUnderWay(m_game.GetGame().EditPosition().board);

    ScriptedFramework framework;
    CGameDlg fresh(framework);
    ScriptedPort& port = framework.Open(fresh);
    ASSERT_TRUE(fresh.LoadGame(m_path)) << "game " << game;
    EXPECT_EQ(fresh.GetGame().EditPosition().state, m_game.GetGame().EditPosition().state);
    EXPECT_EQ(fresh.GetGame().EditPosition().score, m_game.GetGame().EditPosition().score);
    EXPECT_EQ(fresh.GetGame().EditPosition().fastForward, m_game.GetGame().EditPosition().fastForward);
    EXPECT_EQ(fresh.GetGame().EditPosition().queue, m_game.GetGame().EditPosition().queue);
    EXPECT_EQ(fresh.GetGame().EditPosition().current, m_game.GetGame().EditPosition().current);
    for (int i = 0; i < BOARD_CELLS; ++i) {
      ASSERT_TRUE(fresh.GetGame().EditPosition().board[i].SameContents(m_game.GetGame().EditPosition().board[i]))
          << "game " << game << " square " << i;
    }
    EXPECT_EQ(port.TimerInterval(WaterTimer), m_port->TimerInterval(WaterTimer)) << "game " << game;
    ASSERT_TRUE(fresh.SaveGame(m_after));
    ASSERT_EQ(FileContents(m_after), saved) << "game " << game;
  }
  // The games reached every kind of moment the file must carry.
  EXPECT_EQ(states, (std::set<int>{Playing, Over, Paused}));
  EXPECT_GT(crossings, 20);
  EXPECT_GT(underWay, 40);
}

// A game saved by an earlier build (it also seeds the fuzz target) still loads to the same
// position and saves to the same bytes, so the format cannot drift unnoticed.
TEST_F(SaveLoadGame, StoredGameStillLoadsAndSavesTheSameBytes) {
  const std::string stored = std::string(VANDREL_TEST_DATA) + "/played.flm";
  ASSERT_TRUE(m_game.LoadGame(stored));
  EXPECT_EQ(HeaderOf(m_game), (SavedGameHeader{Playing, -1109, 0, {11, 0, 3}, 3}));
  const PipeCell& crossing = m_game.GetGame().EditPosition().board[CellIndex(4, 8)];
  EXPECT_EQ(crossing.code, PIECE_CROSS);
  EXPECT_TRUE(crossing.HasWater());
  EXPECT_EQ(m_game.GetGame().EditPosition().board[CellIndex(4, 9)].code, CELL_SOURCE);
  ExpectSaveUnchanged(FileContents(stored));
}

TEST_F(SaveLoadGame, LoadRestartsTheWaterTimerByStateAndRepaints) {
  struct Case {
    int state, fastForward;
    std::optional<int> interval;
  };
  for (const Case& c : {Case{Playing, 0, 5000}, Case{Playing, 1, 30}, Case{Over, 0, 30},
                        Case{Paused, 1, std::nullopt}}) {
    m_game.GetGame().EditPosition().state = c.state;
    m_game.GetGame().EditPosition().fastForward = c.fastForward;
    ASSERT_TRUE(m_game.SaveGame(m_path));
    m_game.NewGame();
    const int invalidations = m_port->Invalidations();
    ASSERT_TRUE(m_game.LoadGame(m_path));
    EXPECT_EQ(m_port->TimerInterval(WaterTimer), c.interval);
    EXPECT_EQ(m_port->TimerLog().back().id,
              WaterTimer);  // the first step comes a full interval later
    EXPECT_GT(m_port->Invalidations(), invalidations);
  }
}

TEST_F(SaveLoadGame, CutDamagedOrPaddedFilesAreRefusedAndChangeNothing) {
  const std::string saved = PlayAndSave(17, 300);
  m_game.GetGame().Seed(18);
  m_game.NewGame();
  RandomPlayer(m_game, m_framework, 18).Play(100);
  ASSERT_TRUE(m_game.SaveGame(m_path));
  const std::string before = FileContents(m_path);

  // Cut within the header and the first record, and at random places before the last line end.
  const std::size_t firstRecordEnd = saved.find('\n') + 1;
  for (std::size_t cut = 0; cut < firstRecordEnd; ++cut) ExpectRefused(saved.substr(0, cut), "cut");
  std::mt19937 random(5);
  std::uniform_int_distribution<std::size_t> anywhere(0, saved.size() - 3);
  for (int i = 0; i < 1000; ++i) ExpectRefused(saved.substr(0, anywhere(random)), "cut");

  // A byte turned into a character that no place of the file allows.
  for (int i = 0; i < 300; ++i) {
    std::string damaged = saved;
    damaged[anywhere(random)] ^= 0x40;
    ExpectRefused(damaged, "flipped byte");
  }
  // A value out of range in the middle of the board.
  std::string outOfRange = saved;
  outOfRange.replace(outOfRange.find("[-1]", saved.size() / 2), 4, "[99]");
  ExpectRefused(outOfRange, "code 99");
  ExpectSaveUnchanged(before);
}

// A space is allowed before a number and after the end of a record; anywhere else it breaks
// the record.
TEST_F(SaveLoadGame, SpaceInsideARecordIsRefusedWhereTheReaderAllowsNone) {
  const std::string saved = PlayAndSave(23, 200);
  m_game.GetGame().Seed(24);
  m_game.NewGame();
  std::mt19937 random(8);
  std::uniform_int_distribution<std::size_t> anywhere(0, saved.size());
  int refused = 0;
  for (int i = 0; i < 400; ++i) {
    const std::size_t at = anywhere(random);
    std::string spaced = saved;
    spaced.insert(at, " ");
    const char before = at == 0 ? '\0' : saved[at - 1];
    const char after = at == saved.size() ? '\0' : saved[at];
    if (before == '[' || before == '\n' || after == '\r' || after == '\n' || after == '\0') {
      ASSERT_TRUE(WriteFileContents(m_damaged, spaced));
      ASSERT_TRUE(m_game.LoadGame(m_damaged)) << "space at " << at;
      ExpectSaveUnchanged(saved);
      m_game.NewGame();
    } else {
      ExpectRefused(spaced, "space at " + std::to_string(at));
      ++refused;
    }
  }
  EXPECT_GT(refused, 100);
}

TEST_F(SaveLoadGame, EmptyOrMissingFilesAndFoldersFailToLoad) {
  ASSERT_TRUE(m_game.SaveGame(m_path));
  const std::string before = FileContents(m_path);
  ExpectRefused("", "empty file");
  EXPECT_FALSE(m_game.LoadGame(m_folder.File("missing.flm")));
  EXPECT_FALSE(m_game.LoadGame(m_folder.Path()));
  ExpectSaveUnchanged(before);
}

#ifndef _WIN32
// Lowers the largest file this process may write; writes beyond it fail with EFBIG instead of
// raising SIGXFSZ. Restores both on destruction.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &m_old);
    m_oldHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = m_old;
    lowered.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_old);
    signal(SIGXFSZ, m_oldHandler);
  }

 private:
  rlimit m_old{};
  void (*m_oldHandler)(int) = nullptr;
};
#endif

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(SaveLoadGame, FailedSaveReturnsFalseAndLeavesTheOldFileAsItWas) {
  const std::string old = PlayAndSave(31, 150);
  RandomPlayer(m_game, m_framework, 32).Play(150);
  const std::vector<std::string> entries = FolderEntries(m_folder.Path());
#ifndef _WIN32  // a process cannot lower its own file-size limit on Windows
  {
    const FileSizeLimit full(4096);  // the disk fills up after 4 KB of the 85 KB file
    EXPECT_FALSE(m_game.SaveGame(m_path));
  }
#endif
  EXPECT_EQ(FileContents(m_path), old);
  EXPECT_EQ(FolderEntries(m_folder.Path()), entries);  // no temporary file left behind

  EXPECT_FALSE(m_game.SaveGame(m_folder.File("no such folder/game.flm")));
  std::filesystem::create_directory(m_folder.File("a folder"));
  EXPECT_FALSE(m_game.SaveGame(m_folder.File("a folder")));
  EXPECT_EQ(FolderEntries(m_folder.Path()).size(), entries.size() + 1);
  EXPECT_TRUE(std::filesystem::is_empty(m_folder.File("a folder")));
}

}  // namespace
