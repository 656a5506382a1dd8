#include "shell/command_line.h"

namespace quorelin {
namespace {

// Qt's own options that take a value, which pass to the window system unread.
bool IsQtOptionWithValue(const std::string& arg) {
    for (const char* option : {"-platform", "-platformpluginpath", "-platformtheme", "-plugin",
                               "-qwindowgeometry", "-qwindowtitle", "-qwindowicon", "-display",
                               "-style", "-stylesheet", "-session", "-widgetcount"}) {
        if (arg == option || arg == std::string("-") + option) {
            return true;
        }
    }
    return false;
}

bool IsQtFlag(const std::string& arg) {
    for (const char* option : {"-reverse", "-nograb", "-dograb", "-sync"}) {
        if (arg == option) {
            return true;
        }
    }
    return false;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            return {CommandLine::Action::Help,
                    "Usage: quorelin [--help] [--version]\n"
                    "A falling-blocks game for practising the multiplication tables 1 to 20.\n"
                    "It keeps its scores and settings in Quorelin.dat in the folder it runs "
                    "in;\nput a copy of Quorelincopy.dat in its place to clear every list.\n"};
        }
        if (arg == "--version") {
            return {CommandLine::Action::Version, std::string("Quorelin ") + kVersion + "\n"};
        }
        if (IsQtOptionWithValue(arg) && i + 1 < args.size()) {
            ++i;
            continue;
        }
        if (IsQtFlag(arg)) {
            continue;
        }
        return {CommandLine::Action::Error,
                "quorelin: unknown option '" + arg + "' (try 'quorelin --help')\n"};
    }
    return {};
}

}  // namespace quorelin
