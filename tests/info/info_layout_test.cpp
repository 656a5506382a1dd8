// Where the info window and its controls stand in each screen class and window mode, and
// that every text of every page fits where it stands.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QScrollBar>
#include <QTest>
#include <ostream>
#include <tuple>
#include <vector>

#include "info/info_layout.h"
#include "kit/window_frame.h"
#include "tests/info/info_fixture.h"
#include "tests/support/case_names.h"

namespace quorelin {

// A screen case in a parameter prints as its name.
void PrintTo(ScreenCase c, std::ostream* os) {
    *os << ScreenCaseName(c);
}

namespace {

using Page = InfoWindow::Page;
using testing::InfoFixture;
using testing::kPages;

struct Case {
    int height, mode;
};

bool Frameless(const QWidget& w) {
    return w.windowFlags().testFlag(Qt::FramelessWindowHint);
}

QRect OuterOf(const QWidget& w) {
    return {w.pos(), OuterSizeOf(w)};
}

struct PlaceCase {
    ScreenCase screen;
    QRect outer;  // partial screen; empty: the main window's place, 3 pixels smaller
    QPoint bar, page;
    int pageHeight, closeLeft;
    bool footer;
};
const PlaceCase kPlaceCases[] = {
    {ScreenCase::Class480Full, {}, {0, 0}, {57, 10}, 468, 0, false},
    {ScreenCase::Class480Partial, {25, 2, 595, 450}, {0, 0}, {22, 10}, 470, 0, false},
    {ScreenCase::Class600Full, {}, {56, 19}, {138, 48}, 533, 782, true},
    {ScreenCase::Class600Partial, {40, 1, 720, 570}, {6, 0}, {88, 22}, 512, 0, false},
    {ScreenCase::Class768Full, {}, {148, 80}, {230, 100}, 533, 1006, true},
    {ScreenCase::Class768Partial, {}, {39, 25}, {121, 47}, 533, 0, true},
};

void PrintTo(const PlaceCase& c, std::ostream* os) {
    *os << ScreenCaseName(c.screen);
}

class InfoWindowPlaces : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(InfoWindowPlaces, TheInfoButtonOpensTheWindowFramedAndLaidOutForTheClassAndMode) {
    const PlaceCase& c = GetParam();
    InfoFixture f(ScreenHeightOf(c.screen), WindowModeOf(c.screen));
    f.main->show();
    f.main->BitBtn5->click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.info));
    const InfoWindow& w = *f.info;
    const bool full = WindowModeOf(c.screen) == 1;
    EXPECT_EQ(Frameless(w), full);
    EXPECT_EQ(w.isMaximized(), full);
    if (!full) {
        EXPECT_EQ(OuterOf(w), c.outer.isEmpty()
                                  ? QRect(f.main->pos(), OuterSizeOf(*f.main) - QSize(3, 3))
                                  : c.outer);
    }
    EXPECT_EQ(w.Panel1->pos(), c.bar);
    EXPECT_EQ(w.Panel1->height(), 27);
    EXPECT_EQ(w.Panel2->geometry(), QRect(c.page, QSize(531, c.pageHeight)));
    EXPECT_EQ(w.BitBtn5->isVisibleTo(&w), c.closeLeft > 0);
    if (c.closeLeft > 0) {
        EXPECT_EQ(w.BitBtn5->x(), c.closeLeft);
        EXPECT_EQ(w.BitBtn5->text(), "X");
    }
    EXPECT_EQ(w.Label32->isVisibleTo(&w), c.footer);
    for (QPushButton* button : {w.BitBtn1, w.BitBtn2, w.BitBtn3, w.BitBtn4}) {
        EXPECT_EQ(button->height(), 21);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryClassAndMode, InfoWindowPlaces, ::testing::ValuesIn(kPlaceCases),
                         [](const auto& info) { return testing::CaseName(info.param.screen); });

TEST(InfoWindowFrame, AWindowOnceFullScreenGetsItsFrameAndPlaceBackInPartialScreen) {
    InfoFixture f(600, 1);
    f.Open(Page::About);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.info));
    f.info->hide();
    f.settings.WindowMode = 2;
    f.Open(Page::Disclaimer);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.info));
    EXPECT_FALSE(Frameless(*f.info));
    EXPECT_FALSE(f.info->isMaximized());
    EXPECT_EQ(OuterOf(*f.info), QRect(40, 1, 720, 570));
    EXPECT_FALSE(f.info->BitBtn5->isVisibleTo(f.info));  // the frame's close box serves
}

TEST(InfoWindowLayout, LinesAndFooterStandAtTheTopsOfTheirScreenClass) {
    struct Row {
        int height;
        int first, fourteenth, last, footer;
    };
    for (const Row r :
         {Row{768, 20, 229, 496, 512}, Row{600, 20, 229, 496, 512}, Row{480, 23, 218, 459, 473}}) {
        InfoFixture f(r.height, 1);
        f.Open(Page::About);
        const InfoWindow& w = *f.info;
        EXPECT_EQ(w.Lines[0]->pos(), QPoint(12, r.first)) << r.height;
        EXPECT_EQ(w.Lines[13]->y(), r.fourteenth) << r.height;
        EXPECT_EQ(w.Lines[30]->y(), r.last) << r.height;
        EXPECT_EQ(w.Label32->y(), r.footer) << r.height;
        for (std::size_t n = 1; n < w.Lines.size(); ++n) {
            EXPECT_GT(w.Lines[n]->y(), w.Lines[n - 1]->y()) << r.height << " line " << n + 1;
            EXPECT_EQ(w.Lines[n]->x(), 12);
        }
    }
}

TEST(InfoWindowLayout, OnlyOn480LinesTheKeysPanelsPictureAndKeysMoveUp) {
    struct Row {
        int height;
        int pictureTop, sideKeysTop;
        QPoint downKey;
        int downCaptionLeft;
    };
    for (const Row r : {Row{600, 6, 160, {6, 188}, 30}, Row{768, 6, 160, {6, 188}, 30},
                        Row{480, 1, 154, {52, 180}, 80}}) {
        InfoFixture f(r.height, 2);
        f.Open(Page::GameInstructions);
        const InfoWindow& w = *f.info;
        EXPECT_EQ(w.Panel3->geometry(), QRect(356, 20, 153, 213)) << r.height;
        EXPECT_EQ(w.Image3->y(), r.pictureTop) << r.height;
        EXPECT_EQ(w.Image4->y(), r.sideKeysTop) << r.height;
        EXPECT_EQ(w.Image5->y(), r.sideKeysTop) << r.height;
        EXPECT_EQ(w.Image6->pos(), r.downKey) << r.height;
        EXPECT_EQ(w.Label35->x(), r.downCaptionLeft) << r.height;
    }
}

TEST(InfoWindowLayout, On480LinesThePageButtonsArePackedFromTheLeft) {
    for (const Case c : {Case{480, 1}, Case{480, 2}, Case{600, 1}}) {
        InfoFixture f(c.height, c.mode, 2);
        f.Open(Page::About);
        const InfoWindow& w = *f.info;
        const std::array<QPushButton*, 4> bar{w.BitBtn1, w.BitBtn2, w.BitBtn3, w.BitBtn4};
        if (c.height != 480) {
            // Not packed: Back ends where the page panel ends.
            EXPECT_EQ(w.Panel1->x() + w.BitBtn4->geometry().right() + 1,
                      w.Panel2->geometry().right() + 1);
            continue;
        }
        EXPECT_EQ(w.BitBtn1->x(), c.mode == 1 ? 55 : 20);
        for (std::size_t b = 1; b < bar.size(); ++b) {
            EXPECT_EQ(bar[b]->x(), bar[b - 1]->geometry().right() + 1) << c.mode << " " << b;
        }
    }
}

// The low partial-screen window is shorter than its page: it scrolls up and down, and
// never sideways.
TEST(InfoWindowLayout, TheLowPartialScreenWindowScrollsToThePageBottomButNeverSideways) {
    InfoFixture f(480, 2);
    f.Open(Page::GameInstructions);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.info));
    QScrollArea* box = f.info->ScrollBox();
    EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_GE(box->verticalScrollBar()->maximum() + box->viewport()->height(),
              f.info->Panel2->geometry().bottom() + 1);
    EXPECT_LE(f.info->Panel2->geometry().right() + 1, box->viewport()->width());
    EXPECT_LE(f.info->Panel1->geometry().right() + 1, box->viewport()->width());

    InfoFixture mid(600, 2);
    mid.Open(Page::GameInstructions);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(mid.info));
    EXPECT_EQ(mid.info->ScrollBox()->verticalScrollBar()->maximum(), 0);
}

// Every line of every page in every language stays inside the page panel, clear of the
// pictures and the keys panel, and every key caption inside its box.
class InfoWindowTexts : public ::testing::TestWithParam<std::tuple<ScreenCase, int>> {};

TEST_P(InfoWindowTexts, NoTextIsWiderThanItsRoomOnAnyPage) {
    const auto [screen, language] = GetParam();
    InfoFixture f(ScreenHeightOf(screen), WindowModeOf(screen), language);
    f.Open(Page::About);
    const InfoWindow& w = *f.info;
    const QRect inside = w.Panel2->contentsRect();
    for (const Page page : kPages) {
        w.PageButton(page)->click();
        SCOPED_TRACE(::testing::Message() << "page " << static_cast<int>(page));
        EXPECT_GE(w.LineStretch(), 80);
        std::vector<const QWidget*> pictures;
        for (const QWidget* p :
             {static_cast<const QWidget*>(w.Image1), static_cast<const QWidget*>(w.Image2),
              static_cast<const QWidget*>(w.Panel3)}) {
            if (p->isVisibleTo(w.Panel2)) {
                pictures.push_back(p);
            }
        }
        for (std::size_t n = 0; n < w.Lines.size(); ++n) {
            const QLabel* line = w.Lines[n];
            if (line->text().trimmed().isEmpty()) {
                continue;
            }
            EXPECT_GE(line->width(), line->sizeHint().width()) << "line " << n + 1;
            EXPECT_TRUE(inside.contains(line->geometry()))
                << "line " << n + 1 << " right " << line->geometry().right();
            for (const QWidget* p : pictures) {
                EXPECT_FALSE(line->geometry().intersects(p->geometry()))
                    << "line " << n + 1 << " under " << p->objectName().toStdString();
            }
        }
        if (w.Label32->isVisibleTo(&w)) {
            EXPECT_TRUE(inside.contains(w.Label32->geometry()));
        }
    }
    for (const QLabel* caption : {w.Label33, w.Label34, w.Label35}) {
        SCOPED_TRACE(caption->text().toStdString());
        const QRect needed = QFontMetrics(caption->font())
                                 .boundingRect(QRect(0, 0, caption->width(), 1000),
                                               Qt::TextWordWrap, caption->text());
        EXPECT_LE(needed.width(), caption->width());
        EXPECT_LE(needed.height(), caption->height());
        EXPECT_TRUE(w.Panel3->contentsRect().contains(caption->geometry()));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryClassAndLanguage, InfoWindowTexts,
                         ::testing::Combine(::testing::Values(ScreenCase::Class480Full,
                                                              ScreenCase::Class600Full,
                                                              ScreenCase::Class768Full),
                                            ::testing::Range(1, 6)),
                         [](const auto& info) {
                             return testing::CaseName(std::get<0>(info.param),
                                                      std::get<1>(info.param));
                         });

}  // namespace
}  // namespace quorelin
