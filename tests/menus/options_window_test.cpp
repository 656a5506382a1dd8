// The options window: texts by language, class-room silence on the main window's sound
// controls, the screen mode switch, and the ways of closing it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWindow>
#include <cmath>
#include <functional>

#include "kit/window_frame.h"
#include "menus/options_window.h"
#include "tests/support/case_names.h"
#include "tests/support/window_fixture.h"

namespace quorelin {
namespace {

QString U(const char* text) {
    return QString::fromUtf8(text);
}

// The options window in front of the main window, as the start-up leaves them.
struct OptionsFixture {
    explicit OptionsFixture(int height = 600, int mode = 2, int language = 1)
        : shell(height, mode, language), options(shell.windows->options) {
        options.SetBeep([this] { ++beeps; });
        QObject::connect(&options, &OptionsWindow::closed, [this] { ++afterClose; });
    }
    ~OptionsFixture() { options.hide(); }
    bool Open() {
        shell.main->show();
        options.show();
        options.raise();
        options.activateWindow();
        return QTest::qWaitForWindowActive(&options);
    }
    testing::ShellFixture shell;
    OptionsWindow& options;
    int beeps = 0;
    int afterClose = 0;
};

struct SilenceTexts {
    int language;
    const char *mainOff, *silentCaption, *againCaption;
};
const SilenceTexts kSilence[] = {
    {1, "&Sound is off", "&Switch on sound", "&Switch off sound"},
    {2, "&Sonido apagado", "Encender &sonido", "Apagar &sonido"},
    {3, "&Geluid is uit", "&Geluid inschakelen", "&Geluid uitschakelen"},
    {4, "&Lûd is ût ", "&Lûd oan dwaan", "&Lûd ûtdwaan"},
    {5, "&Ton ist aus ", "&Ton anschalten", "&Ton ausschalten"},
};

void PrintTo(const SilenceTexts& c, std::ostream* os) {
    *os << testing::LanguageName(c.language);
}
class OptionsSilence : public ::testing::TestWithParam<SilenceTexts> {};

TEST_P(OptionsSilence, OnceSilencesTheMainWindowAndTwiceGivesEverySwitchBack) {
    const SilenceTexts& c = GetParam();
    OptionsFixture f(600, 2, c.language);
    MainWindow& m = *f.shell.main;
    // Music on in some languages and off in others: twice leaves it as it was.
    const std::uint8_t music = c.language % 2;
    f.shell.settings.MusicOn = music;
    m.ApplyLanguage();  // the music button reads as MusicOn says
    const auto expectSwitches = [&](bool on) {
        for (bool enabled : {m.BitBtn6->isEnabled(), m.BitBtn17->isEnabled(),
                             m.Soundeffecton1->isEnabled(), m.Musicon1->isEnabled()}) {
            EXPECT_EQ(enabled, on);
        }
        EXPECT_EQ(m.Soundeffecton1->isChecked(), on);
        EXPECT_EQ(m.Musicon1->isChecked(), on);
        EXPECT_EQ(m.Soundeffectsoff1->isChecked(), !on);
        EXPECT_EQ(m.Musicoff1->isChecked(), !on);
    };
    f.options.show();
    f.options.BitBtn1->click();
    EXPECT_EQ(f.shell.settings.SoundEffects, 0);
    expectSwitches(false);
    EXPECT_EQ(m.BitBtn6->text(), U(c.mainOff));
    EXPECT_EQ(f.options.BitBtn1->text(), U(c.silentCaption));
    EXPECT_TRUE(f.options.BitBtn1->toolTip().isEmpty());
    EXPECT_TRUE(f.options.Label111->isVisible());
    EXPECT_LE(f.options.Label111->geometry().right(), f.options.width());
    EXPECT_EQ(f.beeps, 0);

    f.options.BitBtn1->click();
    EXPECT_EQ(f.shell.settings.SoundEffects, 1);
    EXPECT_EQ(f.shell.settings.MusicOn, music);
    expectSwitches(true);
    EXPECT_EQ(f.options.BitBtn1->text(), U(c.againCaption));
    EXPECT_EQ(f.beeps, 1);
    if (c.language == 1) {
        EXPECT_EQ(m.BitBtn6->text(), "&Sound is on");
        EXPECT_EQ(m.BitBtn17->text(), "&Music is off");
        EXPECT_EQ(f.options.BitBtn1->toolTip(), "Switch off sound and music ");
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, OptionsSilence, ::testing::ValuesIn(kSilence),
                         ::testing::PrintToStringParamName());

TEST(OptionsSilence, TheSilenceNoteTakesTheSlowStartLineAndSwitchingOffHidesIt) {
    OptionsFixture f;
    f.options.show();
    f.options.ShowSlowStartHint(1);
    f.options.BitBtn1->click();
    EXPECT_EQ(f.options.Label111->text(),
              " Sound and music are off; in the main-menu they cannot switched on again.  ");
    EXPECT_TRUE(f.options.Label111->isVisible());
    // Sound switched off in the main window, then the slow-start hint: the button gives
    // sound back and hides the hint.
    f.options.ShowSlowStartHint(1);
    f.options.BitBtn1->click();
    EXPECT_EQ(f.shell.settings.SoundEffects, 1);
    EXPECT_FALSE(f.options.Label111->isVisible());
}

TEST(OptionsClosing, EveryWayClosesAndRunsTheAfterCloseOnce) {
    using Way = std::function<void(OptionsFixture&)>;
    const std::pair<const char*, Way> ways[] = {
        {"Proceed", [](OptionsFixture& f) { f.options.BitBtn2->click(); }},
        {"letter", [](OptionsFixture& f) { QTest::keyClick(&f.options, Qt::Key_X); }},
        {"Escape", [](OptionsFixture& f) { QTest::keyClick(f.options.BitBtn2, Qt::Key_Escape); }},
        {"Alt+other letter",
         [](OptionsFixture& f) { QTest::keyClick(f.options.BitBtn2, Qt::Key_Q, Qt::AltModifier); }},
        {"Enter on silence",
         [](OptionsFixture& f) {
             f.options.BitBtn1->setFocus();
             QTest::keyClick(f.options.BitBtn1, Qt::Key_Return);
         }},
        {"Space on mode",
         [](OptionsFixture& f) {
             f.options.BitBtn3->setFocus();
             QTest::keyClick(f.options.BitBtn3, Qt::Key_Space);
         }},
        {"close box", [](OptionsFixture& f) { f.options.windowHandle()->close(); }},
        {"another window",
         [](OptionsFixture& f) {
             f.shell.main->activateWindow();
             EXPECT_TRUE(QTest::qWaitFor([&] { return !f.options.isVisible(); }, 1000));
         }},
    };
    for (const auto& [name, way] : ways) {
        SCOPED_TRACE(name);
        OptionsFixture f;
        ASSERT_TRUE(f.Open());
        way(f);
        QTest::qWait(20);
        EXPECT_FALSE(f.options.isVisible());
        EXPECT_EQ(f.afterClose, 1);
        // Neither the key's button, nor a later deactivation, nor a second closing acts
        // again.
        f.options.show();
        f.options.close();
        f.shell.main->activateWindow();
        QTest::qWait(20);
        EXPECT_EQ(f.afterClose, 1);
        EXPECT_EQ(f.shell.settings.SoundEffects, 1);
        EXPECT_EQ(f.shell.settings.WindowMode, 2);
    }
}

TEST(OptionsClosing, BareModifiersStayAndAltAcceleratorsPressTheirButton) {
    OptionsFixture f;
    ASSERT_TRUE(f.Open());
    for (Qt::Key key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_AltGr, Qt::Key_Meta}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(f.options.BitBtn2, &press);
    }
    EXPECT_TRUE(f.options.isVisible());
    QTest::keyClick(f.options.BitBtn2, Qt::Key_S, Qt::AltModifier);  // "&Switch off sound"
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.shell.settings.SoundEffects == 0; }, 1000));
    EXPECT_TRUE(f.options.isVisible());
    EXPECT_EQ(f.afterClose, 0);
}

TEST(OptionsScreenMode, FullThenPartialPlacesTheMainWindowAndKeepsThisOneInFront) {
    OptionsFixture f(768, 2);
    ASSERT_TRUE(f.Open());
    MainWindow& m = *f.shell.main;
    f.options.BitBtn3->click();
    EXPECT_EQ(f.shell.settings.WindowMode, 1);
    EXPECT_TRUE(m.isMaximized());
    EXPECT_EQ(f.options.Label6->text(), "The program occupies the whole screen now.");
    EXPECT_EQ(f.options.BitBtn3->text(), "&Reduce Screen");
    EXPECT_EQ(f.options.BitBtn3->toolTip(), "The program will occupy a part of the screen");

    // A second click comes after the window system has carried out the first switch.
    EXPECT_TRUE(QTest::qWaitForWindowActive(&f.options));
    QTest::qWait(50);
    // The main window's showing warns of a shrunk screen; the warning takes the
    // activation while the switch runs.
    QWidget warning;
    int warnings = 0;
    f.shell.realScreenHeight = 700;
    m.SetWarningReporter([&](const QString&, const QString&) {
        ++warnings;
        warning.show();
        warning.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&warning));
        warning.hide();
    });
    f.options.BitBtn3->click();
    EXPECT_EQ(warnings, 1);
    EXPECT_EQ(f.shell.settings.WindowMode, 2);
    EXPECT_TRUE(m.isVisible());
    EXPECT_EQ(m.frameGeometry(), QRect(128, 48, 768, 653));
    EXPECT_EQ(f.options.Label6->text(), "The program occupies only a part of the screen now.");
    EXPECT_TRUE(f.options.Label6->isVisible());
    EXPECT_EQ(f.options.BitBtn3->text(), "Enla&rge Screen");
    EXPECT_EQ(f.options.BitBtn3->toolTip(), "The program will occupy the whole screen");

    // The main window's showing during the switch is no leaving of this window...
    EXPECT_TRUE(QTest::qWaitForWindowActive(&f.options));
    QTest::qWait(500);
    EXPECT_TRUE(f.options.isVisible());
    EXPECT_EQ(f.afterClose, 0);
    // ...but a later click on the main window is.
    m.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.options.isVisible(); }, 1000));
    EXPECT_EQ(f.afterClose, 1);
}

struct OpeningTexts {
    int language;
    const char *title, *enlarge, *reduceHint, *version;
    QLabel* OptionsWindow::*greetingRow;
    const char* greeting;
};
const OpeningTexts kOpening[] = {
    {1, " Mirandol Tables", "Enla&rge screen", "The program will occupy a part of the screen",
     "Version 2023-12", &OptionsWindow::label5, "The author hopes that this program"},
    {2, " Mirandol Tablas", "Agrandar &pantalla", "El programa ocupará un parte de la pantalla",
     "Versión 2023-12", &OptionsWindow::label4, "El autor espera que sea usado mucho."},
    {3, "  Mirandol Tafels", "&Scherm vergroten",
     "Het programma zal een gedeelte van het scherm beslaan", "Versie 2023-12",
     &OptionsWindow::label5, "De auteur hoopt dat het veel gebruikt zal worden."},
    {4, " Mirandol Tafels", "S&kerm grutter meitsje",
     "It programma sil it skerm foar in part besette", " ", &OptionsWindow::label8,
     "fan Mirandol Tafels."},
    {5, " Mirandol Einmaleins", "&Bildschirm vergrößern",
     "Das programm wird einen Teil des Bildschirmes einnehmen", "Version 2023-12",
     &OptionsWindow::label4, "und viel Lernen!"},
};

void PrintTo(const OpeningTexts& c, std::ostream* os) {
    *os << testing::LanguageName(c.language);
}
class OptionsTexts : public ::testing::TestWithParam<OpeningTexts> {};

TEST_P(OptionsTexts, ShowingSetsTheTextsWidthAndFocusOfTheLanguage) {
    const OpeningTexts& c = GetParam();
    for (int mode : {2, 1}) {
        OptionsFixture f(600, mode, 1);
        f.shell.settings.Language = static_cast<std::uint8_t>(c.language);
        f.options.show();
        OptionsWindow& o = f.options;
        EXPECT_EQ(o.windowTitle(), U(c.title));
        if (mode == 2) {
            EXPECT_EQ(o.BitBtn3->text(), U(c.enlarge));
        } else {
            EXPECT_EQ(o.BitBtn3->toolTip(), U(c.reduceHint));
        }
        EXPECT_EQ(o.label11->text(), U(c.version));
        EXPECT_EQ((o.*c.greetingRow)->text(), U(c.greeting));
        EXPECT_TRUE(o.label2->text().isEmpty());
        EXPECT_EQ(o.Label7->text(), "No sound and music in this version");
        EXPECT_EQ(o.focusWidget(), o.BitBtn2);

        const int outer = OuterSizeOf(o).width();
        // German is 520 wide from the outside; the others have a client 510 wide.
        EXPECT_EQ(c.language == 5 ? outer : o.width(), c.language == 5 ? 520 : 510);
        EXPECT_EQ(o.height(), 394);
        // The slogan's middle stands at two fifths of the width.
        EXPECT_LE(std::abs(o.label1->x() + o.label1->width() / 2.0 - outer * 0.4), 1.0);
        // Nothing sticks out of the window or out of its button.
        for (QLabel* label : o.findChildren<QLabel*>()) {
            EXPECT_GE(label->x(), 0) << label->objectName().toStdString();
            EXPECT_LE(label->geometry().right(), o.width()) << label->objectName().toStdString();
        }
        for (QPushButton* button : {o.BitBtn1, o.BitBtn3, o.BitBtn2}) {
            const QString shown = button->text().remove('&');
            EXPECT_LT(button->fontMetrics().horizontalAdvance(shown), button->width() - 6)
                << shown.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, OptionsTexts, ::testing::ValuesIn(kOpening),
                         ::testing::PrintToStringParamName());

TEST(OptionsTextsAgain, ShownInAnotherLanguageTheWindowTakesThatLanguagesWidth) {
    OptionsFixture f(600, 2, 5);
    f.options.show();
    f.options.hide();
    f.shell.settings.Language = 1;
    f.options.show();
    EXPECT_EQ(f.options.width(), 510);
}

}  // namespace
}  // namespace quorelin
