#include "platform/text_codec.h"

#include <iconv.h>

#include <cerrno>

namespace {

constexpr std::string_view UTF8_REPLACEMENT = "\xEF\xBF\xBD";  // U+FFFD

// The euro sign: one byte 0x80 in code page 936, which GB18030 does not have as a single byte
// (it writes the sign as A2 E3). Files written by code-page-936 tools hold 0x80, so it is read
// as the euro sign and the euro sign is written back as 0x80: such a file keeps its bytes.
constexpr char EURO_BYTE = '\x80';
constexpr std::string_view UTF8_EURO = "\xE2\x82\xAC";  // U+20AC

// Without the converter only ASCII, which both encodings share, can pass unchanged.
std::string AsciiOnly(std::string_view input, std::string_view replacement) {
  std::string out;
  for (char c : input) {
    if (static_cast<unsigned char>(c) < 0x80) {
      out += c;
    } else {
      out += replacement;
    }
  }
  return out;
}

// Converts input from one encoding to another with iconv. Each sequence the converter refuses
// (EILSEQ, or EINVAL for one cut short at the end) is passed over one byte at a time and
// stands as `replacement` in the output; where euroByte is set, a refused byte 0x80 stands as
// the euro sign instead.
std::string Convert(const char* to, const char* from, std::string_view input,
                    std::string_view replacement, bool euroByte = false) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return AsciiOnly(input, replacement);

  std::string out;
  out.reserve(input.size() + input.size() / 2);
  char* in = const_cast<char*>(input.data());  // iconv does not write through it
  std::size_t inLeft = input.size();
  char buffer[256];
  while (inLeft > 0) {
    char* o = buffer;
    std::size_t oLeft = sizeof buffer;
    const std::size_t result = iconv(cd, &in, &inLeft, &o, &oLeft);
    out.append(buffer, static_cast<std::size_t>(o - buffer));
    if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    out += euroByte && *in == EURO_BYTE ? UTF8_EURO : replacement;
    ++in;
    --inLeft;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string Gb18030ToUtf8(std::string_view bytes) {
  return Convert("UTF-8", "GB18030", bytes, UTF8_REPLACEMENT, true);
}

// UTF-8 never has E2 82 AC inside another character, so the text can be cut at each euro sign.
std::string Utf8ToGb18030(std::string_view text) {
  std::string out;
  for (std::size_t euro; (euro = text.find(UTF8_EURO)) != std::string_view::npos;) {
    out += Convert("GB18030", "UTF-8", text.substr(0, euro), "?");
    out += EURO_BYTE;
    text.remove_prefix(euro + UTF8_EURO.size());
  }
  return out + Convert("GB18030", "UTF-8", text, "?");
}
