#include "info/info_layout.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include "info/info_window.h"
#include "kit/window_frame.h"

namespace quorelin {
namespace {

// Columns: 480 full, 480 partial, 600 full, 600 partial, 768 full, 768 partial.
// clang-format off
constexpr ByCase<QPoint> kBarAt{{{0, 0}, {0, 0}, {56, 19}, {6, 0}, {148, 80}, {39, 25}}};
constexpr ByCase<QPoint> kPageAt{{{57, 10}, {22, 10}, {138, 48}, {88, 22}, {230, 100}, {121, 47}}};
constexpr ByCase<int> kPageHeight{468, 470, 533, 512, 533, 533};
constexpr ByCase<int> kCloseLeft{0, 0, 782, 0, 1006, 0};
constexpr ByCase<bool> kFooterShown{false, false, true, false, true, true};
constexpr ByCase<int> kPackFrom{55, 20, 0, 0, 0, 0};
// clang-format on

// Lines 1..31 and the footer: on 600 and 768 lines, and on 480 lines.
constexpr std::array<InfoLineTops, 2> kLineTops{{
    {{20,  36,  52,  68,  84,  100, 116, 132, 148, 164, 180, 196, 212, 229, 245, 260,
      276, 292, 308, 324, 340, 356, 372, 388, 404, 420, 436, 451, 468, 484, 496},
     512},
    {{23,  38,  53,  68,  83,  98,  113, 128, 142, 158, 173, 188, 203, 218, 233, 248,
      263, 278, 293, 308, 323, 338, 352, 366, 379, 393, 406, 422, 435, 447, 459},
     473},
}};

// The page buttons in the bar, left to right, where they are not packed: About starts
// just left of the page panel, Back ends at the page panel's right edge.
constexpr int kButtonTop = 3;
constexpr int kButtonHeight = 21;
constexpr std::array<int, 4> kButtonLeft{80, 177, 338, 524};
constexpr std::array<int, 4> kButtonWidth{89, 153, 89, 89};

constexpr int kPageWidth = 531;
constexpr int kLineLeft = 12;
constexpr QSize kCloseSize{18, 18};
constexpr int kCloseTop = 2;

// The keys panel's contents, on 600 and 768 lines and on 480 lines (left, top).
template <typename T>
using PerClass = std::array<T, 2>;
constexpr PerClass<QPoint> kRulePictureAt{{{8, 6}, {8, 1}}};
constexpr PerClass<QPoint> kLeftKeyAt{{{6, 160}, {6, 154}}};
constexpr PerClass<QPoint> kRightKeyAt{{{78, 160}, {78, 154}}};
constexpr PerClass<QPoint> kDownKeyAt{{{6, 188}, {52, 180}}};
constexpr PerClass<QPoint> kDownCaptionAt{{{30, 188}, {80, 188}}};

std::size_t ClassColumn(const Settings& settings) {
    return settings.ScreenHeight < 600 ? 1 : 0;
}

}  // namespace

InfoPlacement InfoPlacementFor(const Settings& settings) {
    const ScreenCase c = ScreenCaseFor(settings);
    return {At(kBarAt, c),     At(kPageAt, c),      At(kPageHeight, c),
            At(kCloseLeft, c), At(kFooterShown, c), At(kPackFrom, c)};
}

const InfoLineTops& InfoLineTopsFor(const Settings& settings) {
    return kLineTops[ClassColumn(settings)];
}

QRect PartialInfoWindowRect(const Settings& settings, const QRect& mainOuter) {
    if (settings.ScreenHeight >= 768) {
        return {mainOuter.topLeft(), mainOuter.size() - QSize(3, 3)};
    }
    if (settings.ScreenHeight >= 600) {
        return {40, 1, 720, 570};
    }
    return {25, 2, 595, 450};
}

void PlaceInfoWindow(QWidget& window, const Settings& settings, const QRect& mainOuter) {
    if (settings.WindowMode == 1) {
        SetFullScreenFrame(window, {settings.ScreenWidth, settings.ScreenHeight});
    } else {
        SetFramedOuterGeometry(window, PartialInfoWindowRect(settings, mainOuter));
    }
}

void LayOutInfoWindow(InfoWindow& w, const Settings& settings) {
    const InfoPlacement place = InfoPlacementFor(settings);
    const std::size_t cls = ClassColumn(settings);

    // The bar and its buttons: on 480 lines packed from the left, each where the one
    // before it ends.
    w.Panel1->move(place.bar);
    const std::array<QPushButton*, 4> buttons{w.BitBtn1, w.BitBtn2, w.BitBtn3, w.BitBtn4};
    int packed = place.packFrom;
    for (std::size_t b = 0; b < buttons.size(); ++b) {
        const int left = place.packFrom > 0 ? packed : kButtonLeft[b];
        buttons[b]->setGeometry(left, kButtonTop, kButtonWidth[b], kButtonHeight);
        packed = left + kButtonWidth[b];
    }

    // The page with its lines and footer; the pictures keep their places in the page.
    w.Panel2->setGeometry(QRect(place.page, QSize(kPageWidth, place.pageHeight)));
    const InfoLineTops& tops = kLineTops[cls];
    for (std::size_t n = 0; n < w.Lines.size(); ++n) {
        w.Lines[n]->move(kLineLeft, tops.lines[n]);
    }
    w.Label32->move(kLineLeft, tops.footer);
    w.Label32->setVisible(place.footerShown);
    w.Image1->move(52, 420);
    w.Image2->move(40, 300);
    w.Panel3->move(356, 20);

    // The keys panel's picture and keys move up on 480 lines.
    w.Image3->move(kRulePictureAt[cls]);
    w.Image4->move(kLeftKeyAt[cls]);
    w.Image5->move(kRightKeyAt[cls]);
    w.Image6->move(kDownKeyAt[cls]);
    w.Label35->move(kDownCaptionAt[cls]);

    // The "X" button stands at the top right of a full-screen window.
    w.BitBtn5->setVisible(place.closeLeft > 0);
    w.BitBtn5->resize(kCloseSize);
    PlaceInTopRightCorner(*w.BitBtn5, {place.closeLeft, kCloseTop});

    // The window scrolls what it cannot show; on 480 lines in partial screen only up and
    // down, since the bar is wider than the window.
    const bool small = ScreenCaseFor(settings) == ScreenCase::Class480Partial;
    w.ScrollBox()->setHorizontalScrollBarPolicy(small ? Qt::ScrollBarAlwaysOff
                                                      : Qt::ScrollBarAsNeeded);
    const QRect extent =
        w.Panel2->geometry().united(QRect(w.Panel1->pos() + w.BitBtn4->pos(), w.BitBtn4->size()));
    w.ScrollBox()->widget()->setMinimumSize(extent.right() + 1, extent.bottom() + 1);
    w.FitBar();
}

}  // namespace quorelin
