// Games through the program's windows on a simulated clock: from a data file on disk to
// the bytes saved at Exit, and a game left for another window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <string>
#include <vector>

#include "store/high_score_list.h"
#include "tests/support/auto_player.h"
#include "tests/support/recording_view.h"
#include "tests/support/window_fixture.h"

namespace quorelin {
namespace {

// The windows with the games recorded; messages run whenever the game pumps.
class Road : public testing::ShellFixture, public ::testing::Test {
protected:
    Road() : ShellFixture(600, 2, 5) {
        host.SetTimeLimitMs(60LL * 60 * 1000);
        host.SetClock(10, 0, 0);
        host.EveryPump([] { QCoreApplication::processEvents(); });
        play().SetViewObserver(&view);
        QObject::connect(&play(), &PlayWindow::gameEnded, [this] {
            ++afterGames;
            endedAt = host.ElapsedMs();
        });
    }
    // Chooses the table, types the level and runs the game to its end.
    void Play(int table, const char* typed) {
        main->show();
        main->TableButton(table)->click();
        ASSERT_TRUE(level->isVisible());
        QTest::keyClicks(level->Edit1, typed);
        QTest::keyClick(level->Edit1, Qt::Key_Return);
        EXPECT_FALSE(level->isVisible());
        QCoreApplication::processEvents();
        ASSERT_TRUE(QTest::qWaitFor([&] { return afterGames == 1; }, 20000));
        EXPECT_FALSE(play().isVisible());
        EXPECT_TRUE(scores().isVisible());
        EXPECT_EQ(game.AfterGame, 1) << "the high-score window follows the game";
    }

    testing::RecordingView view{host};
    int afterGames = 0;
    std::int64_t endedAt = -1;  // virtual time
};

TEST_F(Road, TableLevelGameNameAndExitLeaveTheResultInTheSavedFile) {
    // A data file whose every list and reserved byte is recognisable: German, full screen.
    constexpr int kTable = 6;
    DataRecord original{};
    HighScoreStore lists;
    for (int table = 1; table <= kTableCount; ++table) {
        HighScoreList list;
        for (std::size_t rank = 0; rank < kEntriesPerList; ++rank) {
            list[rank].setScore(static_cast<std::uint16_t>((2000 >> rank) + table));
            list[rank].setNameBytes("Player " + std::to_string(table * 100 + rank));
            list[rank].setLevel(static_cast<std::int32_t>(12 - rank));
        }
        lists.ReplaceList(table, list);
    }
    for (std::size_t i = 5; i < kListsOffset; ++i) {
        original[i] = static_cast<std::uint8_t>(i * 7);
    }
    EncodeRecord(Settings{.Language = 5, .WindowMode = 1, .ColorScheme = 1}, lists, original);
    folder.Write(kDataFileName, {original.begin(), original.end()});
    ASSERT_TRUE(dataFile.LoadDataFile(settings).ok);
    settings.WindowMode = 2;  // as the windows were laid out
    settings.ColorScheme = 2;

    testing::AutoPlayer player(host, view, input, game);
    player.Attach();
    player.StopAtLevel(2);  // one finished level, then Esc
    main->show();
    main->BitBtn7->click();
    main->BitBtn12->click();  // Dutch
    Play(kTable, "1");
    const std::int32_t total = game.LevelScore;
    ASSERT_GT(total, 0) << "the scripted player finishes level 1";
    EXPECT_EQ(game.StartLevel, 3);  // level 1 finished, and the stopped level 2 counts as played

    // The result's rank in the list as it was: above the first strictly lower score.
    HighScoreList expected = lists.GetList(kTable);
    const int rank = InsertResult(expected, total, game.StartLevel);
    ASSERT_GE(rank, 1);
    ASSERT_TRUE(scores().EntryPending());
    QTest::keyClicks(scores().NameBox, "Anne");
    QTest::keyClick(scores().NameBox, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !scores().isVisible(); }));
    EXPECT_TRUE(main->isVisible());
    expected[static_cast<std::size_t>(rank - 1)].setNameBytes("Anne");
    lists.ReplaceList(kTable, expected);
    DataRecord after = original;
    EncodeRecord(Settings{.Language = 3, .WindowMode = 2, .ColorScheme = 2}, lists, after);
    const std::vector<std::uint8_t> want(after.begin(), after.end());
    EXPECT_TRUE(folder.Read(kDataFileName) == want) << "in the file at once: a crash keeps it";
    main->BitBtn8->click();  // Exit
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(folder.Read(kDataFileName) == want);
    EXPECT_TRUE(warnings.empty()) << warnings.front().toStdString();
}

// Another window taking over ends a game at once, without its end animation.
TEST_F(Road, SwitchingToAnotherWindowEndsTheRunningGameAtOnceWithoutItsAnimation) {
    std::int64_t switchedAt = -1;
    host.At(3000, [&] {
        EXPECT_TRUE(play().GameRunning());
        EXPECT_EQ(view.Count("MarkGameEnded"), 0);
        ASSERT_TRUE(main->isVisible());
        switchedAt = host.ElapsedMs();
        main->activateWindow();
    });
    Play(3, "1");
    ASSERT_GE(switchedAt, 0) << "the game ran until the switch";
    EXPECT_LT(endedAt - switchedAt, 200) << "ends at the game's next check";
    EXPECT_EQ(view.Count("CloseCurtain"), 0);
    EXPECT_EQ(view.Count("ShowGameOver"), 0);
    EXPECT_TRUE(play().label1009->isHidden());
}

}  // namespace
}  // namespace quorelin
