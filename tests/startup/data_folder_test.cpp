// The data folder options; the first start that fills the folder is a whole run.
#include "startup/data_folder.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <cstdlib>

namespace quorelin {
namespace {

namespace fs = std::filesystem;

TEST(DataFolderOption, ChoosesTheFolderWhereTheScoresAreKept) {
    const char* home = std::getenv("HOME");
    struct Case {
        std::vector<std::string> args;
        const char* xdgDataHome;  // null: not set
        std::string folder;       // empty: the current folder; "error": refused
    } const cases[] = {
        {{}, nullptr, ""},
        {{"--data-dir=class"}, nullptr, (fs::current_path() / "class").string()},
        {{"--player-data"}, nullptr, std::string(home) + "/.local/share/quorelin"},
        {{"--player-data"}, "/data/home", "/data/home/quorelin"},
        // The XDG rules ignore a relative XDG_DATA_HOME.
        {{"--player-data"}, "relative/share", std::string(home) + "/.local/share/quorelin"},
        {{"--data-dir"}, nullptr, "error"},
        {{"--data-dir="}, nullptr, "error"},
        // The last choice counts: the launcher passes its own first.
        {{"--player-data", "--data-dir", "/srv/quorelin"}, nullptr, "/srv/quorelin"},
        {{"--data-dir", "/srv/quorelin", "--player-data"}, "/data/home", "/data/home/quorelin"},
    };
    const QByteArray old = qgetenv("XDG_DATA_HOME");
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args) + (c.xdgDataHome ? c.xdgDataHome : ""));
        c.xdgDataHome ? qputenv("XDG_DATA_HOME", c.xdgDataHome) : qunsetenv("XDG_DATA_HOME");
        const CommandLine line = ParseCommandLine(c.args, UnknownArguments::Refuse);
        ASSERT_EQ(line.action == CommandLine::Action::Error, c.folder == "error") << line.message;
        const std::optional<fs::path> folder = ChosenDataFolder(line);
        EXPECT_EQ(folder ? folder->string() : "", c.folder == "error" ? "" : c.folder);
        if (c.folder == std::string(home) + "/.local/share/quorelin") {
            const std::string help = ParseCommandLine({"--help"}).message;
            EXPECT_NE(help.find(c.folder), std::string::npos) << "--help says where";
        }
    }
    old.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", old);
}

}  // namespace
}  // namespace quorelin
