// Where the info window and its controls stand in each screen class and window mode, and
// that every text of every page fits where it stands.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QScrollBar>
#include <QTest>

#include "info/info_layout.h"
#include "kit/window_frame.h"
#include "tests/info/info_fixture.h"

namespace quorelin {
namespace {

using Page = InfoWindow::Page;
using testing::InfoFixture;
using testing::kPages;

struct Case {
    int height, mode;
};
const Case kCases[] = {{768, 1}, {768, 2}, {600, 1}, {600, 2}, {480, 1}, {480, 2}};

bool Frameless(const QWidget& w) {
    return w.windowFlags().testFlag(Qt::FramelessWindowHint);
}

QRect OuterOf(const QWidget& w) {
    return {w.pos(), OuterSizeOf(w)};
}

TEST(InfoWindowFrame, TheInfoButtonFramesSizesAndPlacesTheWindowPerClassAndMode) {
    for (const Case c : kCases) {
        InfoFixture f(c.height, c.mode);
        f.main->show();
        f.main->BitBtn5->click();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.info));
        if (c.mode == 1) {
            EXPECT_TRUE(Frameless(*f.info)) << c.height;
            EXPECT_TRUE(f.info->isMaximized()) << c.height;
            continue;
        }
        const QRect expected = c.height == 480 ? QRect(25, 2, 595, 450)
                               : c.height == 600
                                   ? QRect(40, 1, 720, 570)
                                   : QRect(f.main->pos(), OuterSizeOf(*f.main) - QSize(3, 3));
        EXPECT_FALSE(Frameless(*f.info)) << c.height;
        EXPECT_FALSE(f.info->isMaximized()) << c.height;
        EXPECT_EQ(OuterOf(*f.info), expected) << c.height;
    }
}

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

TEST(InfoWindowLayout, BarPageCloseButtonAndFooterStandWhereEachCaseWantsThem) {
    struct Row {
        Case c;
        QPoint bar, page;
        int pageHeight, closeLeft;
        bool footer;
    };
    const Row rows[] = {
        {{768, 1}, {148, 80}, {230, 100}, 533, 1006, true},
        {{768, 2}, {39, 25}, {121, 47}, 533, 0, true},
        {{600, 1}, {56, 19}, {138, 48}, 533, 782, true},
        {{600, 2}, {6, 0}, {88, 22}, 512, 0, false},
        {{480, 1}, {0, 0}, {57, 10}, 468, 0, false},
        {{480, 2}, {0, 0}, {22, 10}, 470, 0, false},
    };
    for (const Row& r : rows) {
        InfoFixture f(r.c.height, r.c.mode);
        f.Open(Page::GameInstructions);
        const InfoWindow& w = *f.info;
        const std::string where = std::to_string(r.c.height) + "/" + std::to_string(r.c.mode);
        EXPECT_EQ(w.Panel1->pos(), r.bar) << where;
        EXPECT_EQ(w.Panel1->height(), 27) << where;
        EXPECT_EQ(w.Panel2->geometry(), QRect(r.page, QSize(531, r.pageHeight))) << where;
        EXPECT_EQ(w.BitBtn5->isVisibleTo(&w), r.closeLeft > 0) << where;
        if (r.closeLeft > 0) {
            EXPECT_EQ(w.BitBtn5->x(), r.closeLeft) << where;
            EXPECT_EQ(w.BitBtn5->text(), "X");
        }
        EXPECT_EQ(w.Label32->isVisibleTo(&w), r.footer) << where;
        for (QPushButton* button : {w.BitBtn1, w.BitBtn2, w.BitBtn3, w.BitBtn4}) {
            EXPECT_EQ(button->height(), 21);
        }
    }
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
TEST(InfoWindowTexts, NoTextIsWiderThanItsRoomOnAnyPageInAnyLanguageOrClass) {
    for (const int height : {480, 600, 768}) {
        for (int language = 1; language <= 5; ++language) {
            InfoFixture f(height, 1, language);
            f.Open(Page::About);
            const InfoWindow& w = *f.info;
            const QRect inside = w.Panel2->contentsRect();
            for (const Page page : kPages) {
                w.PageButton(page)->click();
                const std::string where = std::to_string(height) + " lang " +
                                          std::to_string(language) + " page " +
                                          std::to_string(static_cast<int>(page));
                EXPECT_GE(w.LineStretch(), 80) << where;
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
                    EXPECT_GE(line->width(), line->sizeHint().width()) << where << " " << n + 1;
                    EXPECT_TRUE(inside.contains(line->geometry()))
                        << where << " line " << n + 1 << " right " << line->geometry().right();
                    for (const QWidget* p : pictures) {
                        EXPECT_FALSE(line->geometry().intersects(p->geometry()))
                            << where << " line " << n + 1 << " under "
                            << p->objectName().toStdString();
                    }
                }
                if (w.Label32->isVisibleTo(&w)) {
                    EXPECT_TRUE(inside.contains(w.Label32->geometry())) << where;
                }
            }
            for (const QLabel* caption : {w.Label33, w.Label34, w.Label35}) {
                const QRect needed = QFontMetrics(caption->font())
                                         .boundingRect(QRect(0, 0, caption->width(), 1000),
                                                       Qt::TextWordWrap, caption->text());
                EXPECT_LE(needed.width(), caption->width())
                    << height << " " << language << " " << caption->text().toStdString();
                EXPECT_LE(needed.height(), caption->height())
                    << height << " " << language << " " << caption->text().toStdString();
                EXPECT_TRUE(w.Panel3->contentsRect().contains(caption->geometry()));
            }
        }
    }
}

}  // namespace
}  // namespace quorelin
