#include "play/play_layout.h"

#include <QFont>
#include <utility>

#include "game/rounding.h"
#include "kit/widget_style.h"
#include "kit/window_frame.h"
#include "play/field_drawing.h"
#include "play/instructions_panel.h"
#include "play/play_window.h"

namespace quorelin {
namespace {

// The frame area around the field: the size of the frame image at show, and the part of
// it that is filled and framed.
constexpr ByCase<QSize> kFrameArea{
    {{292, 422}, {292, 422}, {391, 574}, {364, 536}, {391, 574}, {391, 574}}};

// The level-end labels' fonts: smaller in points on the low classes, else the design's
// pixel sizes.
struct LabelFont {
    int points;  // 0: the design's pixel size
    int pixels;
};
constexpr ByCase<LabelFont> kLabel1011Font{{{8, 0}, {8, 0}, {0, 16}, {11, 0}, {0, 16}, {0, 16}}};
// The small exit button's design place; it keeps to the window's top-right corner.
constexpr ByCase<QPoint> kSmallExitAt{{{622, 4}, {1, 1}, {782, 3}, {1, 1}, {1003, 7}, {1008, 0}}};
constexpr ByCase<LabelFont> kLabel1010Font{{{7, 0}, {7, 0}, {0, 13}, {0, 13}, {0, 13}, {0, 13}}};

void SetLabelFont(QWidget* label, const LabelFont& size) {
    QFont font = label->font();
    if (size.points > 0) {
        font.setPointSize(size.points);
    } else {
        font.setPixelSize(size.pixels);
    }
    label->setFont(font);
}

// The controls' places (left, top) and, for some, sizes (width, height) in every screen
// case. Where a case gives no size the design size is written out, so a change of mode
// never keeps the size of the mode before.
void PlaceControls(PlayWindow& w, ScreenCase screen) {
    using Places = ByCase<QPoint>;
    // clang-format off
    const std::pair<QWidget*, Places> places[] = {
        //              480 full    480 partial 600 full    600 partial 768 full    768 partial
        {w.Panel2,    {{{182, 30},  {162, 10},  {211, 20},  {191, 12},  {323, 104}, {211, 30}}}},
        {w.Image3,    {{{0, 3},     {0, 3},     {0, 3},     {0, 3},     {0, 3},     {0, 3}}}},
        {w.Image12,   {{{170, 22},  {150, 2},   {199, 12},  {179, 4},   {311, 96},  {199, 22}}}},
        {w.Panel3,    {{{26, 23},   {6, 8},     {52, 18},   {25, 4},    {161, 97},  {49, 30}}}},
        {w.Image7,    {{{44, 82},   {24, 72},   {64, 82},   {39, 62},   {176, 166}, {64, 92}}}},
        {w.Panel5,    {{{52, 96},   {32, 86},   {72, 96},   {47, 76},   {184, 180}, {72, 106}}}},
        {w.Panel6,    {{{52, 134},  {32, 124},  {72, 134},  {47, 114},  {184, 218}, {72, 144}}}},
        {w.Panel8,    {{{52, 174},  {32, 164},  {72, 174},  {47, 154},  {184, 258}, {72, 184}}}},
        {w.Image13,   {{{489, 40},  {469, 30},  {612, 40},  {572, 20},  {724, 124}, {612, 50}}}},
        {w.Panel7,    {{{509, 46},  {489, 36},  {634, 46},  {594, 26},  {746, 130}, {634, 56}}}},
        {w.Panel1,    {{{505, 72},  {485, 62},  {628, 72},  {588, 52},  {740, 156}, {628, 82}}}},
        {w.Image6,    {{{495, 331}, {475, 326}, {628, 476}, {588, 453}, {740, 560}, {628, 486}}}},
        {w.BitBtn3,   {{{507, 343}, {487, 338}, {640, 488}, {600, 465}, {752, 572}, {640, 498}}}},
        {w.BitBtn1,   {{{505, 377}, {487, 372}, {640, 522}, {600, 499}, {752, 606}, {640, 532}}}},
        {w.Image5,    {{{48, 363},  {28, 358},  {68, 508},  {43, 485},  {180, 592}, {68, 518}}}},
        {w.BitBtn2,   {{{62, 375},  {42, 370},  {82, 520},  {57, 497},  {194, 604}, {82, 530}}}},
        {w.Panel4,    {{{215, 45},  {195, 30},  {592, 148}, {555, 128}, {707, 232}, {592, 158}}}},
        {w.label1009, {{{184, 100}, {164, 100}, {260, 130}, {230, 112}, {372, 214}, {260, 130}}}},
        {w.label1008, {{{204, 265}, {194, 265}, {319, 388}, {289, 370}, {431, 462}, {319, 388}}}},
        {w.label1011, {{{196, 77},  {182, 78},  {260, 84},  {249, 71},  {380, 168}, {260, 94}}}},
        {w.label1010, {{{222, 120}, {206, 121}, {280, 143}, {270, 126}, {398, 227}, {274, 153}}}},
    };
    using Sizes = ByCase<QSize>;
    const std::pair<QWidget*, Sizes> sizes[] = {
        {w.Panel2,    {{{270, 403}, {270, 403}, {369, 555}, {342, 517}, {369, 555}, {369, 555}}}},
        // The field canvas: the size the field's geometry paints.
        {w.Image3,    {{{270, 399}, {270, 399}, {369, 551}, {342, 513}, {369, 551}, {369, 551}}}},
        {w.Image12,   {{{292, 422}, {292, 422}, {394, 574}, {364, 536}, {391, 574}, {391, 574}}}},
        {w.label1011, {{{235, 13},  {235, 13},  {235, 23},  {235, 22},  {235, 23},  {235, 23}}}},
        {w.label1010, {{{185, 13},  {185, 13},  {185, 20},  {185, 20},  {185, 20},  {185, 20}}}},
    };
    // clang-format on
    for (const auto& [control, row] : places) {
        control->move(At(row, screen));
    }
    for (const auto& [control, row] : sizes) {
        control->resize(At(row, screen));
    }
}

}  // namespace

QSize FrameArea(ScreenCase screen) {
    return At(kFrameArea, screen);
}

QRect PartialPlayWindowRect(const Settings& settings, const QSize& mainOuterSize) {
    const int h = settings.ScreenHeight;
    const int w = settings.ScreenWidth;
    if (h >= 768) {
        return {RoundToInt((w - mainOuterSize.width()) / 2.0),
                RoundToInt((h - mainOuterSize.height()) / 2.0) - 10, RoundToInt(w * 0.75),
                RoundToInt(h * 0.85)};
    }
    if (h >= 600) {
        const int width = RoundToInt(w * 0.92);
        const int height = RoundToInt(h * 0.95) + 2;
        return {RoundToInt((w - width) / 2.0), RoundToInt((h - height) / 2.0) - 14, width, height};
    }
    const int width = RoundToInt(w * 0.97);
    return {RoundToInt((w - width) / 2.0), 0, width, RoundToInt(h * 0.95) - 3};
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
    const QSize mainOuter = !main.outer.isEmpty() && large
                                ? main.outer.size()
                                : QSize(RoundToInt(settings.ScreenWidth * 0.75),
                                        RoundToInt(settings.ScreenHeight * 0.85));
    SetFramedOuterGeometry(
        window, PartialPlayWindowRect(settings, mainOuter)
                    .translated(DesignAreaCorner(settings.ScreenWidth, settings.ScreenHeight)));
}

void LayOutPlayWindow(PlayWindow& w, const Settings& settings) {
    const ScreenCase screen = ScreenCaseFor(settings);

    // 1. Window geometry; the instructions panel stands out on the lowest class; the
    // small exit button serves where the window has no close box of its own.
    PlaceWindowForMode(w, settings);
    w.Panel4->setFrameShadow(settings.ScreenHeight < 600 ? QFrame::Raised : QFrame::Sunken);
    w.BitBtn4->setVisible(settings.WindowMode == 1);

    // 2. The controls.
    PlaceControls(w, screen);
    PlaceInTopRightCorner(*w.BitBtn4, At(kSmallExitAt, screen));
    w.Image3->ResizeCanvas(w.Image3->size());
    w.fieldBackdrop->setGeometry(w.Image3->geometry());
    // The empty image that passes mouse presses keeps its place behind the title.
    w.Image1oud->move(w.Panel3->pos() + QPoint(24, 8));
    SetLabelFont(w.label1011, At(kLabel1011Font, screen));
    SetLabelFont(w.label1010, At(kLabel1010Font, screen));

    // 3. The scheme picture centred in the gap between the value box and the exit box,
    // right edges aligned with the value box; the table label over it.
    const QRect values = w.Image7->geometry();
    const int picLeft = values.left() + values.width() - w.Image20->width();
    const int gapMiddle = RoundToInt((w.Image5->y() - values.top() - values.height()) / 2.0);
    const int picTop =
        gapMiddle + values.top() + values.height() - RoundToInt(w.Image20->height() / 2.0);
    w.Image20->move(picLeft, picTop);
    w.Label19->move(picLeft + 52, picTop + 97);
    QFont tableFont = w.Label19->font();
    tableFont.setPointSize(15);
    w.Label19->setFont(tableFont);
    w.Image1->move(picLeft, picTop);
    w.ApplyColorScheme();
}

}  // namespace quorelin
