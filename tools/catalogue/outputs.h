#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tools/catalogue/catalogue.h"

// What the generator writes from the template and the catalogues.

struct CatalogueSet {
  PoFile pot;                        // the template: every text's context and English source
  std::vector<Catalogue> languages;  // sorted by code
  std::string defaultCode;           // the language spoken when the player's system names none
  std::vector<std::string> helpPages;  // the languages with help pages of their own
};

// Writes file only when its contents change, so a build recompiles nothing needlessly. False
// when it cannot be written.
bool WriteIfChanged(const std::filesystem::path& file, const std::string& contents);

// The texts compiled into the program: res/text_ids.h (the enum TextId) and
// res/catalogue_data.h (every language's texts) under folder, and canvas_text.txt, every
// character the game's picture may draw in any language (for the browser's font).
bool WriteProgramTables(const CatalogueSet& set, const std::filesystem::path& folder);

// Fills the template file input into output: each line that holds "{{context}}" is repeated
// once per language that translates it, in the form of output's kind (".desktop": Key[code]=,
// ".xml": an xml:lang attribute, ".html": a lang attribute); English, the source language,
// stands first and untagged in desktop entries and XML. False with error set when input
// cannot be read, names an unknown context or output cannot be written.
bool MergeIntoFile(const CatalogueSet& set, const std::filesystem::path& input,
                   const std::filesystem::path& output, std::string& error);
