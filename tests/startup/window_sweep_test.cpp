// Every window in every screen case and language, in each state: controls inside their
// window, no text covered or too wide, each underlined letter acting once.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "game/startup_rules.h"
#include "kit/window_frame.h"
#include "play/field_painter.h"
#include "play/play_layout.h"
#include "tests/support/case_names.h"
#include "tests/support/window_fixture.h"

namespace quorelin {
namespace {

// Controls meant to stand over a text (window/upper, lower; "*": any): touching level
// labels, the on-demand how-to-play panel, the field frame and big title a pixel over, the
// ranks 10-12 against their rows, the table bar on small screens, info lines 29/30.
const char* const kMeantOverTexts[][2] = {
    {"KiesNivAdd/Label2000", "Label1900"}, {"KiesNivAdd/Panel2", "BitBtn4"},
    {"playform/Image12", "Panel3"},        {"Form1/Panel4", "Label2"},
    {"FormHS/Panel10", "statictext10"},    {"FormHS/Panel11", "statictext11"},
    {"FormHS/Panel12", "statictext12"},    {"FormHS/Panel15", "Panel13"},
    {"FormHS/Panel15", "BitBtn1"},         {"Form2/Label30", "Label29"}};

std::string Name(const QObject* o) {
    return o->objectName().toStdString();
}

// A named control of the design: not Qt's parts, the menu bar, a client or a stage.
bool IsControl(const QWidget* w) {
    return !w->objectName().isEmpty() && !w->objectName().startsWith("qt_") &&
           qobject_cast<const QMenuBar*>(w) == nullptr && Name(w) != "Form1Client" &&
           !w->objectName().endsWith("Stage");
}

// Whether the layout means `upper` to stand over the text of `lower`.
bool Meant(const QWidget& window, const QWidget* upper, const QWidget* lower) {
    for (; upper != &window; upper = upper->parentWidget()) {
        for (const auto& [over, under] : kMeantOverTexts) {
            if (over == Name(&window) + "/" + Name(upper) &&
                (under == std::string("*") || under == Name(lower))) {
                return true;
            }
        }
    }
    return false;
}

// Whether a is painted over b: its branch under their common holder comes later.
bool Above(const QWidget* a, const QWidget* b) {
    for (; a->parentWidget() != nullptr; a = a->parentWidget()) {
        for (const QWidget* y = b; y != nullptr; y = y->parentWidget()) {
            if (y->parentWidget() == a->parentWidget()) {
                const QObjectList& kids = a->parentWidget()->children();
                return kids.indexOf(a) > kids.indexOf(y);
            }
        }
    }
    return false;
}

// How wide the control must be for its text as drawn; 0 for a control without one.
int Needed(const QWidget* w) {
    QString text;
    int frame = 0;
    if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->wordWrap()) {
        text = label->text();
        frame = 2 * label->frameWidth() + 2 * label->margin() + std::max(0, label->indent());
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        text = button->text().replace(QRegularExpression("&(.)"), "\\1");
        frame = 6 + (button->icon().isNull() ? 0 : button->iconSize().width() + 4);
    }
    int widest = 0;
    for (const QString& line : text.split('\n', Qt::SkipEmptyParts)) {
        widest = std::max(widest, w->fontMetrics().horizontalAdvance(line));
    }
    return widest == 0 ? 0 : widest + frame;
}

// Where the controls start: the (possibly centred) stage's corner.
QPoint DesignCorner(const QWidget& window) {
    const auto* client = window.findChild<QWidget*>("Form1Client");
    return StageCorner(client != nullptr ? *client : window);
}

void CloseMenus() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
}

bool Activate(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitFor([&] { return window.isActiveWindow(); });
}

struct Walk {
    // Controls inside the area the layout fills (the screen class in full screen, else
    // the window below `top`, at least `height` high); a framed window on the screen.
    void Look(const QWidget& window, const std::string& state, int top = 0, int height = 0) {
        const bool framed = s.WindowMode == 2 || Name(&window) == "Form3";
        const QSize size = framed ? window.size() : QSize(s.ScreenWidth, s.ScreenHeight);
        const QRect client(0, top, size.width(), std::max(height, size.height()) - top);
        const std::string where = state + " " + Name(&window) + ": ";
        const QPoint corner = DesignCorner(window);
        EXPECT_TRUE(!framed || QRect(0, 0, s.ScreenWidth, s.ScreenHeight)
                                   .contains(QRect(window.pos(), OuterSizeOf(window))))
            << where << "window off the screen";
        std::vector<const QWidget*> controls;
        std::vector<QRect> rects;
        std::vector<int> needs;
        for (const QWidget* w : window.findChildren<QWidget*>()) {
            if (!IsControl(w) || !w->isVisibleTo(&window)) {
                continue;
            }
            controls.push_back(w);
            rects.emplace_back(w->mapTo(&window, QPoint()) - corner, w->size());
            needs.push_back(Needed(w));
            EXPECT_TRUE(client.contains(rects.back())) << where << Name(w) << " outside the window";
            EXPECT_LE(needs.back(), w->width()) << where << Name(w) << " too narrow for its text";
            // A text's holder within the window must hold it whole.
            const QWidget* holder = w->parentWidget();
            EXPECT_TRUE(needs.back() == 0 || holder == &window || Name(holder) == "Form1Client" ||
                        holder->objectName().endsWith("Stage") ||
                        holder->rect().contains(w->geometry()))
                << where << Name(w) << " stands out of " << Name(holder);
        }
        for (std::size_t i = 0; i < controls.size(); ++i) {
            for (std::size_t j = 0; j < controls.size(); ++j) {
                const QWidget* upper = controls[i];
                const QWidget* lower = controls[j];
                EXPECT_FALSE(needs[j] > 0 && i != j && rects[i].intersects(rects[j]) &&
                             !upper->isAncestorOf(lower) && !lower->isAncestorOf(upper) &&
                             Above(upper, lower) && !Meant(window, upper, lower))
                    << where << Name(upper) << " covers " << Name(lower);
            }
        }
    }

    // Alt with each underlined letter must do exactly one thing. The controls' actions
    // are cut off for good, so a window is pressed after its other states are seen.
    void Press(QWidget& window, const std::string& state) {
        QObject counter;
        std::vector<std::string> acted;
        std::map<int, std::string> letters;  // key -> what carries it
        const auto count = [&acted](QObject* o) {
            return [&acted, name = Name(o)] { acted.push_back(name); };
        };
        const auto carry = [&letters](QObject* o, const QString& caption, bool visible) {
            const QKeySequence key = QKeySequence::mnemonic(caption);
            if (visible && !key.isEmpty()) {
                letters[key[0].key()] += Name(o) + " ";
            }
        };
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            QObject::disconnect(button, &QAbstractButton::clicked, nullptr, nullptr);
            QObject::connect(button, &QAbstractButton::pressed, &counter, count(button));
            carry(button, button->text(), button->isVisibleTo(&window));
        }
        if (auto* main = qobject_cast<QMainWindow*>(&window)) {
            for (QAction* title : main->menuBar()->actions()) {
                if (title->menu() != nullptr) {
                    QObject::connect(title->menu(), &QMenu::aboutToShow, &counter, count(title));
                } else {
                    QObject::disconnect(title, &QAction::triggered, &window, nullptr);
                    QObject::connect(title, &QAction::triggered, &counter, count(title));
                }
                carry(title, title->text(), title->isVisible());
            }
        }
        for (const auto& [key, carriers] : letters) {
            lettered.insert(Name(&window));
            acted.clear();
            QWidget* focus = window.isVisible() ? QApplication::focusWidget() : nullptr;
            QTest::keyClick(focus ? focus : &window, static_cast<Qt::Key>(key), Qt::AltModifier);
            QCoreApplication::processEvents();
            CloseMenus();
            EXPECT_EQ(acted.size(), 1u)
                << state << " " << Name(&window) << " Alt+"
                << QKeySequence(key).toString().toStdString() << " (" << carriers << ")";
        }
    }

    const Settings& s;
    std::set<std::string> lettered{};  // the windows that underline letters
};

class EveryWindow : public ::testing::TestWithParam<std::tuple<ScreenCase, int>> {};

TEST_P(EveryWindow, ControlsStayInPlaceTextsFitAndEachLetterActsOnce) {
    const auto [screenCase, language] = GetParam();
    testing::ShellFixture f(screenCase, language);
    Walk walk{f.settings};

    MainWindow& main = *f.main;
    ASSERT_TRUE(Activate(main));
    walk.Look(main, "main", main.menuBar()->height());
    main.SoundButtonClick();  // the sound switch's other caption
    main.LanguageButtonClick();
    walk.Look(main, "language panel", main.menuBar()->height());
    walk.Press(main, "language panel");  // the plain window's letters and the panel's
    main.TableClick(17);
    LevelWindow& level = *f.level;
    walk.Look(level, "table 17");
    QTest::keyClicks(level.Edit1, "99");
    walk.Look(level, "range warning");
    level.BitBtn4->click();
    walk.Look(level, "how to play");
    ASSERT_TRUE(Activate(level));
    walk.Press(level, "how to play");
    level.hide();

    // The play window is seen unshown (shown, it would start a game).
    f.game = {.TableNumber = 17, .GameKind = 1};
    PlayWindow& play = f.play();
    LayOutPlayWindow(play, f.settings);
    play.FormShow();
    if (screenCase == ScreenCase::Class768Partial) {
        EXPECT_EQ(QRect(play.pos(), OuterSizeOf(play)), QRect(main.pos(), OuterSizeOf(main)))
            << "the play window covers the main window exactly";
    }
    FieldPainter& painter = play.Painter();
    painter.SetUpHeading(17);
    painter.ShowLevel(20);
    painter.ShowScore(1234);
    painter.ShowStill(15);
    walk.Look(play, "running");
    main.hide();  // no active window takes the play window's letters
    walk.Press(play, "running");
    play.TogglePause();
    walk.Look(play, "paused");
    walk.Press(play, "paused");
    main.show();
    painter.ShowNextLevel(21);
    painter.ShowBonus(100);
    walk.Look(play, "level end");
    painter.HideLevelEndMessages();
    painter.MarkGameEnded();
    painter.ShowGameOver();
    walk.Look(play, "game over");

    // The widest name the name box takes and the largest values a file holds.
    HighScoreList widest;
    for (std::size_t i = 0; i < widest.size(); ++i) {
        widest[i].setNameBytes(std::string(17, i % 2 == 0 ? 'W' : 'M'));
        widest[i].setScore(65535);
        widest[i].setLevel(i % 2 == 0 ? INT32_MIN : INT32_MAX);
    }
    f.dataFile.store().ReplaceList(17, widest);
    HighScoreWindow& scores = f.scores();
    scores.ShowBrowse();
    walk.Look(scores, "browsing");
    for (std::size_t i = 0; i < widest.size(); ++i) {  // each level inside its column's box
        EXPECT_LE(scores.LevelLabels[i]->geometry().right(),
                  scores.Image10->x() + (i < 6 ? 240 : 520) - 2);
    }
    scores.hide();
    f.dataFile.store().ReplaceList(17, HighScoreList{});
    f.game.LevelScore = 1234;
    f.game.StartLevel = 3;
    scores.ShowAfterGame();
    EXPECT_TRUE(scores.EntryPending());
    walk.Look(scores, "after a game");
    ASSERT_TRUE(Activate(scores));
    walk.Press(scores, "after a game");
    scores.hide();

    // Each info page as the Info menu opens it; a taller page scrolls to its foot.
    InfoWindow& info = f.info();
    for (const InfoPage page :
         {InfoPage::About, InfoPage::GameInstructions, InfoPage::Disclaimer}) {
        main.InfoItemClick(page);
        walk.Look(info, "page " + std::to_string(static_cast<int>(page)), 0,
                  info.ScrollBox()->widget()->height());
    }
    ASSERT_TRUE(Activate(info));
    walk.Press(info, "info");
    info.hide();

    // The options window where the start-up puts it; its switch re-lays the main window.
    OptionsWindow& options = f.windows->options;
    const OptionsPlacement place = PlaceOptionsWindow(f.settings);
    options.move(place.left, place.top);
    ASSERT_TRUE(Activate(options));
    walk.Look(options, "options");
    walk.Press(options, "options");
    options.SilenceClick();
    options.ScreenModeClick();
    walk.Look(options, "options switched");
    walk.Look(main, "main switched", main.menuBar()->height());
    const bool full = f.settings.WindowMode == 1;
    EXPECT_EQ(main.windowFlags().testFlag(Qt::FramelessWindowHint), full);
    EXPECT_EQ(main.windowFlags().testFlag(Qt::WindowCloseButtonHint), !full) << "caption back";

    options.hide();
    ASSERT_TRUE(Activate(main));
    // F10, and Alt on its own then Down, open the first menu, whose letter a button took.
    int firstMenuShown = 0;
    QObject::connect(main.Game1->menu(), &QMenu::aboutToShow, [&] { ++firstMenuShown; });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    CloseMenus();
    QTest::keyPress(QApplication::focusWidget(), Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Alt, Qt::NoModifier);
    QTest::keyClick(main.menuBar(), Qt::Key_Down);
    CloseMenus();
    EXPECT_EQ(firstMenuShown, 2);

    // The level and high-score windows underline no letters.
    EXPECT_EQ(walk.lettered, (std::set<std::string>{"Form1", "Form2", "Form3", "playform"}));
}

INSTANTIATE_TEST_SUITE_P(
    , EveryWindow, ::testing::Combine(::testing::ValuesIn(kScreenCases), ::testing::Range(1, 6)),
    [](const auto& info) {
        return testing::CaseName(std::get<0>(info.param), std::get<1>(info.param));
    });

}  // namespace
}  // namespace quorelin
