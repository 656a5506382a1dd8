// Whole games in the real window on a simulated clock: the window starts the game when
// shown, its handlers steer it while it pumps, and it hands over when the game is done.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "play/play_window.h"
#include "tests/support/recording_view.h"
#include "tests/support/sim_host.h"

namespace quorelin {
namespace {

using quorelin::testing::RecordingView;
using quorelin::testing::SimHost;

// Reports the moment the game marks its end, so a test can act right then.
class EndWatcher : public RecordingView {
public:
    using RecordingView::RecordingView;
    std::function<void()> onGameEnded;
    void MarkGameEnded() override {
        RecordingView::MarkGameEnded();
        if (onGameEnded) {
            onGameEnded();
        }
    }
};

class PlayWindowGame : public ::testing::Test {
protected:
    PlayWindowGame() : view(host) {
        host.SetTimeLimitMs(30LL * 60 * 1000);
        host.SetClock(10, 0, 0);
        // The window's messages run whenever the game pumps.
        host.EveryPump([] { QCoreApplication::processEvents(); });
    }
    void Play(int startLevel) {
        state.StartLevel = startLevel;
        window = std::make_unique<PlayWindow>(
            settings, state, input,
            [this] {
                // Hands over hidden, and only once the game has returned.
                ++afterGames;
                EXPECT_FALSE(window->GameRunning());
                EXPECT_FALSE(window->isVisible());
            },
            &host);
        window->SetViewObserver(&view);
        window->show();
        // The game starts from the message loop and runs to its end in here.
        QCoreApplication::processEvents();
    }
    void Key(int key) { QTest::keyClick(window.get(), static_cast<Qt::Key>(key)); }

    Settings settings{
        .Language = 1, .WindowMode = 1, .ColorScheme = 1, .ScreenHeight = 768, .ScreenWidth = 1024};
    GameState state{.TableNumber = 3, .GameKind = 1};
    InputRequests input;
    SimHost host;
    EndWatcher view;
    int afterGames = 0;
    std::unique_ptr<PlayWindow> window;
};

TEST_F(PlayWindowGame, AltPPausesOnceAndAnArrowResumesWithTheCaptionBackAtTheNextBlockStep) {
    bool active = false;
    QString captionRightAfterArrow;
    std::int64_t blockStepAfterArrow = -1;
    host.At(1000, [&] {
        active = window->isActiveWindow();
        QTest::keyClick(window.get(), Qt::Key_P, Qt::AltModifier);
        // Long enough for a delayed button click, had the caption's mnemonic fired too.
        QTest::qWait(250);
    });
    host.At(9000, [&] {
        EXPECT_EQ(input.Paused, 1);  // the pause held the 4-second step
        Key(Qt::Key_Left);
        captionRightAfterArrow = window->BitBtn1->text();
        view.ClearLog();
    });
    host.At(9500, [&] {
        EXPECT_EQ(input.Paused, 0);
        EXPECT_EQ(window->BitBtn1->text(), "&Pause");
        if (const auto* step = view.Last("DrawBlock")) {
            blockStepAfterArrow = step->atMs;
        }
        Key(Qt::Key_X);
    });
    Play(1);
    EXPECT_TRUE(active);
    EXPECT_EQ(captionRightAfterArrow, "&Proceed");
    ASSERT_GE(blockStepAfterArrow, 9000);
    // The moved block at column 4 was drawn right after the pause ended.
    const auto moves = view.CallsOf("DrawBlock");
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.front().args[2], 4);
    EXPECT_EQ(afterGames, 1);
}

TEST_F(PlayWindowGame, DeactivationEndsTheGameWithoutTheEndAnimation) {
    // Level 19 without a player fills the field within seconds; the window is left just
    // as the game ends.
    view.onGameEnded = [&] {
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(window.get(), &deactivate);
    };
    Play(19);
    EXPECT_EQ(view.Count("MarkGameEnded"), 1);
    EXPECT_EQ(view.Count("CloseCurtain"), 0);
    EXPECT_EQ(view.Count("ShowGameOver"), 0);
    EXPECT_TRUE(window->label1009->isHidden());
    EXPECT_EQ(input.WindowDeactivated, 1);
    EXPECT_EQ(state.AfterGame, 1);
    EXPECT_EQ(afterGames, 1);
}

TEST_F(PlayWindowGame, AfterTheGameEndedThePauseButtonReadsProceedAndPressingItLeaves) {
    QString caption;
    std::int64_t pressedAt = -1;
    host.EveryPump([&] {
        if (pressedAt < 0 && !window->label1009->isHidden()) {
            caption = window->BitBtn1->text();
            pressedAt = host.ElapsedMs();
            QTest::mouseClick(window->BitBtn1, Qt::LeftButton);
        }
    });
    Play(19);
    EXPECT_EQ(caption, "&Proceed");
    ASSERT_GE(pressedAt, 0);
    EXPECT_EQ(view.Count("CloseCurtain"), 9);
    // The display is left at its next 100 ms check.
    EXPECT_LE(host.ElapsedMs() - pressedAt, 200);
    EXPECT_EQ(afterGames, 1);
    EXPECT_EQ(state.GameOver, 1);
}

TEST_F(PlayWindowGame, ClosingTheWindowHandsOverOnlyOnceTheGameHasReturnedItsTotal) {
    host.At(5000, [&] { window->close(); });
    Play(2);
    EXPECT_EQ(afterGames, 1);
    EXPECT_EQ(state.StartLevel, 3);  // the stopped level counts as played
    EXPECT_LT(host.ElapsedMs(), 6000);
}

}  // namespace
}  // namespace quorelin
