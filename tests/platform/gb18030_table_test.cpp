#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/text_codec.h"

// The browser converts GB18030 by tables, made from this system's converter; here both must
// give the same bytes and texts, for every character and for damaged input alike.
#if defined(VANDREL_GB18030_TABLES)

#include "platform/gb18030/gb18030_table.h"
#include "platform/utf8.h"

namespace {

std::string Utf8Of(std::uint32_t code) {
  std::string out;
  AppendUtf8(out, code);
  return out;
}

// Every character of the Basic Multilingual Plane, and every 61st beyond it (those are coded
// one after the other, by rule).
TEST(Gb18030Tables, EveryCharacterGoesBothWaysAsTheSystemConverts) {
  std::string all;
  for (std::uint32_t code = 1; code <= 0x10FFFF; code += code < 0x10000 ? 1 : 61) {
    if (code < 0xD800 || code > 0xDFFF) all += Utf8Of(code);
  }
  const std::string bytes = Utf8ToGb18030(all);
  ASSERT_EQ(TableUtf8ToGb18030(all), bytes);
  EXPECT_EQ(TableGb18030ToUtf8(bytes), Gb18030ToUtf8(bytes));
  EXPECT_EQ(TableUtf8ToGb18030("佚名€"), "\xD8\xFD\xC3\xFB\x80");
  EXPECT_EQ(TableGb18030ToUtf8("\xD8\xFD\xC3\xFB\x80"), "佚名€");
}

TEST(Gb18030Tables, DamagedInputTurnsOutAsTheSystemTurnsIt) {
  std::uint32_t state = 7;
  const auto next = [&state] {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
  };
  // Bytes of every kind GB18030 uses, cut and mixed at random, and broken UTF-8.
  const unsigned char kinds[] = {0x41, 0x80, 0x81, 0x84, 0x90, 0xE3, 0xFE, 0xFF, 0x30, 0x39,
                                 0x40, 0x7F, 0xA1, 0xC2, 0xE2, 0xED, 0xF0, 0xF5, 0xBF};
  for (int round = 0; round < 20000; ++round) {
    std::string input;
    for (std::uint32_t length = next() % 12; length > 0; --length) {
      input += static_cast<char>(next() % 3 == 0 ? next() & 0xFF : kinds[next() % sizeof kinds]);
    }
    ASSERT_EQ(TableGb18030ToUtf8(input), Gb18030ToUtf8(input)) << "round " << round;
    ASSERT_EQ(TableUtf8ToGb18030(input), Utf8ToGb18030(input)) << "round " << round;
  }
}

}  // namespace

#endif
