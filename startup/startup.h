#pragma once
// The program's start: settings, data file, screen class, every window behind the
// splash, the slow-start check, the message loop and the final save.
#include <QWidget>
#include <functional>
#include <string>

#include "game/state.h"

namespace quorelin {

class DataFile;
class ProgramWindows;
class SplashWindow;

// What the start-up has built, handed to an observer once the options window shows.
struct StartedProgram {
    Settings& settings;
    ProgramWindows& windows;
    SplashWindow& splash;
    GameState& game;
    InputRequests& input;
    DataFile& dataFile;
};

// Lets tests and benchmarks watch the start-up; the program uses the defaults.
struct StartUpHooks {
    // Shows a data file or folder problem to the player; by default a message box.
    std::function<void(const std::string&)> reportError;
    // Runs from the message loop right after the options window has been shown.
    std::function<void(StartedProgram&)> started;
};

// Runs the program and returns the process's exit status. Without --data-dir or
// --player-data the data file is the one in the current folder.
int RunQuorelin(int argc, char** argv, const StartUpHooks& hooks = {});

}  // namespace quorelin
