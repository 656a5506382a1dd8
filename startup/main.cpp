#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "startup/command_line.h"
#include "startup/startup.h"

int main(int argc, char** argv) {
    // --help and --version answer without a display; an unknown option is refused.
    const quorelin::CommandLine line =
        quorelin::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (line.action) {
        case quorelin::CommandLine::Action::Help:
        case quorelin::CommandLine::Action::Version:
            std::cout << line.message;
            return 0;
        case quorelin::CommandLine::Action::Error:
            std::cerr << line.message;
            return 2;
        case quorelin::CommandLine::Action::Run:
            break;
    }
    // Without a display the window system would abort; say so plainly instead.
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr &&
        std::getenv("QT_QPA_PLATFORM") == nullptr) {
        std::cerr << "Quorelin needs a graphical display, and none was found "
                     "(DISPLAY and WAYLAND_DISPLAY are not set).\n";
        return 1;
    }
    return quorelin::RunQuorelin(argc, argv);
}
