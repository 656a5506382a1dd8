// Every Alt+letter a window underlines acts on the first press and does exactly one thing,
// in every window and language; the main window's menus stay at hand from the keyboard.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <map>
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

int MnemonicKey(const QString& text) {
    const QKeySequence sequence = QKeySequence::mnemonic(text);
    return sequence.isEmpty() ? 0 : sequence[0].key();
}

QMenuBar* BarOf(QWidget& window) {
    auto* main = qobject_cast<QMainWindow*>(&window);
    return main != nullptr ? main->menuBar() : nullptr;
}

void Activate(QWidget& window) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window)) << window.objectName().toStdString();
}

// Presses Alt with each letter the window's visible captions and menu titles underline,
// and names every letter that did not do exactly one thing. What the buttons and bare
// menu commands do is cut off first, so each press is counted and nothing else happens.
std::vector<std::string> AcceleratorFaults(QWidget& window, const std::string& where,
                                           std::set<std::string>& walked) {
    QObject counters;
    std::map<int, std::string> letters;  // key -> what carries it
    std::vector<std::string> acted;
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        QObject::disconnect(button, &QAbstractButton::clicked, nullptr, nullptr);
        const std::string name = button->objectName().toStdString();
        QObject::connect(button, &QAbstractButton::pressed, &counters,
                         [&acted, name] { acted.push_back(name); });
        if (button->isVisibleTo(&window) && MnemonicKey(button->text()) != 0) {
            letters[MnemonicKey(button->text())] += name + " ";
        }
    }
    if (QMenuBar* bar = BarOf(window)) {
        for (QAction* title : bar->actions()) {
            const std::string name = title->objectName().toStdString();
            if (title->menu() != nullptr) {
                QObject::connect(title->menu(), &QMenu::aboutToShow, &counters,
                                 [&acted, name] { acted.push_back(name); });
            } else {
                QObject::disconnect(title, &QAction::triggered, &window, nullptr);
                QObject::connect(title, &QAction::triggered, &counters,
                                 [&acted, name] { acted.push_back(name); });
            }
            if (title->isVisible() && MnemonicKey(title->text()) != 0) {
                letters[MnemonicKey(title->text())] += name + " ";
            }
        }
    }
    std::vector<std::string> faults;
    for (const auto& [key, carriers] : letters) {
        walked.insert(window.objectName().toStdString());
        acted.clear();
        QWidget* target = window.isVisible() ? QApplication::focusWidget() : nullptr;
        QTest::keyClick(target != nullptr ? target : &window, static_cast<Qt::Key>(key),
                        Qt::AltModifier);
        QCoreApplication::processEvents();
        while (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
        if (acted.size() != 1) {
            std::string did;
            for (const auto& a : acted) {
                did += a + " ";
            }
            faults.push_back(where + window.objectName().toStdString() + " Alt+" +
                             QKeySequence(key).toString().toStdString() + " (" + carriers +
                             "): " + std::to_string(acted.size()) + " actions " + did);
        }
    }
    return faults;
}

TEST(Accelerators, EveryAltLetterActsOnceOnTheFirstPressInEveryWindowAndLanguage) {
    std::vector<std::string> faults;
    std::set<std::string> walked;  // the windows whose letters were pressed
    // The play window routes Alt itself and starts a game when shown, so it is walked
    // unshown.
    const auto walk = [&faults, &walked](QWidget& window, const std::string& where,
                                         bool show = true) {
        if (show) {
            Activate(window);
        }
        const auto more = AcceleratorFaults(window, where, walked);
        faults.insert(faults.end(), more.begin(), more.end());
        window.hide();
    };
    for (int language = 1; language <= 5; ++language) {
        const std::string where = "lang" + std::to_string(language) + " ";
        {
            testing::ShellFixture fixture(768, 2, language);
            walk(*fixture.main, where);
        }
        {
            testing::ShellFixture fixture(768, 2, language);
            Activate(*fixture.main);
            fixture.main->BitBtn7->click();  // the language panel
            walk(*fixture.main, where + "panel ");
        }
        {
            testing::ShellFixture fixture(768, 2, language);
            fixture.main->TableClick(7);
            walk(*fixture.level, where);
        }
        testing::ShellFixture fixture(768, 2, language);
        GameState& state = fixture.game;
        state.GameKind = 1;
        state.TableNumber = 7;
        PlayWindow& play = fixture.play();
        for (const bool paused : {false, true}) {
            LayOutPlayWindow(play, fixture.settings);
            play.FormShow();
            if (paused) {
                play.TogglePause();  // the caption whose letter resumes
            }
            walk(play, where + (paused ? "paused " : ""), false);
        }

        HighScoreWindow& scores = fixture.scores();
        scores.ShowBrowse();
        walk(scores, where);

        InfoWindow& info = fixture.info();
        info.FormShow();
        walk(info, where);

        walk(fixture.windows->options, where);
    }
    for (const auto& f : faults) {
        ADD_FAILURE() << f;
    }
    // The level and high-score windows underline no letters.
    EXPECT_EQ(walked, (std::set<std::string>{"Form1", "Form2", "Form3", "playform"}));
}

TEST(Accelerators, F10AndALoneAltReachTheMenusWhoseLettersTheButtonsTook) {
    testing::ShellFixture fixture(768, 2, 5);  // German: Alt+S is the language button's
    MainWindow& main = *fixture.main;
    Activate(main);
    int gameMenuShown = 0;
    QObject::connect(main.Game1->menu(), &QMenu::aboutToShow, [&] { ++gameMenuShown; });
    const auto closePopups = [] {
        while (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
    };

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    EXPECT_EQ(gameMenuShown, 1);
    closePopups();

    // Alt on its own highlights the first title; Down then opens its menu.
    QWidget* focus = QApplication::focusWidget();
    QTest::keyPress(focus, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(focus, Qt::Key_Alt, Qt::NoModifier);
    EXPECT_EQ(main.menuBar()->activeAction(), main.Game1);
    QTest::keyClick(main.menuBar(), Qt::Key_Down);
    EXPECT_EQ(gameMenuShown, 2);
    closePopups();
}

}  // namespace
}  // namespace quorelin
