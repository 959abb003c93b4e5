#include "tools/catalogue/po_file.h"

#include <fstream>
#include <sstream>

namespace {

// The entry being read and which of its strings a continuation line adds to.
struct EntryReader {
  PoEntry entry;
  std::string* open = nullptr;
  bool started = false;
};

// A quoted string with C escapes, from the first '"' of text; false when it is malformed.
bool Unquote(std::string_view text, std::string& out) {
  const std::size_t start = text.find('"');
  if (start == std::string_view::npos) return false;
  for (std::size_t i = start + 1; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') return text.find_first_not_of(" \t", i + 1) == std::string_view::npos;
    if (c != '\\') {
      out += c;
      continue;
    }
    if (++i == text.size()) return false;
    switch (text[i]) {
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case '"': out += '"'; break;
      case '\\': out += '\\'; break;
      default: return false;
    }
  }
  return false;
}

// Whether the entry has reached its msgstr, so that a new keyword starts the next entry.
bool Complete(const EntryReader& reader) { return reader.open == &reader.entry.translation; }

// Puts a finished entry into file: the header's fields, or an entry of its own.
void Finish(EntryReader& reader, PoFile& file) {
  if (!reader.started) return;
  if (reader.entry.source.empty() && reader.entry.context.empty()) {
    std::istringstream fields(reader.entry.translation);
    std::string field;
    while (std::getline(fields, field)) {
      const std::size_t colon = field.find(':');
      if (colon == std::string::npos) continue;
      const std::size_t value = field.find_first_not_of(' ', colon + 1);
      file.header[field.substr(0, colon)] = value == std::string::npos ? "" : field.substr(value);
    }
  } else {
    file.entries.push_back(std::move(reader.entry));
  }
  reader = EntryReader{};
}

// One line of the file; false with error set when it is not understood.
bool ReadLine(const std::string& line, int number, EntryReader& reader, PoFile& file,
              std::string& error) {
  if (line.empty() || line.find_first_not_of(" \t") == std::string::npos) {
    Finish(reader, file);
    return true;
  }
  if (line.starts_with("#,")) {
    if (Complete(reader)) Finish(reader, file);
    reader.entry.fuzzy = line.find("fuzzy") != std::string::npos;
    reader.entry.cFormat = line.find("c-format") != std::string::npos &&
                           line.find("no-c-format") == std::string::npos;
    reader.entry.line = number;
    return true;
  }
  if (line.starts_with('#')) return true;
  const bool keyword = line.starts_with("msgctxt ") || line.starts_with("msgid ");
  if (keyword && Complete(reader)) Finish(reader, file);
  std::string* target = nullptr;
  if (line.starts_with("msgctxt ")) {
    target = &reader.entry.context;
  } else if (line.starts_with("msgid ")) {
    target = &reader.entry.source;
  } else if (line.starts_with("msgstr ")) {
    target = &reader.entry.translation;
  } else if (line.starts_with('"') && reader.open != nullptr) {
    target = reader.open;
  } else {
    error = line.starts_with("msgid_plural") || line.starts_with("msgstr[")
                ? "plural forms are not used by this program"
                : "not a line of a catalogue";
    return false;
  }
  if (reader.entry.line == 0) reader.entry.line = number;
  reader.started = true;
  reader.open = target;
  if (!Unquote(line, *target)) {
    error = "a string must be in double quotes, with the escapes \\n \\t \\\" \\\\ only";
    return false;
  }
  return true;
}

}  // namespace

bool ReadPoFile(const std::filesystem::path& path, PoFile& file, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path.string() + ": cannot be read";
    return false;
  }
  file = PoFile{};
  file.path = path;
  EntryReader reader;
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string problem;
    if (!ReadLine(line, number, reader, file, problem)) {
      error = path.string() + ":" + std::to_string(number) + ": " + problem;
      return false;
    }
  }
  Finish(reader, file);
  return true;
}
