// The main window: texts by language and screen, the sound, music, language, colour and
// high-score commands, the banner's hint, and where the window and its panels stand.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <set>

#include "game/screen_case.h"
#include "kit/window_frame.h"
#include "play/instructions_panel.h"
#include "tests/support/case_names.h"
#include "tests/support/window_fixture.h"

namespace quorelin {
namespace {

using testing::ShellFixture;

TEST(MainWindowTexts, HintsGermanEmptiesTheTableHintsAndUngivenHintsKeepTheirText) {
    ShellFixture f;
    f.main->ChooseLanguage(5);
    for (int t = 1; t <= 20; ++t) {
        EXPECT_TRUE(f.main->TableButton(t)->toolTip().isEmpty()) << t;
    }
    f.main->ChooseLanguage(1);
    EXPECT_EQ(f.main->TableButton(1)->toolTip(), "Play and multiplicate with 1 ");
    EXPECT_EQ(f.main->TableButton(20)->toolTip(), "Play and multiplicate with 20 ");
    // Dutch gives no hint for the German button, so the English one stays.
    f.main->ChooseLanguage(3);
    EXPECT_EQ(f.main->BitBtn15->toolTip(), "German, spoken in Germany, Austria and Switzerland ");
    EXPECT_TRUE(f.main->BitBtn11->toolTip().isEmpty());
    f.main->ChooseLanguage(2);
    EXPECT_EQ(f.main->BitBtn15->toolTip(),
              QString::fromUtf8("Alemán, hablado en Alemania, Austria y Suiza "));
}

TEST(MainWindowTexts, MenuCaptionsCarryLeadingBlanksOnlyAboveTheLowestScreen) {
    ShellFixture low(480);
    ShellFixture high(768);
    for (int language = 1; language <= 5; ++language) {
        low.main->ChooseLanguage(language);
        high.main->ChooseLanguage(language);
        for (QAction* item : {low.main->Color1, low.main->Sound1, low.main->Language1,
                              low.main->HighScores1, low.main->Info1, low.main->Exit1}) {
            EXPECT_FALSE(item->text().startsWith(' ')) << language << item->text().toStdString();
        }
        for (QAction* item : {high.main->Game1, high.main->Color1, high.main->Exit1}) {
            EXPECT_TRUE(item->text().startsWith(' ')) << language << item->text().toStdString();
        }
    }
    // German keeps two blanks before its game menu even on the lowest screen.
    EXPECT_EQ(low.main->Game1->text(), "  &Spiel");
    low.main->ChooseLanguage(1);
    EXPECT_EQ(low.main->Game1->text(), "&Game");
}

TEST(MainWindowSound, TheButtonLeavesTheCheckMarksUntilTheWindowShowsAgain) {
    ShellFixture f;
    f.main->show();
    EXPECT_TRUE(f.main->Soundeffecton1->isChecked());
    f.main->BitBtn6->click();
    EXPECT_EQ(f.settings.SoundEffects, 0);
    EXPECT_EQ(f.main->BitBtn6->text(), "&Sound is off");
    EXPECT_TRUE(f.main->Soundeffecton1->isChecked());
    EXPECT_FALSE(f.main->Soundeffectsoff1->isChecked());
    EXPECT_EQ(f.beeps, 0);
    f.main->hide();
    f.main->show();
    EXPECT_FALSE(f.main->Soundeffecton1->isChecked());
    EXPECT_TRUE(f.main->Soundeffectsoff1->isChecked());
    f.main->BitBtn6->click();
    EXPECT_EQ(f.settings.SoundEffects, 1);
    EXPECT_EQ(f.beeps, 1);
    // The menu items set their check marks at once.
    f.main->Soundeffectsoff1->trigger();
    EXPECT_TRUE(f.main->Soundeffectsoff1->isChecked());
    EXPECT_FALSE(f.main->Soundeffecton1->isChecked());
}

TEST(MainWindowMusic, TheRisingFigurePausesOnlyWithSound) {
    ShellFixture f;
    f.settings.SoundEffects = 0;
    f.main->BitBtn17->click();
    EXPECT_EQ(f.settings.MusicOn, 1);
    EXPECT_EQ(f.main->BitBtn17->text(), "&Music is on");
    f.main->Musicon1->trigger();
    EXPECT_TRUE(f.pauses.empty()) << "with sound off the caption changes without a pause";

    // With sound on: four pauses of 30 ms from the button, five of 50 ms from the menu;
    // only the button switches the hint.
    f.settings.SoundEffects = 1;
    f.main->BitBtn17->click();
    EXPECT_EQ(f.settings.MusicOn, 0);
    EXPECT_TRUE(f.pauses.empty());
    f.main->BitBtn17->click();
    EXPECT_EQ(f.pauses, (std::vector<std::uint32_t>{30, 30, 30, 30}));
    EXPECT_TRUE(MainWindow::HintShown(f.main->BitBtn17));
    f.main->BitBtn17->click();
    EXPECT_FALSE(MainWindow::HintShown(f.main->BitBtn17));
    f.pauses.clear();
    f.main->Musicon1->trigger();
    EXPECT_EQ(f.pauses, (std::vector<std::uint32_t>{50, 50, 50, 50, 50}));
    EXPECT_TRUE(f.main->Musicon1->isChecked());
    EXPECT_FALSE(MainWindow::HintShown(f.main->BitBtn17));
}

TEST(MainWindowLanguage, ThePanelStaysOpenForAChoiceAndAKeyClosesIt) {
    ShellFixture f(600, 2, 3);
    f.main->show();
    EXPECT_FALSE(f.main->Panel1->isVisible());
    f.main->BitBtn7->click();
    EXPECT_TRUE(f.main->Panel1->isVisible());
    EXPECT_EQ(f.main->focusWidget(), f.main->BitBtn12);
    f.main->BitBtn13->click();
    EXPECT_EQ(f.settings.Language, 4);
    EXPECT_TRUE(f.main->Panel1->isVisible());
    QTest::keyClick(f.main->BitBtn13, Qt::Key_Down);
    EXPECT_FALSE(f.main->Panel1->isVisible());
    EXPECT_EQ(f.main->focusWidget(), f.main->BitBtn7);
    f.main->BitBtn7->click();
    f.main->BitBtn6->click();  // the other commands close it too
    EXPECT_FALSE(f.main->Panel1->isVisible());
}

TEST(MainWindowWarnings, AShrunkenScreenWarnsOnShowingInEnglishOnlyAndOnEveryTable) {
    ShellFixture f(768, 2, 3);
    f.realScreenHeight = 700;
    f.main->show();
    EXPECT_TRUE(f.warnings.empty());
    f.main->TableClick(4);
    ASSERT_EQ(f.warnings.size(), 1u);
    EXPECT_EQ(f.warnings[0],
              QString::fromUtf8("Warning|The size of the screen has been changed! "
                                "You´d better stop the program and start it again! "));
    EXPECT_TRUE(f.level->isVisible());  // the game goes on with the old screen class
    f.level->Cancel();
    f.main->hide();
    f.settings.Language = 1;
    f.main->show();
    ASSERT_EQ(f.warnings.size(), 2u);
    EXPECT_TRUE(f.warnings[1].contains("changed!You"));
}

TEST(MainWindowCommands, HighScoresOpensARandomListWithoutMinimiseOrMaximise) {
    ShellFixture f;
    std::set<int> tables;
    for (int i = 0; i < 60; ++i) {
        f.game.GameKind = 0;
        f.game.AfterGame = 1;
        f.main->BitBtn9->click();
        EXPECT_EQ(f.game.GameKind, 1);
        EXPECT_EQ(f.game.AfterGame, 0);
        EXPECT_GE(f.game.TableNumber, 1);
        EXPECT_LE(f.game.TableNumber, 20);
        tables.insert(static_cast<int>(f.game.TableNumber));
    }
    EXPECT_GT(tables.size(), 5u);
    EXPECT_TRUE(f.scores().isVisible());
    EXPECT_EQ(f.scores().windowFlags() & (Qt::WindowMinimizeButtonHint |
                                          Qt::WindowMaximizeButtonHint | Qt::WindowSystemMenuHint),
              Qt::WindowSystemMenuHint);
    f.scores().hide();
}

TEST(MainWindowCommands, ColourSchemeSwitchesThePlayWindowPictures) {
    ShellFixture f;
    PlayWindow& play = f.play();
    struct Case {
        QAction* item;
        QWidget *shown, *shownInPanel, *hidden, *hiddenInPanel;
        QColor panel;
    };
    for (const Case& c : {Case{f.main->Simple1, play.Image1, play.Panel4->Image8, play.Image20,
                               play.Panel4->Image11, QColor(0, 0, 128)},
                          Case{f.main->Sophisticated1, play.Image20, play.Panel4->Image11,
                               play.Image1, play.Panel4->Image8, QColor(0, 0, 119)}}) {
        c.item->trigger();
        EXPECT_EQ(f.settings.ColorScheme, c.item == f.main->Simple1 ? 1 : 2);
        EXPECT_TRUE(c.item->isChecked());
        EXPECT_NE(f.main->Simple1->isChecked(), f.main->Sophisticated1->isChecked());
        for (QWidget* shown : {c.shown, c.shownInPanel}) {
            EXPECT_FALSE(shown->isHidden()) << shown->objectName().toStdString();
        }
        for (QWidget* hidden : {c.hidden, c.hiddenInPanel}) {
            EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
        }
        EXPECT_EQ(play.Panel3->palette().color(QPalette::Window), c.panel);
    }
}

TEST(MainWindowCommands, BannerHintGoesQuietAfterFourMovesUntilThePlayWindowShows) {
    ShellFixture f;
    f.main->show();
    const auto move = [&](int x) {
        QMouseEvent event(QEvent::MouseMove, QPointF(x, 30), QPointF(x, 30), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(f.main->Panel2, &event);
    };
    for (int x : {200, 201, 202}) {
        move(x);
    }
    EXPECT_EQ(f.main->BannerMoveCount(), 3);
    EXPECT_TRUE(MainWindow::HintShown(f.main->Panel2));
    move(203);
    EXPECT_FALSE(MainWindow::HintShown(f.main->Panel2));
    f.main->hide();
    f.main->show();  // showing the main window only resets the count
    EXPECT_EQ(f.main->BannerMoveCount(), 0);
    EXPECT_FALSE(MainWindow::HintShown(f.main->Panel2));
    f.play().show();
    EXPECT_TRUE(MainWindow::HintShown(f.main->Panel2));
    f.play().hide();
}

TEST(MainWindowCommands, MovesOverTheBannersPictureAndTextCountToo) {
    ShellFixture f;
    f.main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.main));
    f.main->Label5->show();  // the banner's text, shown on the lowest class
    for (QLabel* part : {f.main->Image5, f.main->Label5}) {
        const int before = f.main->BannerMoveCount();
        for (int x = 10; x <= 40; x += 10) {
            QTest::mouseMove(part, QPoint(x, 10));
        }
        EXPECT_GE(f.main->BannerMoveCount(), before + 3) << part->objectName().toStdString();
    }
    EXPECT_FALSE(MainWindow::HintShown(f.main->Panel2));
}

struct MainLayoutCase {
    ScreenCase screen;
    QRect partialGeometry;  // empty in full screen
    QPoint commands, language;
};
void PrintTo(const MainLayoutCase& c, std::ostream* os) {
    *os << testing::CaseName(c.screen);
}
class MainWindowLayout : public ::testing::TestWithParam<MainLayoutCase> {};

TEST_P(MainWindowLayout, WindowAndPanelsStandWhereTheScreenClassPutsThem) {
    const MainLayoutCase& c = GetParam();
    ShellFixture f(ScreenHeightOf(c.screen), WindowModeOf(c.screen));
    const bool full = WindowModeOf(c.screen) == 1, low = ScreenHeightOf(c.screen) == 480;
    if (!full) {
        EXPECT_EQ(QRect(f.main->pos(), OuterSizeOf(*f.main)), c.partialGeometry);
    }
    EXPECT_EQ(bool(f.main->windowFlags() & Qt::FramelessWindowHint), full);
    EXPECT_EQ(bool(f.main->windowState() & Qt::WindowMaximized), full);
    EXPECT_EQ(f.main->Panel4->pos(), c.commands);
    EXPECT_EQ(f.main->Panel1->pos(), c.language);
    EXPECT_EQ(f.main->Panel2->isHidden(), low && !full);
    EXPECT_EQ(f.main->Label2->isHidden(), low);
    EXPECT_EQ(f.main->Image4->isHidden(), !low);
    EXPECT_EQ(f.main->Label5->isHidden(), !(low && full));
    if (!low) {
        const QLabel* title = f.main->Label2;
        EXPECT_LE(title->width(), 142);
        EXPECT_EQ(title->y(), c.commands.y() - 60);
        EXPECT_LE(std::abs(title->x() + title->width() / 2 - (c.commands.x() + 73)), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryScreenCase, MainWindowLayout,
    ::testing::Values(
        MainLayoutCase{ScreenCase::Class480Full, QRect(), {379, 130}, {544, 171}},
        MainLayoutCase{ScreenCase::Class480Partial, QRect(32, 14, 576, 432), {320, 52}, {477, 125}},
        MainLayoutCase{ScreenCase::Class600Full, QRect(), {464, 200}, {640, 259}},
        MainLayoutCase{
            ScreenCase::Class600Partial, QRect(40, 20, 720, 540), {432, 166}, {608, 227}},
        MainLayoutCase{ScreenCase::Class768Full, QRect(), {562, 252}, {746, 311}},
        MainLayoutCase{
            ScreenCase::Class768Partial, QRect(128, 48, 768, 653), {432, 222}, {616, 251}}),
    ::testing::PrintToStringParamName());

}  // namespace
}  // namespace quorelin
