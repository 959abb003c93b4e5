#include "tools/catalogue/catalogue.h"

#include <map>
#include <set>

namespace {

// The printf directives of text in order ("%.0lf", "%s"); "%%" is a plain percent sign.
std::vector<std::string> Directives(std::string_view text) {
  std::vector<std::string> found;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    if (i + 1 < text.size() && text[i + 1] == '%') {
      ++i;
      continue;
    }
    const std::size_t end = text.find_first_of("diouxXeEfFgGaAcspn", i + 1);
    found.emplace_back(text.substr(i, end == std::string_view::npos ? end : end - i + 1));
    if (end == std::string_view::npos) break;
    i = end;
  }
  return found;
}

// How many access keys text marks: "&" before a character other than "&" ("&&" is a plain "&").
int AccessKeys(std::string_view text) {
  int count = 0;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') ++count;
    ++i;
  }
  return count;
}

std::string Where(const PoFile& file, int line) {
  return file.path.string() + ":" + std::to_string(line) + ": ";
}

// Problems of one translated entry against its template entry; true when it can be used.
bool CheckTranslation(const PoFile& file, const PoEntry& source, const PoEntry& entry,
                      std::vector<std::string>& problems) {
  const std::string where = Where(file, entry.line) + "\"" + entry.context + "\" ";
  if (entry.source != source.source) {
    problems.push_back(where + "translates an English text the template no longer has");
    return false;
  }
  if (entry.translation.empty() || entry.fuzzy) {
    problems.push_back(where + (entry.fuzzy ? "is fuzzy" : "is not translated"));
    return false;
  }
  if (Directives(entry.translation) != Directives(source.source)) {
    problems.push_back(where + "must keep the printf directives of the source, in order");
    return false;
  }
  if (AccessKeys(source.source) > 0 && AccessKeys(entry.translation) != AccessKeys(source.source)) {
    problems.push_back(where + "must mark one access key with \"&\", as the source does");
  }
  return true;
}

}  // namespace

bool IsLanguageCode(std::string_view code) {
  const auto lower = [](char c) { return c >= 'a' && c <= 'z'; };
  const auto upper = [](char c) { return c >= 'A' && c <= 'Z'; };
  const std::size_t bar = code.find('_');
  const std::string_view language = code.substr(0, bar);
  if (language.size() < 2 || language.size() > 3) return false;
  for (const char c : language) {
    if (!lower(c)) return false;
  }
  if (bar == std::string_view::npos) return true;
  const std::string_view region = code.substr(bar + 1);
  return region.size() == 2 && upper(region[0]) && upper(region[1]);
}

std::vector<std::string> CheckTemplate(const PoFile& pot) {
  std::vector<std::string> problems;
  std::set<std::string> seen;
  for (const PoEntry& entry : pot.entries) {
    if (entry.context.empty()) {
      problems.push_back(Where(pot, entry.line) + "every text needs a context (msgctxt)");
    } else if (!seen.insert(entry.context).second) {
      problems.push_back(Where(pot, entry.line) + "\"" + entry.context + "\" is there twice");
    }
  }
  return problems;
}

Catalogue CheckCatalogue(const PoFile& pot, const PoFile& file, std::vector<std::string>& problems) {
  Catalogue catalogue;
  catalogue.code = file.path.stem().string();
  const std::string name = file.path.string() + ": ";
  if (!IsLanguageCode(catalogue.code)) {
    problems.push_back(name + "the file's name must be a language code, as de.po or pt_BR.po");
  }
  const auto language = file.header.find("Language");
  if (language == file.header.end() || language->second != catalogue.code) {
    problems.push_back(name + "its Language header must be \"" + catalogue.code + "\"");
  }
  std::map<std::string, const PoEntry*> byContext;
  for (const PoEntry& entry : file.entries) {
    if (!byContext.emplace(entry.context, &entry).second) {
      problems.push_back(Where(file, entry.line) + "\"" + entry.context + "\" is there twice");
    }
  }
  for (const PoEntry& source : pot.entries) {
    const auto found = byContext.find(source.context);
    const bool usable = found != byContext.end() &&
                        CheckTranslation(file, source, *found->second, problems);
    if (found == byContext.end()) problems.push_back(name + "lacks \"" + source.context + "\"");
    catalogue.texts.push_back(usable ? found->second->translation : source.source);
    catalogue.own.push_back(usable);
    if (found != byContext.end()) byContext.erase(found);
  }
  for (const auto& [context, entry] : byContext) {
    problems.push_back(Where(file, entry->line) + "\"" + context +
                       "\" is a stray text the template does not have");
  }
  return catalogue;
}
