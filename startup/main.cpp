#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "startup/command_line.h"
#include "startup/startup.h"

int main(int argc, char** argv) {
    // A file-size limit makes a save fail, as a full disk does, instead of ending the
    // game; a closed terminal makes a message on stderr go nowhere instead of ending it.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    using quorelin::CommandLine;
    using quorelin::UnknownArguments;
    // --help and --version answer without a display; options the game does not know
    // pass on to the window system, which refuses them later if they are not its own.
    const std::vector<std::string> args(argv + 1, argv + argc);
    const CommandLine line = quorelin::ParseCommandLine(args);
    switch (line.action) {
        case CommandLine::Action::Help:
        case CommandLine::Action::Version:
            std::cout << line.message;
            return 0;
        case CommandLine::Action::Error:
            std::cerr << line.message;
            return 2;
        case CommandLine::Action::Run:
            break;
    }
    // Without a display the window system would abort; say so plainly instead. Nothing
    // takes options of its own then, so an unknown one is refused first.
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr &&
        std::getenv("QT_QPA_PLATFORM") == nullptr) {
        const CommandLine strict = quorelin::ParseCommandLine(args, UnknownArguments::Refuse);
        if (strict.action == CommandLine::Action::Error) {
            std::cerr << strict.message;
            return 2;
        }
        std::cerr << "Quorelin needs a graphical display, and none was found "
                     "(DISPLAY and WAYLAND_DISPLAY are not set).\n";
        return 1;
    }
    return quorelin::RunQuorelin(argc, argv);
}
