// The play window: layout beyond the sweep, keys, clicks and Alt letters reaching the input
// rule, captions, the instructions panel, a game in the shown window, and the painting.
#include "play/play_window.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <array>

#include "game/loop.h"
#include "game/rules.h"
#include "kit/window_frame.h"
#include "play/field_painter.h"
#include "play/instructions_panel.h"
#include "play/play_layout.h"
#include "tests/support/case_names.h"
#include "tests/support/window_fixture.h"

namespace quorelin {
namespace {

struct PlayCase {
    ScreenCase screen;
    int width;         // 0: the class's; wider for a mixed class
    QRect outer;       // partial screen: the window's rectangle, frame included
    const char* spot;  // one control's place and size, as a spot check
    QRect spotRect;
};

const PlayCase kCases[] = {
    {ScreenCase::Class480Full, 0, {}, "BitBtn4", {622, 4, 15, 15}},
    {ScreenCase::Class480Partial, 0, {10, 0, 621, 453}, "BitBtn1", {487, 372, 73, 25}},
    {ScreenCase::Class600Full, 0, {}, "BitBtn4", {782, 3, 15, 15}},
    {ScreenCase::Class600Partial, 0, {32, 0, 736, 572}, "Image3", {0, 3, 342, 513}},
    {ScreenCase::Class768Full, 0, {}, "Panel2", {323, 104, 369, 555}},
    {ScreenCase::Class768Partial, 0, {128, 48, 768, 653}, "Panel4", {592, 158, 205, 321}},
    // Decisions by the height, widths and centring by the width.
    {ScreenCase::Class600Partial, 1024, {41, 0, 942, 572}, "Image3", {0, 3, 342, 513}},
};

std::string NameOf(const ::testing::TestParamInfo<PlayCase>& info) {
    return testing::CaseName(info.param.screen) + (info.param.width ? "_Width1024" : "");
}

// A control's place on the design area: the stage and the corner buttons follow the
// window's own size, which a hidden window does not have yet.
QRect OnStage(const QWidget& control) {
    const QWidget& window = *control.window();
    return control.geometry().translated(control.parentWidget() == &window ? -StageCorner(window)
                                                                           : QPoint());
}

// Every control's place, visibility and font.
std::vector<std::tuple<QString, QRect, bool, QFont>> Layout(const QWidget& window) {
    std::vector<std::tuple<QString, QRect, bool, QFont>> controls;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->objectName().endsWith("Stage")) {
            controls.emplace_back(w->objectName(), OnStage(*w), w->isVisibleTo(&window), w->font());
        }
    }
    return controls;
}

class PlayLayout : public ::testing::TestWithParam<PlayCase> {};

TEST_P(PlayLayout, TheWindowTheExitButtonAndTheFieldFrameStandForTheClassAndMode) {
    const PlayCase& c = GetParam();
    const bool full = WindowModeOf(c.screen) == 1;
    testing::ShellFixture fixture(ScreenHeightOf(c.screen), full ? 1 : 2);
    Settings& s = fixture.settings;
    s.ScreenWidth = c.width != 0 ? c.width : s.ScreenWidth;
    PlayWindow& w = fixture.play();
    LayOutPlayWindow(w, s);
    EXPECT_EQ(OnStage(*w.findChild<QWidget*>(c.spot)), c.spotRect);
    w.FormShow();
    EXPECT_EQ(w.windowFlags().testFlag(Qt::FramelessWindowHint), full);
    EXPECT_EQ(w.isMaximized(), full);
    // Where the window has no close box, the small exit button stands in its top right.
    EXPECT_EQ(w.BitBtn4->isVisibleTo(&w), full);
    if (full) {
        EXPECT_GE(OnStage(*w.BitBtn4).right(), s.ScreenWidth - 8);
        EXPECT_LE(OnStage(*w.BitBtn4).y(), 8);
    } else {
        EXPECT_EQ(QRect(w.pos(), OuterSizeOf(w)), c.outer);
    }

    // The painter's canvas is the field image's size, and the frame's light inner edge
    // runs right below and right beside the field.
    EXPECT_EQ(w.Image3->Canvas().size(), w.Image3->size());
    const QRect field = w.Panel2->geometry().translated(-w.Image12->pos());
    const QColor light = PaletteFor(s.ColorScheme).LightEdgeColour;
    EXPECT_EQ(w.Image12->Canvas().pixelColor(field.center().x(), field.bottom() + 1), light);
    EXPECT_EQ(w.Image12->Canvas().pixelColor(field.right() + 2, field.center().y()), light);
    // A switch to the other mode and back, as the options window's closing does, leaves
    // no control as the other mode had it.
    const auto laidOut = Layout(w);
    s.WindowMode = full ? 2 : 1;
    LayOutPlayWindow(w, s);
    s.WindowMode = full ? 1 : 2;
    LayOutPlayWindow(w, s);
    w.FormShow();
    EXPECT_TRUE(Layout(w) == laidOut);
}

void PrintTo(const PlayCase& c, std::ostream* out) {  // ctest's list names the case
    *out << ScreenCaseName(c.screen) << (c.width ? " width " + std::to_string(c.width) : "");
}
INSTANTIATE_TEST_SUITE_P(EveryClassAndMode, PlayLayout, ::testing::ValuesIn(kCases), NameOf);

TEST(PlayWindowPlace, AMaximisedMainWindowOpensThePlayWindowMaximisedInPartialScreen) {
    for (const bool maximised : {false, true}) {
        testing::ShellFixture fixture;  // 600 lines, partial screen
        maximised ? fixture.main->showMaximized() : fixture.main->show();
        fixture.play().FormShow();
        EXPECT_EQ(fixture.play().isMaximized(), maximised);
    }
}

class PlayTest : public ::testing::Test {
protected:
    // A play window prepared as at its show for table 7, never shown, so no game starts.
    // 768 lines full screen has the large field: blocks 40 x 28 at a pitch of 41 x 29.
    PlayWindow& Make(int language, int screenHeight = 768, int mode = 1, int scheme = 2) {
        fixture = std::make_unique<testing::ShellFixture>(screenHeight, mode, language);
        fixture->settings.ColorScheme = static_cast<std::uint8_t>(scheme);
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
    QRgb Field(int x, int y) { return play().Image3->Canvas().pixel(x, y) & 0xFFFFFF; }
    // True when the canvas holds black ink (a number's glyph) in the rectangle.
    static bool Ink(const CanvasImage* image, const QRect& r) {
        bool ink = false;
        for (int i = 0; i < r.width() * r.height(); ++i) {
            ink = ink ||
                  qGray(image->Canvas().pixel(r.x() + i % r.width(), r.y() + i / r.width())) < 60;
        }
        return ink;
    }

    std::unique_ptr<testing::ShellFixture> fixture;
};

TEST_F(PlayTest, AKeyPressReachesTheKeyRuleWhateverControlThePointerTouched) {
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

TEST_F(PlayTest, PAltPAndThePauseButtonEachToggleOnceAndAnyOtherKeyEndsThePause) {
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

TEST_F(PlayTest, TheInstructionsPauseWidenThePartialWindowAndShowTheTablePlayed) {
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

TEST_F(PlayTest, MouseButtonsOnTheBoundControlsSteerAndOnTheSmallScreenClosePanels) {
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

TEST_F(PlayTest, AfterTheGameAnyPressLeavesItAndTheNextShowForgetsIt) {
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

TEST_F(PlayTest, EveryCellKindShowsItsLightFaceAndDarkToneInBothSchemes) {
    const struct {
        std::int32_t kind;
        std::array<QRgb, 3> simple, sophisticated;
    } tones[] = {
        {kMultipleOf3, {0xFFFFFF, 0x00FF00, 0x008040}, {0xC1F8BF, 0x33E729, 0x0C4A09}},
        {kEvenNumber, {0xFFFFFF, 0x00FFFF, 0x808080}, {0xDCDCFF, 0x23D0EF, 0x474768}},
        {kMultipleOf5, {0xFFFFFF, 0xFF00FF, 0x800080}, {0xFBD7FA, 0xF38BF1, 0x840D81}},
        {kMultipleOf4, {0xFFFFFF, 0xFFFF00, 0x808080}, {0xF8E6C5, 0xD2921A, 0x65460C}},
        {kOtherNumber, {0xFFFFFF, 0xC0C0C0, 0x808080}, {0xE6E4EB, 0xB3B8CA, 0x312D3E}},
        {kSolved, {0xC0C0C0, 0x0000FF, 0x000080}, {0xCDCBED, 0x1712F3, 0x110574}},
        {kStone, {0xC0C0C0, 0x808080, 0x400040}, {0xD5DADB, 0x888D91, 0x313745}},
    };
    for (int scheme : {1, 2}) {
        FieldPainter& painter = Make(1, 768, 1, scheme).Painter();
        for (const auto& t : tones) {
            t.kind == kSolved  ? painter.DrawSolved(4, 7)
            : t.kind == kStone ? painter.DrawStone(4, 7)
                               : painter.DrawBlock(Block{8, t.kind}, 4, 7);
            const auto [light, face, dark] = scheme == 1 ? t.simple : t.sophisticated;
            SCOPED_TRACE(::testing::Message() << "scheme " << scheme << " kind " << t.kind);
            EXPECT_EQ(Field(123 + 1, 174 + 14), light);
            EXPECT_EQ(Field(123 + 3, 174 + 3), face);
            EXPECT_EQ(Field(123 + 37, 174 + 14), face);
            EXPECT_EQ(Field(123 + 38, 174 + 27), dark);
        }
    }
}

TEST_F(PlayTest, BlocksStayAPixelApartAndFloorBarsFillTheBottomOfEveryFieldSize) {
    FieldPainter& painter = Make(1).Painter();
    painter.DrawBlock(Block{6, kMultipleOf3}, 3, 5);
    painter.DrawBlock(Block{6, kMultipleOf3}, 4, 5);
    painter.DrawBlock(Block{6, kMultipleOf3}, 3, 6);
    EXPECT_EQ(Field(82 + 40, 116 + 10), 0x000000u);  // gap column
    EXPECT_EQ(Field(82 + 10, 116 + 28), 0x000000u);  // gap row
    painter.EraseCell(3, 5);
    EXPECT_EQ(Field(82 + 3, 116 + 3), 0x000000u);
    EXPECT_EQ(Field(82 + 41, 116 + 10), 0xC1F8BFu);  // the neighbour keeps its edge
    // In row 19 a block and a floor bar reach the lower edge, a pixel lower than the row
    // pitch gives; a floor bar spans the field.
    const struct {
        int screenHeight, mode, width, height;
    } sizes[] = {{480, 2, 269, 399}, {600, 2, 341, 513}, {600, 1, 368, 551}, {768, 1, 368, 551}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(::testing::Message() << s.screenHeight << " mode " << s.mode);
        const bool simple = s.screenHeight != 768;
        FieldPainter& sized = Make(1, s.screenHeight, s.mode, simple ? 1 : 2).Painter();
        sized.DrawStone(1, 19);
        EXPECT_EQ(Field(3, s.height - 1), simple ? 0x400040u : 0x313745u);
        sized.DrawFloorBar(19);
        EXPECT_EQ(Field(1, s.height - 10), simple ? 0xC0C0C0u : 0xEFC3BEu);
        EXPECT_EQ(Field(100, s.height - 3), simple ? 0xFF0000u : 0xFE1B01u);
        EXPECT_EQ(Field(s.width - 1, s.height - 1), simple ? 0x800000u : 0x811101u);
        EXPECT_EQ(Field(s.width, s.height - 10), 0x000000u);
    }
}

TEST_F(PlayTest, ABombShowsAStarOnTheFieldAndItsDigitsInThePreview) {
    FieldPainter& painter = Make(1, 768, 1, 1).Painter();
    painter.DrawBlock(Block{1000, kMultipleOf5}, 1, 1);
    painter.DrawBlock(Block{999, kMultipleOf5}, 2, 1);
    // The star starts at +12; three digits start at +7.
    EXPECT_FALSE(Ink(play().Image3, {2, 2, 9, 24}));
    EXPECT_TRUE(Ink(play().Image3, {12, 2, 13, 24}));
    EXPECT_TRUE(Ink(play().Image3, {41 + 7, 2, 4, 24}));
    // The preview's block at (15, 20): four digits start at 18, three at 22.
    painter.DrawPreview(Block{1000, kMultipleOf5});
    EXPECT_TRUE(Ink(play().Image2, {18, 27, 4, 19}));
    painter.DrawPreview(Block{999, kMultipleOf3});
    EXPECT_FALSE(Ink(play().Image2, {17, 22, 5, 24}));
    EXPECT_EQ(play().Image2->Canvas().pixel(20, 24) & 0xFFFFFF, 0x00FF00u);
}

TEST_F(PlayTest, TheHeadingTheTableLabelAndTheCaptionBackAtTheFirstBlockAfterAPause) {
    Make(3).Painter().SetUpHeading(12);
    EXPECT_EQ(play().Panel3->text(), "Tafel van 12");
    EXPECT_EQ(play().Label19->text(), "x 12 =");
    play().BitBtn1->SetCaption("&Doorgaan");
    play().Painter().DrawBlock(Block{5, kMultipleOf5}, 5, 1);
    EXPECT_EQ(play().BitBtn1->text(), "&Pauze");
    // "7" at 16 points is too wide: it shrinks below 15 pixels.
    Make(5, 768, 1, 1).Painter().SetUpHeading(7);
    EXPECT_LE(play().Label19->width(), 14);
    play().BitBtn1->SetCaption("&Pausa");  // any language's pause caption counts as one
    play().Painter().DrawBlock(Block{5, kMultipleOf5}, 5, 1);
    EXPECT_EQ(play().BitBtn1->text(), "&Pausa");
}

TEST_F(PlayTest, LevelAndGameEndsShowTheirMarksInTheSchemeColours) {
    FieldPainter& painter = Make(1, 768, 1, 1).Painter();
    painter.ShowBonus(0);  // a bonus of nothing is hidden
    EXPECT_TRUE(play().label1010->isHidden());
    painter.DrawCurtainBar(1);
    EXPECT_EQ(Field(100, 14), 0x000080u);
    EXPECT_EQ(Field(1, 14), 0x0000C1u);  // a bar's light edge is 2 pixels wide

    FieldPainter& spanish = Make(2).Painter();
    spanish.MarkGameEnded();
    EXPECT_EQ(play().BitBtn1->text(), "&Seguir");
    spanish.CloseCurtain(9);
    EXPECT_EQ(Field(200, 300), 0x000077u);  // the face colour of the scheme
    EXPECT_EQ(Field(0, 300), 0x303088u);    // a 1-pixel light edge, left and top
    EXPECT_EQ(Field(1, 300), 0x000077u);
    EXPECT_EQ(Field(368, 300), 0x000000u);  // black shadow on the right
    spanish.ShowGameOver();
    EXPECT_EQ(play().label1009->text(), "Game Over");
    EXPECT_EQ(play().label1008->text(), "  Pulsa una tecla..");
    spanish.BlinkGameOver(false);
    EXPECT_EQ(play().label1009->palette().color(QPalette::WindowText), QColor(255, 156, 57));
}

int Width(const QLabel* label) {
    return QFontMetrics(label->font()).horizontalAdvance(label->text());
}

TEST(InstructionsPanel, EveryLineIsThereAndFitsInEveryLanguageWhateverWasShownBefore) {
    // One panel shows every language and table in turn, as the play window's does.
    Settings settings;
    InstructionsPanel shown(settings);
    for (int language = 1; language <= 5; ++language) {
        for (int table = 1; table <= 20; ++table) {
            settings.Language = static_cast<std::uint8_t>(language);
            shown.ShowFor(table);
            const Settings own = settings;
            InstructionsPanel fresh(own);
            fresh.ShowFor(table);
            const auto lines = fresh.findChildren<QLabel*>();
            for (qsizetype i = 0; i < lines.size(); ++i) {
                EXPECT_EQ(shown.findChildren<QLabel*>()[i]->text(), lines[i]->text()) << table;
            }
            const std::pair<QLabel*, int> limits[] = {
                {fresh.Label2, 185},  {fresh.Label3, 185},  {fresh.Label7, 185},
                {fresh.Label8, 185},  {fresh.Label9, 185},  {fresh.Label12, 185},
                {fresh.Label13, 185}, {fresh.Label14, 185}, {fresh.Label5, 62},
                {fresh.Label20, 74},  {fresh.Label10, 72},  {fresh.Label1, 168}};
            for (const auto& [label, limit] : limits) {
                EXPECT_FALSE(label->text().isEmpty());
                EXPECT_LE(Width(label), limit) << language << " " << label->text().toStdString();
            }
            // Labels take exactly their text's width, trailing blanks included.
            EXPECT_EQ(fresh.Label2->width(), Width(fresh.Label2));
        }
    }
    EXPECT_EQ(shown.Label9->text(), "block unten x 20 = block oben");
    EXPECT_EQ(shown.Label20->text(), " 3 x 20 = 60");
}

TEST(InstructionsPanel, TheExampleFollowsTheTableAndTheSchemeAndAShrunkFontStaysShrunk) {
    Settings settings;
    settings.ColorScheme = 1;
    InstructionsPanel panel(settings);
    panel.ShowFor(4);
    EXPECT_EQ(panel.Label22->pos(), QPoint(94, 195));
    // A one-digit product moves under the lower number, and stays there.
    panel.ShowFor(3);
    EXPECT_EQ(panel.Label22->pos(), QPoint(panel.Label21->x(), 195));
    settings.ColorScheme = 2;
    panel.ShowFor(123456789);  // a rule line far too wide for the usual size
    EXPECT_EQ(panel.Label22->pos(), QPoint(97, 195));
    EXPECT_TRUE(panel.Image8->isHidden());
    EXPECT_FALSE(panel.Image11->isHidden());
    EXPECT_EQ(panel.font().family(), "Small Fonts");
    panel.ShowFor(4);  // a later show starts from the shrunk font
    EXPECT_EQ(panel.Label20->font().pixelSize(), PixelsForPoints(4));
    // Each show lowers at most four points, never below one and never back up.
    const auto never = [](const FittedFont&) { return false; };
    EXPECT_EQ(FitFont({false, 8}, never), (FittedFont{true, 4}));
    EXPECT_EQ(FitFont({true, 4}, never), (FittedFont{true, 1}));
    EXPECT_EQ(FitFont({true, 6}, [](const FittedFont&) { return true; }), (FittedFont{true, 6}));
}

}  // namespace
}  // namespace quorelin
