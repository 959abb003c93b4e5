#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Runs vandrel-play on a script; returns its exit status.
int Play(const std::string& script) {
  const std::string scriptPath = ::testing::TempDir() + "frame_script.txt";
  std::ofstream(scriptPath) << script;
#ifdef _WIN32
  // The command processor hands back the program's exit code itself.
  const std::string command = std::string(VANDREL_PLAY) + " < " + scriptPath + " > NUL 2>&1";
  return std::system(command.c_str());
#else
  const std::string command = std::string(VANDREL_PLAY) + " < " + scriptPath + " > /dev/null 2>&1";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

std::vector<unsigned char> ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t Big(const std::vector<unsigned char>& b, std::size_t at) {
  return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) | (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}

TEST(PlayFrame, WritesTheWindowsFrameAsAPng) {
  const std::string path = ::testing::TempDir() + "frame.png";
  std::remove(path.c_str());
  ASSERT_EQ(Play("seed 5\nnew\nclick 200 200\ntick water 3\nframe " + path + "\n"), 0);
  const std::vector<unsigned char> png = ReadFile(path);
  ASSERT_GT(png.size(), 33u);
  EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
  EXPECT_EQ(Big(png, 16), 479u);
  EXPECT_EQ(Big(png, 20), 458u);
}

TEST(PlayFrame, AFrameThatCannotBeWrittenStopsTheScript) {
  EXPECT_NE(Play("new\nframe /nonexistent-folder/frame.png\n"), 0);
  EXPECT_NE(Play("new\nframe\n"), 0);
}

}  // namespace
