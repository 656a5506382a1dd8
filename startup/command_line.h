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
    // --data-dir: the folder the scores and settings are kept in.
    std::optional<std::string> dataDir;
    // --player-data: they are kept in the player's own data folder.
    bool playerData = false;
};

// The smallest and largest scales --scale takes.
inline constexpr double kSmallestScale = 0.5;
inline constexpr double kLargestScale = 8;

// What becomes of an argument the game does not know: before the window system has taken
// its own options (such as -platform) from the arguments, it passes on to it; after that,
// or where no window system will start, it is refused.
enum class UnknownArguments { PassOn, Refuse };

// args are the arguments after the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& args,
                             UnknownArguments unknown = UnknownArguments::PassOn);

}  // namespace quorelin
