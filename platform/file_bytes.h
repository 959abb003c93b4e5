#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Whole files as bytes: the game's text files are small, so they are read into memory and
// parsed there, and written by building the whole text first.

// Reads at most maxBytes bytes from the start of the file at path into bytes (replacing what it
// held). Only a regular file is read: a folder, a FIFO, a device or a socket is refused at once,
// and opening never waits. False when the file cannot be opened, is not a regular file or a
// read fails; a caller that must see the whole file asks for one byte more than it accepts.
bool ReadFileBytes(const std::string& path, std::size_t maxBytes, std::string& bytes);

// Replaces the file at path with bytes so that afterwards it holds either its old contents or
// all of bytes, never a part, and keeps what the user had there:
// - a symbolic link is followed and the file it leads to is replaced, in that file's folder;
// - an existing file that is not a regular file, or that is read-only, is refused;
// - the new file takes the old one's permission bits (and owner, where allowed);
// - the temporary file has a short name of its own, so any legal name can be saved, and
//   temporary files that earlier writes left behind in that folder are removed;
// - in a folder that takes no new file, an existing writable file is rewritten in place.
// Every write, the flush to disk and the close are checked. False on any failure; the
// temporary file is then removed and the file at path is left as it was.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Whether WriteFileAtomically can be expected to succeed at path: an existing (linked-to) file
// is a regular file this process may write, or there is none and its folder takes new files.
bool CanReplaceFile(const std::string& path);
