#include "scores/scores_layout.h"

#include <QFont>
#include <optional>

#include "game/rounding.h"
#include "game/screen_case.h"
#include "kit/widget_style.h"
#include "kit/window_frame.h"
#include "scores/high_score_window.h"
#include "scores/scores_pictures.h"
#include "scores/scores_texts.h"

namespace quorelin {
namespace {

// The list grid's move (ScoresGridDX, ScoresGridDY).
struct GridOffset {
    int dx;
    int dy;
};

// A control without a place in a case is hidden there; a gap that a case lacks leaves
// the control where it is.
constexpr std::nullopt_t kHidden = std::nullopt;
constexpr std::nullopt_t kStays = std::nullopt;

// Per screen case, in the columns 480 full, 480 partial, 600 full, 600 partial, 768 full,
// 768 partial. The grid moves by its offset; the other controls have fixed places.
// clang-format off
constexpr ByCase<GridOffset> kGridOffset{{
    {-85, -70}, {-100, -120}, {0, 0}, {-30, -35}, {117, 45}, {-10, 0}}};
constexpr ByCase<std::optional<QPoint>> kImage6At{{  // banner
    kHidden, kHidden, QPoint(40, 56), QPoint(15, 30), QPoint(150, 78), QPoint(34, 56)}};
constexpr ByCase<QPoint> kImage10At{{  // list area
    {47, 106}, {32, 56}, {132, 176}, {97, 140}, {242, 221}, {115, 176}}};
constexpr ByCase<QPoint> kBitBtn1At{{  // OK
    {505, 420}, {490, 360}, {684, 524}, {649, 468}, {824, 569}, {658, 524}}};
constexpr ByCase<std::optional<QPoint>> kBitBtn4At{{  // "X"
    QPoint(609, 15), kHidden, QPoint(770, 18), kHidden, QPoint(995, 14), kHidden}};
constexpr ByCase<std::optional<QRect>> kPanel14At{{  // small heading
    QRect(55, 36, 520, 44), QRect(48, 10, 520, 44), kHidden, kHidden, kHidden, kHidden}};

// Before the list is placed: the bar goes this far under OK, the big heading this far
// under the list area.
constexpr ByCase<std::optional<int>> kBarGap{{kStays, kStays, kStays, 0, 25, 18}};
constexpr ByCase<std::optional<int>> kHeadingGap{{kStays, kStays, kStays, 0, 23, 16}};

// Table buttons in a row, 2 pixels from the bar's edge: narrower on 480 lines so that
// eighteen fit beside the OK button, and lower there in partial screen.
constexpr ByCase<int> kTableButtonWidths{27, 27, 34, 34, 34, 34};
constexpr ByCase<int> kTableButtonHeights{23, 22, 23, 23, 23, 23};
// clang-format on

// The controls the showing procedure resizes start from their design state.
void ResetDesignState(HighScoreWindow& w, ScreenCase c) {
    QFont heading = w.Panel13->font();
    heading.setPixelSize(kHeadingDesignFontSize);
    w.Panel13->setFont(heading);
    w.Panel13->setGeometry(166, 478, kHeadingDesignWidth, kHeadingDesignHeight);

    w.BitBtn1->resize(kOkDesignWidth, kOkDesignHeight);

    const int buttonWidth = At(kTableButtonWidths, c);
    for (int i = 0; i < 20; ++i) {
        w.TableButtons[static_cast<std::size_t>(i)]->setGeometry(
            2 + i * buttonWidth, 2, buttonWidth, At(kTableButtonHeights, c));
    }
    w.Panel15->resize(4 + 20 * buttonWidth, kBarDesignHeight);
}

void SetHeadingFont(QLabel* heading, int pixels, int height) {
    QFont font = heading->font();
    font.setPixelSize(pixels);
    heading->setFont(font);
    heading->resize(heading->width(), height);
}

}  // namespace

int ScoreLabelLeft(int rank, std::uint16_t score, int gridDX) {
    int left = rank <= 6 ? 294 : 570;
    if (score > 999) {
        left -= 8;
    } else if (score > 99) {
        left -= 4;
    }
    return left + gridDX;
}

ScoresWindowGeometry ComputeScoresWindowGeometry(const Settings& settings) {
    if (settings.WindowMode == 1) {
        return {0, 0, settings.ScreenWidth, settings.ScreenHeight, true};
    }
    const bool large = ScreenCaseFor(settings) == ScreenCase::Class768Partial;
    const int height = RoundToInt(settings.ScreenHeight * (large ? 0.85 : 0.9));
    const int width = RoundToInt(settings.ScreenWidth * (large ? 0.77 : 0.95));
    const int left = RoundToInt((settings.ScreenWidth - width) / 2.0);
    const int top = RoundToInt((settings.ScreenHeight - height) / 2.0) - 10;
    return {left, top, width, height, false};
}

void LayOutScoresWindow(HighScoreWindow& w, const Settings& settings) {
    // 1. Window geometry.
    const ScoresWindowGeometry geometry = ComputeScoresWindowGeometry(settings);
    if (geometry.fullScreen) {
        SetFullScreenFrame(w, {settings.ScreenWidth, settings.ScreenHeight});
        w.Image2->setGeometry(0, 0, settings.ScreenWidth, settings.ScreenHeight);
        w.Image2->show();
    } else {
        // Outer size and place, frame and caption included.
        SetFramedOuterGeometry(
            w, QRect(geometry.left, geometry.top, geometry.width, geometry.height)
                   .translated(DesignAreaCorner(settings.ScreenWidth, settings.ScreenHeight)));
        w.Image2->hide();
    }
    const ScreenCase c = ScreenCaseFor(settings);
    ResetDesignState(w, c);

    // 2. The bar under the OK button and the big heading under the list area, from the
    // places the list area and OK button take for this class and mode.
    const QPoint listArea = At(kImage10At, c);
    if (const std::optional<int> barGap = At(kBarGap, c)) {
        w.Panel15->move(w.Panel15->x(), At(kBitBtn1At, c).y() + w.BitBtn1->height() + *barGap);
    }
    if (const std::optional<int> headingGap = At(kHeadingGap, c)) {
        w.Panel13->move(w.Panel13->x(), listArea.y() + kListAreaHeight + *headingGap);
    }

    // 3. Heading centred under the list area, 4 pixels to the left; bar centred in the window.
    w.Panel13->move(RoundToInt(kListAreaWidth / 2.0 - w.Panel13->width() / 2.0) + listArea.x() - 4,
                    w.Panel13->y());
    w.Panel15->move(RoundToInt(geometry.width / 2.0 - w.Panel15->width() / 2.0), w.Panel15->y());

    // 4.
    PlaceScoresList(w, settings);
}

void PlaceScoresList(HighScoreWindow& w, const Settings& settings) {
    const ScreenCase c = ScreenCaseFor(settings);
    const GridOffset offset = At(kGridOffset, c);
    w.ScoresGridDX = offset.dx;
    w.ScoresGridDY = offset.dy;
    const int dx = offset.dx;
    const int dy = offset.dy;

    w.Label1->move(286 + dx, 200 + dy);
    w.Label2->move(329 + dx, 200 + dy);
    w.Label3->move(562 + dx, 200 + dy);
    w.Label4->move(605 + dx, 200 + dy);
    for (int rank = 1; rank <= 12; ++rank) {
        const auto i = static_cast<std::size_t>(rank - 1);
        const bool left = rank <= 6;
        const int k = (rank - 1) % 6;
        const int labelTop = 226 + kRowPitch * k + dy;
        const int rankLeft = left ? 156 : (rank <= 9 ? 436 : 432);
        w.RankLabels[i]->move(rankLeft + dx, labelTop);
        // The row's cells: the name ends 2 pixels before the place of the widest score,
        // the level at the inner edge of its column's box; one line of the row's type high.
        const int nameLeft = (left ? 166 : 446) + dx;
        const int nameEnd = ScoreLabelLeft(rank, 0xFFFF, dx) - 2;
        w.NameFields[i]->setGeometry(nameLeft, 220 + kRowPitch * k + dy, nameEnd - nameLeft,
                                     w.NameFields[i]->height());
        w.ScoreLabels[i]->move((left ? 298 : 578) + dx, labelTop);
        const int levelLeft = (left ? 338 : 614) + dx;
        const QRect box = kListColumnBoxes[left ? 0 : 1].translated(At(kImage10At, c));
        w.LevelLabels[i]->setGeometry(levelLeft, labelTop, box.right() - kListBevel + 1 - levelLeft,
                                      w.RankLabels[i]->height());
    }

    w.Image6->move(At(kImage6At, c).value_or(QPoint()));
    w.Image6->setVisible(At(kImage6At, c).has_value());
    w.Image10->move(At(kImage10At, c));
    w.BitBtn1->move(At(kBitBtn1At, c));
    PlaceInTopRightCorner(*w.BitBtn4, At(kBitBtn4At, c).value_or(QPoint()));
    w.BitBtn4->setVisible(At(kBitBtn4At, c).has_value());
    if (const std::optional<QRect> smallHeading = At(kPanel14At, c)) {
        w.Panel14->setGeometry(*smallHeading);
        w.Panel14->show();
    } else {
        w.Panel14->hide();
    }
}

void AdjustScoresWindowForMode(HighScoreWindow& w, const Settings& settings, bool afterGame) {
    const ScreenCase c = ScreenCaseFor(settings);
    const int listLeft = w.Image10->x();
    const int listBottom = w.Image10->y() + w.Image10->height();
    const int listWidth = w.Image10->width();
    // A centred control has its horizontal centre on the list area's centre.
    auto centred = [&](int width) { return RoundToInt(listLeft + listWidth / 2.0 - width / 2.0); };
    QLabel* heading = w.Panel13;
    QWidget* bar = w.Panel15;
    QPushButton* ok = w.BitBtn1;

    if (afterGame) {
        bar->hide();
        ok->resize(77, ok->height());
        SetHeadingFont(heading, 26, 57);
        switch (c) {
            case ScreenCase::Class600Full:
                ok->move(ok->x(), 510);
                heading->move(heading->x(), listBottom + 18);
                SetHeadingFont(heading, 33, 60);
                break;
            case ScreenCase::Class600Partial:
                heading->move(heading->x(), listBottom + 8);
                heading->show();
                break;
            case ScreenCase::Class768Full:
                heading->move(centred(heading->width()), listBottom + 40);
                break;
            default:
                break;
        }
    } else {
        bar->show();
        ok->move(ok->x(), 500);
        switch (c) {
            case ScreenCase::Class600Full:
                SetHeadingFont(heading, 26, 57);
                break;
            case ScreenCase::Class600Partial:
                SetHeadingFont(heading, 18, 48);
                heading->move(heading->x(), listBottom);
                ok->move(ok->x(), 442);
                bar->move(bar->x(), listBottom + 44);
                break;
            case ScreenCase::Class768Partial: {
                ok->move(ok->x(), 510);
                heading->move(centred(heading->width()) - 10, listBottom + 19);
                const int barWidth = listWidth + 180;
                bar->setGeometry(centred(barWidth) + 30, heading->y() + heading->height() + 19,
                                 barWidth, bar->height());
                w.TableButtons[0]->setGeometry(2, w.TableButtons[0]->y(), 34,
                                               w.TableButtons[0]->height());
                break;
            }
            case ScreenCase::Class768Full:
                ok->move(ok->x(), 565);
                SetHeadingFont(heading, 33, 60);
                heading->move(centred(heading->width()), listBottom + 43);
                bar->move(bar->x(), listBottom + 150);
                break;
            case ScreenCase::Class480Full:
            case ScreenCase::Class480Partial: {
                const bool full = c == ScreenCase::Class480Full;
                heading->hide();
                bar->setGeometry(full ? 20 : 10, listBottom + (full ? 5 : 2), bar->width(), 51);
                QPushButton* b18 = w.TableButtons[17];
                QPushButton* b19 = w.TableButtons[18];
                QPushButton* b20 = w.TableButtons[19];
                const int secondRow = b18->y() + b18->height();
                b19->move(300, secondRow);
                b20->move(300 + b19->width(), secondRow);
                ok->move(ok->x(), 370);
                const int windowWidth = ComputeScoresWindowGeometry(settings).width;
                if (full) {
                    ok->resize(35, ok->height());
                    ok->setText(QString());
                    ok->move(windowWidth - 15 - ok->width(), ok->y());
                } else {
                    ok->resize(77, ok->height());
                    ok->setText(Text(scores_texts::kSmallScreenOkCaption));
                    ok->move(windowWidth - 25 - ok->width(), ok->y());
                }
                break;
            }
        }
    }
    if (c == ScreenCase::Class600Full) {
        ok->move(684, 500);
        bar->move(bar->x(), ok->y() + ok->height() + 27);
    }
}

}  // namespace quorelin
