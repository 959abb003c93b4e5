#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

// One entry of a gettext catalogue (.po or .pot): the context that names the text, the source
// text (English) and its translation, with the flags a translator's tool sets.
struct PoEntry {
  std::string context;  // msgctxt
  std::string source;   // msgid
  std::string translation;  // msgstr; empty while untranslated
  bool fuzzy = false;       // "#, fuzzy": a guess the translator has not confirmed
  bool cFormat = false;     // "#, c-format": holds printf directives
  int line = 0;             // where the entry starts, for messages
};

struct PoFile {
  std::filesystem::path path;
  std::map<std::string, std::string> header;  // the fields of the header entry (msgid "")
  std::vector<PoEntry> entries;               // in the file's order, header left out
};

// Reads a catalogue written in UTF-8. False with error set ("file:line: what") when the file
// cannot be read or is not in the format: an unknown keyword, a string without its closing
// quote, an unknown escape, plural forms (no text of this program has any).
bool ReadPoFile(const std::filesystem::path& path, PoFile& file, std::string& error);
