#include <cstdlib>
#include <iostream>

#include "shell/startup.h"

int main(int argc, char** argv) {
    // Without a display the window system would abort; say so plainly instead.
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr &&
        std::getenv("QT_QPA_PLATFORM") == nullptr) {
        std::cerr << "Quorelin needs a graphical display, and none was found "
                     "(DISPLAY and WAYLAND_DISPLAY are not set).\n";
        return 1;
    }
    return quorelin::RunQuorelin(argc, argv);
}
