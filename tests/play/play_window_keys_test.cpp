// The play window's handlers on their own, with no game running: what each key, mouse
// button and button press does to the request flags, the pause and the panel.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

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
        window = std::make_unique<PlayWindow>(settings, state, input, [this] { ++afterGames; });
        window->FormShow();
        return *window;
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window.get(), static_cast<Qt::Key>(key), modifiers);
    }
    bool PanelOpen() const { return !window->Panel4->isHidden(); }
    QString PauseCaption() const { return window->BitBtn1->text(); }

    Settings settings;
    GameState state;
    InputRequests input;
    int afterGames = 0;
    std::unique_ptr<PlayWindow> window;
};

TEST_F(PlayWindowHandlers, PTwiceReturnsToTheRunningCaptionInEveryLanguage) {
    const char* running[] = {"&Pause", "&Pausa", "&Pauze", "&Pauze", "&Pause"};
    const char* paused[] = {"&Proceed", "Segui&r", "&Doorgaan", "&Trochgean", "&Weitergehen"};
    for (int language = 1; language <= 5; ++language) {
        Make(language);
        Key(Qt::Key_P);
        EXPECT_EQ(input.Paused, 1);
        EXPECT_EQ(input.HeldUp, 1);
        EXPECT_EQ(PauseCaption(), paused[language - 1]);
        Key(Qt::Key_P, Qt::ShiftModifier);
        EXPECT_EQ(input.Paused, 0);
        EXPECT_EQ(PauseCaption(), running[language - 1]);
        EXPECT_EQ(input.OtherKeyRequest, 0);
    }
}

TEST_F(PlayWindowHandlers, AltPBarePAndAClickOnThePauseButtonEachToggleOnce) {
    Make(1);
    Key(Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(input.Paused, 1);
    Key(Qt::Key_P);
    EXPECT_EQ(input.Paused, 0);
    QTest::mouseClick(window->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(input.Paused, 1);
    EXPECT_EQ(PauseCaption(), "&Proceed");
    QTest::mouseClick(window->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(input.Paused, 0);
    // Neither the Alt key nor the button press reaches the game as a key of its own.
    EXPECT_EQ(input.OtherKeyRequest, 0);
    EXPECT_EQ(input.MoveLeftRequest, 0);
}

TEST_F(PlayWindowHandlers, AcceleratorsFollowTheCaptionsOfTheLanguage) {
    Make(2);
    Key(Qt::Key_P);
    ASSERT_EQ(PauseCaption(), "Segui&r");
    // Alt+R presses "Segui&r" and resumes; a bare R is any other key and resumes too,
    // but also asks the game to read a key.
    Key(Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(input.Paused, 0);
    EXPECT_EQ(input.OtherKeyRequest, 0);
    Key(Qt::Key_I, Qt::AltModifier);
    EXPECT_TRUE(PanelOpen());
    Key(Qt::Key_I, Qt::AltModifier);
    EXPECT_FALSE(PanelOpen());
    Key(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(input.StopGame, 1);
}

TEST_F(PlayWindowHandlers, SEndsTheGameExceptInEnglishAndXInEveryLanguage) {
    for (int language = 1; language <= 5; ++language) {
        Make(language);
        Key(Qt::Key_S);
        EXPECT_EQ(input.StopGame, language == 1 ? 0 : 1) << "language " << language;
        EXPECT_EQ(input.LeaveGameOver, language == 1 ? 0 : 1);
        EXPECT_EQ(input.OtherKeyRequest, 0);
        Make(language);
        Key(Qt::Key_X);
        EXPECT_EQ(input.StopGame, 1);
        EXPECT_EQ(input.LeaveGameOver, 1);
    }
}

TEST_F(PlayWindowHandlers, YOpensThePanelInEveryLanguageButHoldsTheGameOnlyInFrisian) {
    for (int language : {1, 4}) {
        Make(language);
        Key(Qt::Key_Y);
        EXPECT_TRUE(PanelOpen());
        EXPECT_EQ(input.Paused, 1);
        testing::SimHost host;
        // The game's next poll: an other-key request ends the pause at once.
        InputPending(host, input);
        EXPECT_EQ(input.Paused, language == 4 ? 1 : 0) << "language " << language;
    }
}

TEST_F(PlayWindowHandlers, ArrowsAndEscapeSetRequestsAndAnyOtherKeyEndsAPause) {
    Make(1);
    for (int key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Down, Qt::Key_Escape}) {
        Key(key);
    }
    EXPECT_EQ(
        input.MoveLeftRequest + input.MoveRightRequest + input.DropRequest + input.EscapeRequest,
        4);
    EXPECT_EQ(input.OtherKeyRequest, 0);
    EXPECT_EQ(input.StopGame, 0);
    Key(Qt::Key_P);
    Key(Qt::Key_Up);
    EXPECT_EQ(input.Paused, 0);
    EXPECT_EQ(input.OtherKeyRequest, 1);
    EXPECT_EQ(PauseCaption(), "&Pause");
}

TEST_F(PlayWindowHandlers, ModifierKeysAloneAreNoKeyPress) {
    Make(1);
    Key(Qt::Key_P);
    for (int key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt}) {
        Key(key);
    }
    EXPECT_EQ(input.Paused, 1);
    EXPECT_EQ(input.OtherKeyRequest, 0);
}

TEST_F(PlayWindowHandlers, InstructionsPauseTheGameAndClosingThemResumes) {
    PlayWindow& w = Make(1);
    w.resize(700, 600);
    QTest::mouseClick(w.BitBtn3, Qt::LeftButton);
    EXPECT_TRUE(PanelOpen());
    EXPECT_EQ(input.Paused, 1);
    EXPECT_EQ(input.HeldUp, 1);
    EXPECT_EQ(PauseCaption(), "&Proceed");
    // At 1024 x 768 a narrow window widens to show the panel.
    EXPECT_EQ(w.width(), 808);
    QTest::mouseClick(w.Panel4->BitBtn5, Qt::LeftButton);
    EXPECT_FALSE(PanelOpen());
    EXPECT_EQ(input.Paused, 0);
    EXPECT_EQ(PauseCaption(), "&Pause");
    EXPECT_EQ(w.width(), 808);  // not narrowed again
    Key(Qt::Key_I);
    Key(Qt::Key_I);
    EXPECT_FALSE(PanelOpen());
    EXPECT_EQ(input.Paused, 0);
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
}

TEST_F(PlayWindowHandlers, MouseButtonsOnTheFieldSteerAndALeftClickEndsAPause) {
    PlayWindow& w = Make(1);
    QTest::mousePress(w.Image3, Qt::RightButton);
    QTest::mousePress(w.Image3, Qt::MiddleButton);
    EXPECT_EQ(input.MoveRightRequest, 1);
    EXPECT_EQ(input.DropRequest, 1);
    EXPECT_EQ(input.MoveLeftRequest, 0);
    Key(Qt::Key_P);
    QTest::mouseClick(w.Image3, Qt::LeftButton);
    EXPECT_EQ(input.MoveLeftRequest, 1);
    EXPECT_EQ(input.Paused, 0);
    EXPECT_EQ(PauseCaption(), "&Pause");
}

TEST_F(PlayWindowHandlers, OnlyTheBoundControlsPassMousePresses) {
    PlayWindow& w = Make(1);
    QTest::mousePress(w.Panel6, Qt::RightButton);
    EXPECT_EQ(input.MoveRightRequest, 1);
    input.MoveRightRequest = 0;
    // The exit box, the table label and a right press on a button do nothing.
    QTest::mousePress(w.Image5, Qt::LeftButton);
    QTest::mousePress(w.Label19, Qt::RightButton);
    QTest::mousePress(w.BitBtn1, Qt::RightButton);
    EXPECT_EQ(input.MoveLeftRequest, 0);
    EXPECT_EQ(input.MoveRightRequest, 0);
    // A click on the panel's text counts as a click on the panel.
    Key(Qt::Key_I);
    QTest::mouseClick(w.Panel4->Label7, Qt::LeftButton);
    EXPECT_EQ(input.MoveLeftRequest, 1);
    EXPECT_EQ(input.Paused, 0);
}

TEST_F(PlayWindowHandlers, AResizeKeepsThePauseButHoldsTheGameUp) {
    PlayWindow& w = Make(1);
    Key(Qt::Key_P);
    input.HeldUp = 0;
    w.FormResize();
    EXPECT_EQ(input.Paused, 1);
    EXPECT_EQ(PauseCaption(), "&Proceed");
    EXPECT_EQ(input.HeldUp, 1);
    Key(Qt::Key_P);
    w.FormResize();
    EXPECT_EQ(input.Paused, 0);
    EXPECT_EQ(PauseCaption(), "&Pause");
}

TEST_F(PlayWindowHandlers, OnceTheGameHasEndedEveryPressLeavesTheDisplay) {
    PlayWindow& w = Make(1);
    w.Painter().MarkGameEnded();
    EXPECT_EQ(PauseCaption(), "&Proceed");
    Key(Qt::Key_P);
    EXPECT_EQ(input.Paused, 0);  // no pause after the end
    EXPECT_EQ(input.LeaveGameOver, 1);
    EXPECT_EQ(input.StopGame, 1);

    Make(1).Painter().MarkGameEnded();
    Key(Qt::Key_S);  // no role in English, but after the end any key leaves
    EXPECT_EQ(input.LeaveGameOver, 1);

    PlayWindow& v = Make(3);
    v.Painter().MarkGameEnded();
    Key(Qt::Key_Up);
    EXPECT_EQ(PauseCaption(), "&Doorgaan");  // the end caption stays
    EXPECT_EQ(input.LeaveGameOver, 1);
}

TEST_F(PlayWindowHandlers, ShowingAgainForgetsThePreviousGame) {
    PlayWindow& w = Make(5);
    w.Painter().MarkGameEnded();
    Key(Qt::Key_I);
    input.MoveLeftRequest = input.DropRequest = input.EscapeRequest = 1;
    input.WindowDeactivated = 1;
    w.label1009->show();
    w.FormShow();
    EXPECT_EQ(w.BitBtn1->Tag, 0);
    EXPECT_EQ(PauseCaption(), "&Pause");
    EXPECT_EQ(input.Paused + input.MoveLeftRequest + input.DropRequest + input.EscapeRequest +
                  input.WindowDeactivated,
              0);
    EXPECT_TRUE(w.Panel4->isHidden());
    EXPECT_TRUE(w.label1009->isHidden());
    EXPECT_EQ(w.windowTitle(), " Mirandol Einmaleins  ");
    EXPECT_EQ(w.Panel3->text(), "Addieren");
    EXPECT_EQ(w.BitBtn2->text(), "&Stop");
    EXPECT_EQ(w.Panel7->text(), "Folgende");
}

TEST_F(PlayWindowHandlers, ControlsCarryTheirDesignNamesAndTakeNoFocus) {
    PlayWindow& w = Make(1);
    EXPECT_EQ(w.objectName(), "playform");
    for (const char* name :
         {"Panel3",  "Label23", "Image7",    "Panel5",    "Panel6",    "Panel8",    "Image13",
          "Panel7",  "Panel1",  "Image2",    "Image12",   "Panel2",    "Image3",    "Image6",
          "BitBtn3", "BitBtn1", "Image5",    "BitBtn2",   "BitBtn4",   "Panel4",    "Image1",
          "Image20", "Label19", "label1009", "label1008", "label1010", "label1011", "Image1oud"}) {
        auto* control = w.findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->focusPolicy(), Qt::NoFocus) << name;
    }
}

TEST_F(PlayWindowHandlers, PartialScreenSizesFollowTheScreenClass) {
    EXPECT_EQ(Make(1, 480, 640, 2).size(), QSize(621, 453));
    EXPECT_EQ(window->pos().x(), 10);
    EXPECT_EQ(Make(1, 600, 800, 2).size(), QSize(736, 572));
    EXPECT_EQ(Make(1, 768, 1024, 2).size(), QSize(768, 653));
    EXPECT_EQ(Make(1, 480, 640, 2).Image3->size(), QSize(270, 399));
}

}  // namespace
}  // namespace quorelin
