#pragma once

#include <string>

// Small helpers shared by the file services on Windows. They take and give UTF-16 paths and
// include no Windows header, so callers choose where <windows.h> goes.

// The folder part of path without its last separator ('\\' or '/'): "." for a bare name, and
// a drive's root ("C:\\") kept whole.
std::wstring FolderOf(const std::wstring& path);

// The path the data lives under: a symbolic link or junction at path is followed to its final
// target; any other path (one that does not exist yet included) is returned as it is. Empty
// when a link cannot be followed.
std::wstring ResolveLinks(const std::wstring& path);

// Whether the open handle (a HANDLE) is a plain file on a disk: not a folder, console, pipe or
// device.
bool IsPlainFile(void* handle);
