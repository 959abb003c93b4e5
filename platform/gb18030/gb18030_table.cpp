#include "platform/gb18030/gb18030_table.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "platform/utf8.h"

namespace {

constexpr std::string_view UTF8_REPLACEMENT = "\xEF\xBF\xBD";  // U+FFFD
// The euro sign is byte 0x80, as code page 936 tools write it (see platform/text_codec.h).
constexpr unsigned char EURO_BYTE = 0x80;
constexpr std::uint32_t EURO_SIGN = 0x20AC;
// The four-byte codes from 90 30 81 30 on stand for U+10000 onwards, one after the other.
constexpr std::uint32_t SUPPLEMENTARY_FIRST_INDEX = ((0x90 - 0x81) * 10 * 126) * 10;

bool IsTrail(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }
bool IsDigit(unsigned char byte) { return byte >= 0x30 && byte <= 0x39; }
bool IsLead(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

int TwoByteSlot(unsigned char lead, unsigned char trail) {
  return (lead - 0x81) * 190 + trail - (trail < 0x7F ? 0x40 : 0x41);
}

std::uint32_t FourByteIndex(unsigned char b1, unsigned char b2, unsigned char b3, unsigned char b4) {
  return ((static_cast<std::uint32_t>(b1 - 0x81) * 10 + (b2 - 0x30)) * 126 + (b3 - 0x81)) * 10 +
         (b4 - 0x30);
}

// The code point of a four-byte code, or 0 when it stands for none.
std::uint32_t FourByteCodePoint(std::uint32_t index) {
  if (index >= SUPPLEMENTARY_FIRST_INDEX) {
    const std::uint32_t code = 0x10000 + (index - SUPPLEMENTARY_FIRST_INDEX);
    return code <= 0x10FFFF ? code : 0;
  }
  const Gb18030Run* end = GB18030_FOUR_BYTE_RUNS + GB18030_FOUR_BYTE_RUN_COUNT;
  const Gb18030Run* run = std::upper_bound(GB18030_FOUR_BYTE_RUNS, end, index,
      [](std::uint32_t i, const Gb18030Run& r) { return i < r.index; });
  if (run == GB18030_FOUR_BYTE_RUNS) return 0;
  --run;
  return index < run->index + run->length ? run->codePoint + (index - run->index) : 0;
}

// The code point and length of the GB18030 code at the start of bytes; nothing when the first
// byte starts no complete code that stands for a character.
std::optional<std::pair<std::uint32_t, std::size_t>> DecodeOne(std::string_view bytes) {
  const auto at = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  if (bytes.size() < 2 || !IsLead(at(0))) return std::nullopt;
  if (IsTrail(at(1))) {
    const int slot = TwoByteSlot(at(0), at(1));
    std::uint32_t code = GB18030_TWO_BYTE[slot];
    for (int i = 0; code == 0 && i < GB18030_TWO_BYTE_WIDE_COUNT; ++i) {
      if (GB18030_TWO_BYTE_WIDE[i].slot == slot) code = GB18030_TWO_BYTE_WIDE[i].codePoint;
    }
    if (code == 0) return std::nullopt;
    return std::make_pair(code, std::size_t{2});
  }
  if (bytes.size() < 4 || !IsDigit(at(1)) || !IsLead(at(2)) || !IsDigit(at(3))) return std::nullopt;
  const std::uint32_t code = FourByteCodePoint(FourByteIndex(at(0), at(1), at(2), at(3)));
  if (code == 0) return std::nullopt;
  return std::make_pair(code, std::size_t{4});
}

std::uint32_t TwoBytesOfSlot(int slot) {
  const int lead = 0x81 + slot / 190;
  const int offset = slot % 190;
  const int trail = offset + (offset < 0x3F ? 0x40 : 0x41);
  return static_cast<std::uint32_t>(lead << 8 | trail);
}

// Every code point that a table names with its GB18030 bytes, ordered by code point, two-byte
// codes first where a character has two; made at first use.
const std::vector<std::pair<std::uint32_t, std::uint32_t>>& TableCodes() {
  static const std::vector<std::pair<std::uint32_t, std::uint32_t>> codes = [] {
    std::vector<std::pair<std::uint32_t, std::uint32_t>> all;
    for (int slot = 0; slot < GB18030_TWO_BYTE_COUNT; ++slot) {
      if (GB18030_TWO_BYTE[slot] != 0) all.emplace_back(GB18030_TWO_BYTE[slot], TwoBytesOfSlot(slot));
    }
    for (int i = 0; i < GB18030_TWO_BYTE_WIDE_COUNT; ++i) {
      all.emplace_back(GB18030_TWO_BYTE_WIDE[i].codePoint, TwoBytesOfSlot(GB18030_TWO_BYTE_WIDE[i].slot));
    }
    for (int r = 0; r < GB18030_FOUR_BYTE_RUN_COUNT; ++r) {
      const Gb18030Run& run = GB18030_FOUR_BYTE_RUNS[r];
      for (std::uint32_t i = 0; i < run.length; ++i) {
        // Four-byte codes are kept as their index with the top bit set.
        all.emplace_back(run.codePoint + i, 0x80000000u | (run.index + i));
      }
    }
    std::stable_sort(all.begin(), all.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    return all;
  }();
  return codes;
}

void AppendFourBytes(std::string& out, std::uint32_t index) {
  const char b4 = static_cast<char>(0x30 + index % 10);
  index /= 10;
  const char b3 = static_cast<char>(0x81 + index % 126);
  index /= 126;
  out += static_cast<char>(0x81 + index / 10);
  out += static_cast<char>(0x30 + index % 10);
  out += b3;
  out += b4;
}

// The GB18030 bytes of one code point; false when it has none.
bool AppendGb18030(std::string& out, std::uint32_t code) {
  const auto& codes = TableCodes();
  const auto found = std::lower_bound(codes.begin(), codes.end(), code,
      [](const auto& entry, std::uint32_t c) { return entry.first < c; });
  if (found == codes.end() || found->first != code) {
    if (code < 0x10000) return false;
    AppendFourBytes(out, SUPPLEMENTARY_FIRST_INDEX + (code - 0x10000));
    return true;
  }
  if ((found->second & 0x80000000u) != 0) {
    AppendFourBytes(out, found->second & 0x7FFFFFFFu);
  } else {
    out += static_cast<char>(found->second >> 8);
    out += static_cast<char>(found->second & 0xFF);
  }
  return true;
}

}  // namespace

std::string TableGb18030ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  while (!bytes.empty()) {
    const auto first = static_cast<unsigned char>(bytes[0]);
    std::size_t used = 1;
    if (first < 0x80) {
      out += static_cast<char>(first);
    } else if (first == EURO_BYTE) {
      AppendUtf8(out, EURO_SIGN);
    } else if (const auto code = DecodeOne(bytes)) {
      AppendUtf8(out, code->first);
      used = code->second;
    } else {
      out += UTF8_REPLACEMENT;
    }
    bytes.remove_prefix(used);
  }
  return out;
}

std::string TableUtf8ToGb18030(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const auto code = Utf8CharAt(text);
    std::size_t used = 1;
    if (!code) {
      out += '?';
    } else if (code->code < 0x80) {
      out += static_cast<char>(code->code);
    } else if (code->code == EURO_SIGN) {
      out += static_cast<char>(EURO_BYTE);
      used = code->length;
    } else {
      // A character without a code stands as '?' for each of its bytes, as converters leave it.
      if (!AppendGb18030(out, code->code)) out.append(code->length, '?');
      used = code->length;
    }
    text.remove_prefix(used);
  }
  return out;
}
