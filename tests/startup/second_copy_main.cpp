// A second copy of the game, started by the single-copy test in the folder it names. Its
// reports go to stderr only, so nothing waits for a click; should it start after all, it
// closes its main window at once, and the test sees that in the data file.
#include <unistd.h>

#include <QByteArray>
#include <cstdlib>

#include "menus/main_window.h"
#include "startup/program_windows.h"
#include "startup/startup.h"

int main(int argc, char** argv) {
    if (argc != 2 || ::chdir(argv[1]) != 0) {
        return 64;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    quorelin::StartUpHooks hooks;
    hooks.reportError = [](const std::string&) {};
    hooks.started = [](quorelin::StartedProgram& program) { program.windows.main.close(); };
    return quorelin::RunQuorelin(1, argv, hooks);
}
