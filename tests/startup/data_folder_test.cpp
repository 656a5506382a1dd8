// The data folder the command line names: the options, the player's own folder, the first
// start that makes and fills it, and a name being typed when the program is ended from
// outside.
#include "startup/data_folder.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <cstdlib>

#include "menus/options_window.h"
#include "scores/high_score_window.h"
#include "startup/program_windows.h"
#include "startup/startup.h"
#include "store/data_file.h"
#include "store/high_score_list.h"
#include "tests/support/temp_folder.h"

namespace quorelin {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

TEST(DataFolderOption, ChoosesTheFolderWhereTheScoresAreKept) {
    const char* home = std::getenv("HOME");
    struct Case {
        std::vector<std::string> args;
        const char* xdgDataHome;  // null: not set
        std::string folder;       // empty: the current folder; "error": refused
    } const cases[] = {
        {{}, nullptr, ""},
        {{"--data-dir", "/srv/quorelin"}, nullptr, "/srv/quorelin"},
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

TEST(DataFolderRun, AFirstStartFillsTheFolderAndATerminationStoresTheNameBeingTyped) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::signal(SIGTERM, SIG_DFL);
    ::alarm(60);  // a hang ends the test
    struct Case {
        const char* typed;
        const char* stored;
    } const cases[] = {{"Ann\tDe", "Ann De"}, {"", "Jan Klaasen"}};
    TempFolder base("data-dir-run");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        const fs::path folder = base / c.stored / "quorelin";
        std::string dir = folder.string();
        char name[] = "quorelin";
        char option[] = "--data-dir";
        char* argv[] = {name, option, dir.data(), nullptr};
        StartUpHooks hooks;
        hooks.reportError = [](const std::string& m) { ADD_FAILURE() << m; };
        hooks.started = [&c, &folder](StartedProgram& p) {
            p.windows.options.close();
            // Another copy in the same folder saves a better result meanwhile; the
            // high-score window shows it.
            DataFile other(folder / kDataFileName);
            Settings settings;
            other.LoadDataFile(settings);
            WorkingList working;
            working.FillAndInsert(other.store(), 4, 200, 5);
            working.StoreEntry(U"Other", other.store());
            other.SaveDataFile(settings);
            p.game.GameKind = 1;
            p.game.TableNumber = 4;
            p.game.LevelScore = 100;  // above every shipped score
            p.game.StartLevel = 3;
            p.windows.scores.ShowAfterGame();
            EXPECT_EQ(p.windows.scores.NewEntryRank(), 2);
            p.windows.scores.NameBox->insert(QString::fromUtf8(c.typed));  // pasted
            ::kill(::getpid(), SIGTERM);
        };
        EXPECT_EQ(RunQuorelin(3, argv, hooks), 128 + SIGTERM);
        for (const char* name : {kDataFileName, kReserveFileName}) {
            EXPECT_EQ(fs::file_size(folder / name), kRecordSize) << name;
        }
        DataFile data(folder / kDataFileName);
        Settings settings;
        ASSERT_TRUE(data.LoadDataFile(settings).ok);
        EXPECT_EQ(data.store().GetList(4)[0].nameBytes(), "Other");
        EXPECT_EQ(data.store().GetList(4)[1].nameBytes(), c.stored);
        EXPECT_EQ(data.store().GetList(4)[1].score(), 100);
    }
    ::alarm(0);
}

}  // namespace
}  // namespace quorelin
