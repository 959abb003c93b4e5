// vandrel-catalogue: the program's texts from the gettext catalogues in po/, at build time.
//
//   vandrel-catalogue program OUT POT DEFAULT HELP PO...  the tables compiled into the program
//   vandrel-catalogue merge IN OUTFILE POT DEFAULT HELP PO...  a file filled with every language
//   vandrel-catalogue check POT DEFAULT HELP PO...         every problem; status 1 if any
//
// POT is the template (po/vandrel.pot), DEFAULT the code of the language spoken when the
// player's system names none the program has, HELP the folder of the help pages (the default
// language's in it, every other language's in a folder named by its code), PO the catalogues.
// A catalogue that lacks a text still builds, with the English text in its place, and the
// problems are printed as warnings; "check" is what the tests run, and fails on any of them.

#include <algorithm>
#include <iostream>
#include <span>
#include <string>

#include "tools/catalogue/outputs.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* HELP_PAGES[] = {"instructions.html", "contact.html"};

bool HoldsHelpPages(const fs::path& folder) {
  std::error_code error;
  return std::all_of(std::begin(HELP_PAGES), std::end(HELP_PAGES),
                     [&](const char* page) { return fs::is_regular_file(folder / page, error); });
}

bool HasLanguage(const CatalogueSet& set, const std::string& code) {
  return std::any_of(set.languages.begin(), set.languages.end(),
                     [&](const Catalogue& language) { return language.code == code; });
}

// The languages whose help pages ship: the default language's in help itself, the others'
// in folders named by their codes.
void FindHelpPages(CatalogueSet& set, const fs::path& help, std::vector<std::string>& problems) {
  if (!HoldsHelpPages(help)) problems.push_back(help.string() + ": the default language's pages are missing");
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(help, error)) {
    if (!entry.is_directory(error)) continue;
    const std::string code = entry.path().filename().string();
    if (!HasLanguage(set, code) || code == set.defaultCode) {
      problems.push_back(entry.path().string() + ": help pages of a language with no catalogue");
    } else if (!HoldsHelpPages(entry.path())) {
      problems.push_back(entry.path().string() + ": must hold instructions.html and contact.html");
    } else {
      set.helpPages.push_back(code);
    }
  }
  std::sort(set.helpPages.begin(), set.helpPages.end());
}

// Reads the template and the catalogues; false when one cannot be read at all.
bool Load(std::span<char*> args, CatalogueSet& set, std::vector<std::string>& problems) {
  std::string error;
  if (!ReadPoFile(args[0], set.pot, error)) {
    problems.push_back(error);
    return false;
  }
  problems = CheckTemplate(set.pot);
  set.defaultCode = args[1];
  for (char* path : args.subspan(3)) {
    PoFile file;
    if (!ReadPoFile(path, file, error)) {
      problems.push_back(error);
      return false;
    }
    set.languages.push_back(CheckCatalogue(set.pot, file, problems));
  }
  std::sort(set.languages.begin(), set.languages.end(),
            [](const Catalogue& a, const Catalogue& b) { return a.code < b.code; });
  if (!HasLanguage(set, set.defaultCode)) {
    problems.push_back("the default language " + set.defaultCode + " has no catalogue");
    return false;
  }
  FindHelpPages(set, args[2], problems);
  return true;
}

void Print(const std::vector<std::string>& problems, const char* kind) {
  for (const std::string& problem : problems) std::cerr << "vandrel-catalogue: " << kind << problem << "\n";
}

int Usage() {
  std::cerr << "usage: vandrel-catalogue program OUT POT DEFAULT HELP PO...\n"
               "       vandrel-catalogue merge IN OUTFILE POT DEFAULT HELP PO...\n"
               "       vandrel-catalogue check POT DEFAULT HELP PO...\n";
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::span<char*> args(argv, static_cast<std::size_t>(argc));
  if (args.size() < 2) return Usage();
  const std::string mode = args[1];
  const std::size_t first = mode == "check" ? 2 : mode == "program" ? 3 : mode == "merge" ? 4 : 0;
  if (first == 0 || args.size() < first + 4) return Usage();
  CatalogueSet set;
  std::vector<std::string> problems;
  const bool loaded = Load(args.subspan(first), set, problems);
  if (mode == "check" || !loaded) {
    Print(problems, "");
    if (problems.empty()) std::cout << "catalogues: " << set.languages.size() << " languages, "
                                    << set.pot.entries.size() << " texts each, complete\n";
    return problems.empty() ? 0 : 1;
  }
  Print(problems, "warning: ");
  std::string error;
  const bool written = mode == "program" ? WriteProgramTables(set, args[2])
                                         : MergeIntoFile(set, args[2], args[3], error);
  if (!written) std::cerr << "vandrel-catalogue: " << (error.empty() ? "cannot write the tables" : error) << "\n";
  return written ? 0 : 1;
}
