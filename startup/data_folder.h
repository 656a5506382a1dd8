#pragma once
// Where the game keeps its scores and settings, and where it finds its own lists to fill
// a new data folder with.
#include <filesystem>
#include <optional>

#include "startup/command_line.h"

namespace quorelin {

// The player's own data folder: $XDG_DATA_HOME/quorelin where that is an absolute path
// (the XDG rules say to ignore a relative one), else ~/.local/share/quorelin.
std::filesystem::path PlayerDataFolder();

// The folder the command line chose, as an absolute path; none: the current folder, which
// is used as it is.
std::optional<std::filesystem::path> ChosenDataFolder(const CommandLine& line);

// The folder with the game's own Quorelin.dat and Quorelincopy.dat: beside the installed
// game, or in the source tree for a build that is not installed. None found: `found` is
// false and the place an installed game looks in is returned.
std::filesystem::path ShippedFolder(bool& found);

// The language (1..5) of the system's locale, for what is said before the data file,
// which holds the player's language, has been read.
int SystemLanguage();

}  // namespace quorelin
