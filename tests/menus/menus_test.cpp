// The main window, the level window and the options window: their texts by language,
// their commands, and what the geometry sweep cannot see of their layout.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>
#include <functional>
#include <set>

#include "kit/widget_style.h"
#include "kit/window_frame.h"
#include "play/instructions_panel.h"
#include "tests/support/window_fixture.h"

namespace quorelin {
namespace {

using testing::ShellFixture;

// German empties the table hints and English sets them again; a language without a hint
// for a button leaves the one before.
TEST(MainWindowTexts, MenuTitlesAndHintsFollowTheLanguageAndTheScreen) {
    ShellFixture low(480), high(768);
    for (const int language : {1, 3, 5, 2, 4, 1}) {
        low.main->ChooseLanguage(language);
        high.main->ChooseLanguage(language);
        // German keeps two blanks before its game menu even on the lowest screen.
        const QList<QAction*> highTitles = high.main->menuBar()->actions();
        for (QAction* title : low.main->menuBar()->actions() + highTitles) {
            EXPECT_EQ(title->text().startsWith(' '),
                      highTitles.contains(title) || (language == 5 && title == low.main->Game1))
                << language << title->text().toStdString();
        }
        for (int t = 1; t <= 20; ++t) {
            EXPECT_EQ(low.main->TableButton(t)->toolTip().isEmpty(), language == 5) << t;
        }
        if (language == 3) {  // right after English
            EXPECT_EQ(low.main->BitBtn15->toolTip(),
                      "German, spoken in Germany, Austria and Switzerland ");
            EXPECT_TRUE(low.main->BitBtn11->toolTip().isEmpty());
        }
    }
}

// The commands write ApplyLanguage's captions, save the Frisian ones without outer blanks
// and the German sound-off item's; the music figure plays only with sound.
TEST(MainWindowSound, TheCommandsWriteTheirCaptionsAndPlayOnlyWithSound) {
    ShellFixture f;
    MainWindow& m = *f.main;
    m.show();
    const auto click = [](QPushButton* button) { return [button] { button->click(); }; };
    const auto trigger = [](QAction* item) { return [item] { item->trigger(); }; };
    for (int language = 1; language <= 5; ++language) {
        m.ChooseLanguage(language);
        const auto expectCaption = [&](const std::function<void()>& command, QPushButton* button,
                                       bool frisianTrims, const char* german = nullptr) {
            command();
            const QString written = button->text();
            m.ApplyLanguage();
            const QString applied = button->text();
            EXPECT_EQ(written, language == 5 && german != nullptr ? Text(german)
                               : language == 4 && frisianTrims    ? applied.trimmed()
                                                                  : applied)
                << language;
        };
        expectCaption(trigger(m.Musicoff1), m.BitBtn17, true);
        f.pauses.clear();
        expectCaption(click(m.BitBtn17), m.BitBtn17, false);  // sound on: the first round
        EXPECT_EQ(f.pauses, std::vector<std::uint32_t>(language == 1 ? 4 : 0, 30));
        EXPECT_TRUE(MainWindow::HintShown(m.BitBtn17));
        expectCaption(click(m.BitBtn17), m.BitBtn17, true);
        EXPECT_FALSE(MainWindow::HintShown(m.BitBtn17));
        expectCaption(trigger(m.Soundeffecton1), m.BitBtn6, true);
        const int beeps = f.beeps;
        expectCaption(click(m.BitBtn6), m.BitBtn6, true);
        EXPECT_EQ(f.settings.SoundEffects, 0);
        EXPECT_TRUE(m.Soundeffecton1->isChecked());
        expectCaption(click(m.BitBtn6), m.BitBtn6, true);
        EXPECT_EQ(f.beeps, beeps + 1);
        expectCaption(trigger(m.Soundeffectsoff1), m.BitBtn6, false, " &Ton ist aus ");
        EXPECT_FALSE(m.Soundeffecton1->isChecked());
    }
    m.BitBtn6->click();
    f.pauses.clear();
    m.Musicon1->trigger();
    EXPECT_EQ(f.pauses, std::vector<std::uint32_t>(5, 50));
    EXPECT_FALSE(MainWindow::HintShown(m.BitBtn17));
    EXPECT_FALSE(m.Musicoff1->isChecked());
    EXPECT_FALSE(m.Soundeffecton1->isChecked());
    m.hide();
    m.show();
    EXPECT_TRUE(m.Soundeffecton1->isChecked());
    EXPECT_FALSE(m.Soundeffectsoff1->isChecked());
}

// A key closes the language panel; a shrunk screen warns on table commands (on showing, in
// English only); the banner's fourth move silences its hint until the play window shows.
TEST(MainWindowCommands, AKeyClosesTheLanguagePanelAShrunkScreenWarnsTheBannerHintQuiets) {
    ShellFixture f(768, 2, 3);
    MainWindow& m = *f.main;
    f.realScreenHeight = 700;
    m.show();
    m.BitBtn7->click();
    EXPECT_EQ(m.focusWidget(), m.BitBtn12);
    m.BitBtn13->click();
    EXPECT_EQ(f.settings.Language, 4);
    EXPECT_TRUE(m.Panel1->isVisible());
    QTest::keyClick(m.BitBtn13, Qt::Key_Down);
    EXPECT_FALSE(m.Panel1->isVisible());
    EXPECT_EQ(m.focusWidget(), m.BitBtn7);
    m.BitBtn7->click();
    EXPECT_TRUE(f.warnings.empty());
    m.TableClick(4);  // the other commands close the panel too
    EXPECT_FALSE(m.Panel1->isVisible());
    EXPECT_EQ(f.warnings,
              std::vector<QString>{Text("Warning|The size of the screen has been changed! "
                                        "You´d better stop the program and start it again! ")});
    f.level->Cancel();
    for (int x : {200, 201, 202, 203}) {
        EXPECT_TRUE(MainWindow::HintShown(m.Panel2)) << x;
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 30), QPointF(x, 30), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(m.Panel2, &move);
    }
    EXPECT_FALSE(MainWindow::HintShown(m.Panel2));
    m.hide();
    f.settings.Language = 1;
    m.show();
    EXPECT_TRUE(f.warnings.back().contains("changed!You"));
    EXPECT_EQ(m.BannerMoveCount(), 0);
    EXPECT_FALSE(MainWindow::HintShown(m.Panel2));
    f.play().show();
    EXPECT_TRUE(MainWindow::HintShown(m.Panel2));
}

// High Scores opens the list of any table, with only the system menu; the colour items
// switch the play window's pictures and table panel.
TEST(MainWindowCommands, HighScoresOpensAnyTablesListAndTheColourItemsSwitchThePlayWindow) {
    ShellFixture f;
    std::set<int> tables;
    for (int i = 0; i < 500 && tables.size() < 20; ++i) {
        f.game.GameKind = 0;
        f.game.AfterGame = 1;
        f.main->BitBtn9->click();
        tables.insert(static_cast<int>(f.game.TableNumber));
    }
    EXPECT_EQ(std::pair(*tables.begin(), *tables.rbegin()), std::pair(1, 20));
    EXPECT_EQ(std::pair(f.game.GameKind, int(f.game.AfterGame)), std::pair(1, 0));
    EXPECT_EQ(f.scores().windowFlags() & (Qt::WindowMinimizeButtonHint |
                                          Qt::WindowMaximizeButtonHint | Qt::WindowSystemMenuHint),
              Qt::WindowSystemMenuHint);
    PlayWindow& play = f.play();
    for (const int scheme : {1, 2}) {
        (scheme == 1 ? f.main->Simple1 : f.main->Sophisticated1)->trigger();
        EXPECT_EQ(f.settings.ColorScheme, scheme);
        EXPECT_EQ(f.main->Sophisticated1->isChecked(), !f.main->Simple1->isChecked());
        for (QWidget* simple : std::initializer_list<QWidget*>{play.Image1, play.Panel4->Image8}) {
            EXPECT_EQ(simple->isHidden(), scheme == 2);
        }
        for (QWidget* rich : std::initializer_list<QWidget*>{play.Image20, play.Panel4->Image11}) {
            EXPECT_EQ(rich->isHidden(), scheme == 1);
        }
        EXPECT_EQ(play.Panel3->palette().color(QPalette::Window).blue(), scheme == 1 ? 128 : 119);
    }
}

// Spot places of the main and level windows, what shows on the lowest screens, and the
// title shrunk and centred over the command column, which showing lifts on 600 lines.
TEST(MenuLayout, TheMainAndLevelWindowsStandWhereTheScreenCaseSays) {
    const ByCase<QRect> kPartial{
        {{}, {32, 14, 576, 432}, {}, {40, 20, 720, 540}, {}, {128, 48, 768, 653}}};
    struct Case {
        ScreenCase screen;
        int language;
        const char *panel, *control;
        QPoint panelAt, controlAt;
    };
    for (const Case& c :
         {Case{ScreenCase::Class480Full, 5, "Panel3", "Label1", {105, 75}, {218, 130}},
          Case{ScreenCase::Class480Partial, 5, "Panel4", "Label1", {320, 52}, {201, 130}},
          Case{ScreenCase::Class480Partial, 1, "Panel1", "Panel2", {477, 125}, {0, 31}},
          Case{ScreenCase::Class600Full, 1, "Panel1", "Edit1", {640, 259}, {352, 263}},
          Case{ScreenCase::Class600Partial, 1, "Panel2", "BitBtn4", {72, 12}, {219, 414}},
          Case{ScreenCase::Class600Partial, 5, "Panel4", "Label1", {432, 166}, {276, 200}},
          Case{ScreenCase::Class768Full, 5, "Panel1", "BitBtn1", {746, 311}, {552, 514}},
          Case{ScreenCase::Class768Partial, 1, "Panel4", "Panel4", {432, 222}, {570, 170}}}) {
        SCOPED_TRACE(::testing::Message() << ScreenCaseName(c.screen) << " " << c.language);
        ShellFixture f(ScreenHeightOf(c.screen), WindowModeOf(c.screen), c.language);
        MainWindow& m = *f.main;
        LevelWindow& level = *f.level;
        const bool full = WindowModeOf(c.screen) == 1, low = ScreenHeightOf(c.screen) == 480;
        level.LayOutLevelWindow();
        for (QWidget* window : std::initializer_list<QWidget*>{&m, &level}) {
            EXPECT_EQ(window->windowFlags().testFlag(Qt::FramelessWindowHint), full);
            EXPECT_EQ(full ? QRect() : QRect(window->pos(), OuterSizeOf(*window)),
                      At(kPartial, c.screen));
        }
        EXPECT_EQ(m.findChild<QFrame*>(c.panel)->pos(), c.panelAt);
        EXPECT_EQ(level.findChild<QWidget*>(c.control)->pos(), c.controlAt);
        EXPECT_EQ(level.BitBtn5->isHidden(), !full);
        EXPECT_EQ(m.Panel2->isHidden(), low && !full);
        EXPECT_EQ(m.Label2->isHidden(), low);
        EXPECT_EQ(m.Image4->isHidden(), !low);
        EXPECT_EQ(m.Label5->isHidden(), !(low && full));
        EXPECT_LE(m.Label2->width(), 142);
        EXPECT_LE(std::abs(m.Label2->x() + m.Label2->width() / 2 - (m.Panel4->x() + 73)), 1);
        const bool german600 = c.language == 5 && ScreenHeightOf(c.screen) == 600;
        EXPECT_EQ(m.Label2->y(), m.Panel4->y() - (german600 ? 42 : 60));
        m.show();
        const bool english600 = c.language == 1 && ScreenHeightOf(c.screen) == 600;
        EXPECT_EQ(m.Label2->y(), m.Panel4->y() - (german600 ? 42 : english600 && !full ? 50 : 60));
    }
}

// Opens the level window as a table button does, the main window hidden to see it return.
LevelWindow& Open(ShellFixture& f, int table) {
    f.main->TableClick(table);
    f.main->hide();
    return *f.level;
}

// The warning follows each key; a refused level empties the field and beeps with sound
// on. A typed or pointed level starts the game, and the main window stays hidden.
TEST(LevelChoice, ARefusedLevelWarnsAndATypedOrPointedOneStartsTheGame) {
    for (const int level : {7, 5}) {
        ShellFixture f;
        LevelWindow& w = Open(f, 3);
        for (const auto& [text, sound] : {std::pair{"21", 1}, std::pair{"", 0}}) {
            f.settings.SoundEffects = static_cast<std::uint8_t>(sound);
            QTest::keyClicks(w.Edit1, text);
            EXPECT_TRUE(w.Panel1->isVisible());  // "21" warns as its keys are let go
            const int beeps = f.beeps;
            sound == 1 ? QTest::keyClick(w.Edit1, Qt::Key_Return) : w.BitBtn1->click();
            EXPECT_EQ(f.beeps, beeps + sound) << text;
            EXPECT_TRUE(w.Edit1->text().isEmpty());
            EXPECT_TRUE(w.Panel1->isVisible());  // also after Enter's release
        }
        QTest::keyClicks(w.Edit1, "123");
        EXPECT_EQ(w.Edit1->text(), "12") << "the field takes two characters";
        EXPECT_FALSE(w.Panel1->isVisible());
        if (level == 7) {
            w.Edit1->clear();
            QTest::keyClicks(w.Edit1, "7");
            QTest::keyClick(w.Edit1, Qt::Key_Return);
        } else {
            QTest::mouseMove(w.LevelLabel(5), QPoint(5, 4));
            EXPECT_EQ(w.Edit1->text(), "5");
            EXPECT_EQ(w.Edit1->palette().color(QPalette::Text), kBlue);
            // Off the column: the field is empty and black again.
            QTest::mouseMove(w.Shape1, QPoint(5, 4));
            EXPECT_TRUE(w.Edit1->text().isEmpty());
            EXPECT_EQ(w.Edit1->palette().color(QPalette::Text), kBlack);
            QTest::mouseClick(w.LevelLabel(5), Qt::LeftButton, {}, QPoint(5, 4));
        }
        EXPECT_EQ(f.game.GameKind, 1);
        EXPECT_EQ(f.game.StartLevel, level);
        EXPECT_TRUE(f.play().isVisible());
        EXPECT_FALSE(w.isVisible());
        EXPECT_FALSE(f.main->isVisible());
        EXPECT_TRUE(w.Edit1->text().isEmpty());
    }
}

// Cancel, Escape, "X" and a click on the main window hand back to it without a level.
TEST(LevelCancel, EveryWayOfLeavingHandsBackToTheMainWindow) {
    for (int way = 0; way < 4; ++way) {
        ShellFixture f(600, 1);
        LevelWindow& w = *f.level;
        f.main->show();
        f.main->TableClick(8);
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        f.main->setVisible(way == 3);  // hidden, so that handing back to it shows
        QTest::keyClicks(w.Edit1, "4");
        f.game.StartLevel = 9;
        way == 0   ? w.BitBtn2->click()
        : way == 1 ? QTest::keyClick(w.Edit1, Qt::Key_Escape)
        : way == 2 ? w.BitBtn5->click()
                   : f.main->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isVisible(); })) << way;
        EXPECT_TRUE(f.main->isVisible()) << way;
        EXPECT_EQ(f.game.StartLevel, 0) << way;
        EXPECT_TRUE(w.Edit1->text().isEmpty()) << way;
    }
}

// Every showing starts clean, its texts shrunk into their places and the title centred;
// a font once shrunk stays so, and a title that can never fit still ends.
TEST(LevelTexts, EachShowingStartsCleanWithItsTextsShrunkIntoTheirPlaces) {
    ShellFixture f(600, 2, 5);
    LevelWindow& w = Open(f, 20);
    const qreal germanTitle = w.Label8->font().pointSizeF();
    w.BitBtn4->click();
    EXPECT_TRUE(w.Panel2->isVisible());
    QTest::keyClicks(w.Edit1, "33");
    for (int language = 1; language <= 5; ++language) {
        w.Cancel();
        f.settings.Language = static_cast<std::uint8_t>(language);
        Open(f, 17);
        EXPECT_FALSE(w.Panel2->isVisible());
        EXPECT_FALSE(w.Panel1->isVisible());
        EXPECT_EQ(w.Label11->text(), "x 17 = ");
        EXPECT_EQ(w.Label11->geometry().bottom(), 179);
        EXPECT_TRUE(w.Label8->text().endsWith(" 17"));
        EXPECT_LT(w.Label8->width(), w.Panel3->width() - 2);
        EXPECT_LE(w.Label8->font().pointSizeF(), germanTitle);
        const int centre = w.Label1->x() + w.Label1->width() / 2;
        EXPECT_LE(std::abs(w.Panel3->x() + w.Panel3->width() / 2 - centre), 1);
        EXPECT_EQ(w.Label5->font().pointSizeF(), w.Label4->font().pointSizeF());
        EXPECT_EQ(w.Label3->font().pointSizeF(), w.Label6->font().pointSizeF());
        EXPECT_EQ(w.Label7->font().pointSizeF(), w.Label6->font().pointSizeF());
    }
    w.hide();
    w.Panel3->resize(4, 4);
    Open(f, 20);
    EXPECT_GE(w.Label8->font().pointSizeF(), 6);
    // Level 1 at the foot of the quick chooser, each level 8 pixels higher, 20 at the top.
    EXPECT_EQ(w.LevelLabel(1)->geometry(), QRect(69, 204, 20, 13));
    EXPECT_EQ(w.LevelLabel(19)->y(), 60);
    EXPECT_EQ(w.LevelLabel(20)->geometry(), QRect(69, 52, 20, 9));
}

// The raised frame, drawn once after a full-screen opening; a repaint removes it.
TEST(LevelFrame, IsDrawnOnceLightAboveAndLeftDarkBelowAndRight) {
    ShellFixture f(480, 1);
    f.settings.ColorScheme = 1;
    f.main->TableClick(2);
    const QImage frame = f.level->grab().toImage();
    EXPECT_EQ(QColor(frame.pixel(12, 100)), QColor(0, 0, 193));
    EXPECT_NE(f.level->grab().toImage().pixel(12, 100), frame.pixel(12, 100));
}

// The options window active in front of the main window; counts the closings it hands on.
OptionsWindow& ShowOptions(ShellFixture& f, int& closings) {
    OptionsWindow& options = f.windows->options;
    QObject::connect(&options, &OptionsWindow::closed, [&closings] { ++closings; });
    f.main->show();
    options.show();
    options.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&options));
    return options;
}

// Once disables the main window's switches and shows the note; twice gives them back,
// reading sound on and music off whatever MusicOn holds (ApplyLanguage's, outer blanks aside).
TEST(OptionsSilence, OnceSilencesTheMainWindowAndTwiceGivesEverySwitchBack) {
    for (int language = 1; language <= 5; ++language) {
        ShellFixture f(600, 2, language);
        int closings = 0;
        OptionsWindow& o = ShowOptions(f, closings);
        MainWindow& m = *f.main;
        f.settings.MusicOn = static_cast<std::uint8_t>(language % 2);
        const auto expectSwitches = [&](bool on) {
            for (QObject* control : std::initializer_list<QObject*>{m.BitBtn6, m.BitBtn17,
                                                                    m.Soundeffecton1, m.Musicon1}) {
                EXPECT_EQ(control->property("enabled").toBool(), on) << language;
            }
            for (QAction* item : {m.Soundeffecton1, m.Musicon1, m.Soundeffectsoff1, m.Musicoff1}) {
                EXPECT_EQ(item->isChecked(),
                          (item == m.Soundeffecton1 || item == m.Musicon1) == on);
            }
        };
        // The window's width is the language's, the slogan at two fifths of it.
        const int outer = OuterSizeOf(o).width();
        EXPECT_EQ(language == 5 ? outer : o.width(), language == 5 ? 520 : 510);
        EXPECT_LE(std::abs(o.label1->x() + o.label1->width() / 2.0 - outer * 0.4), 1.0);
        o.ShowSlowStartHint(language);
        o.BitBtn1->click();
        expectSwitches(false);
        const QString silenced = m.BitBtn6->text();
        EXPECT_TRUE(o.BitBtn1->toolTip().isEmpty());
        EXPECT_TRUE(o.Label111->isVisible());
        o.BitBtn1->click();
        EXPECT_EQ(f.settings.SoundEffects, 1);
        EXPECT_EQ(f.settings.MusicOn, language % 2);
        expectSwitches(true);
        EXPECT_FALSE(o.Label111->isVisible());
        EXPECT_EQ(f.beeps, 1);
        const QString sound = m.BitBtn6->text(), music = m.BitBtn17->text();
        f.settings.MusicOn = 0;
        m.ApplyLanguage();
        EXPECT_EQ(sound.trimmed(), m.BitBtn6->text().trimmed());
        EXPECT_EQ(music.trimmed(), m.BitBtn17->text().trimmed());
        f.settings.SoundEffects = 0;
        m.ApplyLanguage();
        EXPECT_EQ(silenced.trimmed(), m.BitBtn6->text().trimmed());
    }
}

// Any key but a bare modifier, the close box and a click on another window close it;
// neither the key's button, nor a second closing, nor a later deactivation acts again.
TEST(OptionsClosing, EveryWayClosesAndHandsOnOnce) {
    const std::function<void(ShellFixture&, OptionsWindow&)> ways[] = {
        [](ShellFixture&, OptionsWindow& o) { o.BitBtn2->click(); },
        [](ShellFixture&, OptionsWindow& o) { QTest::keyClick(&o, Qt::Key_X); },
        [](ShellFixture&, OptionsWindow& o) { QTest::keyClick(o.BitBtn2, Qt::Key_Escape); },
        [](ShellFixture&, OptionsWindow& o) {
            QTest::keyClick(o.BitBtn2, Qt::Key_Q, Qt::AltModifier);
        },
        [](ShellFixture&, OptionsWindow& o) { QTest::keyClick(o.BitBtn1, Qt::Key_Return); },
        [](ShellFixture&, OptionsWindow& o) { QTest::keyClick(o.BitBtn3, Qt::Key_Space); },
        [](ShellFixture&, OptionsWindow& o) { o.windowHandle()->close(); },
        [](ShellFixture& f, OptionsWindow&) { f.main->activateWindow(); },
    };
    for (std::size_t way = 0; way < std::size(ways); ++way) {
        ShellFixture f;
        int closings = 0;
        OptionsWindow& o = ShowOptions(f, closings);
        for (Qt::Key key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_AltGr}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(o.BitBtn2, &press);
        }
        EXPECT_TRUE(o.isVisible());
        ways[way](f, o);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !o.isVisible(); }, 1000)) << way;
        o.show();
        o.close();
        f.main->activateWindow();
        QTest::qWait(20);
        EXPECT_EQ(closings, 1) << way;
        EXPECT_EQ(f.settings.SoundEffects, 1) << way;
        EXPECT_EQ(f.settings.WindowMode, 2) << way;
    }
}

// The switch keeps this window open even when the main window's showing warns of a
// shrunk screen and takes the activation; a later click on the main window closes it.
TEST(OptionsScreenMode, FullThenPartialPlacesTheMainWindowAndKeepsThisOneInFront) {
    ShellFixture f(768);
    int closings = 0;
    OptionsWindow& o = ShowOptions(f, closings);
    EXPECT_EQ(o.focusWidget(), o.BitBtn2);
    o.BitBtn3->click();
    EXPECT_EQ(f.settings.WindowMode, 1);
    EXPECT_TRUE(f.main->isMaximized());
    EXPECT_EQ(o.Label6->text(), "The program occupies the whole screen now.");
    EXPECT_EQ(o.BitBtn3->text(), "&Reduce Screen");
    EXPECT_TRUE(QTest::qWaitForWindowActive(&o));
    QTest::qWait(50);
    QWidget warning;
    f.realScreenHeight = 700;
    f.main->SetWarningReporter([&](const QString&, const QString&) {
        warning.show();
        warning.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&warning));
        warning.hide();
    });
    o.BitBtn3->click();
    EXPECT_EQ(f.settings.WindowMode, 2);
    EXPECT_EQ(f.main->frameGeometry(), QRect(128, 48, 768, 653));
    EXPECT_EQ(o.Label6->text(), "The program occupies only a part of the screen now.");
    EXPECT_TRUE(QTest::qWaitForWindowActive(&o));
    QTest::qWait(500);
    EXPECT_TRUE(o.isVisible());
    f.main->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !o.isVisible(); }, 1000));
    EXPECT_EQ(closings, 1);
}

}  // namespace
}  // namespace quorelin
