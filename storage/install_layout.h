#pragma once

#include <string>
#include <string_view>

// Where the program's own files (the help pages) lie, and whether it runs as an installed
// program. A program run from its build folder or unpacked from a zip has its "help" folder
// beside itself; an installed program lies in bin/ or games/ and finds its files in
// ../share/vandrel, or in ../share/games/vandrel as Debian lays out its games. An installed
// program must not keep the player's files in its own folder, even when it could write there
// (as root), so "installed" is a property of this layout, not of write access.
struct InstallLayout {
  std::string dataDir;  // the folder holding "help/", with a trailing separator
  bool installed = false;
};

// The layout for a program whose folder is programDir (as GetProgramDir gives it: with its
// trailing separator, or empty for the current folder):
// - programDir itself when it holds a "help" folder (not installed);
// - else programDir/../share/games/vandrel/, then programDir/../share/vandrel/, the first that
//   holds a "help" folder (installed);
// - else programDir (not installed), as a program that was copied alone.
InstallLayout FindInstallLayout(std::string_view programDir);
