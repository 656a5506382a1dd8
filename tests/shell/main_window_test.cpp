// The main window: texts by language and screen, the sound, music, language, colour,
// high-score and info commands, and where the window and its panels stand.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <set>

#include "tests/shell/shell_fixture.h"

namespace quorelin {
namespace {

using testing::ShellFixture;

TEST(MainWindowTexts, GermanEmptiesTheTableHintsAndEnglishRestoresThem) {
    ShellFixture f;
    f.main->ChooseLanguage(5);
    for (int t = 1; t <= 20; ++t) {
        EXPECT_TRUE(f.main->TableButton(t)->toolTip().isEmpty()) << t;
    }
    f.main->ChooseLanguage(1);
    EXPECT_EQ(f.main->TableButton(1)->toolTip(), "Play and multiplicate with 1 ");
    EXPECT_EQ(f.main->TableButton(20)->toolTip(), "Play and multiplicate with 20 ");
    f.main->ChooseLanguage(4);
    EXPECT_EQ(f.main->TableButton(13)->toolTip(), "Boartsje mei de tafel fan 13 ");
}

TEST(MainWindowTexts, LanguageHintsThatAreNotGivenKeepTheirOldText) {
    ShellFixture f;
    f.main->ChooseLanguage(1);
    f.main->ChooseLanguage(3);
    EXPECT_EQ(f.main->BitBtn15->toolTip(), "German, spoken in Germany, Austria and Switzerland ");
    EXPECT_TRUE(f.main->BitBtn11->toolTip().isEmpty());
    EXPECT_TRUE(f.main->BitBtn10->toolTip().isEmpty());
    f.main->ChooseLanguage(2);
    EXPECT_EQ(f.main->BitBtn15->toolTip(),
              QString::fromUtf8("Alemán, hablado en Alemania, Austria y Suiza "));
    EXPECT_EQ(f.main->BitBtn7->toolTip(), "Sprache, language,  idioma,  taal ");
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
    low.main->ChooseLanguage(1);
    EXPECT_EQ(low.main->Game1->text(), "&Game");
    // German keeps two blanks before its game menu even on the lowest screen.
    low.main->ChooseLanguage(5);
    EXPECT_EQ(low.main->Game1->text(), "  &Spiel");
    EXPECT_EQ(high.main->Game1->text(), " &Spiel");
}

TEST(MainWindowTexts, TitleAndVersionFollowTheLanguage) {
    ShellFixture f(600, 2, 4);
    f.main->show();
    EXPECT_EQ(f.main->windowTitle(), " Mirandol Tafels  Haadmenu");
    EXPECT_EQ(f.main->Label3->text(), "f.2023-12");
    EXPECT_EQ(f.main->Label2->y(), f.main->Panel4->y() - 60);
    f.main->ChooseLanguage(5);
    EXPECT_EQ(f.main->Label2->text(), "Einmaleins");
    EXPECT_EQ(f.main->Label2->font().pointSize(), 28);
    EXPECT_EQ(f.main->Label5->x(), 60);
    EXPECT_EQ(f.main->Label2->y(), f.main->Panel4->y() - 42);
    f.main->ChooseLanguage(1);
    EXPECT_EQ(f.main->Label2->y(), f.main->Panel4->y() - 50);  // English, partial screen
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
}

TEST(MainWindowSound, EachCommandWritesItsOwnFrisianAndGermanCaption) {
    ShellFixture f(600, 2, 4);
    f.main->show();
    EXPECT_EQ(f.main->BitBtn6->text(), QString::fromUtf8(" &Lûd is oan "));
    f.main->BitBtn6->click();
    EXPECT_EQ(f.main->BitBtn6->text(), QString::fromUtf8("&Lûd is ût"));
    f.main->Soundeffecton1->trigger();
    EXPECT_EQ(f.main->BitBtn6->text(), QString::fromUtf8("&Lûd is oan"));
    EXPECT_TRUE(f.main->Soundeffecton1->isChecked());
    f.main->Soundeffectsoff1->trigger();
    EXPECT_EQ(f.main->BitBtn6->text(), QString::fromUtf8(" &Lûd is ût  "));
    EXPECT_TRUE(f.main->Soundeffectsoff1->isChecked());
    EXPECT_FALSE(f.main->Soundeffecton1->isChecked());
    f.main->ChooseLanguage(5);
    f.main->Soundeffectsoff1->trigger();
    EXPECT_EQ(f.main->BitBtn6->text(), " &Ton ist aus ");
}

TEST(MainWindowMusic, WithSoundOffMusicComesOnWithoutAPause) {
    ShellFixture f;
    f.settings.SoundEffects = 0;
    f.main->BitBtn17->click();
    EXPECT_EQ(f.settings.MusicOn, 1);
    EXPECT_EQ(f.main->BitBtn17->text(), "&Music is on");
    EXPECT_TRUE(f.pauses.empty());
    f.main->Musicon1->trigger();
    EXPECT_TRUE(f.pauses.empty());
}

TEST(MainWindowMusic, TheRisingFigurePausesFourTimesFromTheButtonAndFiveFromTheMenu) {
    ShellFixture f(600, 2, 4);
    EXPECT_FALSE(MainWindow::HintShown(f.main->BitBtn17));
    f.main->BitBtn17->click();
    EXPECT_EQ(f.pauses, (std::vector<std::uint32_t>{30, 30, 30, 30}));
    EXPECT_TRUE(MainWindow::HintShown(f.main->BitBtn17));
    f.main->BitBtn17->click();
    EXPECT_EQ(f.settings.MusicOn, 0);
    EXPECT_FALSE(MainWindow::HintShown(f.main->BitBtn17));
    EXPECT_EQ(f.main->BitBtn17->text(), QString::fromUtf8("&Muzyk is ût"));
    f.pauses.clear();
    f.main->Musicon1->trigger();
    EXPECT_EQ(f.pauses, (std::vector<std::uint32_t>{50, 50, 50, 50, 50}));
    EXPECT_TRUE(f.main->Musicon1->isChecked());
    EXPECT_FALSE(MainWindow::HintShown(f.main->BitBtn17));  // the menu leaves the hint alone
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
    EXPECT_TRUE(f.highScores.isVisible());
    EXPECT_FALSE(f.highScores.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(f.highScores.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(f.highScores.windowFlags() & Qt::WindowSystemMenuHint);
    f.highScores.hide();
}

TEST(MainWindowCommands, ColourSchemeSwitchesThePlayWindowPictures) {
    ShellFixture f;
    for (const char* name : {"Image1", "Image8", "Image11", "Image20", "Panel3"}) {
        (new QWidget(&f.play))->setObjectName(name);
    }
    f.main->Simple1->trigger();
    EXPECT_EQ(f.settings.ColorScheme, 1);
    EXPECT_TRUE(f.main->Simple1->isChecked());
    EXPECT_FALSE(f.main->Sophisticated1->isChecked());
    EXPECT_FALSE(f.play.findChild<QWidget*>("Image8")->isHidden());
    EXPECT_TRUE(f.play.findChild<QWidget*>("Image20")->isHidden());
    EXPECT_EQ(f.play.findChild<QWidget*>("Panel3")->palette().color(QPalette::Window),
              QColor(0, 0, 128));
    f.main->Sophisticated1->trigger();
    EXPECT_EQ(f.settings.ColorScheme, 2);
    EXPECT_TRUE(f.play.findChild<QWidget*>("Image1")->isHidden());
    EXPECT_FALSE(f.play.findChild<QWidget*>("Image11")->isHidden());
    EXPECT_EQ(f.play.findChild<QWidget*>("Panel3")->palette().color(QPalette::Window),
              QColor(0, 0, 119));
}

TEST(MainWindowCommands, BannerHintGoesQuietAfterFourMovesUntilThePlayWindowShows) {
    ShellFixture f;
    f.main->show();
    QMouseEvent move(QEvent::MouseMove, QPointF(200, 30), QPointF(200, 30), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    for (int i = 0; i < 3; ++i) {
        QApplication::sendEvent(f.main->Panel2, &move);
    }
    EXPECT_EQ(f.main->BannerMoveCount(), 3);
    EXPECT_TRUE(MainWindow::HintShown(f.main->Panel2));
    QApplication::sendEvent(f.main->Panel2, &move);
    EXPECT_FALSE(MainWindow::HintShown(f.main->Panel2));
    f.main->hide();
    f.main->show();  // showing the main window only resets the count
    EXPECT_EQ(f.main->BannerMoveCount(), 0);
    EXPECT_FALSE(MainWindow::HintShown(f.main->Panel2));
    f.play.show();
    EXPECT_EQ(f.main->BannerMoveCount(), 0);
    EXPECT_TRUE(MainWindow::HintShown(f.main->Panel2));
    f.play.hide();
}

TEST(MainWindowInfo, TheInfoWindowIsPlacedByScreenClassAndTheMenuPressesItsPage) {
    ShellFixture f(480, 2);
    std::vector<InfoPage> pressed;
    f.main->SetInfoPagePress([&](InfoPage page) { pressed.push_back(page); });
    f.main->Disclaimer1->trigger();
    EXPECT_TRUE(f.info.isVisible());
    EXPECT_EQ(f.info.pos(), QPoint(25, 2));
    EXPECT_EQ(f.info.size(), QSize(595, 450));
    EXPECT_EQ(pressed, std::vector<InfoPage>{InfoPage::Disclaimer});
    f.info.hide();
    f.main->BitBtn5->click();
    EXPECT_TRUE(f.info.isVisible());
    EXPECT_EQ(pressed.size(), 1u);  // the button shows the window only
    f.info.hide();

    ShellFixture tall(768, 2);
    tall.main->ShowInfoWindow();
    EXPECT_EQ(tall.info.pos(), tall.main->pos());
    EXPECT_EQ(tall.info.size(), tall.main->size() - QSize(3, 3));
    tall.info.hide();
}

struct LayoutCase {
    int height;
    int mode;
    QRect partialGeometry;  // empty in full screen
    QPoint commands;
    QPoint language;
};

TEST(MainWindowLayout, WindowAndPanelsStandWhereTheScreenClassPutsThem) {
    for (const LayoutCase c : {LayoutCase{480, 2, QRect(32, 14, 576, 432), {320, 52}, {477, 125}},
                               LayoutCase{600, 2, QRect(40, 20, 720, 540), {432, 166}, {608, 227}},
                               LayoutCase{768, 2, QRect(128, 48, 768, 653), {432, 222}, {616, 251}},
                               LayoutCase{480, 1, QRect(), {379, 130}, {544, 171}},
                               LayoutCase{600, 1, QRect(), {464, 200}, {640, 259}},
                               LayoutCase{768, 1, QRect(), {562, 252}, {746, 311}}}) {
        ShellFixture f(c.height, c.mode);
        const std::string where = std::to_string(c.height) + "/" + std::to_string(c.mode);
        if (c.mode == 2) {
            EXPECT_EQ(QRect(f.main->pos(), f.main->size()), c.partialGeometry) << where;
            EXPECT_FALSE(f.main->windowFlags() & Qt::FramelessWindowHint) << where;
        } else {
            EXPECT_TRUE(f.main->windowFlags() & Qt::FramelessWindowHint) << where;
            EXPECT_TRUE(f.main->windowState() & Qt::WindowMaximized) << where;
        }
        EXPECT_EQ(f.main->Panel4->pos(), c.commands) << where;
        EXPECT_EQ(f.main->Panel1->pos(), c.language) << where;
        EXPECT_EQ(f.main->Panel2->isHidden(), c.height == 480 && c.mode == 2) << where;
        EXPECT_EQ(f.main->Label2->isHidden(), c.height == 480) << where;
        EXPECT_EQ(f.main->Image4->isHidden(), c.height != 480) << where;
        EXPECT_EQ(f.main->Label5->isHidden(), !(c.height == 480 && c.mode == 1)) << where;
        if (c.height != 480) {
            const QLabel* title = f.main->Label2;
            EXPECT_LE(title->width(), 142) << where;
            EXPECT_EQ(title->y(), c.commands.y() - 60) << where;
            EXPECT_LE(std::abs(title->x() + title->width() / 2 - (c.commands.x() + 73)), 1)
                << where;
        }
    }
}

}  // namespace
}  // namespace quorelin
