// The play window's places per screen class and window mode, and the show's sizing.
#include <gtest/gtest.h>

#include <QFont>

#include "kit/window_frame.h"
#include "play/field_drawing.h"
#include "play/instructions_panel.h"
#include "play/play_layout.h"
#include "play/play_window.h"
#include "tests/support/case_names.h"

namespace quorelin {
namespace {

Settings ClassAndMode(int width, int height, int mode) {
    Settings s;
    s.ScreenWidth = width;
    s.ScreenHeight = height;
    s.WindowMode = static_cast<std::uint8_t>(mode);
    s.ColorScheme = 2;
    return s;
}

// The window's outer rectangle, frame included, as the layout placed it.
QRect OuterRect(const QWidget& w) {
    return {w.pos(), OuterSizeOf(w)};
}

struct PlayCase {
    ScreenCase screen;
    int width;    // the screen's width: the class's, or wider for a mixed class
    QRect outer;  // partial screen only
    QRect panel2, image3, image12;
    QPoint bitBtn1, bitBtn2, panel4;
    QPoint bitBtn4;
    int label1011Height;
    QPoint image20;  // centred between the value box and the exit box
};

const PlayCase kCases[] = {
    {ScreenCase::Class480Full, 640, QRect(), QRect(182, 30, 270, 403), QRect(0, 3, 270, 399),
     QRect(170, 22, 292, 422), QPoint(505, 377), QPoint(62, 375), QPoint(215, 45), QPoint(622, 4),
     13, QPoint(32, 228)},
    {ScreenCase::Class480Partial, 640, QRect(10, 0, 621, 453), QRect(162, 10, 270, 403),
     QRect(0, 3, 270, 399), QRect(150, 2, 292, 422), QPoint(487, 372), QPoint(42, 370),
     QPoint(195, 30), QPoint(1, 1), 13, QPoint(12, 221)},
    {ScreenCase::Class600Full, 800, QRect(), QRect(211, 20, 369, 555), QRect(0, 3, 369, 551),
     QRect(199, 12, 394, 574), QPoint(640, 522), QPoint(82, 520), QPoint(592, 148), QPoint(782, 3),
     23, QPoint(52, 301)},
    {ScreenCase::Class600Partial, 800, QRect(32, 0, 736, 572), QRect(191, 12, 342, 517),
     QRect(0, 3, 342, 513), QRect(179, 4, 364, 536), QPoint(600, 499), QPoint(57, 497),
     QPoint(555, 128), QPoint(1, 1), 22, QPoint(27, 279)},
    {ScreenCase::Class768Full, 1024, QRect(), QRect(323, 104, 369, 555), QRect(0, 3, 369, 551),
     QRect(311, 96, 391, 574), QPoint(752, 606), QPoint(194, 604), QPoint(707, 232),
     QPoint(1003, 7), 23, QPoint(164, 385)},
    {ScreenCase::Class768Partial, 1024, QRect(128, 48, 768, 653), QRect(211, 30, 369, 555),
     QRect(0, 3, 369, 551), QRect(199, 22, 391, 574), QPoint(640, 532), QPoint(82, 530),
     QPoint(592, 158), QPoint(1008, 0), 23, QPoint(52, 311)},
    // A mixed class: decisions by the height, widths and centring by the width.
    {ScreenCase::Class600Partial, 1024, QRect(41, 0, 942, 572), QRect(191, 12, 342, 517),
     QRect(0, 3, 342, 513), QRect(179, 4, 364, 536), QPoint(600, 499), QPoint(57, 497),
     QPoint(555, 128), QPoint(1, 1), 22, QPoint(27, 279)},
};

std::string NameOf(const ::testing::TestParamInfo<PlayCase>& info) {
    const PlayCase& c = info.param;
    const bool mixed = c.width != ScreenWidthOf(c.screen);
    return testing::CaseName(c.screen) + (mixed ? "_Width" + std::to_string(c.width) : "");
}

class PlayLayout : public ::testing::TestWithParam<PlayCase> {};

TEST_P(PlayLayout, PlacesTheWindowAndItsControlsForTheClassAndModeAndTheShowKeepsThem) {
    const PlayCase& c = GetParam();
    Settings settings = ClassAndMode(c.width, ScreenHeightOf(c.screen), WindowModeOf(c.screen));
    GameState state;
    InputRequests input;
    PlayWindow w(settings, state, input);
    LayOutPlayWindow(w, settings);

    const bool full = WindowModeOf(c.screen) == 1;
    EXPECT_EQ(w.windowFlags().testFlag(Qt::FramelessWindowHint), full);
    EXPECT_EQ(w.isMaximized(), full);
    if (!full) {
        EXPECT_EQ(OuterRect(w), c.outer);
    }
    EXPECT_EQ(w.Panel2->geometry(), c.panel2);
    EXPECT_EQ(w.Image3->geometry(), c.image3);
    EXPECT_EQ(w.Image12->geometry(), c.image12);
    EXPECT_EQ(w.BitBtn1->pos(), c.bitBtn1);
    EXPECT_EQ(w.BitBtn2->pos(), c.bitBtn2);
    EXPECT_EQ(w.Panel4->pos(), c.panel4);
    EXPECT_EQ(w.BitBtn4->pos() - StageCorner(w), c.bitBtn4);  // off the stage, in its corner
    EXPECT_EQ(w.BitBtn4->isVisibleTo(&w), full);
    EXPECT_EQ(w.label1011->height(), c.label1011Height);
    EXPECT_EQ(w.Panel4->frameShadow(),
              settings.ScreenHeight == 480 ? QFrame::Raised : QFrame::Sunken);

    // The painter draws the field the canvas holds, and its frame fills the frame image.
    const FieldGeometry field = GeometryFor(c.screen);
    EXPECT_EQ(w.Image3->Canvas().size(), QSize(field.fieldWidth, field.fieldHeight));
    EXPECT_LE(w.Image3->geometry().bottom(), w.Panel2->height() - 1);

    EXPECT_EQ(w.Image20->pos(), c.image20);
    EXPECT_EQ(w.Image1->pos(), c.image20);
    EXPECT_EQ(w.Label19->pos(), c.image20 + QPoint(52, 97));
    EXPECT_TRUE(w.Image20->isVisibleTo(&w));
    EXPECT_FALSE(w.Image1->isVisibleTo(&w));

    // The show keeps the window and the field as laid out.
    const QRect laidOut = OuterRect(w);
    const QRect fieldRect = w.Image3->geometry();
    w.FormShow();
    EXPECT_EQ(OuterRect(w), laidOut);
    EXPECT_EQ(w.Image3->geometry(), fieldRect);
    EXPECT_EQ(w.Image3->Canvas().size(), fieldRect.size());
    // The empty image below the title shows the window's ground.
    const QPoint belowTitle = w.Image1oud->geometry().bottomLeft() + QPoint(6, -1);
    EXPECT_EQ(w.grab().toImage().pixelColor(belowTitle), PaletteFor(2).FaceColour);
    // The whole canvas is cleared, so no trace of a larger field stays.
    EXPECT_EQ(w.Image3->Canvas().pixelColor(fieldRect.width() - 1, fieldRect.height() - 1),
              QColor(Qt::black));
}

INSTANTIATE_TEST_SUITE_P(EveryClassAndMode, PlayLayout, ::testing::ValuesIn(kCases), NameOf);

TEST(PlayLayoutShow, ASwitchOfModeLaysTheWindowOutAgain) {
    Settings settings = ClassAndMode(800, 600, 1);
    GameState state;
    InputRequests input;
    PlayWindow w(settings, state, input);
    LayOutPlayWindow(w, settings);
    settings.WindowMode = 2;
    LayOutPlayWindow(w, settings);
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(w.isMaximized());
    EXPECT_EQ(OuterRect(w), QRect(32, 0, 736, 572));
    EXPECT_FALSE(w.BitBtn4->isVisibleTo(&w));
    EXPECT_EQ(w.Image3->size(), QSize(342, 513));
    settings.WindowMode = 1;
    LayOutPlayWindow(w, settings);
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(w.BitBtn4->isVisibleTo(&w));
    EXPECT_EQ(w.Image3->size(), QSize(369, 551));
    EXPECT_EQ(w.label1011->height(), 23);
    EXPECT_EQ(w.label1011->font().pixelSize(), 16);
}

TEST(PlayLayoutShow, TheInstructionsWidenTheMidClassWindowWithinTheScreen) {
    Settings settings = ClassAndMode(800, 600, 2);
    GameState state;
    InputRequests input;
    PlayWindow w(settings, state, input);
    LayOutPlayWindow(w, settings);
    w.FormShow();
    w.ToggleInstructions();
    EXPECT_EQ(OuterRect(w).width(), 761);
    EXPECT_EQ(w.Panel4->x(), 546);
    EXPECT_LE(OuterRect(w).right(), 799);
    EXPECT_LE(w.Panel4->geometry().right(), w.width() - 1);
}

}  // namespace
}  // namespace quorelin
