#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/support/temp_folder.h"

namespace {

struct PlayerRun {
  std::string output;
  int status;
};

// Runs the script player on a script from the test data folder, in that folder.
PlayerRun Play(const std::string& script) {
#ifdef _WIN32
  const std::string command = std::string("cd /d \"") + VANDREL_TEST_DATA + "\" && \"" +
                              VANDREL_PLAY + "\" < " + script + " 2>&1";
#else
  const std::string command = std::string("cd '") + VANDREL_TEST_DATA + "' && '" + VANDREL_PLAY +
                              "' < " + script + " 2>&1";
#endif
  PlayerRun run{{}, -1};
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
  run.status = pclose(pipe);
  return run;
}

TEST(ScriptPlayer, ReproducesTheWaterWalkFromSourceToDrain) {
  const PlayerRun run = Play("worked_example.play");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, FileContents(std::string(VANDREL_TEST_DATA) + "/worked_example.expected"));
}

TEST(ScriptPlayer, StopsAtAnUnknownCommandNamingTheLine) {
  const PlayerRun run = Play("bad_command.play");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.output.find("line 3: unknown command 'jump'"), std::string::npos);
}

}  // namespace
