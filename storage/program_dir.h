#pragma once

#include <string>
#include <string_view>

class Framework;

// The folder part of a file path, with its trailing separator: the path up to and including
// the last '\' or '/'. The first character is never taken as the separator, so a path without
// one after its first character gives the empty text. C:\a\b\game.exe gives C:\a\b\,
// D:\game.exe gives D:\ and /usr/bin/vandrel gives /usr/bin/.
std::string FolderOfPath(std::string_view path);

// The folder of the running executable with its trailing separator, or the empty text (the
// current folder) when its path names none.
std::string GetProgramDir(const Framework& framework);
