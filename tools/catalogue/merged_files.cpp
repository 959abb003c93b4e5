// The desktop entry, the saved-game file type, the software centres' data and the browser's
// page, filled with every language's texts.

#include <fstream>
#include <map>
#include <sstream>

#include "tools/catalogue/outputs.h"

namespace {

enum class FileKind { Desktop, Xml, Html };

FileKind KindOf(const std::filesystem::path& output) {
  const std::string extension = output.extension().string();
  if (extension == ".desktop") return FileKind::Desktop;
  return extension == ".html" ? FileKind::Html : FileKind::Xml;
}

std::string Escaped(const std::string& text, FileKind kind) {
  std::string out;
  for (const char c : text) {
    if (kind == FileKind::Desktop) {
      if (c == '\\') out += "\\\\";
      else if (c == '\n') out += "\\n";
      else out += c;
      continue;
    }
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

// "zh_CN" as HTML writes a language: "zh-CN".
std::string HtmlLanguage(std::string code) {
  const std::size_t bar = code.find('_');
  if (bar != std::string::npos) code[bar] = '-';
  return code;
}

// line with its placeholder replaced by text and marked as language code (untagged when code
// is empty): "Key[code]=" in a desktop entry, an attribute on the line's first element else.
std::string Tagged(const std::string& line, std::size_t at, std::size_t length,
                   const std::string& text, const std::string& code, FileKind kind) {
  std::string out = line.substr(0, at) + Escaped(text, kind) + line.substr(at + length);
  if (code.empty()) return out;
  if (kind == FileKind::Desktop) return out.insert(out.find('='), "[" + code + "]");
  const std::string attribute = kind == FileKind::Html
                                    ? " lang=\"" + HtmlLanguage(code) + "\""
                                    : " xml:lang=\"" + code + "\"";
  return out.insert(out.find_first_of(" >", out.find('<')), attribute);
}

// The English text, untagged in desktop entries and XML: the English catalogue's where it
// has one, else the template's source.
std::string English(const CatalogueSet& set, std::size_t index) {
  for (const Catalogue& language : set.languages) {
    if (language.code == "en") return language.texts[index];
  }
  return set.pot.entries[index].source;
}

// The languages tagged for one text: those whose catalogue translates it, by code; in HTML
// every one, the default language first, elsewhere every one but English.
std::vector<const Catalogue*> TaggedLanguages(const CatalogueSet& set, std::size_t index,
                                              FileKind kind) {
  std::vector<const Catalogue*> order;
  for (const Catalogue& language : set.languages) {
    if (!language.own[index] || (kind != FileKind::Html && language.code == "en")) continue;
    const bool first = kind == FileKind::Html && language.code == set.defaultCode;
    order.insert(first ? order.begin() : order.end(), &language);
  }
  return order;
}

std::string Expand(const CatalogueSet& set, const std::string& line, std::size_t at,
                   std::size_t length, std::size_t index, FileKind kind) {
  std::string out;
  if (kind != FileKind::Html) out += Tagged(line, at, length, English(set, index), "", kind) + "\n";
  for (const Catalogue* language : TaggedLanguages(set, index, kind)) {
    out += Tagged(line, at, length, language->texts[index], language->code, kind) + "\n";
  }
  return out;
}

}  // namespace

bool MergeIntoFile(const CatalogueSet& set, const std::filesystem::path& input,
                   const std::filesystem::path& output, std::string& error) {
  std::ifstream in(input, std::ios::binary);
  if (!in) {
    error = input.string() + ": cannot be read";
    return false;
  }
  std::map<std::string, std::size_t> indexOf;
  for (std::size_t i = 0; i < set.pot.entries.size(); ++i) indexOf[set.pot.entries[i].context] = i;
  const FileKind kind = KindOf(output);
  std::string merged;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    const std::size_t open = line.find("{{");
    const std::size_t close = line.find("}}", open);
    if (open == std::string::npos || close == std::string::npos) {
      merged += line + "\n";
      continue;
    }
    const auto found = indexOf.find(line.substr(open + 2, close - open - 2));
    if (found == indexOf.end()) {
      error = input.string() + ":" + std::to_string(number) + ": no text has this context";
      return false;
    }
    merged += Expand(set, line, open, close + 2 - open, found->second, kind);
  }
  if (!WriteIfChanged(output, merged)) {
    error = output.string() + ": cannot be written";
    return false;
  }
  return true;
}
