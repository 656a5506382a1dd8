// The info window's behaviour: opening from the main window, pages by click and by focus,
// the language at each opening, leaving, and pages rebuilt completely.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "kit/widget_style.h"
#include "tests/info/info_fixture.h"

namespace quorelin {
namespace {

using Page = InfoWindow::Page;
using testing::InfoFixture;
using testing::kPages;

// Every line and the footer hold the page's text for the fixture's language.
void ExpectPageShown(const InfoFixture& f, Page page) {
    const info_texts::PageLines& expected = f.Expected(page);
    for (std::size_t n = 0; n < expected.size(); ++n) {
        EXPECT_EQ(f.info->Lines[n]->text(), Text(expected[n])) << "line " << n + 1;
    }
    const std::size_t i = static_cast<std::size_t>(f.settings.Language - 1);
    EXPECT_EQ(f.info->Label32->text(), Text(info_texts::kFooter[i]));
    EXPECT_EQ(f.info->CurrentPage(), page);
}

// Every opening starts on About: the window is always left on another page first.
TEST(InfoOpening, EachMenuItemOpensItsPageAndTheInfoButtonOpensAbout) {
    InfoFixture f;
    for (const Page page : kPages) {
        // Left on another page before, so the opening itself must choose.
        f.Open(page == Page::Disclaimer ? Page::About : Page::Disclaimer);
        f.info->hide();
        f.Open(page);
        EXPECT_TRUE(f.info->isVisible());
        ExpectPageShown(f, page);
        f.info->hide();
    }
    f.Open(Page::Disclaimer);
    f.info->hide();
    f.main->BitBtn5->click();
    EXPECT_TRUE(f.info->isVisible());
    ExpectPageShown(f, Page::About);
}

TEST(InfoOpening, TheGameInstructionsItemShowsTheKeysPanelAfterShowingSelectedAbout) {
    InfoFixture f;
    std::vector<Page> shown;
    QObject::connect(f.info->BitBtn1, &QPushButton::clicked, [&] { shown.push_back(Page::About); });
    f.main->GameInstructions1->trigger();
    EXPECT_EQ(shown, std::vector<Page>{Page::About});  // the showing pressed About first
    ExpectPageShown(f, Page::GameInstructions);
    EXPECT_TRUE(f.info->Panel3->isVisible());
    EXPECT_TRUE(f.info->Image3->isVisible());
    EXPECT_EQ(f.info->Label33->text(), "to the left");
    EXPECT_EQ(f.info->Label35->text(), "drop quickly");
}

TEST(InfoPages, TabOntoTheDisclaimerButtonShowsItWithoutAClick) {
    InfoFixture f;
    f.Open(Page::GameInstructions);
    f.info->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.info));
    ASSERT_TRUE(f.info->BitBtn2->hasFocus());
    QTest::keyClick(f.info->BitBtn2, Qt::Key_Tab);
    EXPECT_TRUE(f.info->BitBtn3->hasFocus());
    ExpectPageShown(f, Page::Disclaimer);
    // And back with Shift+Tab, again without a click.
    QTest::keyClick(f.info->BitBtn3, Qt::Key_Backtab, Qt::ShiftModifier);
    ExpectPageShown(f, Page::GameInstructions);
}

TEST(InfoPages, EachPageRebuildsEveryLineSoNothingOfThePageBeforeRemains) {
    for (const int language : {1, 2, 3, 4, 5}) {
        InfoFixture f(600, 2, language);
        for (const Page from : kPages) {
            for (const Page to : kPages) {
                f.Open(from);
                f.info->PageButton(to)->click();
                ExpectPageShown(f, to);
                f.info->hide();
            }
        }
    }
}

TEST(InfoPages, OnlyThePagesOwnPictureAndButtonColourAndFocus) {
    InfoFixture f;
    f.Open(Page::About);
    f.info->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.info));
    for (const Page page : kPages) {
        f.info->PageButton(page)->click();
        EXPECT_EQ(f.info->Image1->isVisible(), page == Page::About);
        EXPECT_EQ(f.info->Image2->isVisible(), page == Page::Disclaimer);
        EXPECT_EQ(f.info->Panel3->isVisible(), page == Page::GameInstructions);
        EXPECT_TRUE(f.info->PageButton(page)->hasFocus());
        for (const Page other : kPages) {
            const QPushButton* button = f.info->PageButton(other);
            EXPECT_EQ(button->palette().color(QPalette::ButtonText),
                      other == page ? QColor(0, 0, 0) : QColor(0, 0, 128));
            EXPECT_EQ(button->font().pointSize(), 7);
            EXPECT_EQ(button->font().family(), "MS Serif");
        }
    }
}

TEST(InfoLanguage, ALanguageChangedWhileHiddenShowsEveryTextInTheNewLanguageAtTheNextOpening) {
    InfoFixture f;
    f.Open(Page::GameInstructions);
    f.info->hide();
    f.main->ChooseLanguage(4);
    f.Open(Page::GameInstructions);
    ExpectPageShown(f, Page::GameInstructions);
    EXPECT_EQ(f.info->BitBtn1->text(), "&Oangeande");
    EXPECT_EQ(f.info->BitBtn2->text(), "Spul&regels");
    EXPECT_EQ(f.info->BitBtn3->text(), "D&isclaimer");
    EXPECT_EQ(f.info->BitBtn4->text(), "&Werom");
    EXPECT_EQ(f.info->Label33->text(), "nei lofts");
    EXPECT_EQ(f.info->Label34->text(), "nei rjochts");
    EXPECT_EQ(f.info->Label35->text(), Text("hurd nei ûnderen"));
    EXPECT_EQ(f.info->windowTitle(), Text(info_texts::kWindowTitle[3]));
}

// Only on 480 lines, and only in Spanish, does the long caption give way, and only while
// its own page is shown.
TEST(InfoLanguage, SpanishGameInstructionsCaptionIsShortOn480LinesWhileItsPageIsShown) {
    struct Case {
        int height, language;
        Page page;
        const char* caption;
    };
    const Case cases[] = {
        {480, 2, Page::About, "&Instrucciones del juego"},
        {480, 2, Page::GameInstructions, "&Instrucciones"},
        {480, 2, Page::Disclaimer, "&Instrucciones del juego"},
        {600, 2, Page::GameInstructions, "&Instrucciones del juego"},
        {768, 2, Page::GameInstructions, "&Instrucciones del juego"},
        {480, 1, Page::GameInstructions, "&Game Instructions"},
    };
    for (const Case& c : cases) {
        InfoFixture f(c.height, 2, c.language);
        f.Open(Page::GameInstructions);
        f.info->PageButton(c.page)->click();
        EXPECT_EQ(f.info->BitBtn2->text(), c.caption) << c.height << " " << c.language;
    }
}

// Back, "X" and Escape from every page hide the window and leave the rest as it was.
TEST(InfoLeaving, BackXAndEscapeHideTheWindowFromEveryPageAndChangeNothingElse) {
    enum class Way { Back, Close, EscapeOnButton, EscapeOnWindow };
    for (const Way way : {Way::Back, Way::Close, Way::EscapeOnButton, Way::EscapeOnWindow}) {
        for (const Page page : kPages) {
            InfoFixture f(600, 1);
            f.main->show();
            f.Open(page);
            f.main->Panel1->show();  // the language panel must stay as it is
            const QRect mainPlace = f.main->geometry();
            const std::string before = f.main->windowTitle().toStdString();
            switch (way) {
                case Way::Back:
                    f.info->BitBtn4->click();
                    break;
                case Way::Close:
                    ASSERT_TRUE(f.info->BitBtn5->isVisible());
                    f.info->BitBtn5->click();
                    break;
                case Way::EscapeOnButton:
                    QTest::keyClick(f.info->PageButton(page), Qt::Key_Escape);
                    break;
                case Way::EscapeOnWindow:
                    QTest::keyClick(f.info, Qt::Key_Escape);
                    break;
            }
            EXPECT_FALSE(f.info->isVisible()) << static_cast<int>(way);
            EXPECT_TRUE(f.main->isVisible());
            EXPECT_TRUE(f.main->Panel1->isVisible());
            EXPECT_EQ(f.main->geometry(), mainPlace);
            EXPECT_EQ(f.main->windowTitle().toStdString(), before);
            EXPECT_EQ(f.settings.Language, 1);
            EXPECT_EQ(f.settings.WindowMode, 1);
        }
    }
}

}  // namespace
}  // namespace quorelin
