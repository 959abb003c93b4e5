#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "frontends/scripted/temp_folder.h"

// Long random scripts (made by vandrel-script-gen from a seed) played through vandrel-play:
// the output must stay byte for byte what was recorded in tests/data/recorded_scripts.txt, as
// "SEED ACTIONS DIGEST" lines. To record anew after an intended change of behaviour, run this
// test with VANDREL_RECORD=1; with VANDREL_SCRIPT_OUTPUTS=DIR it also leaves every output in
// DIR, to compare two builds with diff.

namespace {

namespace fs = std::filesystem;

const std::string RECORD_FILE = std::string(VANDREL_TEST_DATA) + "/recorded_scripts.txt";

std::uint64_t Fnv1a(const std::string& bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ull;
  return hash;
}

std::string Hex(std::uint64_t value) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return text;
}

#ifdef _WIN32
constexpr const char* PLAYER_NAME = "vandrel-play.exe";
#else
constexpr const char* PLAYER_NAME = "vandrel-play";
#endif

// The command line that pipes the script of seed into the player copy in folder.
std::string PipeCommand(const std::string& folder, unsigned seed, int actions) {
  const std::string script = std::to_string(seed) + " " + std::to_string(actions);
#ifdef _WIN32
  return "cd /d \"" + folder + "\" && \"" + VANDREL_SCRIPT_GEN + "\" " + script + " | " +
         PLAYER_NAME + " 2>&1";
#else
  return "cd '" + folder + "' && '" + VANDREL_SCRIPT_GEN + "' " + script + " | ./" + PLAYER_NAME +
         " 2>&1";
#endif
}

// The player's output (standard output and error) for the script of seed, run in a fresh
// folder that holds a copy of the player (its list.txt lands there) and the worked example,
// then "exit STATUS".
std::string PlayScript(unsigned seed, int actions) {
  TempFolder folder;
  fs::copy_file(VANDREL_PLAY, folder.File(PLAYER_NAME));
  fs::copy_file(std::string(VANDREL_TEST_DATA) + "/worked_example.flm",
                folder.File("worked_example.flm"));
  std::string output;
  int status = -1;
  if (FILE* pipe = popen(PipeCommand(folder.Path(), seed, actions).c_str(), "r")) {
    char buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
    status = pclose(pipe);
  }
#ifndef _WIN32
  status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
  return output + "exit " + std::to_string(status) + "\n";
}

struct Recording {
  unsigned seed;
  int actions;
  std::string digest;
};

std::vector<Recording> ReadRecordings() {
  std::vector<Recording> recordings;
  std::ifstream in(RECORD_FILE);
  Recording r{};
  while (in >> r.seed >> r.actions >> r.digest) recordings.push_back(r);
  return recordings;
}

TEST(RecordedScripts, PlayerOutputStaysByteIdentical) {
  std::vector<Recording> recordings = ReadRecordings();
  ASSERT_GE(recordings.size(), 24u);
  const char* outputs = std::getenv("VANDREL_SCRIPT_OUTPUTS");
  std::ostringstream recorded;
  for (Recording& r : recordings) {
    const std::string output = PlayScript(r.seed, r.actions);
    if (outputs != nullptr) std::ofstream(fs::path(outputs) / (std::to_string(r.seed) + ".out")) << output;
    const std::string digest = Hex(Fnv1a(output));
    EXPECT_EQ(digest, r.digest) << "script " << r.seed << " (" << r.actions << " actions)";
    recorded << r.seed << " " << r.actions << " " << digest << "\n";
  }
  if (std::getenv("VANDREL_RECORD") != nullptr) std::ofstream(RECORD_FILE) << recorded.str();
}

}  // namespace
