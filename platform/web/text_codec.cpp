// The text codec in the browser: its C library's converter has no GB18030, so the tables of
// platform/gb18030/ convert, with the same results as the system's converter elsewhere.

#include "platform/text_codec.h"

#include "platform/gb18030/gb18030_table.h"

std::string Gb18030ToUtf8(std::string_view bytes) { return TableGb18030ToUtf8(bytes); }

std::string Utf8ToGb18030(std::string_view text) { return TableUtf8ToGb18030(text); }
