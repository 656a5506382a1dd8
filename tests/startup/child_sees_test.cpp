// What a child sees on a screen larger than the design area and on the smallest one: the
// "X" buttons in the window's corner, the level window's title and prompt uncovered, and
// list rows whose texts fit their cells. Runs on a full-HD screen of its own (1920 x 1080).
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QTest>
#include <limits>
#include <string>

#include "kit/platform.h"
#include "play/play_layout.h"
#include "tests/support/case_names.h"
#include "tests/support/window_fixture.h"

namespace quorelin {
namespace {

using std::get;
using ::testing::Combine;
using ::testing::Range;
using ::testing::Values;

// The "X" of each window that has one in full screen, opened as the program opens it.
class CornerX : public ::testing::TestWithParam<int> {};

TEST_P(CornerX, StandsInTheTopRightCornerOfTheFullScreen) {
    testing::ShellFixture fixture(GetParam(), 1, 1);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const auto expectInCorner = [&](QWidget& window, const char* name) {
        QTRY_COMPARE(window.size(), screen.size());
        const auto* x = window.findChild<QWidget*>(name);
        const QRect place(x->mapTo(&window, QPoint(0, 0)), x->size());
        const std::string where = window.objectName().toStdString();
        EXPECT_LT(window.width() - 1 - place.right(), 40) << where << " at " << place.x();
        EXPECT_LT(place.top(), 25) << where;
        EXPECT_EQ(window.childAt(place.center()), x) << where << ": hidden or covered";
    };
    fixture.main->show();
    fixture.main->TableClick(7);
    expectInCorner(*fixture.level, "BitBtn5");
    fixture.game.TableNumber = 12;
    fixture.scores().ShowBrowse();
    expectInCorner(fixture.scores(), "BitBtn4");
    if (GetParam() > 480) {  // no "X" on the info window's smallest screens
        fixture.main->InfoItemClick(InfoPage::About);
        expectInCorner(fixture.info(), "BitBtn5");
    }
    // Showing the play window queues the start of a game: this test only looks at it.
    struct NoGameStart : QObject {
        bool eventFilter(QObject*, QEvent* event) override {
            return event->type() == QEvent::MetaCall;
        }
    } noGameStart;
    fixture.play().installEventFilter(&noGameStart);
    LayOutPlayWindow(fixture.play(), fixture.settings);
    fixture.play().show();
    expectInCorner(fixture.play(), "BitBtn4");
}

INSTANTIATE_TEST_SUITE_P(EveryClass, CornerX, Values(480, 600, 768));

// Whether every part of the text's label shows: no other control lies over it.
bool Uncovered(const QWidget& window, const QWidget& text) {
    for (int x = 0; x < text.width(); x += 2) {
        for (int y = 0; y < text.height(); y += 2) {
            if (window.childAt(text.mapTo(&window, QPoint(x, y))) != &text) {
                return false;
            }
        }
    }
    return true;
}

// The level window on the smallest screens, in both modes and every language: the table
// title, number included, and the prompt show whole, with the how-to-play panel and without.
class LevelTitle : public ::testing::TestWithParam<std::tuple<ScreenCase, int>> {};

TEST_P(LevelTitle, TheTitleAndThePromptShowWhole) {
    const auto [screen, language] = GetParam();
    testing::ShellFixture fixture(480, WindowModeOf(screen), language);
    fixture.main->show();
    fixture.main->TableClick(20);
    LevelWindow& level = *fixture.level;
    for (const bool panel : {false, true}) {
        level.Panel2->setVisible(panel);
        EXPECT_TRUE(level.Panel3->contentsRect().contains(level.Label8->geometry())) << panel;
        EXPECT_TRUE(Uncovered(level, *level.Label8)) << "title, how-to-play shown: " << panel;
        EXPECT_TRUE(Uncovered(level, *level.Label1)) << "prompt, how-to-play shown: " << panel;
    }
}

INSTANTIATE_TEST_SUITE_P(SmallestScreens, LevelTitle,
                         Combine(Values(ScreenCase::Class480Full, ScreenCase::Class480Partial),
                                 Range(1, 6)),
                         [](const auto& info) {
                             return testing::CaseName(get<0>(info.param), get<1>(info.param));
                         });

// A list with the widest name the name box takes and the largest values a file holds:
// in every case each name and level fits its cell, the level inside its column's box.
class ListRows : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(ListRows, TheWidestNameAndTheLargestValuesFitTheirCells) {
    testing::ShellFixture fixture(ScreenHeightOf(GetParam()), WindowModeOf(GetParam()), 1);
    HighScoreList list;
    for (std::size_t i = 0; i < list.size(); ++i) {
        list[i].setNameBytes(std::string(17, i % 2 == 0 ? 'W' : 'M'));
        list[i].setScore(65535);
        list[i].setLevel(i % 2 == 0 ? std::numeric_limits<std::int32_t>::min()
                                    : std::numeric_limits<std::int32_t>::max());
    }
    fixture.dataFile.store().ReplaceList(12, list);
    fixture.game.TableNumber = 12;
    HighScoreWindow& w = fixture.scores();
    w.ShowBrowse();
    const auto fits = [](const QLabel* label) {
        return QFontMetrics(label->font()).horizontalAdvance(label->text()) <=
               label->contentsRect().width();
    };
    for (std::size_t i = 0; i < list.size(); ++i) {
        const int boxRight = w.Image10->x() + (i < 6 ? 240 : 520) - 2;
        EXPECT_TRUE(fits(w.NameFields[i])) << "name " << i + 1;
        EXPECT_LT(w.NameFields[i]->geometry().right(), w.ScoreLabels[i]->x()) << i + 1;
        EXPECT_LT(w.ScoreLabels[i]->geometry().right(), w.LevelLabels[i]->x()) << i + 1;
        EXPECT_TRUE(fits(w.LevelLabels[i])) << "level " << i + 1;
        EXPECT_LE(w.LevelLabels[i]->geometry().right(), boxRight) << "level " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryCase, ListRows, ::testing::ValuesIn(kScreenCases),
                         [](const auto& info) { return testing::CaseName(info.param); });

}  // namespace
}  // namespace quorelin

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" QUORELIN_FULL_HD_SCREEN);
    QApplication app(argc, argv);
    quorelin::InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
