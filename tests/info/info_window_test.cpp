// The info window: what its pages must say, opening from the main window, pages by click
// and by focus, leaving, and what the geometry sweep cannot see of its layout.
#include <gtest/gtest.h>

#include <QTest>
#include <string>

#include "info/info_texts.h"
#include "kit/widget_style.h"
#include "kit/window_frame.h"
#include "tests/support/window_fixture.h"

namespace quorelin {
namespace {

using namespace info_texts;
using Page = InfoWindow::Page;
using testing::ShellFixture;

constexpr Page kPages[] = {Page::About, Page::GameInstructions, Page::Disclaimer};

const PageLines& LinesOf(Page page, int language) {
    const std::array<const std::array<PageLines, 5>*, 3> pages{&kAboutPage, &kGameInstructionsPage,
                                                               &kDisclaimerPage};
    return (*pages[static_cast<std::size_t>(page)])[static_cast<std::size_t>(language - 1)];
}

// Opens the window on a page through the main window's Info menu, as the player does.
InfoWindow& Open(ShellFixture& f, Page page) {
    f.main->InfoItemClick(static_cast<InfoPage>(static_cast<int>(page)));
    return f.info();
}

// The lines are the page's own text (the window test compares them); here only what every
// language must share: the indent, and the About page naming both list files.
TEST(InfoTexts, EveryLineIsIndentedAndEveryAboutPageNamesTheTwoListFiles) {
    for (int language = 1; language <= 5; ++language) {
        for (const Page page : kPages) {
            std::string all;
            for (const std::string line : LinesOf(page, language)) {
                EXPECT_TRUE(line.empty() || line.rfind("    ", 0) == 0) << line;
                all += line;
            }
            for (const char* file : {"Quorelin.dat", "Quorelincopy.dat"}) {
                EXPECT_EQ(all.find(file) != std::string::npos, page == Page::About) << language;
            }
        }
    }
}

// Every screen case: frame, spot places, the footer where the page holds it; each opening
// presses About, then the item's page, whole and in the language chosen while hidden.
TEST(InfoPages, EveryPageIsShownWholeAndFitsInEveryScreenCaseAndLanguage) {
    const ByCase<QPoint> kPageAt{{{57, 10}, {22, 10}, {138, 48}, {88, 22}, {230, 100}, {121, 47}}};
    for (const ScreenCase screen : kScreenCases) {
        SCOPED_TRACE(ScreenCaseName(screen));
        const bool full = WindowModeOf(screen) == 1, low = ScreenHeightOf(screen) == 480;
        ShellFixture f(ScreenHeightOf(screen), WindowModeOf(screen));
        f.settings.WindowMode = 1;
        InfoWindow& w = Open(f, Page::About);
        w.hide();
        f.settings.WindowMode = static_cast<std::uint8_t>(WindowModeOf(screen));
        f.main->show();
        Open(f, Page::GameInstructions);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        EXPECT_EQ(w.windowFlags().testFlag(Qt::FramelessWindowHint), full);
        const QRect main(f.main->pos(), OuterSizeOf(*f.main));
        const ByCase<QRect> outer{
            {{}, {25, 2, 595, 450}, {}, {40, 1, 720, 570}, {}, main.adjusted(0, 0, -3, -3)}};
        EXPECT_EQ(full ? QRect() : QRect(w.pos(), OuterSizeOf(w)), At(outer, screen));
        EXPECT_EQ(w.Panel2->pos(), At(kPageAt, screen));
        EXPECT_EQ(w.Label32->isVisibleTo(&w),
                  w.Panel2->contentsRect().contains(w.Label32->geometry()));
        // "X" at the top right of a full-screen window, where the page leaves room.
        EXPECT_EQ(w.BitBtn5->isVisibleTo(&w) ? w.BitBtn5->geometry().right() + 1 : 0,
                  full && !low ? ScreenWidthOf(screen) : 0);
        if (low) {  // the buttons packed from the left
            EXPECT_EQ(w.BitBtn1->x(), full ? 55 : 20);
            EXPECT_EQ(w.BitBtn4->x(), w.BitBtn3->geometry().right() + 1);
        }
        EXPECT_EQ(w.Panel1->x() + w.BitBtn4->geometry().right() == w.Panel2->geometry().right(),
                  !low);
        EXPECT_EQ(w.Lines[30]->pos(), QPoint(12, low ? 459 : 496));
        EXPECT_EQ(w.Image6->pos(), low ? QPoint(52, 180) : QPoint(6, 188));
        // The low partial window scrolls up and down, never sideways.
        EXPECT_EQ(w.ScrollBox()->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff,
                  low && !full);

        int aboutPresses = 0;
        QObject::connect(w.BitBtn1, &QPushButton::clicked, [&] { ++aboutPresses; });
        for (int language = 1; language <= 5; ++language) {
            f.main->ChooseLanguage(language);
            for (const Page from : kPages) {
                for (const Page to : kPages) {
                    w.hide();
                    const int presses = aboutPresses;
                    EXPECT_EQ(Open(f, from).CurrentPage(), from);
                    EXPECT_GT(aboutPresses, presses);
                    w.PageButton(to)->click();
                    SCOPED_TRACE(::testing::Message() << language << ": " << int(to));
                    EXPECT_EQ(w.Label32->text(), Text(kFooter[language - 1]));
                    EXPECT_EQ(w.Image1->isVisibleTo(&w), to == Page::About);
                    EXPECT_EQ(w.Image2->isVisibleTo(&w), to == Page::Disclaimer);
                    EXPECT_EQ(w.Panel3->isVisibleTo(&w), to == Page::GameInstructions);
                    for (const Page other : kPages) {
                        EXPECT_EQ(w.PageButton(other)->palette().color(QPalette::ButtonText),
                                  other == to ? kBlack : kNavy);
                    }
                    // On 480 lines in Spanish the caption is short while its own page shows.
                    EXPECT_EQ(w.BitBtn2->text(),
                              Text(low && language == 2 && to == Page::GameInstructions
                                       ? "&Instrucciones"
                                       : kGameInstructionsCaption[language - 1]));
                    EXPECT_GE(w.LineStretch(), 80);
                    for (std::size_t n = 0; n < w.Lines.size(); ++n) {
                        EXPECT_EQ(w.Lines[n]->text(), Text(LinesOf(to, language)[n])) << n + 1;
                    }
                }
            }
        }
        w.hide();
        f.main->BitBtn5->click();  // the Info button opens About
        EXPECT_EQ(w.CurrentPage(), Page::About);
    }
}

// Tab onto a page button shows its page without a click; Back, "X" and Escape from any
// page only hide the window, leaving the main window as it was.
TEST(InfoPages, TabShowsAPageAndBackXAndEscapeOnlyHideTheWindow) {
    ShellFixture f(600, 1);
    f.main->show();
    InfoWindow& w = Open(f, Page::GameInstructions);
    f.main->Panel1->show();  // the language panel stays as it is
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(w.BitBtn2, Qt::Key_Tab);
    EXPECT_TRUE(w.BitBtn3->hasFocus());
    EXPECT_EQ(w.CurrentPage(), Page::Disclaimer);
    QTest::keyClick(w.BitBtn3, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
    for (QWidget* back : std::initializer_list<QWidget*>{w.BitBtn4, w.BitBtn5, &w}) {
        w.show();
        back == &w ? QTest::keyClick(&w, Qt::Key_Escape) : static_cast<QPushButton*>(back)->click();
        EXPECT_FALSE(w.isVisible()) << back->objectName().toStdString();
    }
    EXPECT_TRUE(f.main->Panel1->isVisible());
}

}  // namespace
}  // namespace quorelin
