#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/catalogue/po_file.h"

// One language's texts, checked against the template (po/vandrel.pot) and laid out in the
// template's order.
struct Catalogue {
  std::string code;                // "zh_CN", "en": the file's name without ".po"
  std::vector<std::string> texts;  // the translation, or the template's English where the
                                   // catalogue has none that can be used
  std::vector<bool> own;           // whether texts[i] is the catalogue's own translation
};

// Whether code names a language as the catalogues' files do: "de", "en", "pt_BR", "zh_CN".
bool IsLanguageCode(std::string_view code);

// Problems of the template itself: entries without a context, contexts named twice.
std::vector<std::string> CheckTemplate(const PoFile& pot);

// Checks catalogue against pot and lays out its texts. Every problem is added to problems as
// "file:line: what": a text that is missing, untranslated or fuzzy, a stray context the
// template does not have, a stale English source, printf directives or access keys that
// differ from the source's, a Language header that is not the file's name. A translation
// whose printf directives differ is never used, so a catalogue cannot make the program
// format a text wrongly.
Catalogue CheckCatalogue(const PoFile& pot, const PoFile& catalogue,
                         std::vector<std::string>& problems);
