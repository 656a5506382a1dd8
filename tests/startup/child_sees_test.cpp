// The "X" buttons in the corner of a full-HD screen (a screen of the test's own).
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <string>

#include "kit/platform.h"
#include "play/play_layout.h"
#include "tests/support/window_fixture.h"

namespace quorelin {
namespace {

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

}  // namespace
}  // namespace quorelin

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" QUORELIN_FULL_HD_SCREEN);
    QApplication app(argc, argv);
    quorelin::InstallFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
