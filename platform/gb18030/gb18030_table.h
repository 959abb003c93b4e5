#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// GB18030 by tables, for systems whose own converter lacks it (the browser's C library): the
// same conversions as the text codec of platform/text_codec.h, with the same handling of what
// does not convert (see there), and the euro sign as byte 0x80 as code page 936 tools write it.
std::string TableGb18030ToUtf8(std::string_view bytes);
std::string TableUtf8ToGb18030(std::string_view text);

// The tables, made at build time from the build machine's converter by vandrel-gb18030-table.
// Two-byte codes: lead byte 0x81..0xFE, trail byte 0x40..0x7E or 0x80..0xFE, at
// (lead - 0x81) * 190 + trail - (trail < 0x7F ? 0x40 : 0x41); 0 where a code stands for nothing
// or for a character beyond U+FFFF, which the few such codes name in the list after it.
constexpr int GB18030_TWO_BYTE_COUNT = 126 * 190;
extern const std::uint16_t GB18030_TWO_BYTE[GB18030_TWO_BYTE_COUNT];
struct Gb18030WideCode {
  std::uint16_t slot;
  std::uint32_t codePoint;
};
extern const Gb18030WideCode GB18030_TWO_BYTE_WIDE[];
extern const int GB18030_TWO_BYTE_WIDE_COUNT;
// Four-byte codes of the Basic Multilingual Plane, by their index from 81 30 81 30: runs of
// consecutive indexes standing for consecutive code points.
struct Gb18030Run {
  std::uint32_t index;
  std::uint32_t codePoint;
  std::uint32_t length;
};
extern const Gb18030Run GB18030_FOUR_BYTE_RUNS[];
extern const int GB18030_FOUR_BYTE_RUN_COUNT;
