// Every large window in every screen class and window mode: each visible control lies in
// its window's client area, a framed window lies wholly on the screen, and no control
// covers another except where the layout puts one over another on purpose.
#include <gtest/gtest.h>

#include <QMenuBar>
#include <QTest>
#include <set>
#include <string>
#include <vector>

#include "game/startup_rules.h"
#include "info/info_window.h"
#include "kit/window_frame.h"
#include "menus/options_window.h"
#include "play/field_painter.h"
#include "play/play_layout.h"
#include "play/play_window.h"
#include "scores/high_score_window.h"
#include "tests/support/window_fixture.h"

namespace quorelin {
namespace {

using Pair = std::pair<std::string, std::string>;

// Pictures and boxes that other controls stand on by design, per window.
const std::set<std::string> kBackdrops = {
    "Form1/Image1",      "Form1/Image2",       // the table panel's and command column's pictures
    "KiesNivAdd/Shape1", "KiesNivAdd/Shape2",  // the quick chooser's boxes
    "playform/Image12",                        // frame around the field
    "playform/Image7",   "playform/Image13",   // boxes behind the values and the preview
    "playform/Image6",   "playform/Image5",    // boxes behind the buttons
    "FormHS/Image2",     "FormHS/Image10",     // background and list frame
};

// Controls placed over one another on purpose, as (window/control, control) pairs.
const std::set<Pair> kOverlays = {
    // The table label stands on the scheme picture.
    {"playform/Image20", "Label19"},
    {"playform/Image1", "Label19"},
    // The empty image behind the title.
    {"playform/Image1oud", "Panel3"},
    // On 480 lines in full screen the banner reaches 6 pixels into the table panel.
    {"Form1/Panel2", "Panel3"},
    // The quick chooser's level labels are stacked in one column.
    {"KiesNivAdd/Label1900", "Label2000"},
    // On 480 lines the table title and the prompt reach into the quick chooser.
    {"KiesNivAdd/Panel3", "Panel4"},
    {"KiesNivAdd/Label8", "Panel4"},
    {"KiesNivAdd/Label2", "Panel3"},
    {"KiesNivAdd/Label2", "Label8"},
    {"KiesNivAdd/Label1", "Panel4"},
    // The large title stands just above the command column.
    {"Form1/Label2", "Panel4"},
    // The ranks 10 to 12 stand 4 pixels further left, against their rows.
    {"FormHS/Panel10", "statictext10"},
    {"FormHS/Panel11", "statictext11"},
    {"FormHS/Panel12", "statictext12"},
    // Browsing on 600 lines in partial screen, the heading reaches into the button bar;
    // on 480 lines the two-row bar reaches under the OK button.
    {"FormHS/Panel13", "Panel15"},
    {"FormHS/Panel13", "TableButton*"},
    {"FormHS/BitBtn1", "Panel15"},
    // The info window's button bar and its page buttons stand over the page panel's upper
    // edge; on 480 lines lines 29 and 30 stand 12 pixels apart, a pixel less than their
    // font is high (transparent labels, the glyphs do not touch).
    {"Form2/Panel1", "Panel2"},
    {"Form2/BitBtn1", "Panel2"},
    {"Form2/BitBtn2", "Panel2"},
    {"Form2/BitBtn3", "Panel2"},
    {"Form2/BitBtn4", "Panel2"},
    {"Form2/Label29", "Label30"},
};

// Whether the pair of the window's controls may overlap; "*" ends a name prefix.
bool Allowed(const std::string& window, const Pair& pair) {
    for (const auto& [first, second] : kOverlays) {
        const bool secondMatches =
            second.back() == '*' ? pair.second.rfind(second.substr(0, second.size() - 1), 0) == 0
                                 : pair.second == second;
        if (first == window + "/" + pair.first && secondMatches) {
            return true;
        }
    }
    return false;
}

struct Case {
    int width, height, mode;
};
const Case kCases[] = {{640, 480, 2}, {640, 480, 1},  {800, 600, 2},
                       {800, 600, 1}, {1024, 768, 1}, {1024, 768, 2}};

std::string Name(const QWidget* w) {
    return w->objectName().toStdString();
}

// A control of the window's design: named, and not the menu bar or the client itself.
bool IsControl(const QWidget* w) {
    return !w->objectName().isEmpty() && !w->objectName().startsWith("qt_") &&
           qobject_cast<const QMenuBar*>(w) == nullptr && w->objectName() != "Form1Client" &&
           !w->objectName().endsWith("Stage");
}

// Where the window's controls start: the corner of the stage they stand on, which a
// full-screen window larger than its screen class centres.
QPoint DesignCorner(const QWidget& window) {
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (w->objectName().endsWith("Stage")) {
            return w->mapTo(&window, QPoint(0, 0)) -
                   w->parentWidget()->mapTo(&window, QPoint(0, 0));
        }
    }
    return {};
}

// What is wrong with the window's geometry, one line per fault.
std::vector<std::string> Faults(const QWidget& window, const QRect& client, const Settings& s) {
    std::vector<std::string> faults;
    const std::string where = Name(&window) + ": ";
    const bool full = s.WindowMode == 1;
    if (!full) {
        const QRect outer(window.pos(), OuterSizeOf(window));
        if (!QRect(0, 0, s.ScreenWidth, s.ScreenHeight).contains(outer)) {
            faults.push_back(where + "window off the screen");
        }
    }
    std::vector<const QWidget*> controls;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (IsControl(w) && w->isVisibleTo(&window)) {
            controls.push_back(w);
        }
    }
    const QPoint corner = DesignCorner(window);
    const auto rectOf = [&](const QWidget* w) {
        return QRect(w->mapTo(&window, QPoint(0, 0)) - corner, w->size());
    };
    for (const QWidget* w : controls) {
        if (!client.contains(rectOf(w))) {
            faults.push_back(where + Name(w) + " outside the client area");
        }
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const QWidget* a = controls[i];
            const QWidget* b = controls[j];
            if (a->isAncestorOf(b) || b->isAncestorOf(a) || !rectOf(a).intersects(rectOf(b)) ||
                kBackdrops.count(Name(&window) + "/" + Name(a)) != 0 ||
                kBackdrops.count(Name(&window) + "/" + Name(b)) != 0) {
                continue;
            }
            const Pair pair = Name(a) < Name(b) ? Pair{Name(a), Name(b)} : Pair{Name(b), Name(a)};
            if (!Allowed(Name(&window), pair)) {
                faults.push_back(where + pair.first + " covers " + pair.second);
            }
        }
    }
    return faults;
}

// The client area the layout fills: the screen class in full screen, else the window's.
QRect ClientArea(const QWidget& window, const Settings& s, int top = 0) {
    const QSize size = s.WindowMode == 1 ? QSize(s.ScreenWidth, s.ScreenHeight) : window.size();
    return {0, top, size.width(), size.height() - top};
}

// The info window scrolls up and down where its page is taller than the window (480
// lines, partial screen): its client area reaches down to the foot of what it scrolls.
QRect InfoClientArea(const InfoWindow& info, const Settings& s) {
    QRect client = ClientArea(info, s);
    client.setHeight(std::max(client.height(), info.ScrollBox()->widget()->height()));
    return client;
}

class WindowGeometry : public ::testing::TestWithParam<Case> {};

TEST_P(WindowGeometry, EveryControlLiesInItsWindowAndNoneCoversAnother) {
    const Case c = GetParam();
    testing::ShellFixture fixture(c.height, c.mode, 1);
    Settings& s = fixture.settings;
    std::vector<std::string> faults;
    const auto add = [&](const std::vector<std::string>& more) {
        faults.insert(faults.end(), more.begin(), more.end());
    };

    MainWindow& main = *fixture.main;
    main.show();
    const int menu = main.menuBar()->height();
    add(Faults(main, ClientArea(main, s, menu), s));

    fixture.level->setVisible(false);
    main.TableClick(7);
    add(Faults(*fixture.level, ClientArea(*fixture.level, s), s));

    GameState& state = fixture.game;
    state.GameKind = 1;
    PlayWindow& play = fixture.play();
    LayOutPlayWindow(play, s);
    play.FormShow();
    play.Painter().SetUpHeading(7);  // the game's heading and table label in place
    add(Faults(play, ClientArea(play, s), s));

    // The options window, framed in both modes, where the start-up puts it; German has
    // the widest window.
    for (int language : {1, 5}) {
        s.Language = static_cast<std::uint8_t>(language);
        OptionsWindow& options = fixture.windows->options;
        const OptionsPlacement place = PlaceOptionsWindow(s);
        options.move(place.left, place.top);
        options.show();
        Settings framed = s;
        framed.WindowMode = 2;
        add(Faults(options, options.rect(), framed));
        options.hide();
    }
    s.Language = 1;

    HighScoreWindow& scores = fixture.scores();
    state.TableNumber = 12;
    scores.ShowBrowse();
    add(Faults(scores, ClientArea(scores, s), s));
    scores.hide();
    state.LevelScore = 0;
    state.StartLevel = 3;
    scores.ShowAfterGame();
    add(Faults(scores, ClientArea(scores, s), s));
    scores.hide();

    // The info window on each of its pages, opened as the Info menu opens it; the
    // pictures stand inside the page panel, clear of the lines.
    InfoWindow& info = fixture.info();
    for (const InfoPage page :
         {InfoPage::About, InfoPage::GameInstructions, InfoPage::Disclaimer}) {
        main.InfoItemClick(page);
        add(Faults(info, InfoClientArea(info, s), s));
        info.hide();
    }

    for (const auto& f : faults) {
        ADD_FAILURE() << c.width << "x" << c.height << " mode " << c.mode << ": " << f;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryClassAndMode, WindowGeometry, ::testing::ValuesIn(kCases));

TEST(WindowGeometry768, ThePartialScreenPlayWindowCoversTheMainWindowExactly) {
    testing::ShellFixture fixture(768, 2, 1);
    fixture.main->show();
    PlayWindow& play = fixture.play();
    LayOutPlayWindow(play, fixture.settings);
    const QRect mainOuter(fixture.main->pos(), OuterSizeOf(*fixture.main));
    EXPECT_EQ(mainOuter, QRect(128, 48, 768, 653));
    EXPECT_EQ(QRect(play.pos(), OuterSizeOf(play)), mainOuter);
    EXPECT_EQ(play.size(), fixture.main->size());
}

}  // namespace
}  // namespace quorelin

namespace quorelin {
namespace {

TEST(WindowFrame, FullScreenDropsTheFrameAndPartialScreenGivesItBackAtItsOuterPlace) {
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    SetFullScreenFrame(window, {1024, 768});
    window.show();
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window.isMaximized());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));

    // Back to a frame, while hidden, as the options window's switch does.
    window.hide();
    const QRect outer(32, 14, 576, 432);
    SetFramedOuterGeometry(window, outer);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));  // caption back
    EXPECT_FALSE(window.isMaximized());
    EXPECT_EQ(window.frameGeometry(), outer);
}

}  // namespace
}  // namespace quorelin
