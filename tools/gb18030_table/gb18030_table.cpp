// vandrel-gb18030-table: writes the GB18030 tables of platform/gb18030/gb18030_table.h as C++, read off
// the build machine's converter (iconv), for the programs whose system has no GB18030.
// Usage: vandrel-gb18030-table OUTPUT.cpp

#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "platform/gb18030/gb18030_table.h"

namespace {

// The code point that bytes stand for in GB18030, or 0 when they stand for none.
std::uint32_t CodePointOf(iconv_t cd, const std::string& bytes) {
  std::uint32_t out = 0;
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char* o = reinterpret_cast<char*>(&out);
  std::size_t oLeft = sizeof out;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &in, &inLeft, &o, &oLeft) == static_cast<std::size_t>(-1) || inLeft != 0 ||
      oLeft != 0) {
    return 0;
  }
  return out;
}

std::string FourBytes(std::uint32_t index) {
  std::string bytes(4, '\0');
  bytes[3] = static_cast<char>(0x30 + index % 10);
  index /= 10;
  bytes[2] = static_cast<char>(0x81 + index % 126);
  index /= 126;
  bytes[1] = static_cast<char>(0x30 + index % 10);
  bytes[0] = static_cast<char>(0x81 + index / 10);
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vandrel-gb18030-table OUTPUT.cpp\n");
    return 2;
  }
  iconv_t cd = iconv_open("UTF-32LE", "GB18030");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    std::fprintf(stderr, "vandrel-gb18030-table: this system's iconv has no GB18030\n");
    return 1;
  }
  std::ofstream out(argv[1]);
  out << "// Generated at build time by vandrel-gb18030-table; do not edit.\n"
         "#include \"platform/gb18030/gb18030_table.h\"\n\n"
         "const std::uint16_t GB18030_TWO_BYTE[GB18030_TWO_BYTE_COUNT] = {\n";
  int slot = 0;
  std::vector<Gb18030WideCode> wide;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const std::uint32_t code = CodePointOf(cd, std::string{static_cast<char>(lead), static_cast<char>(trail)});
      if (code > 0xFFFF) wide.push_back({static_cast<std::uint16_t>(slot), code});
      out << (code <= 0xFFFF ? code : 0) << (++slot % 16 == 0 ? ",\n" : ",");
    }
  }
  out << "};\n\nconst Gb18030WideCode GB18030_TWO_BYTE_WIDE[] = {\n";
  for (const Gb18030WideCode& code : wide) out << "    {" << code.slot << ", " << code.codePoint << "},\n";
  out << "};\n\nconst int GB18030_TWO_BYTE_WIDE_COUNT = " << wide.size() << ";\n\n"
         "const Gb18030Run GB18030_FOUR_BYTE_RUNS[] = {\n";
  // 81 30 81 30 up to 84 39 FE 39: the four-byte codes of the Basic Multilingual Plane.
  constexpr std::uint32_t BMP_FOUR_BYTE_COUNT = 4 * 10 * 126 * 10;
  std::vector<Gb18030Run> runs;
  for (std::uint32_t index = 0; index < BMP_FOUR_BYTE_COUNT; ++index) {
    const std::uint32_t code = CodePointOf(cd, FourBytes(index));
    if (code == 0 || code > 0xFFFF) continue;
    if (!runs.empty() && runs.back().index + runs.back().length == index &&
        runs.back().codePoint + runs.back().length == code) {
      ++runs.back().length;
    } else {
      runs.push_back({index, code, 1});
    }
  }
  for (const Gb18030Run& run : runs) {
    out << "    {" << run.index << ", " << run.codePoint << ", " << run.length << "},\n";
  }
  out << "};\n\nconst int GB18030_FOUR_BYTE_RUN_COUNT = " << runs.size() << ";\n";
  iconv_close(cd);
  return out ? 0 : 1;
}
