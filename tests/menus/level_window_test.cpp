// The level window: typed and pointed levels, the range warning, cancelling in every
// way, its texts and fitting, its layout and the raised frame.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "game/screen_case.h"
#include "kit/window_frame.h"
#include "tests/support/case_names.h"
#include "tests/support/window_fixture.h"

namespace quorelin {
namespace {

using testing::ShellFixture;

// Opens the level window for a table as the table button does; the main window is
// hidden so that handing back to it shows.
void Open(ShellFixture& f, int table) {
    f.main->TableClick(table);
    f.main->hide();
}

void Type(ShellFixture& f, const char* text) {
    QTest::keyClicks(f.level->Edit1, text);
}

TEST(LevelChoice, TypingSevenAndEnterStartsLevelSeven) {
    ShellFixture f;
    Open(f, 3);
    EXPECT_EQ(f.game.TableNumber, 3);
    EXPECT_EQ(f.game.GameKind, 1);
    ASSERT_TRUE(f.level->isVisible());
    Type(f, "123");
    EXPECT_EQ(f.level->Edit1->text(), "12") << "the field takes two characters";
    f.level->Edit1->clear();
    Type(f, "7");
    EXPECT_FALSE(f.level->Panel1->isVisible());
    QTest::keyClick(f.level->Edit1, Qt::Key_Return);
    EXPECT_EQ(f.game.StartLevel, 7);
    EXPECT_EQ(f.level->choiceState(), LevelWindow::kChosen);
    EXPECT_TRUE(f.play().isVisible());
    EXPECT_FALSE(f.level->isVisible());
    EXPECT_FALSE(f.main->isVisible());  // a choice does not hand back to the main window
    EXPECT_TRUE(f.level->Edit1->text().isEmpty());
    f.play().hide();
}

TEST(LevelChoice, TheWarningFollowsEachKeyAndARefusedLevelEmptiesTheFieldAndBeepsWithSound) {
    ShellFixture f;
    Open(f, 3);
    // The warning follows each key release; deleting the whole text hides it.
    Type(f, "ab");
    EXPECT_TRUE(f.level->Panel1->isVisible());
    QTest::keyClick(f.level->Edit1, Qt::Key_Backspace);
    EXPECT_TRUE(f.level->Panel1->isVisible());  // "a" is still no number
    QTest::keyClick(f.level->Edit1, Qt::Key_Backspace);
    EXPECT_FALSE(f.level->Panel1->isVisible());

    // Enter with sound on, OK with sound off.
    for (const auto& [text, sound] : {std::pair{"21", 1}, std::pair{"", 0}}) {
        SCOPED_TRACE(::testing::Message() << '"' << text << "\" sound " << sound);
        f.settings.SoundEffects = static_cast<std::uint8_t>(sound);
        Type(f, text);
        EXPECT_EQ(f.level->Panel1->isVisible(), *text != '\0');
        const int beeps = f.beeps;
        if (sound == 1) {
            QTest::keyClick(f.level->Edit1, Qt::Key_Return);  // the release keeps the warning
        } else {
            f.level->BitBtn1->click();
        }
        EXPECT_EQ(f.beeps, beeps + sound);
        EXPECT_TRUE(f.level->Edit1->text().isEmpty());
        EXPECT_TRUE(f.level->Panel1->isVisible());
        EXPECT_TRUE(f.level->isVisible());
        EXPECT_EQ(f.level->Panel1->text(), "Take care to choose a level between 1 and 20! ");
        Type(f, "12");
        EXPECT_FALSE(f.level->Panel1->isVisible()) << "a valid level hides it again";
        f.level->Edit1->clear();
    }
    EXPECT_EQ(f.game.StartLevel, 0);
    EXPECT_FALSE(f.play().isVisible());
}

TEST(LevelChoice, PointingAtTheFifthLevelShowsItInBlueAndAClickStartsIt) {
    ShellFixture f;
    Open(f, 3);
    Type(f, "9");
    QLabel* five = f.level->LevelLabel(5);
    const auto moveOnto = [](QWidget* target) {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 4), target->mapToGlobal(QPointF(5, 4)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    };
    moveOnto(five);
    EXPECT_EQ(f.level->Edit1->text(), "5");
    EXPECT_EQ(f.level->Edit1->palette().color(QPalette::Text), QColor(0, 0, 255));
    // Off the column onto the box: the field is empty and black again.
    moveOnto(f.level->Shape1);
    EXPECT_TRUE(f.level->Edit1->text().isEmpty());
    EXPECT_EQ(f.level->Edit1->palette().color(QPalette::Text), QColor(Qt::black));

    moveOnto(five);
    QTest::mouseClick(five, Qt::LeftButton, Qt::NoModifier, QPoint(5, 4));
    EXPECT_EQ(f.game.StartLevel, 5);
    EXPECT_TRUE(f.play().isVisible());
    EXPECT_FALSE(f.level->isVisible());
    EXPECT_EQ(f.level->LevelLabel(1)->geometry(), QRect(69, 204, 20, 13));
    EXPECT_EQ(f.level->LevelLabel(19)->y(), 60);
    EXPECT_EQ(f.level->LevelLabel(20)->geometry(), QRect(69, 52, 20, 9));
    f.play().hide();
}

TEST(LevelCancel, CancelEscapeTheXButtonAndAnotherWindowHandBackToTheMainWindow) {
    for (int way = 0; way < 4; ++way) {
        SCOPED_TRACE(way);
        ShellFixture f(600, 1);
        f.main->show();
        f.main->TableClick(8);
        f.level->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(f.level));
        if (way < 3) {
            f.main->hide();  // so that handing back to it shows
        }
        Type(f, "4");
        if (way == 0) {
            f.level->BitBtn2->click();
        } else if (way == 1) {
            QTest::keyClick(f.level->Edit1, Qt::Key_Escape);
        } else if (way == 2) {
            ASSERT_FALSE(f.level->BitBtn5->isHidden());
            f.level->BitBtn5->click();
        } else {
            f.game.StartLevel = 9;
            f.main->activateWindow();  // deactivating the level window cancels it
            EXPECT_TRUE(QTest::qWaitFor([&] { return !f.level->isVisible(); }));
        }
        EXPECT_FALSE(f.level->isVisible());
        EXPECT_TRUE(f.main->isVisible());
        EXPECT_EQ(f.game.StartLevel, 0);
        EXPECT_TRUE(f.level->Edit1->text().isEmpty());
        EXPECT_FALSE(f.play().isVisible());
    }
}

TEST(LevelTexts, LongTextsShrinkIntoTheirPlaces) {
    ShellFixture f(600, 2, 5);
    Open(f, 20);
    EXPECT_EQ(f.level->Label8->text(), "Multiplizieren mit 20");
    EXPECT_EQ(f.level->Label11->text(), "x 20 = ");
    EXPECT_LT(f.level->Label8->width(), f.level->Panel3->width() - 2);
    EXPECT_LT(f.level->Label8->height(), f.level->Panel3->height() - 2);
    EXPECT_EQ(f.level->Label11->y() + f.level->Label11->height(), 180);
    // A font once made smaller stays smaller at the next opening.
    const qreal germanTitle = f.level->Label8->font().pointSizeF();
    ASSERT_GT(germanTitle, 0) << "the German title had to shrink";
    f.level->Cancel();
    f.settings.Language = 1;
    Open(f, 3);
    EXPECT_EQ(f.level->Label8->text(), "Multiplicate with 3");
    EXPECT_LE(f.level->Label8->font().pointSizeF(), germanTitle);
    for (int language = 1; language <= 5; ++language) {
        f.settings.Language = static_cast<std::uint8_t>(language);
        f.level->SetLevelWindowTexts();
        const qreal keySize = f.level->Label6->font().pointSizeF();
        EXPECT_EQ(f.level->Label3->font().pointSizeF(), keySize) << language;
        EXPECT_EQ(f.level->Label7->font().pointSizeF(), keySize) << language;
        EXPECT_EQ(f.level->Label5->font().pointSizeF(), f.level->Label4->font().pointSizeF());
    }
    // A title that can never fit still ends, at the smallest size.
    f.level->hide();
    f.level->Panel3->resize(4, 4);
    f.main->TableClick(20);
    EXPECT_TRUE(f.level->isVisible());
    EXPECT_GE(f.level->Label8->font().pointSizeF(), 6);
}

TEST(LevelTexts, HowToPlayTogglesAndEveryShowingStartsClean) {
    ShellFixture f;
    Open(f, 5);
    f.level->BitBtn4->click();
    EXPECT_TRUE(f.level->Panel2->isVisible());
    Type(f, "33");
    EXPECT_TRUE(f.level->Panel1->isVisible());
    f.level->Cancel();
    Open(f, 5);
    EXPECT_FALSE(f.level->Panel2->isVisible());
    EXPECT_FALSE(f.level->Panel1->isVisible());
    EXPECT_EQ(f.level->choiceState(), LevelWindow::kOpen);
}

struct LevelLayoutCase {
    ScreenCase screen;
    int language;
    QPoint entry, prompt, ok;
};
void PrintTo(const LevelLayoutCase& c, std::ostream* os) {
    *os << testing::CaseName(c.screen, c.language);
}
class LevelLayout : public ::testing::TestWithParam<LevelLayoutCase> {};

TEST_P(LevelLayout, ControlsStandByScreenClassAndMode) {
    const LevelLayoutCase& c = GetParam();
    ShellFixture f(ScreenHeightOf(c.screen), WindowModeOf(c.screen), c.language);
    f.level->LayOutLevelWindow();
    const bool full = WindowModeOf(c.screen) == 1;
    EXPECT_EQ(f.level->Edit1->pos(), c.entry);
    EXPECT_EQ(f.level->Label1->pos(), c.prompt);
    EXPECT_EQ(f.level->BitBtn1->pos(), c.ok);
    EXPECT_EQ(f.level->BitBtn5->isHidden(), !full);
    EXPECT_EQ(bool(f.level->windowState() & Qt::WindowMaximized), full);
    EXPECT_EQ(bool(f.level->windowFlags() & Qt::FramelessWindowHint), full);
    if (!full) {
        // A partial-screen level window takes the main window's place.
        EXPECT_EQ(QRect(f.level->pos(), OuterSizeOf(*f.level)),
                  QRect(f.main->pos(), OuterSizeOf(*f.main)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryScreenCase, LevelLayout,
    ::testing::Values(
        LevelLayoutCase{ScreenCase::Class480Full, 5, {289, 193}, {218, 130}, {389, 374}},
        LevelLayoutCase{ScreenCase::Class480Partial, 5, {266, 193}, {201, 130}, {357, 334}},
        LevelLayoutCase{ScreenCase::Class600Full, 1, {352, 263}, {296, 200}, {452, 444}},
        LevelLayoutCase{ScreenCase::Class600Partial, 1, {332, 263}, {276, 200}, {427, 414}},
        LevelLayoutCase{ScreenCase::Class768Full, 1, {452, 333}, {396, 270}, {552, 514}},
        LevelLayoutCase{ScreenCase::Class768Partial, 1, {362, 273}, {306, 210}, {452, 454}}),
    ::testing::PrintToStringParamName());

TEST(LevelLayoutBesideAMaximisedMainWindow, APartialWindowIsCentred) {
    ShellFixture f(768, 2);
    f.main->setWindowState(Qt::WindowMaximized);
    f.level->LayOutLevelWindow();
    EXPECT_EQ(QRect(f.level->pos(), OuterSizeOf(*f.level)), QRect(128, 48, 768, 653));
}

TEST(LevelFrame, IsDrawnOnceLightAboveAndLeftDarkBelowAndRight) {
    QImage image(100, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintLevelFrame(painter, 10, 10, 90, 70, 2);
    }
    const QColor light(48, 48, 136), dark(16, 16, 56), inside(Qt::white);
    for (const auto& [x, y, colour] :
         {std::tuple{10, 40, light}, std::tuple{50, 12, light}, std::tuple{90, 40, dark},
          std::tuple{50, 68, dark}, std::tuple{50, 40, inside}, std::tuple{50, 14, inside}}) {
        EXPECT_EQ(QColor(image.pixel(x, y)), colour) << x << "," << y;
    }

    ShellFixture f(480, 1);
    f.settings.ColorScheme = 1;
    f.main->TableClick(2);  // full screen: the table command draws the frame
    const QImage first = f.level->grab().toImage();
    EXPECT_EQ(QColor(first.pixel(12, 100)), QColor(0, 0, 193));
    EXPECT_EQ(QColor(first.pixel(300, 467)), QColor(0, 0, 0));
    const QImage again = f.level->grab().toImage();  // a repaint does not draw it again
    EXPECT_NE(QColor(again.pixel(12, 100)), QColor(0, 0, 193));
}

}  // namespace
}  // namespace quorelin
