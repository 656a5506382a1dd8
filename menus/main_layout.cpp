// Where the main window and its four panels stand for each screen class and window mode.
#include <array>

#include "game/rounding.h"
#include "kit/window_frame.h"
#include "menus/main_window.h"

namespace quorelin {
namespace {

int Round(double value) {
    return static_cast<int>(RoundHalfEven(value));
}

// Panel places in the six layouts: 480, 600, 768 partial, then 480, 600, 768 full.
struct PanelPlaces {
    QPoint language;
    QPoint banner;
    QPoint tables;
    QPoint commands;
};
constexpr std::array<PanelPlaces, 6> kPanelPlaces{{
    {{477, 125}, {80, 40}, {64, 8}, {320, 52}},
    {{608, 227}, {72, 12}, {152, 112}, {432, 166}},
    {{616, 251}, {80, 40}, {144, 152}, {432, 222}},
    {{544, 171}, {28, 1}, {105, 75}, {379, 130}},
    {{640, 259}, {96, 32}, {184, 152}, {464, 200}},
    {{746, 311}, {200, 60}, {274, 212}, {562, 252}},
}};

}  // namespace

void LayOutMainWindow(MainWindow& window, const Settings& settings) {
    const bool full = settings.WindowMode == 1;
    const int height = settings.ScreenHeight;
    window.Label5->hide();

    if (full) {
        SetFullScreenFrame(window, {settings.ScreenWidth, settings.ScreenHeight});
        window.Panel2->show();
        if (height == 480) {
            window.Panel2->resize(window.Panel2->width(), 80);
            QFont bold = window.Panel2->font();
            bold.setBold(true);
            window.Panel2->setFont(bold);
            window.Image4->show();
            window.Label5->show();
            window.Label2->hide();
            window.Image5->hide();
        }
    } else {
        // Outer size and place, frame and caption included.
        const bool tall = height > 600;
        const int h = Round(height * (tall ? 0.85 : 0.9));
        const int w = Round(settings.ScreenWidth * (tall ? 0.75 : 0.9));
        SetFramedOuterGeometry(
            window,
            QRect(Round((settings.ScreenWidth - w) / 2.0), Round((height - h) / 2.0) - 10, w, h)
                .translated(DesignAreaCorner(settings.ScreenWidth, settings.ScreenHeight)));
        if (height == 480) {
            window.Panel2->hide();
            window.Label2->hide();
            window.Image4->show();
        } else {
            window.Panel2->show();
        }
    }

    const int row = height == 480 ? 0 : height == 600 ? 1 : 2;
    const PanelPlaces& places = kPanelPlaces[static_cast<std::size_t>(row + (full ? 3 : 0))];
    window.Panel1->move(places.language);
    window.Panel2->move(places.banner);
    window.Panel3->move(places.tables);
    window.Panel4->move(places.commands);

    // The title stands over the command column, shrunk until it fits a 147-pixel column.
    QLabel* title = window.Label2;
    const int above = settings.Language == 5 && height == 600 ? 42 : 60;
    title->adjustSize();
    for (int step = 0; step < 10 && title->width() > 142; ++step) {
        QFont font = title->font();
        font.setPointSizeF(font.pointSizeF() - 1);
        title->setFont(font);
        title->adjustSize();
    }
    title->move(Round((147 - title->width()) / 2.0) + window.Panel4->x(),
                window.Panel4->y() - above);
    window.Label3->move(window.Panel4->x() + 40, window.Panel4->y() + window.Panel4->height() + 4);
}

}  // namespace quorelin
