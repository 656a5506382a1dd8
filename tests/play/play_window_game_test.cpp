// Whole games in the real window on a simulated clock: the window starts the game when
// shown, its handlers steer it while it pumps, and it hands over when the game is done.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <vector>

#include "play/play_window.h"
#include "tests/support/auto_player.h"
#include "tests/support/recording_view.h"
#include "tests/support/sim_host.h"

namespace quorelin {
namespace {

using quorelin::testing::AutoPlayer;
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
    // beforeShow runs once the window exists, before it shows and its game starts.
    void Play(int startLevel, const std::function<void()>& beforeShow = {}) {
        state.StartLevel = startLevel;
        window = std::make_unique<PlayWindow>(settings, state, input, &host);
        QObject::connect(window.get(), &PlayWindow::gameEnded, [this] {
            // Hands over hidden, and only once the game has returned.
            ++afterGames;
            EXPECT_FALSE(window->GameRunning());
            EXPECT_FALSE(window->isVisible());
        });
        window->SetViewObserver(&view);
        if (beforeShow) {
            beforeShow();
        }
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

// Records the score panel's text at each paint, to see what reached the screen.
class PaintedTexts : public QObject {
public:
    explicit PaintedTexts(QLabel* label) : label_(label) { label->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == label_ && event->type() == QEvent::Paint) {
            texts.push_back(label_->text().simplified());
        }
        return false;
    }
    std::vector<QString> texts;

private:
    QLabel* label_;
};

TEST_F(PlayWindowGame, EveryStepOfABandCountUpIsPaintedBeforeTheGameSleeps) {
    AutoPlayer player(host, view, input, state);
    player.Attach();
    player.StopAtLevel(4);
    state.TableNumber = 2;
    window = nullptr;
    std::unique_ptr<PaintedTexts> painted;
    // A band's count-up shows eight scores one point apart with a sleep after each, and
    // no window message runs between them.
    view.onGameEnded = [] {};
    Play(1, [&] { painted = std::make_unique<PaintedTexts>(window->Panel6); });
    const auto scores = view.CallsOf("ShowScore");
    std::vector<std::int32_t> countUp;
    for (std::size_t i = 1; i < scores.size(); ++i) {
        if (scores[i].args[0] == scores[i - 1].args[0] + 1) {
            countUp.push_back(scores[i].args[0]);
        }
    }
    ASSERT_GE(countUp.size(), 8u) << "no band was cleared";
    for (std::int32_t score : countUp) {
        const QString shown = QString("Score: %1").arg(score);
        EXPECT_NE(std::find(painted->texts.begin(), painted->texts.end(), shown),
                  painted->texts.end())
            << score;
    }
}

}  // namespace
}  // namespace quorelin
