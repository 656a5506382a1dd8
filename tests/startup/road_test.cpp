// The whole road of one game on the offscreen platform: a data file on disk, the main
// window, a table, a typed level, a game played by a scripted player on a simulated
// clock, the name entered in the high-score list, back to the main window, Exit, and
// the bytes of the saved file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "menus/level_window.h"
#include "menus/main_window.h"
#include "play/play_window.h"
#include "scores/high_score_window.h"
#include "startup/program_windows.h"
#include "store/data_file.h"
#include "tests/support/auto_player.h"
#include "tests/support/recording_view.h"
#include "tests/support/sim_host.h"

namespace quorelin {
namespace {

namespace fs = std::filesystem;
using testing::AutoPlayer;
using testing::RecordingView;
using testing::SimHost;

constexpr int kTable = 6;
constexpr std::array<std::uint16_t, 12> kScores{2000, 1000, 500, 200, 100, 50,
                                                40,   30,   20,  10,  5,   1};

std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A data file whose every list and reserved byte is recognisable: German, full screen.
DataRecord MakeRecord() {
    DataRecord record{};
    Settings settings;
    settings.Language = 5;
    settings.WindowMode = 1;
    settings.ColorScheme = 1;
    HighScoreStore store;
    for (int table = 1; table <= kTableCount; ++table) {
        HighScoreList list;
        for (std::size_t rank = 0; rank < kEntriesPerList; ++rank) {
            list[rank].setScore(static_cast<std::uint16_t>(kScores[rank] + table));
            list[rank].setNameBytes("Player " + std::to_string(table) + "-" + std::to_string(rank));
            list[rank].setLevel(static_cast<std::int32_t>(12 - rank));
        }
        store.ReplaceList(table, list);
    }
    for (std::size_t i = 5; i < kListsOffset; ++i) {
        record[i] = static_cast<std::uint8_t>(i * 7);
    }
    EncodeRecord(settings, store, record);
    return record;
}

class Road : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("quorelin-road-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        original_ = MakeRecord();
        std::ofstream(dir_ / kDataFileName, std::ios::binary)
            .write(reinterpret_cast<const char*>(original_.data()), original_.size());
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
    DataRecord original_{};
};

TEST_F(Road, TableLevelGameNameAndExitLeaveTheResultInTheSavedFile) {
    Settings settings;
    GameState game;
    InputRequests input;
    DataFile dataFile(dir_ / kDataFileName);
    ASSERT_TRUE(dataFile.LoadDataFile(settings).ok);
    ASSERT_EQ(settings.Language, 5);
    settings.ColorScheme = 2;
    settings.ScreenHeight = 600;
    settings.ScreenWidth = 800;
    settings.WindowMode = 2;
    settings.SoundEffects = 1;

    SimHost host(7);
    host.SetTimeLimitMs(60LL * 60 * 1000);
    host.SetClock(10, 0, 0);
    host.EveryPump([] { QCoreApplication::processEvents(); });
    RecordingView view(host);
    AutoPlayer player(host, view, input, game);
    player.Attach();
    player.StopAtLevel(2);  // one finished level, then Esc

    ProgramWindows::Hooks hooks;
    hooks.gameHost = &host;
    ProgramWindows windows(settings, game, input, dataFile, hooks);
    MainWindow& main = windows.main;
    LevelWindow& level = windows.level;
    PlayWindow& play = windows.play;
    HighScoreWindow& highScores = windows.scores;
    HighScoreWindow::Dialogs dialogs;
    dialogs.askLeaveWithoutName = [](const QString&, bool) { return true; };
    dialogs.warnScreenChanged = [](const QString& m) { ADD_FAILURE() << m.toStdString(); };
    dialogs.currentScreenHeight = [] { return 100000; };
    dialogs.reportSaveError = [](const QString& m) { ADD_FAILURE() << m.toStdString(); };
    highScores.SetDialogs(dialogs);
    int afterGames = 0;
    QObject::connect(&play, &PlayWindow::gameEnded, [&afterGames] { ++afterGames; });
    play.SetViewObserver(&view);
    main.SetRealScreenHeight([] { return 100000; });
    main.SetErrorReporter([](const QString& m) { ADD_FAILURE() << m.toStdString(); });
    main.SetWarningReporter(
        [](const QString&, const QString& m) { ADD_FAILURE() << m.toStdString(); });

    main.show();
    main.BitBtn7->click();
    main.BitBtn12->click();  // Dutch
    ASSERT_EQ(settings.Language, 3);
    main.TableButton(kTable)->click();
    ASSERT_TRUE(level.isVisible());
    EXPECT_EQ(level.Label8->text(), "Tafel van 6");

    QTest::keyClicks(level.Edit1, "1");
    QTest::keyClick(level.Edit1, Qt::Key_Return);
    EXPECT_EQ(game.StartLevel, 1);
    EXPECT_FALSE(level.isVisible());
    // The play window starts the game from the message loop; it runs to its end in here.
    QCoreApplication::processEvents();
    ASSERT_TRUE(QTest::qWaitFor([&] { return afterGames == 1; }, 20000));
    EXPECT_FALSE(play.isVisible());
    ASSERT_TRUE(highScores.isVisible());
    const std::int32_t total = game.LevelScore;
    const std::int32_t reached = game.StartLevel;
    ASSERT_GT(total, 0) << "the scripted player finishes level 1";
    EXPECT_EQ(reached, 3);  // level 1 finished, and the stopped level 2 counts as played

    // The result's rank in the list as it was: above the first strictly lower score.
    HighScoreList expected = dataFile.store().GetList(kTable);
    const int rank = InsertResult(expected, total, reached);
    ASSERT_GE(rank, 1);
    ASSERT_TRUE(highScores.EntryPending());
    EXPECT_EQ(highScores.NewEntryRank(), rank);
    QTest::keyClicks(highScores.NameBox, "Anne");
    QTest::keyClick(highScores.NameBox, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !highScores.isVisible(); }));
    EXPECT_TRUE(main.isVisible());
    {
        // In the file at once, before any Exit: a crash from here on keeps it.
        DataFile now(dir_ / kDataFileName);
        Settings unused;
        ASSERT_TRUE(now.LoadDataFile(unused).ok);
        EXPECT_EQ(now.store().GetList(kTable)[static_cast<std::size_t>(rank - 1)].nameBytes(),
                  "Anne");
    }

    main.BitBtn8->click();
    EXPECT_FALSE(main.isVisible());

    const std::vector<std::uint8_t> saved = ReadBytes(dir_ / kDataFileName);
    ASSERT_EQ(saved.size(), kRecordSize);
    EXPECT_EQ(saved[0], 3);  // the language chosen on the way
    EXPECT_EQ(saved[1], 2);
    EXPECT_EQ(saved[2], 2);
    for (std::size_t i = 5; i < kListsOffset; ++i) {
        EXPECT_EQ(saved[i], original_[i]) << "reserved byte " << i;
    }
    for (int table = 1; table <= kTableCount; ++table) {
        const std::size_t at = ListOffset(table);
        const std::vector<std::uint8_t> list(saved.begin() + at, saved.begin() + at + kListSize);
        if (table != kTable) {
            EXPECT_TRUE(std::equal(list.begin(), list.end(), original_.begin() + at)) << table;
            continue;
        }
        DataRecord record{};
        std::copy(saved.begin(), saved.end(), record.begin());
        Settings unused;
        HighScoreStore store;
        DecodeRecord(record, unused, store);
        const HighScoreList got = store.GetList(kTable);
        for (std::size_t r = 0; r < kEntriesPerList; ++r) {
            EXPECT_EQ(got[r].score(), expected[r].score()) << "rank " << r + 1;
            EXPECT_EQ(got[r].level(), expected[r].level()) << "rank " << r + 1;
            EXPECT_EQ(got[r].nameBytes(), static_cast<int>(r) + 1 == rank ? std::string("Anne")
                                                                          : expected[r].nameBytes())
                << "rank " << r + 1;
        }
    }
}

}  // namespace
}  // namespace quorelin
