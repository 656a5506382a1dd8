// The play window's handlers on their own, with no game running: that keys, mouse buttons
// and button presses reach the input rule, and what the window shows for them: captions,
// the instructions panel, accelerators.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <tuple>

#include "game/loop.h"
#include "play/instructions_panel.h"
#include "play/play_window.h"
#include "tests/support/sim_host.h"

namespace quorelin {
namespace {

class PlayWindowHandlers : public ::testing::Test {
protected:
    // A window prepared as at its show, but never shown, so no game starts.
    PlayWindow& Make(int language, int screenHeight = 768, int screenWidth = 1024,
                     int windowMode = 1) {
        settings.Language = static_cast<std::uint8_t>(language);
        settings.ColorScheme = 1;
        settings.WindowMode = static_cast<std::uint8_t>(windowMode);
        settings.ScreenHeight = screenHeight;
        settings.ScreenWidth = screenWidth;
        state = GameState{};
        state.GameKind = 1;
        state.TableNumber = 7;
        input = InputRequests{};
        window = std::make_unique<PlayWindow>(settings, state, input);
        window->FormShow();
        return *window;
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window.get(), static_cast<Qt::Key>(key), modifiers);
    }
    bool PanelOpen() const { return !window->Panel4->isHidden(); }
    QString PauseCaption() const { return window->BitBtn1->text(); }
    // What a key did, as letters: L R D E the moves and escape, O any other key, S stop,
    // I the panel open, H paused.
    std::string Effect() const {
        const int flags[] = {
            input.MoveLeftRequest, input.MoveRightRequest, input.DropRequest,   input.EscapeRequest,
            input.OtherKeyRequest, input.StopGame,         PanelOpen() ? 1 : 0, input.Paused};
        std::string effect;
        for (std::size_t i = 0; i < std::size(flags); ++i) {
            if (flags[i] == 1) {
                effect += "LRDEOSIH"[i];
            }
        }
        return effect;
    }

    Settings settings;
    GameState state;
    InputRequests input;
    std::unique_ptr<PlayWindow> window;
};

TEST_F(PlayWindowHandlers, AKeyPressReachesTheKeyRuleAndTheWindowDoesItsPart) {
    // The rule's own table is in the game's tests; here each role reaches the window once.
    // H: still paused after the game's next poll.
    const struct {
        int language;
        Qt::Key key;
        const char* effect;
    } cases[] = {
        {1, Qt::Key_Left, "L"},
        {2, Qt::Key_Escape, "E"},
        {1, Qt::Key_Up, "O"},
        {1, Qt::Key_P, "H"},
        {3, Qt::Key_I, "IH"},
        // Y opens the panel in Frisian; elsewhere it is also any key, so the game runs on.
        {4, Qt::Key_Y, "IH"},
        {1, Qt::Key_Y, "OI"},
        {1, Qt::Key_X, "S"},
        {5, Qt::Key_S, "S"},
    };
    for (const auto& c : cases) {
        Make(c.language);
        Key(c.key);
        testing::SimHost host;
        InputPending(host, input);
        EXPECT_EQ(Effect(), c.effect) << "key " << c.key << " language " << c.language;
    }
}

TEST_F(PlayWindowHandlers, PAltPAndThePauseButtonEachToggleOnceAndAnyOtherKeyEndsThePause) {
    const char* running[] = {"&Pause", "&Pausa", "&Pauze", "&Pauze", "&Pause"};
    const char* paused[] = {"&Proceed", "Segui&r", "&Doorgaan", "&Trochgean", "&Weitergehen"};
    const int resume[] = {Qt::Key_P, Qt::Key_R, Qt::Key_D, Qt::Key_T, Qt::Key_W};
    for (int language = 1; language <= 5; ++language) {
        PlayWindow& w = Make(language);
        const auto expectPaused = [&](int step, bool on) {
            EXPECT_EQ(input.Paused, on ? 1 : 0) << "language " << language << " step " << step;
            EXPECT_EQ(PauseCaption(), (on ? paused : running)[language - 1]) << step;
        };
        Key(Qt::Key_P, Qt::AltModifier);
        expectPaused(1, true);
        EXPECT_EQ(input.HeldUp, 1);
        // The paused caption's own accelerator resumes, though its letter is no game key.
        Key(resume[language - 1], Qt::AltModifier);
        expectPaused(2, false);
        Key(Qt::Key_P, Qt::ShiftModifier);
        expectPaused(3, true);
        QTest::mouseClick(w.BitBtn1, Qt::LeftButton);
        expectPaused(4, false);
        QTest::mouseClick(w.BitBtn1, Qt::LeftButton);
        expectPaused(5, true);
        // Neither the Alt key nor the button press reaches the game as a key of its own,
        // and a modifier alone is no key press at all.
        for (int key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt}) {
            Key(key);
        }
        EXPECT_EQ(input.OtherKeyRequest + input.MoveLeftRequest, 0);
        // A resize keeps the pause but holds the game up.
        input.HeldUp = 0;
        w.FormResize();
        expectPaused(6, true);
        EXPECT_EQ(input.HeldUp, 1);
        Key(Qt::Key_Up);
        expectPaused(7, false);
        EXPECT_EQ(input.OtherKeyRequest, 1);
        w.FormResize();
        expectPaused(8, false);
    }
}

TEST_F(PlayWindowHandlers, InstructionsPauseTheGameAndClosingThemResumes) {
    PlayWindow& w = Make(1, 768, 1024, 2);  // partial screen: 768 wide
    QTest::mouseClick(w.BitBtn3, Qt::LeftButton);
    EXPECT_EQ(Effect(), "IH");
    EXPECT_EQ(input.HeldUp, 1);
    EXPECT_EQ(PauseCaption(), "&Proceed");
    // At 1024 x 768 the partial-screen window widens to show the panel.
    EXPECT_EQ(w.width(), 808);
    QTest::mouseClick(w.Panel4->BitBtn5, Qt::LeftButton);
    EXPECT_EQ(Effect(), "");
    EXPECT_EQ(PauseCaption(), "&Pause");
    EXPECT_EQ(w.width(), 808);  // not narrowed again
}

TEST_F(PlayWindowHandlers, OnTheSmallScreenAnyKeyOrClickClosesThePanelAndIReopensIt) {
    PlayWindow& w = Make(1, 480, 640, 2);
    Key(Qt::Key_I);
    ASSERT_TRUE(PanelOpen());
    Key(Qt::Key_I);
    EXPECT_TRUE(PanelOpen());
    Key(Qt::Key_Right);
    EXPECT_FALSE(PanelOpen());
    Key(Qt::Key_I);
    QTest::mouseClick(w.Image3, Qt::LeftButton);
    EXPECT_FALSE(PanelOpen());
    EXPECT_EQ(input.Paused, 0);
    // The pause button ends the panel's pause and closes it too.
    Key(Qt::Key_I);
    QTest::mouseClick(w.BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(PanelOpen());
}

TEST_F(PlayWindowHandlers, MouseButtonsOnTheBoundControlsSteerAndALeftClickEndsAPause) {
    PlayWindow& w = Make(1);
    // The exit box, the table label and a right press on a button do nothing.
    QTest::mousePress(w.Image5, Qt::LeftButton);
    QTest::mousePress(w.Label19, Qt::RightButton);
    QTest::mousePress(w.BitBtn1, Qt::RightButton);
    EXPECT_EQ(Effect(), "");
    QTest::mousePress(w.Image3, Qt::RightButton);
    QTest::mousePress(w.Panel6, Qt::MiddleButton);
    EXPECT_EQ(Effect(), "RD");
    Key(Qt::Key_P);
    QTest::mouseClick(w.Image3, Qt::LeftButton);
    EXPECT_EQ(Effect(), "LRD");
    EXPECT_EQ(PauseCaption(), "&Pause");
    // A click on the panel's text counts as a click on the panel.
    input = InputRequests{};
    Key(Qt::Key_I);
    QTest::mouseClick(w.Panel4->Label7, Qt::LeftButton);
    EXPECT_EQ(Effect(), "LI");
}

TEST_F(PlayWindowHandlers, OnceTheGameHasEndedAPressLeavesTheDisplayAndKeepsTheEndCaption) {
    for (auto [language, key, effect] : {std::tuple{1, Qt::Key_P, "S"}, {3, Qt::Key_Up, "OS"}}) {
        Make(language).Painter().MarkGameEnded();
        Key(key);
        EXPECT_EQ(Effect(), effect) << key;
        EXPECT_EQ(PauseCaption(), language == 1 ? "&Proceed" : "&Doorgaan") << key;
    }
}

TEST_F(PlayWindowHandlers, ShowingAgainForgetsThePreviousGameAndTakesTheNewLanguage) {
    PlayWindow& w = Make(1);
    w.Painter().SetUpHeading(12);
    w.Painter().MarkGameEnded();
    Key(Qt::Key_I);
    input.DropRequest = 1;
    w.label1009->show();
    settings.Language = 5;
    w.FormShow();
    EXPECT_EQ(w.BitBtn1->Tag, 0);
    EXPECT_EQ(PauseCaption(), "&Pause");
    EXPECT_EQ(input.Paused + input.DropRequest, 0);  // the input rule forgets the rest
    EXPECT_TRUE(w.Panel4->isHidden());
    EXPECT_TRUE(w.label1009->isHidden());
    EXPECT_EQ(w.windowTitle(), " Mirandol Einmaleins  ");
    EXPECT_EQ(w.Panel3->text(), "Addieren");
    EXPECT_EQ(w.BitBtn2->text(), "&Stop");
    EXPECT_EQ(w.Panel7->text(), "Folgende");
}

TEST_F(PlayWindowHandlers, NoControlTakesTheKeysFromTheWindow) {
    const auto controls = Make(1).findChildren<QWidget*>();
    ASSERT_GT(controls.size(), 40);
    for (const QWidget* control : controls) {
        EXPECT_EQ(control->focusPolicy(), Qt::NoFocus) << control->objectName().toStdString();
    }
}

}  // namespace
}  // namespace quorelin
