#include "play/play_layout.h"

#include <QFont>
#include <array>

#include "game/rounding.h"
#include "kit/widget_style.h"
#include "kit/window_frame.h"
#include "play/field_drawing.h"
#include "play/instructions_panel.h"
#include "play/play_window.h"

namespace quorelin {
namespace {

int Round(double x) {
    return static_cast<int>(RoundHalfEven(x));
}

// A control's place in one case; an empty size keeps the control's size.
struct Place {
    int left;
    int top;
    int width = 0;
    int height = 0;
};
using Row = std::array<Place, 6>;

// Columns: 480 partial, 480 full, 600 partial, 600 full, 768 full, 768 partial.
// Where a case gives no size the design size is written out, so a change of mode
// never keeps the size of the mode before.
constexpr Row kPanel2{{{162, 10, 270, 403},
                       {182, 30, 270, 403},
                       {191, 12, 342, 517},
                       {211, 20, 369, 555},
                       {323, 104, 369, 555},
                       {211, 30, 369, 555}}};
// The field canvas in Panel2: the size the field's geometry paints.
constexpr Row kImage3{{{0, 3, 270, 399},
                       {0, 3, 270, 399},
                       {0, 3, 342, 513},
                       {0, 3, 369, 551},
                       {0, 3, 369, 551},
                       {0, 3, 369, 551}}};
constexpr Row kImage12{{{150, 2, 292, 422},
                        {170, 22, 292, 422},
                        {179, 4, 364, 536},
                        {199, 12, 394, 574},
                        {311, 96, 391, 574},
                        {199, 22, 391, 574}}};
constexpr Row kPanel3{{{6, 8}, {26, 23}, {25, 4}, {52, 18}, {161, 97}, {49, 30}}};
constexpr Row kImage7{{{24, 72}, {44, 82}, {39, 62}, {64, 82}, {176, 166}, {64, 92}}};
constexpr Row kPanel5{{{32, 86}, {52, 96}, {47, 76}, {72, 96}, {184, 180}, {72, 106}}};
constexpr Row kPanel6{{{32, 124}, {52, 134}, {47, 114}, {72, 134}, {184, 218}, {72, 144}}};
constexpr Row kPanel8{{{32, 164}, {52, 174}, {47, 154}, {72, 174}, {184, 258}, {72, 184}}};
constexpr Row kImage13{{{469, 30}, {489, 40}, {572, 20}, {612, 40}, {724, 124}, {612, 50}}};
constexpr Row kPanel7{{{489, 36}, {509, 46}, {594, 26}, {634, 46}, {746, 130}, {634, 56}}};
constexpr Row kPanel1{{{485, 62}, {505, 72}, {588, 52}, {628, 72}, {740, 156}, {628, 82}}};
constexpr Row kImage6{{{475, 326}, {495, 331}, {588, 453}, {628, 476}, {740, 560}, {628, 486}}};
constexpr Row kBitBtn3{{{487, 338}, {507, 343}, {600, 465}, {640, 488}, {752, 572}, {640, 498}}};
constexpr Row kBitBtn1{{{487, 372}, {505, 377}, {600, 499}, {640, 522}, {752, 606}, {640, 532}}};
constexpr Row kImage5{{{28, 358}, {48, 363}, {43, 485}, {68, 508}, {180, 592}, {68, 518}}};
constexpr Row kBitBtn2{{{42, 370}, {62, 375}, {57, 497}, {82, 520}, {194, 604}, {82, 530}}};
constexpr Row kBitBtn4{{{1, 1}, {622, 4}, {1, 1}, {782, 3}, {1003, 7}, {1008, 0}}};
constexpr Row kPanel4{{{195, 30}, {215, 45}, {555, 128}, {592, 148}, {707, 232}, {592, 158}}};
constexpr Row kLabel1009{{{164, 100}, {184, 100}, {230, 112}, {260, 130}, {372, 214}, {260, 130}}};
constexpr Row kLabel1008{{{194, 265}, {204, 265}, {289, 370}, {319, 388}, {431, 462}, {319, 388}}};
constexpr Row kLabel1011{{{182, 78, 235, 13},
                          {196, 77, 235, 13},
                          {249, 71, 235, 22},
                          {260, 84, 235, 23},
                          {380, 168, 235, 23},
                          {260, 94, 235, 23}}};
constexpr Row kLabel1010{{{206, 121, 185, 13},
                          {222, 120, 185, 13},
                          {270, 126, 185, 20},
                          {280, 143, 185, 20},
                          {398, 227, 185, 20},
                          {274, 153, 185, 20}}};

// The level-end labels' fonts: smaller in points on the low classes, else the design's
// pixel sizes.
struct LabelFont {
    int points;  // 0: the design's pixel size
    int pixels;
};
constexpr std::array<LabelFont, 6> kLabel1011Font{
    {{8, 0}, {8, 0}, {11, 0}, {0, 16}, {0, 16}, {0, 16}}};
constexpr std::array<LabelFont, 6> kLabel1010Font{
    {{7, 0}, {7, 0}, {0, 13}, {0, 13}, {0, 13}, {0, 13}}};

void Put(QWidget* control, const Row& row, PlayLayoutCase layout) {
    const Place& p = row[static_cast<std::size_t>(layout)];
    if (p.width > 0) {
        control->setGeometry(p.left, p.top, p.width, p.height);
    } else {
        control->move(p.left, p.top);
    }
}

void SetLabelFont(QWidget* label, const LabelFont& size) {
    QFont font = label->font();
    if (size.points > 0) {
        font.setPointSize(size.points);
    } else {
        font.setPixelSize(size.pixels);
    }
    label->setFont(font);
}

}  // namespace

PlayLayoutCase PlayLayoutCaseFor(const Settings& settings) {
    const bool full = settings.WindowMode == 1;
    if (settings.ScreenHeight >= 768) {
        return full ? PlayLayoutCase::Large768Full : PlayLayoutCase::Large768Partial;
    }
    if (settings.ScreenHeight >= 600) {
        return full ? PlayLayoutCase::Mid600Full : PlayLayoutCase::Mid600Partial;
    }
    return full ? PlayLayoutCase::Small480Full : PlayLayoutCase::Small480Partial;
}

QRect PartialPlayWindowRect(const Settings& settings, const QSize& mainOuterSize) {
    const int h = settings.ScreenHeight;
    const int w = settings.ScreenWidth;
    if (h >= 768) {
        return {Round((w - mainOuterSize.width()) / 2.0),
                Round((h - mainOuterSize.height()) / 2.0) - 10, Round(w * 0.75), Round(h * 0.85)};
    }
    if (h >= 600) {
        const int width = Round(w * 0.92);
        const int height = Round(h * 0.95) + 2;
        return {Round((w - width) / 2.0), Round((h - height) / 2.0) - 14, width, height};
    }
    const int width = Round(w * 0.97);
    return {Round((w - width) / 2.0), 0, width, Round(h * 0.95) - 3};
}

void PlaceWindowForMode(PlayWindow& window, const Settings& settings) {
    if (settings.WindowMode == 1) {
        SetFullScreenFrame(window, {settings.ScreenWidth, settings.ScreenHeight});
        return;
    }
    const WindowPlace main = window.MainWindowPlace();
    if (main.visible && main.maximised) {
        // A player who maximised the main window gets the play window maximised too.
        SetFramedOuterGeometry(
            window, PartialPlayWindowRect(settings, main.outer.size())
                        .translated(DesignAreaCorner(settings.ScreenWidth, settings.ScreenHeight)));
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
        return;
    }
    const bool large = settings.ScreenHeight >= 768;
    const QSize mainOuter =
        !main.outer.isEmpty() && large
            ? main.outer.size()
            : QSize(Round(settings.ScreenWidth * 0.75), Round(settings.ScreenHeight * 0.85));
    SetFramedOuterGeometry(
        window, PartialPlayWindowRect(settings, mainOuter)
                    .translated(DesignAreaCorner(settings.ScreenWidth, settings.ScreenHeight)));
}

void LayOutPlayWindow(PlayWindow& w, const Settings& settings) {
    const PlayLayoutCase layout = PlayLayoutCaseFor(settings);
    const bool full = settings.WindowMode == 1;

    // 1. Window geometry; the instructions panel stands out on the lowest class; the
    // small exit button serves where the window has no close box of its own.
    PlaceWindowForMode(w, settings);
    w.Panel4->setFrameShadow(settings.ScreenHeight < 600 ? QFrame::Raised : QFrame::Sunken);
    w.BitBtn4->setVisible(full);

    // 2. The controls.
    Put(w.Panel2, kPanel2, layout);
    Put(w.Image3, kImage3, layout);
    w.Image3->ResizeCanvas(w.Image3->size());
    w.fieldBackdrop->setGeometry(w.Image3->geometry());
    Put(w.Image12, kImage12, layout);
    Put(w.Panel3, kPanel3, layout);
    // The empty image that passes mouse presses keeps its place behind the title.
    w.Image1oud->move(w.Panel3->pos() + QPoint(24, 8));
    Put(w.Image7, kImage7, layout);
    Put(w.Panel5, kPanel5, layout);
    Put(w.Panel6, kPanel6, layout);
    Put(w.Panel8, kPanel8, layout);
    Put(w.Image13, kImage13, layout);
    Put(w.Panel7, kPanel7, layout);
    Put(w.Panel1, kPanel1, layout);
    Put(w.Image6, kImage6, layout);
    Put(w.BitBtn3, kBitBtn3, layout);
    Put(w.BitBtn1, kBitBtn1, layout);
    Put(w.Image5, kImage5, layout);
    Put(w.BitBtn2, kBitBtn2, layout);
    Put(w.BitBtn4, kBitBtn4, layout);
    Put(w.Panel4, kPanel4, layout);
    Put(w.label1009, kLabel1009, layout);
    Put(w.label1008, kLabel1008, layout);
    Put(w.label1011, kLabel1011, layout);
    Put(w.label1010, kLabel1010, layout);
    SetLabelFont(w.label1011, kLabel1011Font[static_cast<std::size_t>(layout)]);
    SetLabelFont(w.label1010, kLabel1010Font[static_cast<std::size_t>(layout)]);

    // 3. The scheme picture centred in the gap between the value box and the exit box,
    // right edges aligned with the value box; the table label over it.
    const QRect values = w.Image7->geometry();
    const int picLeft = values.left() + values.width() - w.Image20->width();
    const int gapMiddle = Round((w.Image5->y() - values.top() - values.height()) / 2.0);
    const int picTop =
        gapMiddle + values.top() + values.height() - Round(w.Image20->height() / 2.0);
    w.Image20->move(picLeft, picTop);
    w.Label19->move(picLeft + 52, picTop + 97);
    QFont tableFont = w.Label19->font();
    tableFont.setPointSize(15);
    w.Label19->setFont(tableFont);
    w.Image1->move(picLeft, picTop);
    w.ApplyColorScheme();
}

}  // namespace quorelin
