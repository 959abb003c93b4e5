#pragma once

#include <string>
#include <string_view>

// Conversion between the UTF-8 text the program holds in memory and the GB18030 bytes its text
// files hold on disk. GB18030 writes every GBK character as GBK does and can still store any
// other character, so files stay readable by GBK tools while no name is ever mangled.
//
// Neither direction fails: a byte sequence that is not valid in the source encoding, or is cut
// short at the end, stands as one replacement character in the result and the conversion goes
// on with the next byte, so one damaged name never costs the text around it.

// GB18030 (or GBK) bytes to UTF-8; an invalid sequence becomes U+FFFD.
std::string Gb18030ToUtf8(std::string_view bytes);

// UTF-8 text to GB18030 bytes; an invalid UTF-8 sequence becomes '?'.
std::string Utf8ToGb18030(std::string_view text);
