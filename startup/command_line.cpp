#include "startup/command_line.h"

#include <QCommandLineParser>
#include <QFile>
#include <QStringList>
#include <cstdlib>

#include "startup/data_folder.h"

namespace quorelin {
namespace {

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

std::string HelpText() {
    return "Usage: quorelin [--help] [--version] [--scale FACTOR] [--data-dir DIR | "
           "--player-data]\n"
           "A falling-blocks game for practising the multiplication tables 1 to 20.\n"
           "It keeps its scores and settings in Quorelin.dat, in the folder it runs in;\n"
           "--data-dir DIR keeps them in DIR, and --player-data in the player's own folder\n"
           "(" +
           PlayerDataFolder().string() +
           ").\n"
           "A folder named so is made, and given the game's own lists, when it is missing.\n"
           "Several copies of the game, on one computer or on many, may share one folder;\n"
           "the lists then hold the results of all of them. Put a copy of Quorelincopy.dat\n"
           "in place of Quorelin.dat to clear every list.\n"
           "On a screen larger than 1024 x 768 the game is drawn larger to fill it;\n"
           "--scale sets the size instead (1: as designed; 0.5 to 8).\n";
}

CommandLine Error(const std::string& message) {
    return {CommandLine::Action::Error, "quorelin: " + message + "\n", {}, {}, false};
}

// The argument as written for an option name the parser reports without its dashes.
std::string Written(const QStringList& args, const QString& name) {
    for (const QString& arg : args) {
        const QString bare = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1);
        if (arg.startsWith('-') && bare.section('=', 0, 0) == name) {
            return arg.toStdString();
        }
    }
    return "-" + name.toStdString();
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args, UnknownArguments unknown) {
    QStringList list{QStringLiteral("quorelin")};
    for (const std::string& arg : args) {
        list << QString::fromLocal8Bit(arg.c_str());
    }
    QCommandLineParser parser;
    // Qt's own options are single-dash words, such as -platform.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption scale(QStringLiteral("scale"), {}, QStringLiteral("FACTOR"));
    const QCommandLineOption dataDir(QStringLiteral("data-dir"), {}, QStringLiteral("DIR"));
    const QCommandLineOption playerData(QStringLiteral("player-data"));
    parser.addOptions({help, version, scale, dataDir, playerData});
    const bool parsed = parser.parse(list);

    if (parser.isSet(help)) {
        return {CommandLine::Action::Help, HelpText(), {}, {}, false};
    }
    if (parser.isSet(version)) {
        return {CommandLine::Action::Version,
                std::string("Quorelin ") + kVersion + "\n",
                {},
                {},
                false};
    }
    // An option the game knows, written last without its value.
    for (const char* name : {"scale", "data-dir"}) {
        if (!args.empty() && args.back() == std::string("--") + name) {
            return Error(std::string("--") + name +
                         (name == std::string("scale") ? " needs a factor" : " needs a folder"));
        }
    }
    if (!parsed && unknown == UnknownArguments::Refuse) {
        const QStringList names = parser.unknownOptionNames();
        const std::string what = names.isEmpty()
                                     ? parser.errorText().toStdString()
                                     : "unknown option '" + Written(list, names[0]) + "'";
        return Error(what + " (try 'quorelin --help')");
    }
    if (unknown == UnknownArguments::Refuse && !parser.positionalArguments().isEmpty()) {
        return Error("unknown option '" + parser.positionalArguments()[0].toStdString() +
                     "' (try 'quorelin --help')");
    }

    CommandLine line;
    if (parser.isSet(scale)) {
        const std::string value = parser.value(scale).toStdString();
        line.scale = ScaleValue(value);
        if (!line.scale) {
            return Error("--scale wants a number from 0.5 to 8, not '" + value + "'");
        }
    }
    if (parser.isSet(dataDir) && parser.value(dataDir).isEmpty()) {
        return Error("--data-dir needs a folder");
    }
    // The last of the two counts: a launcher's choice gives way to the player's own.
    for (const QString& name : parser.optionNames()) {
        if (name == QLatin1String("player-data")) {
            line.playerData = true;
            line.dataDir.reset();
        } else if (name == QLatin1String("data-dir")) {
            line.playerData = false;
            line.dataDir = QFile::encodeName(parser.value(dataDir)).toStdString();
        }
    }
    return line;
}

}  // namespace quorelin
