#pragma once

#include <string>

// The user's own folder for the game's data: $XDG_DATA_HOME/vandrel, else
// ~/.local/share/vandrel; on Windows %APPDATA%\Vandrel. UTF-8, without a trailing separator;
// empty when the environment names no absolute folder. The folder is not created here.
std::string UserDataFolder();

// Creates folder and any folders above it that are missing; true when it exists afterwards.
bool MakeFolders(const std::string& folder);
