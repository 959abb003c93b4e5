#include "storage/text_scanner.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

namespace {

// The number written in [first, last), read whole; false when it is not one number.
bool ParseNumber(const char* first, const char* last, double& value) {
#if defined(__EMSCRIPTEN__)
  // The browser's C++ library has no from_chars for floating point; its C library reads '.' as
  // the decimal point whatever the locale, as from_chars does.
  const std::string text(first, last);
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return !text.empty() && end == text.c_str() + text.size();
#else
  const auto [ptr, ec] = std::from_chars(first, last, value);
  return ec == std::errc() && ptr == last;
#endif
}

}  // namespace

bool TextScanner::Expect(char c) {
  if (AtEnd() || m_text[m_pos] != c) return false;
  ++m_pos;
  return true;
}

void TextScanner::SkipSpace() {
  while (!AtEnd() && IsTextSpace(m_text[m_pos])) ++m_pos;
}

std::size_t TextScanner::DigitsAt(std::size_t from) const {
  std::size_t end = from;
  while (end < m_text.size() && m_text[end] >= '0' && m_text[end] <= '9') ++end;
  return end - from;
}

bool TextScanner::ReadInt(int& value) {
  SkipSpace();
  std::size_t pos = m_pos;
  const bool negative = pos < m_text.size() && m_text[pos] == '-';
  if (pos < m_text.size() && (m_text[pos] == '-' || m_text[pos] == '+')) ++pos;
  const std::size_t digits = DigitsAt(pos);
  if (digits == 0) return false;
  // Accumulated as a negative number, which reaches INT_MIN as well as -INT_MAX.
  long long magnitude = 0;
  for (std::size_t i = pos; i < pos + digits; ++i) {
    magnitude = magnitude * 10 + (m_text[i] - '0');
    if (magnitude > 2147483648LL) return false;
  }
  if (!negative && magnitude > 2147483647LL) return false;
  value = static_cast<int>(negative ? -magnitude : magnitude);
  m_pos = pos + digits;
  return true;
}

bool TextScanner::ReadNumber(double& value) {
  SkipSpace();
  std::size_t pos = m_pos;
  const bool plus = pos < m_text.size() && m_text[pos] == '+';
  if (pos < m_text.size() && (m_text[pos] == '-' || plus)) ++pos;
  std::size_t end = pos + DigitsAt(pos);
  std::size_t digits = end - pos;
  if (end < m_text.size() && m_text[end] == '.') {
    const std::size_t fraction = DigitsAt(end + 1);
    digits += fraction;
    end += 1 + fraction;
  }
  if (digits == 0) return false;
  // An exponent counts only with at least one digit; otherwise the number ends before the 'e'.
  if (end < m_text.size() && (m_text[end] == 'e' || m_text[end] == 'E')) {
    std::size_t exponent = end + 1;
    if (exponent < m_text.size() && (m_text[exponent] == '-' || m_text[exponent] == '+'))
      ++exponent;
    if (DigitsAt(exponent) > 0) end = exponent + DigitsAt(exponent);
  }
  // from_chars takes no plus sign; it parses the same text without it.
  const std::size_t first = plus ? m_pos + 1 : m_pos;
  double parsed = 0.0;
  if (!ParseNumber(m_text.data() + first, m_text.data() + end, parsed) || !std::isfinite(parsed)) {
    return false;
  }
  value = parsed;
  m_pos = end;
  return true;
}
