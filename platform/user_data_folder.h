#pragma once

#include <string>

// The folder in which the program keeps the user's own copy of its files when the folder
// beside the executable cannot be written: $XDG_DATA_HOME/vandrel, else
// ~/.local/share/vandrel, on Windows %APPDATA%\Vandrel. UTF-8, without a trailing separator;
// empty when the environment names no absolute folder. The folder may not exist yet.
std::string UserDataFolder();
