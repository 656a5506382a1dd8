// The play window's own part of the input: real key presses, clicks and Alt letters
// reaching the input rule, the captions, the instructions panel and the focus; then a
// game in the shown window.
#include "play/play_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "game/loop.h"
#include "play/instructions_panel.h"
#include "tests/support/window_fixture.h"

namespace quorelin {
namespace {

class PlayWindowInput : public ::testing::Test {
protected:
    // A play window prepared as at its show, but never shown, so no game starts.
    PlayWindow& Make(int language, int screenHeight = 768, int mode = 1) {
        fixture = std::make_unique<testing::ShellFixture>(screenHeight, mode, language);
        fixture->game.GameKind = 1;
        fixture->game.TableNumber = 7;
        play().FormShow();
        return play();
    }
    PlayWindow& play() { return fixture->play(); }
    InputRequests& input() { return fixture->input; }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&play(), static_cast<Qt::Key>(key), modifiers);
    }
    // The input as letters: L R D E moves and Escape, O other key, S stop, I panel, H paused.
    std::string Effect() {
        const InputRequests& in = input();
        const int panel = play().Panel4->isHidden() ? 0 : 1;
        const int flags[] = {
            in.MoveLeftRequest, in.MoveRightRequest, in.DropRequest, in.EscapeRequest,
            in.OtherKeyRequest, in.StopGame,         panel,          in.Paused};
        std::string effect;
        for (std::size_t i = 0; i < std::size(flags); ++i) {
            effect += flags[i] == 1 ? std::string(1, "LRDEOSIH"[i]) : "";
        }
        return effect;
    }

    std::unique_ptr<testing::ShellFixture> fixture;
};

TEST_F(PlayWindowInput, AKeyPressReachesTheKeyRuleWhateverControlThePointerTouched) {
    for (const QWidget* control : Make(1).findChildren<QWidget*>()) {
        EXPECT_EQ(control->focusPolicy(), Qt::NoFocus) << control->objectName().toStdString();
    }
    // The rule's own table is in the game's tests; here keys reach it (H: still paused at
    // the game's next poll). Y is the Frisian panel's letter; elsewhere it is any key too.
    const std::tuple<int, Qt::Key, const char*> cases[] = {
        {1, Qt::Key_Left, "L"}, {2, Qt::Key_Escape, "E"}, {4, Qt::Key_Y, "IH"},
        {1, Qt::Key_Y, "OI"},   {1, Qt::Key_X, "S"},      {5, Qt::Key_S, "S"}};
    for (const auto& [language, key, effect] : cases) {
        Make(language);
        Key(key);
        InputPending(fixture->host, input());
        EXPECT_EQ(Effect(), effect) << "key " << key << " language " << language;
    }
}

TEST_F(PlayWindowInput, PAltPAndThePauseButtonEachToggleOnceAndAnyOtherKeyEndsThePause) {
    PlayWindow& w = Make(1);
    const auto expectPaused = [&](int step, bool on) {
        EXPECT_EQ(input().Paused, on ? 1 : 0) << "step " << step;
        EXPECT_EQ(play().BitBtn1->text(), on ? "&Proceed" : "&Pause") << "step " << step;
    };
    Key(Qt::Key_P, Qt::AltModifier);
    expectPaused(1, true);
    Key(Qt::Key_P, Qt::ShiftModifier);
    expectPaused(2, false);
    QTest::mouseClick(w.BitBtn1, Qt::LeftButton);
    expectPaused(3, true);
    // Neither the Alt letter nor the button reaches the game as a key of its own, and a
    // modifier alone is no key press at all.
    for (int key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt}) {
        Key(key);
    }
    EXPECT_EQ(input().OtherKeyRequest + input().MoveLeftRequest, 0);
    // A resize keeps the pause but holds the game up.
    input().HeldUp = 0;
    w.FormResize();
    expectPaused(4, true);
    EXPECT_EQ(input().HeldUp, 1);
    Key(Qt::Key_Up);
    expectPaused(5, false);
    w.FormResize();
    expectPaused(6, false);
}

TEST_F(PlayWindowInput, TheInstructionsPauseWidenThePartialWindowAndShowTheTablePlayed) {
    for (const auto& [screenHeight, width] : {std::pair{768, 808}, {600, 761}}) {
        PlayWindow& w = Make(1, screenHeight, 2);
        QTest::mouseClick(w.BitBtn3, Qt::LeftButton);
        EXPECT_EQ(Effect(), "IH");
        EXPECT_EQ(play().BitBtn1->text(), "&Proceed");
        EXPECT_EQ(OuterSizeOf(w).width(), width);
        EXPECT_LE(w.Panel4->geometry().right(), w.width() - 1);
        EXPECT_EQ(w.Panel4->Label22->text(), "21");  // 3 x 7
        QTest::mouseClick(w.Panel4->BitBtn5, Qt::LeftButton);
        EXPECT_EQ(Effect(), "");
        EXPECT_EQ(play().BitBtn1->text(), "&Pause");
        EXPECT_EQ(OuterSizeOf(w).width(), width);  // not narrowed again
    }
}

TEST_F(PlayWindowInput, MouseButtonsOnTheBoundControlsSteerAndOnTheSmallScreenClosePanels) {
    PlayWindow& w = Make(1, 480, 2);
    // The exit box and a right press on a button do nothing.
    QTest::mousePress(w.Image5, Qt::LeftButton);
    QTest::mousePress(w.BitBtn1, Qt::RightButton);
    EXPECT_EQ(Effect(), "");
    QTest::mousePress(w.Image3, Qt::RightButton);
    QTest::mousePress(w.Panel6, Qt::MiddleButton);
    EXPECT_EQ(Effect(), "RD");
    // Below 600 lines every key closes the panel first: I closes and reopens it.
    Key(Qt::Key_I);
    Key(Qt::Key_I);
    EXPECT_EQ(Effect(), "RDIH");
    Key(Qt::Key_Right);
    EXPECT_EQ(Effect(), "RDH");
    // A click on the panel's text is a click on the panel: it ends the pause there.
    Key(Qt::Key_I);
    QTest::mouseClick(w.Panel4->Label7, Qt::LeftButton);
    EXPECT_EQ(Effect(), "LRD");
    EXPECT_EQ(play().BitBtn1->text(), "&Pause");
    // The pause button ends the panel's pause and closes it too.
    Key(Qt::Key_I);
    QTest::mouseClick(w.BitBtn1, Qt::LeftButton);
    EXPECT_EQ(Effect(), "LRD");
}

TEST_F(PlayWindowInput, AfterTheGameAnyPressLeavesItAndTheNextShowForgetsIt) {
    for (auto [language, key, effect] : {std::tuple{1, Qt::Key_P, "S"}, {3, Qt::Key_Up, "OS"}}) {
        Make(language).Painter().MarkGameEnded();
        Key(key);
        EXPECT_EQ(Effect(), effect) << key;
        EXPECT_EQ(play().BitBtn1->text(), language == 1 ? "&Proceed" : "&Doorgaan") << key;
    }
    play().label1009->show();
    fixture->settings.Language = 5;
    play().FormShow();
    EXPECT_EQ(play().BitBtn1->text(), "&Pause");
    EXPECT_TRUE(play().label1009->isHidden());
    // Leaving the window stops a game; hiding it opens the high scores.
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&play(), &deactivate);
    EXPECT_EQ(input().WindowDeactivated + fixture->game.AfterGame, 2);
    fixture->game.AfterGame = 0;
    play().show();  // and hidden again before its game could start
    play().hide();
    EXPECT_EQ(fixture->game.AfterGame, 1);
    EXPECT_TRUE(fixture->scores().isVisible());
}

TEST(PlayWindowGame, AltPPausesOnceAndClosingWaitsForTheGamesTotal) {
    testing::ShellFixture fixture(768, 1);
    PlayWindow& play = fixture.play();
    fixture.game = GameState{.TableNumber = 2, .GameKind = 1, .StartLevel = 2};
    fixture.host.EveryPump([] { QCoreApplication::processEvents(); });  // the window's turn
    fixture.host.At(5000, [&] {
        EXPECT_TRUE(play.isActiveWindow());
        QTest::keyClick(&play, Qt::Key_P, Qt::AltModifier);
        QTest::qWait(250);  // time for a delayed click, had the caption's mnemonic fired
        EXPECT_EQ(fixture.input.Paused, 1);
        play.close();  // the window hides only once the game has returned its total
    });
    int afterGames = 0;
    QObject::connect(&play, &PlayWindow::gameEnded,
                     [&] { afterGames += play.GameRunning() ? 9 : 1; });
    play.show();
    QCoreApplication::processEvents();  // the game runs to its end in here
    EXPECT_EQ(afterGames, 1);
    EXPECT_EQ(fixture.game.StartLevel, 3);  // the stopped level counts as played
}

}  // namespace
}  // namespace quorelin
