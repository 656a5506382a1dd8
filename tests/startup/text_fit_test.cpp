// Every text a window shows fits its control in every language, screen class and window
// mode: its width by the font's metrics lies within the control, and the control within
// the one that holds it, so nothing is cut off.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QTest>
#include <set>
#include <string>
#include <vector>

#include "info/info_window.h"
#include "menus/options_window.h"
#include "play/field_painter.h"
#include "play/play_layout.h"
#include "play/play_window.h"
#include "scores/high_score_window.h"
#include "tests/support/window_fixture.h"

namespace quorelin {
namespace {

// Texts that stand out of their control on purpose, as window/control.
const std::set<std::string> kExceptions = {};

std::string Name(const QWidget* w) {
    return w->objectName().toStdString();
}

// The caption as drawn: "&&" is an ampersand, a single "&" marks the accelerator.
QString Drawn(QString text) {
    text.replace("&&", "\x01");
    text.remove('&');
    text.replace('\x01', '&');
    return text;
}

int TextWidth(const QWidget* w, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split('\n')) {
        widest = std::max(widest, w->fontMetrics().horizontalAdvance(line));
    }
    return widest;
}

// What does not fit in the window, one line per fault.
std::vector<std::string> Faults(const QWidget& window, const std::string& where) {
    std::vector<std::string> faults;
    const std::string prefix = Name(&window) + "/";
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || !w->isVisibleTo(&window) ||
            kExceptions.count(prefix + Name(w)) != 0) {
            continue;
        }
        int needed = 0;
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            if (label->text().isEmpty() || label->wordWrap()) {
                continue;
            }
            needed = TextWidth(label, label->text()) + 2 * label->frameWidth() +
                     2 * label->margin() + std::max(0, label->indent());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            if (button->text().isEmpty()) {
                continue;
            }
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            needed = TextWidth(button, Drawn(button->text())) + icon + 6;
        } else {
            continue;
        }
        if (needed > w->width()) {
            faults.push_back(where + prefix + Name(w) + " needs " + std::to_string(needed) +
                             " of " + std::to_string(w->width()) + ": " +
                             w->property("text").toString().toStdString());
        }
        const QWidget* holder = w->parentWidget();
        // The main window's client and the stages the controls stand on are the window
        // itself, sized by the screen in full screen.
        if (holder != &window && Name(holder) != "Form1Client" &&
            !holder->objectName().endsWith("Stage") && !holder->rect().contains(w->geometry())) {
            faults.push_back(where + prefix + Name(w) + " stands out of " + Name(holder));
        }
    }
    return faults;
}

struct Case {
    int width, height, mode;
};
const Case kCases[] = {{640, 480, 2}, {640, 480, 1},  {800, 600, 2},
                       {800, 600, 1}, {1024, 768, 1}, {1024, 768, 2}};

class TextFit : public ::testing::TestWithParam<Case> {};

TEST_P(TextFit, EveryTextFitsItsControlInEveryLanguage) {
    const Case c = GetParam();
    std::vector<std::string> faults;
    for (int language = 1; language <= 5; ++language) {
        const std::string where = std::to_string(c.height) + (c.mode == 1 ? " full" : " partial") +
                                  " lang" + std::to_string(language) + ": ";
        const auto add = [&](const QWidget& window) {
            const auto more = Faults(window, where);
            faults.insert(faults.end(), more.begin(), more.end());
        };
        testing::ShellFixture fixture(c.height, c.mode, language);
        Settings& s = fixture.settings;
        MainWindow& main = *fixture.main;
        main.show();
        add(main);
        main.BitBtn7->click();  // the language panel
        add(main);
        main.BitBtn6->click();  // sound off
        add(main);

        main.TableClick(17);
        LevelWindow& level = *fixture.level;
        add(level);
        QTest::keyClicks(level.Edit1, "99");  // the range warning
        add(level);
        level.BitBtn4->click();  // how to play
        add(level);
        level.hide();

        GameState& state = fixture.game;
        state.GameKind = 1;
        state.TableNumber = 17;
        PlayWindow& play = fixture.play();
        LayOutPlayWindow(play, s);
        play.FormShow();
        FieldPainter& painter = play.Painter();
        painter.SetUpHeading(17);
        painter.ShowLevel(20);
        painter.ShowScore(1234);
        painter.ShowStill(15);
        add(play);
        play.TogglePause();  // the paused caption
        add(play);
        play.TogglePause();
        painter.ShowNextLevel(21);
        painter.ShowBonus(100);
        add(play);
        painter.HideLevelEndMessages();
        painter.MarkGameEnded();
        painter.ShowGameOver();
        add(play);

        HighScoreWindow& scores = fixture.scores();
        scores.ShowBrowse();
        add(scores);
        scores.hide();

        // The info window as the Info menu opens it, on each of its pages.
        InfoWindow& info = fixture.info();
        for (const InfoPage page :
             {InfoPage::About, InfoPage::GameInstructions, InfoPage::Disclaimer}) {
            main.InfoItemClick(page);
            add(info);
            info.hide();
        }

        OptionsWindow& options = fixture.windows->options;
        options.show();
        add(options);
        options.SilenceClick();
        options.ScreenModeClick();
        add(options);
        options.hide();
    }
    for (const auto& f : faults) {
        ADD_FAILURE() << f;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryClassAndMode, TextFit, ::testing::ValuesIn(kCases));

}  // namespace
}  // namespace quorelin
