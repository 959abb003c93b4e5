#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Whole files as bytes: the game's text files are small, so they are read into memory and
// parsed there, and written by building the whole text first.

// Reads at most maxBytes bytes from the start of the file at path into bytes (replacing what it
// held). False when the file cannot be opened or a read fails (a folder, no access); a caller
// that must see the whole file asks for one byte more than it accepts.
bool ReadFileBytes(const std::string& path, std::size_t maxBytes, std::string& bytes);

// Replaces the file at path with bytes so that afterwards it holds either its old contents or
// all of bytes, never a part: the bytes go to a new file in the same folder, every write, the
// flush to disk and the close are checked, and only then is the new file renamed over path.
// Returns false on any failure; the temporary file is then removed and a file already at path
// is left untouched.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);
