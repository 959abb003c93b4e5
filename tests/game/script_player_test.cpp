#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "storage/leaderboard_file.h"
#include "tests/support/scoped_env.h"
#include "frontends/scripted/temp_folder.h"
#include "tests/support/sample_game.h"

namespace {

#ifdef _WIN32
constexpr const char* PLAYER_NAME = "vandrel-play.exe";
#else
constexpr const char* PLAYER_NAME = "vandrel-play";
#endif

struct PlayerRun {
  std::string output;
  int status;
};

// A copy of the script player in a temporary folder of its own, with the user's data folder in
// another: the player reads and writes list.txt as the game does, here beside the copy.
struct PlayerCopy {
  TempFolder program;
  TempFolder data;
  ScopedEnv dataHome{DATA_HOME_VARIABLE, data.Path()};
  std::string path = program.File(PLAYER_NAME);
  PlayerCopy() { std::filesystem::copy_file(VANDREL_PLAY, path); }
};

// The output and exit status of a shell command.
PlayerRun RunCommand(const std::string& command) {
  PlayerRun run{{}, -1};
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
  run.status = pclose(pipe);
  return run;
}

// Runs the script player copy with options on the script file in folder, in that folder.
PlayerRun PlayIn(const PlayerCopy& player, const std::string& folder, const std::string& script,
                 const std::string& options = "") {
#ifdef _WIN32
  return RunCommand("cd /d \"" + folder + "\" && \"" + player.path + "\" " + options + " < " +
                    script + " 2>&1");
#else
  return RunCommand("cd '" + folder + "' && '" + player.path + "' " + options + " < " + script +
                    " 2>&1");
#endif
}

// Runs the script player copy with options on a script from the test data folder, in that
// folder.
PlayerRun Play(const PlayerCopy& player, const std::string& script, const std::string& options = "") {
  return PlayIn(player, VANDREL_TEST_DATA, script, options);
}

// Runs the player copy on the text of a script, written beside it, in its own folder.
PlayerRun PlayBeside(const PlayerCopy& player, const std::string& script) {
  WriteFileContents(player.program.File("game.play"), script);
  return PlayIn(player, player.program.Path(), "game.play");
}

// The second run reads the entry the first one wrote and adds its own below it.
TEST(ScriptPlayer, ReproducesTheWaterWalkFromSourceToDrainAndKeepsTheLeaderboard) {
  const PlayerCopy player;
  const PlayerRun run = Play(player, "worked_example.play");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, FileContents(std::string(VANDREL_TEST_DATA) + "/worked_example.expected"));
  const PlayerRun again = Play(player, "worked_example.play");
  EXPECT_NE(again.output.find("  01 | Wen | 216\n  02 | Wen | 216\n  03 | 佚名 | 0\n"),
            std::string::npos)
      << again.output;
  Leaderboard board;
  ParseLeaderboard(FileContents(player.program.File("list.txt")), board);
  EXPECT_EQ(board.entries[1], (LeaderboardEntry{"Wen", 216}));
}

// Recorded output stays the same on every system: the player speaks Chinese whatever the
// environment names, and another language only when told.
TEST(ScriptPlayer, SpeaksChineseWhateverTheSystemSaysUnlessToldOtherwise) {
  const PlayerCopy player;
  const ScopedEnv language("LANGUAGE", "en");
  const ScopedEnv locale("LANG", "en_US.UTF-8");
  EXPECT_EQ(Play(player, "worked_example.play").output,
            FileContents(std::string(VANDREL_TEST_DATA) + "/worked_example.expected"));
  const PlayerRun english = Play(PlayerCopy(), "worked_example.play", "--lang en");
  EXPECT_EQ(english.status, 0);
  for (const char* seen : {"message \"vandrel\": Game over. Your score: 216\n",
                           "dialog \"On the leaderboard\" offers \"Anonymous\"\n",
                           "  01 | Wen | 216\n  02 | Anonymous | 0\n"}) {
    EXPECT_NE(english.output.find(seen), std::string::npos) << seen << " in\n" << english.output;
  }
  const PlayerRun wrong = Play(PlayerCopy(), "worked_example.play", "--seed 4");
  EXPECT_NE(wrong.status, 0);
  EXPECT_NE(wrong.output.find("usage: vandrel-play [--lang CODE]"), std::string::npos);
}

TEST(ScriptPlayer, StopsAtAnUnknownCommandNamingTheLine) {
  const PlayerRun run = Play(PlayerCopy(), "bad_command.play");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.output.find("line 3: unknown command 'jump'"), std::string::npos);
}

TEST(ScriptPlayer, TapsLongPressesAndKeysByTheirNamesInTheKeyTable) {
  const PlayerRun run = PlayBeside(PlayerCopy(), "seed 1234\nnew\ntap 146 136\nlongpress 146 136\n"
                                                 "key left\nkey return\nkey Jump\n");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.output.find("popup \"-1\" at (146, 126)\nscore 10 -> 9\npopup \"-3\" at (146, 126)\n"
                            "score 9 -> 6\npopup \"-1\" at (241, 231)\n"),
            std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("line 7: key takes one of Space P Left Right Up Down Return Enter Del "
                            "Backspace D F"),
            std::string::npos)
      << run.output;
}

TEST(ScriptPlayer, AGamePlayedByKeysAloneEndsAsTheSameGamePlayedByMouse) {
  const auto [mouseScript, keyScript] = SampleGameScripts();
  const PlayerCopy byMouse;
  const PlayerCopy byKeys;
  const PlayerRun mouse = PlayBeside(byMouse, mouseScript);
  const PlayerRun keys = PlayBeside(byKeys, keyScript);
  EXPECT_EQ(mouse.status, 0) << mouse.output;
  EXPECT_EQ(keys.status, 0) << keys.output;
  // Every popup with its place, every change of the score, the end's boxes and the board.
  EXPECT_EQ(keys.output, mouse.output);
  for (const char* seen : {"popup \"-1\"", "popup \"-2\"", "popup \"-3\"", "popup \"+2\"",
                           "游戏结束", "state Over"}) {
    EXPECT_NE(mouse.output.find(seen), std::string::npos) << seen << " in\n" << mouse.output;
  }
  EXPECT_EQ(FileContents(byKeys.program.File("game.flm")), FileContents(byMouse.program.File("game.flm")));
  EXPECT_FALSE(FileContents(byMouse.program.File("game.flm")).empty());
  EXPECT_EQ(FileContents(byKeys.program.File("list.txt")), FileContents(byMouse.program.File("list.txt")));
}

}  // namespace
