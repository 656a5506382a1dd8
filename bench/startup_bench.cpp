// Measures how long the start-up takes until the options window is on screen, in the
// current folder (which must hold a data file). Prints one line of milliseconds.
#include <chrono>
#include <iostream>

#include "menus/main_window.h"
#include "menus/options_window.h"
#include "startup/program_windows.h"
#include "startup/startup.h"

int main(int argc, char** argv) {
    const auto begin = std::chrono::steady_clock::now();
    quorelin::StartUpHooks hooks;
    hooks.started = [&](quorelin::StartedProgram& program) {
        const auto ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin)
                .count();
        std::cout << "startup_ms " << ms << " slow_machine " << int(program.settings.SlowMachine)
                  << '\n';
        program.windows.options.close();
        program.windows.main.close();
    };
    return quorelin::RunQuorelin(argc, argv, hooks);
}
