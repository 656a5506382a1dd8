#pragma once
// The program's start: settings, data file, screen class, every window behind the
// splash, the slow-start check, the message loop and the final save.
#include <functional>

namespace quorelin {

class OptionsWindow;

// Called once the options window is shown (benchmarks measure the start-up with it).
using StartedHook = std::function<void(OptionsWindow&)>;

// Runs the program in the current directory and returns the process's exit status.
int RunQuorelin(int argc, char** argv, const StartedHook& started = {});

}  // namespace quorelin
