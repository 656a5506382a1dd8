#include "scores/scores_layout.h"

#include <QFont>

#include "game/rounding.h"
#include "kit/window_frame.h"
#include "scores/high_score_window.h"

namespace quorelin {
namespace {

// The screen class by its height: 480, 600 or 768.
int ClassOf(int screenHeight) {
    if (screenHeight >= 768) {
        return 768;
    }
    return screenHeight >= 600 ? 600 : 480;
}

bool IsFull(const Settings& settings) {
    return settings.WindowMode == 1;
}

int Round(double x) {
    return static_cast<int>(RoundHalfEven(x));
}

// Places that depend only on class and mode; the grid itself moves by the grid offset.
struct FixedPlaces {
    QPoint image6;  // banner; hidden on 480
    bool image6Shown;
    QPoint image10;  // list area
    QPoint bitBtn1;  // OK
    QPoint bitBtn4;  // "X"; shown in full screen
    QRect panel14;   // small heading; shown on 480
};

FixedPlaces FixedPlacesFor(const Settings& settings) {
    const bool full = IsFull(settings);
    switch (ClassOf(settings.ScreenHeight)) {
        case 768:
            return full ? FixedPlaces{{150, 78}, true, {242, 221}, {824, 569}, {995, 14}, {}}
                        : FixedPlaces{{34, 56}, true, {115, 176}, {658, 524}, {}, {}};
        case 600:
            return full ? FixedPlaces{{40, 56}, true, {132, 176}, {684, 524}, {770, 18}, {}}
                        : FixedPlaces{{15, 30}, true, {97, 140}, {649, 468}, {}, {}};
        default:
            return full
                       ? FixedPlaces{{}, false, {47, 106}, {505, 420}, {609, 15}, {55, 36, 520, 44}}
                       : FixedPlaces{{}, false, {32, 56}, {490, 360}, {}, {48, 10, 520, 44}};
    }
}

// Table buttons: 34 wide in a row (27 on 480 lines, so eighteen fit beside the OK
// button), 23 high (22 on 480 lines in partial screen), 2 pixels from the bar's edge.
int TableButtonWidth(const Settings& settings) {
    return ClassOf(settings.ScreenHeight) == 480 ? 27 : 34;
}

// The controls the showing procedure resizes start from their design state.
void ResetDesignState(HighScoreWindow& w, const Settings& settings) {
    QFont heading = w.Panel13->font();
    heading.setPixelSize(kHeadingDesignFontSize);
    w.Panel13->setFont(heading);
    w.Panel13->setGeometry(166, 478, kHeadingDesignWidth, kHeadingDesignHeight);

    w.BitBtn1->resize(kOkDesignWidth, kOkDesignHeight);

    const int buttonWidth = TableButtonWidth(settings);
    const int buttonHeight =
        ClassOf(settings.ScreenHeight) == 480 && !IsFull(settings) ? 22 : kTableButtonHeight;
    for (int i = 0; i < 20; ++i) {
        w.TableButtons[static_cast<std::size_t>(i)]->setGeometry(2 + i * buttonWidth, 2,
                                                                 buttonWidth, buttonHeight);
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

GridOffset ScoresGridOffset(int screenHeight, int windowMode) {
    const bool full = windowMode == 1;
    switch (ClassOf(screenHeight)) {
        case 768:
            return full ? GridOffset{117, 45} : GridOffset{-10, 0};
        case 600:
            return full ? GridOffset{0, 0} : GridOffset{-30, -35};
        default:
            return full ? GridOffset{-85, -70} : GridOffset{-100, -120};
    }
}

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
    if (IsFull(settings)) {
        return {0, 0, settings.ScreenWidth, settings.ScreenHeight, true};
    }
    const bool large = ClassOf(settings.ScreenHeight) == 768;
    const int height = Round(settings.ScreenHeight * (large ? 0.85 : 0.9));
    const int width = Round(settings.ScreenWidth * (large ? 0.77 : 0.95));
    const int left = Round((settings.ScreenWidth - width) / 2.0);
    const int top = Round((settings.ScreenHeight - height) / 2.0) - 10;
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
    ResetDesignState(w, settings);

    // 2. The bar under the OK button and the big heading under the list area, from the
    // places the list area and OK button take for this class and mode.
    const FixedPlaces places = FixedPlacesFor(settings);
    const int cls = ClassOf(settings.ScreenHeight);
    const bool full = IsFull(settings);
    if (cls != 480 && !(cls == 600 && full)) {
        const int barGap = cls == 600 ? 0 : (full ? 25 : 18);
        const int headingGap = cls == 600 ? 0 : (full ? 23 : 16);
        w.Panel15->move(w.Panel15->x(), places.bitBtn1.y() + w.BitBtn1->height() + barGap);
        w.Panel13->move(w.Panel13->x(), places.image10.y() + kListAreaHeight + headingGap);
    }

    // 3. Heading centred under the list area, 4 pixels to the left; bar centred in the window.
    w.Panel13->move(Round(kListAreaWidth / 2.0 - w.Panel13->width() / 2.0) + places.image10.x() - 4,
                    w.Panel13->y());
    w.Panel15->move(Round(geometry.width / 2.0 - w.Panel15->width() / 2.0), w.Panel15->y());

    // 4.
    PlaceScoresList(w, settings);
}

void PlaceScoresList(HighScoreWindow& w, const Settings& settings) {
    const GridOffset offset = ScoresGridOffset(settings.ScreenHeight, settings.WindowMode);
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
        w.NameFields[i]->move((left ? 166 : 446) + dx, 220 + kRowPitch * k + dy);
        w.ScoreLabels[i]->move((left ? 298 : 578) + dx, labelTop);
        w.LevelLabels[i]->move((left ? 338 : 614) + dx, labelTop);
    }

    const FixedPlaces places = FixedPlacesFor(settings);
    w.Image6->move(places.image6);
    w.Image6->setVisible(places.image6Shown);
    w.Image10->move(places.image10);
    w.BitBtn1->move(places.bitBtn1);
    w.BitBtn4->move(places.bitBtn4);
    w.BitBtn4->setVisible(IsFull(settings));
    if (places.panel14.isValid()) {
        w.Panel14->setGeometry(places.panel14);
        w.Panel14->show();
    } else {
        w.Panel14->hide();
    }
}

void AdjustScoresWindowForMode(HighScoreWindow& w, const Settings& settings, bool afterGame) {
    const int cls = ClassOf(settings.ScreenHeight);
    const bool full = IsFull(settings);
    const int listLeft = w.Image10->x();
    const int listBottom = w.Image10->y() + w.Image10->height();
    const int listWidth = w.Image10->width();
    // A centred control has its horizontal centre on the list area's centre.
    auto centred = [&](int width) { return Round(listLeft + listWidth / 2.0 - width / 2.0); };
    QLabel* heading = w.Panel13;
    QWidget* bar = w.Panel15;
    QPushButton* ok = w.BitBtn1;

    if (afterGame) {
        bar->hide();
        ok->resize(77, ok->height());
        SetHeadingFont(heading, 26, 57);
        if (cls == 600 && full) {
            ok->move(ok->x(), 510);
            heading->move(heading->x(), listBottom + 18);
            SetHeadingFont(heading, 33, 60);
        } else if (cls == 600) {
            heading->move(heading->x(), listBottom + 8);
            heading->show();
        } else if (cls == 768 && full) {
            heading->move(centred(heading->width()), listBottom + 40);
        }
    } else {
        bar->show();
        ok->move(ok->x(), 500);
        if (cls == 600 && full) {
            SetHeadingFont(heading, 26, 57);
        } else if (cls == 600) {
            SetHeadingFont(heading, 18, 48);
            heading->move(heading->x(), listBottom);
            ok->move(ok->x(), 442);
            bar->move(bar->x(), listBottom + 44);
        } else if (cls == 768 && !full) {
            ok->move(ok->x(), 510);
            heading->move(centred(heading->width()) - 10, listBottom + 19);
            const int barWidth = listWidth + 180;
            bar->setGeometry(centred(barWidth) + 30, heading->y() + heading->height() + 19,
                             barWidth, bar->height());
            w.TableButtons[0]->setGeometry(2, w.TableButtons[0]->y(), 34,
                                           w.TableButtons[0]->height());
        } else if (cls == 768) {
            ok->move(ok->x(), 565);
            SetHeadingFont(heading, 33, 60);
            heading->move(centred(heading->width()), listBottom + 43);
            bar->move(bar->x(), listBottom + 150);
        } else {
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
                ok->setText(QStringLiteral("Ok"));
                ok->move(windowWidth - 25 - ok->width(), ok->y());
            }
        }
    }
    if (cls == 600 && full) {
        ok->move(684, 500);
        bar->move(bar->x(), ok->y() + ok->height() + 27);
    }
}

}  // namespace quorelin
