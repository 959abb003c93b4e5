#include "platform/text_codec.h"

#include <iconv.h>

#include <cerrno>

namespace {

constexpr std::string_view UTF8_REPLACEMENT = "\xEF\xBF\xBD";  // U+FFFD

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
// stands as `replacement` in the output.
std::string Convert(const char* to, const char* from, std::string_view input,
                    std::string_view replacement) {
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
    out += replacement;
    ++in;
    --inLeft;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string Gb18030ToUtf8(std::string_view bytes) {
  return Convert("UTF-8", "GB18030", bytes, UTF8_REPLACEMENT);
}

std::string Utf8ToGb18030(std::string_view text) { return Convert("GB18030", "UTF-8", text, "?"); }
