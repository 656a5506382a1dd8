#include "startup/command_line.h"

#include <cstdlib>

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

// The value of --scale, or none when it is not a number in range.
std::optional<double> ScaleValue(const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || !(value >= kSmallestScale) ||
        !(value <= kLargestScale)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            return {CommandLine::Action::Help,
                    "Usage: quorelin [--help] [--version] [--scale FACTOR]\n"
                    "A falling-blocks game for practising the multiplication tables 1 to 20.\n"
                    "It keeps its scores and settings in Quorelin.dat in the folder it runs "
                    "in;\nput a copy of Quorelincopy.dat in its place to clear every list.\n"
                    "On a screen larger than 1024 x 768 the game is drawn larger to fill it;\n"
                    "--scale sets the size instead (1: as designed; 0.5 to 8).\n",
                    {}};
        }
        if (arg == "--version") {
            return {CommandLine::Action::Version, std::string("Quorelin ") + kVersion + "\n", {}};
        }
        if (arg == "--scale" || arg.rfind("--scale=", 0) == 0) {
            const bool joined = arg != "--scale";
            if (!joined && i + 1 == args.size()) {
                return {CommandLine::Action::Error, "quorelin: --scale needs a factor\n", {}};
            }
            const std::string value = joined ? arg.substr(8) : args[++i];
            line.scale = ScaleValue(value);
            if (!line.scale) {
                return {CommandLine::Action::Error,
                        "quorelin: --scale wants a number from 0.5 to 8, not '" + value + "'\n",
                        {}};
            }
            continue;
        }
        if (IsQtOptionWithValue(arg) && i + 1 < args.size()) {
            ++i;
            continue;
        }
        if (IsQtFlag(arg)) {
            continue;
        }
        return {CommandLine::Action::Error,
                "quorelin: unknown option '" + arg + "' (try 'quorelin --help')\n",
                {}};
    }
    return line;
}

}  // namespace quorelin
