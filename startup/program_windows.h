#pragma once
// Every window of the program, built once in the start-up's order, and the one place that
// says how they meet: which window's signal leads to which operation of another. The
// program, the gallery and the tests build their windows here, so all of them run the
// same wiring.
#include <functional>
#include <memory>

#include "game/host.h"
#include "game/state.h"
#include "store/data_file.h"

namespace quorelin {

class HighScoreWindow;
class InfoWindow;
class LevelWindow;
class MainWindow;
class OptionsWindow;
class PlayWindow;

// What the builder of the windows may add to their building.
struct WindowHooks {
    // Runs once the main window stands: the start-up shows its splash here.
    std::function<void()> afterMainWindow;
    // Runs after each later window is built: the splash comes back on top.
    std::function<void()> afterEachWindow;
    // The clock, pump and random source of the play window's games; null: the real ones.
    GameHost* gameHost = nullptr;
};

class ProgramWindows {
public:
    using Hooks = WindowHooks;

    ProgramWindows(Settings& settings, GameState& game, InputRequests& input, DataFile& dataFile,
                   const Hooks& hooks = {});
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    MainWindow& main;
    InfoWindow& info;
    PlayWindow& play;
    HighScoreWindow& scores;
    LevelWindow& level;
    OptionsWindow& options;

    struct Owned;

private:
    ProgramWindows(std::unique_ptr<Owned> owned, Settings& settings);

    std::unique_ptr<Owned> owned_;
};

}  // namespace quorelin
