// The GB18030 codec on Windows, through the system's code page 54936. Where the system lacks
// it (Wine does), code page 936 (GBK) stands in: every GBK character still converts, and a
// four-byte GB18030 sequence becomes one replacement character.
//
// The text is cut into single characters here and each one is converted on its own, so that a
// damaged sequence costs exactly one replacement character and the next byte starts afresh,
// whatever the system's own converter would do with the rest of the line.

#include <windows.h>

#include <cstdint>

#include "platform/text_codec.h"
#include "platform/utf8.h"

namespace {

constexpr std::string_view UTF8_REPLACEMENT = "\xEF\xBF\xBD";  // U+FFFD

// The euro sign: one byte 0x80 in code page 936, which GB18030 does not have as a single byte.
// Files written by code-page-936 tools hold 0x80, so it is read as the euro sign and the euro
// sign is written back as 0x80: such a file keeps its bytes.
constexpr char EURO_BYTE = '\x80';
constexpr std::string_view UTF8_EURO = "\xE2\x82\xAC";  // U+20AC
constexpr std::uint32_t EURO_CODE = 0x20AC;

UINT GbCodePage() {
  static const UINT codePage = IsValidCodePage(54936) ? 54936 : 936;
  return codePage;
}

bool InRange(unsigned char byte, unsigned char low, unsigned char high) {
  return byte >= low && byte <= high;
}

// Length of the GB18030 sequence at the start of bytes by its shape, or 0 when no sequence of
// a valid shape starts there (this includes one cut short at the end).
std::size_t GbSequenceLength(std::string_view bytes) {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  if (at(0) < 0x80) return 1;
  if (!InRange(at(0), 0x81, 0xFE) || bytes.size() < 2) return 0;
  if (InRange(at(1), 0x40, 0x7E) || InRange(at(1), 0x80, 0xFE)) return 2;
  if (!InRange(at(1), 0x30, 0x39) || bytes.size() < 4) return 0;
  return InRange(at(2), 0x81, 0xFE) && InRange(at(3), 0x30, 0x39) ? 4 : 0;
}

// One multi-byte GB sequence to UTF-8; false when the code page has no character for it.
bool DecodeOne(std::string_view sequence, std::string& out) {
  wchar_t wide[2];
  const int length = MultiByteToWideChar(GbCodePage(), MB_ERR_INVALID_CHARS, sequence.data(),
                                         static_cast<int>(sequence.size()), wide, 2);
  if (length == 1) {
    AppendUtf8(out, wide[0]);
  } else if (length == 2 && IS_HIGH_SURROGATE(wide[0]) && IS_LOW_SURROGATE(wide[1])) {
    AppendUtf8(out, 0x10000u + ((wide[0] - 0xD800u) << 10) + (wide[1] - 0xDC00u));
  } else {
    return false;
  }
  return true;
}

// One code point to GB bytes; '?' when the code page cannot store it.
void EncodeOne(std::uint32_t code, std::string& out) {
  wchar_t wide[2];
  int units = 1;
  if (code >= 0x10000) {
    wide[0] = static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
    wide[1] = static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    units = 2;
  } else {
    wide[0] = static_cast<wchar_t>(code);
  }
  char bytes[8];
  // Code page 54936 stores every character; 936 reports one it cannot store, which must not be
  // written as a look-alike or as one '?' per UTF-16 unit.
  const bool full = GbCodePage() != 936;
  BOOL usedDefault = FALSE;
  const int length = WideCharToMultiByte(GbCodePage(), full ? 0 : WC_NO_BEST_FIT_CHARS, wide, units,
                                         bytes, sizeof bytes, nullptr, full ? nullptr : &usedDefault);
  if (usedDefault) {
    out += '?';
    return;
  }
  // A single byte above ASCII is no GB18030 character: code page 936 writes the euro sign so.
  if (length > 1 || (length == 1 && static_cast<unsigned char>(bytes[0]) < 0x80)) {
    out.append(bytes, static_cast<std::size_t>(length));
  } else {
    out += '?';
  }
}

}  // namespace

std::string Gb18030ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  while (!bytes.empty()) {
    const std::size_t length = GbSequenceLength(bytes);
    if (length == 1) {
      out += bytes[0];
    } else if (bytes[0] == EURO_BYTE) {
      out += UTF8_EURO;
    } else if (length == 0 || !DecodeOne(bytes.substr(0, length), out)) {
      out += UTF8_REPLACEMENT;
    }
    bytes.remove_prefix(length == 0 ? 1 : length);
  }
  return out;
}

std::string Utf8ToGb18030(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const auto character = Utf8CharAt(text);
    if (!character) {
      out += '?';
      text.remove_prefix(1);
      continue;
    }
    if (character->code < 0x80) {
      out += static_cast<char>(character->code);
    } else if (character->code == EURO_CODE) {
      out += EURO_BYTE;
    } else {
      EncodeOne(character->code, out);
    }
    text.remove_prefix(character->length);
  }
  return out;
}
