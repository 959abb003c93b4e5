#pragma once

#include <cstddef>
#include <string_view>

// Reads the game's text files from memory, one token at a time, with the matching rules of the
// formats: a bracket must be the very next character, while a number may follow white space.
// The scanner never reads outside its text and never allocates.
class TextScanner {
 public:
  explicit TextScanner(std::string_view text) : m_text(text) {}

  // Consumes c if it is the next character; nothing is skipped before it.
  bool Expect(char c);
  // Skips spaces, tabs, line ends, vertical tabs and form feeds.
  void SkipSpace();
  // Skips white space, then reads an optional sign and a run of decimal digits. False when no
  // digit follows or the value does not fit an int.
  bool ReadInt(int& value);
  // Skips white space, then reads the longest decimal number there: optional sign, digits with
  // an optional fraction, an optional exponent. False when there is none or its value does not
  // fit a finite double.
  bool ReadNumber(double& value);

  bool AtEnd() const { return m_pos >= m_text.size(); }
  std::size_t Position() const { return m_pos; }

 private:
  // Length of the run of decimal digits starting at from.
  std::size_t DigitsAt(std::size_t from) const;

  std::string_view m_text;
  std::size_t m_pos = 0;
};

// The white-space characters of the C locale.
constexpr bool IsTextSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
