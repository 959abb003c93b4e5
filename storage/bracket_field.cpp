#include "storage/bracket_field.h"

#include <charconv>

void AppendField(std::string& out, int value) {
  char text[16];
  text[0] = '[';
  char* end = std::to_chars(text + 1, text + sizeof text - 1, value).ptr;
  *end++ = ']';
  out.append(text, static_cast<std::size_t>(end - text));
}

bool ReadField(TextScanner& in, int& value, int min, int max) {
  int read = 0;
  if (!in.Expect('[') || !in.ReadInt(read) || !in.Expect(']')) return false;
  if (read < min || read > max) return false;
  value = read;
  return true;
}
