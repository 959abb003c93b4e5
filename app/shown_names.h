#pragma once

#include <string>

// The leaderboard file names an empty place, and a player who kept the name offered, by
// DEFAULT_NAME ("佚名") whatever the language, so every language's program reads the same file
// the same way; each language shows that name in its own words (the catalogue's
// "leaderboard.default_name"). Every other name is kept and shown as the player typed it.

// A name from the leaderboard as the player sees it.
std::string ShownName(const std::string& stored);
// A name typed into the name dialog as the leaderboard keeps it: the default name in this
// run's language, and an empty name (which the file cannot hold), become DEFAULT_NAME.
std::string StoredName(const std::string& typed);
