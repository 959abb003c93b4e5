#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Whole files as bytes: the game's text files are small, so they are read into memory and
// parsed there, and written by building the whole text first.

// Reads at most maxBytes bytes from the start of the file at path into bytes (replacing what it
// held). Only a regular file is read: a folder, a FIFO, a device or a socket is refused at once,
// and neither opening nor reading ever waits: a file that does not answer at once (a kernel
// file such as /proc/kmsg) is refused. False when the file cannot be opened, is not a regular
// file or a read fails; a caller that must see the whole file asks for one byte more than it
// accepts.
bool ReadFileBytes(const std::string& path, std::size_t maxBytes, std::string& bytes);

// Replaces the file at path with bytes so that afterwards it holds either its old contents or
// all of bytes, never a part, and keeps what the user had there:
// - a symbolic link is followed and the file it leads to is replaced, in that file's folder;
// - an existing file that is not a regular file, or that is read-only, is refused;
// - the new file takes the old one's permission bits (and owner, where allowed);
// - the temporary file has a short name of its own, so any legal name can be saved, and
//   temporary files that earlier writes left behind in that folder are removed;
// - a file is never rewritten in place, where a process killed half way would leave it cut or
//   empty: in a folder that takes no new file, or where the old file may not be renamed over,
//   the write fails.
// Every write (a file-size limit or a full disk included), the flush to disk and the close are
// checked. False on any failure; the temporary file is then removed and the file at path is
// left as it was.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Whether WriteFileAtomically can be expected to succeed at path: the (linked-to) file's
// folder takes new files and lets this process rename over the file, and an existing file is
// a regular file this process may write.
bool CanReplaceFile(const std::string& path);

// The name the data of path lives under: path with every symbolic link followed, to a target
// that need not exist yet. Empty when a link cannot be followed (a loop of links).
std::string FinalPath(const std::string& path);

// Whether nothing stands at path once links are followed: no file there, or a link that leads
// to none. False when something stands there, or when that cannot be told.
bool NothingAt(const std::string& path);
