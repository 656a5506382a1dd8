// What the play window's layout must achieve beyond the sweep of every window (controls
// inside, nothing covering a text): its rectangle and state, exit button, frame, switches.
#include "play/play_layout.h"

#include <gtest/gtest.h>

#include "kit/window_frame.h"
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

INSTANTIATE_TEST_SUITE_P(EveryClassAndMode, PlayLayout, ::testing::ValuesIn(kCases), NameOf);

TEST(PlayWindowPlace, AMaximisedMainWindowOpensThePlayWindowMaximisedInPartialScreen) {
    for (const bool maximised : {false, true}) {
        testing::ShellFixture fixture;  // 600 lines, partial screen
        maximised ? fixture.main->showMaximized() : fixture.main->show();
        fixture.play().FormShow();
        EXPECT_EQ(fixture.play().isMaximized(), maximised);
    }
}

}  // namespace
}  // namespace quorelin
