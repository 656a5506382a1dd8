#pragma once
// The folder a copy of the game keeps its data file in, made and filled with the game's
// own lists the first time. Several copies may start at once on one folder.
#include <filesystem>

#include "store/data_file.h"

namespace quorelin {

// Whether `folder` holds both files the game ships (the data file and its reserve copy).
bool HoldsShippedFiles(const std::filesystem::path& folder);

// Makes `folder` (and the folders above it) where it is missing and copies into it each
// of the two shipped files from `shipped` that it lacks. A copy is written to a temporary
// file in the folder, reaches the disk and only then takes its name, and only where no
// file stands there yet (another copy may have put one there meanwhile), so a full disk
// never leaves a short file. On failure whatever this call made is removed again.
DataFileResult PrepareDataFolder(const std::filesystem::path& folder,
                                 const std::filesystem::path& shipped);

}  // namespace quorelin
