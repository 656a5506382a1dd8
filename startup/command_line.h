#pragma once
// The game's few command-line options, decided before any window system is touched.
#include <optional>
#include <string>
#include <vector>

namespace quorelin {

// The release, written once here for the program, the package and its documents.
inline constexpr const char* kVersion = "2023-12";

struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    std::string message;  // for Help, Version and Error: what to print
    // --scale: the size the whole program is drawn at (1: as designed); none: chosen
    // from the screen.
    std::optional<double> scale;
};

// The smallest and largest scales --scale takes.
inline constexpr double kSmallestScale = 0.5;
inline constexpr double kLargestScale = 8;

// args are the arguments after the program name; Qt's own options (such as -platform)
// pass on to the window system.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

}  // namespace quorelin
