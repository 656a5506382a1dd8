// The level window: typed and pointed levels, the range warning, cancelling in every
// way, its texts and fitting, its layout and the raised frame.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "tests/shell/shell_fixture.h"

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
    Type(f, "7");
    EXPECT_FALSE(f.level->Panel1->isVisible());
    QTest::keyClick(f.level->Edit1, Qt::Key_Return);
    EXPECT_EQ(f.game.StartLevel, 7);
    EXPECT_EQ(f.level->choiceState(), LevelWindow::kChosen);
    EXPECT_TRUE(f.play.isVisible());
    EXPECT_FALSE(f.level->isVisible());
    EXPECT_FALSE(f.main->isVisible());  // a choice does not hand back to the main window
    EXPECT_TRUE(f.level->Edit1->text().isEmpty());
    f.play.hide();
}

TEST(LevelChoice, OutOfRangeAndNonNumbersWarnEmptyTheFieldAndBeep) {
    ShellFixture f;
    Open(f, 3);
    for (const char* text : {"21", "0", "ab", "-5"}) {
        Type(f, text);
        EXPECT_TRUE(f.level->Panel1->isVisible()) << text;  // on key release already
        const int beeps = f.beeps;
        if (std::string(text) == "21") {
            QTest::keyClick(f.level->Edit1, Qt::Key_Return);  // the release keeps the warning
        } else {
            f.level->BitBtn1->click();
        }
        EXPECT_EQ(f.beeps, beeps + 1) << text;
        EXPECT_TRUE(f.level->Edit1->text().isEmpty()) << text;
        EXPECT_TRUE(f.level->Panel1->isVisible()) << text;
        EXPECT_TRUE(f.level->isVisible()) << text;
        EXPECT_EQ(f.level->Panel1->text(), "Take care to choose a level between 1 and 20! ");
    }
    EXPECT_EQ(f.game.StartLevel, 0);
    EXPECT_FALSE(f.play.isVisible());
}

TEST(LevelChoice, DeletingTheTextHidesTheWarningButAcceptingAnEmptyFieldWarns) {
    ShellFixture f;
    Open(f, 3);
    Type(f, "ab");
    EXPECT_TRUE(f.level->Panel1->isVisible());
    QTest::keyClick(f.level->Edit1, Qt::Key_Backspace);
    EXPECT_TRUE(f.level->Panel1->isVisible());  // "a" is still no number
    QTest::keyClick(f.level->Edit1, Qt::Key_Backspace);
    EXPECT_FALSE(f.level->Panel1->isVisible());
    f.settings.SoundEffects = 0;
    QTest::keyClick(f.level->Edit1, Qt::Key_Enter);
    EXPECT_TRUE(f.level->Panel1->isVisible());
    EXPECT_EQ(f.beeps, 0);  // silent with sound effects off
    Type(f, "12");
    EXPECT_FALSE(f.level->Panel1->isVisible());
}

TEST(LevelChoice, TheFieldTakesTwoCharactersAndASignedNumber) {
    int value = 0;
    EXPECT_TRUE(ParseLevel("+7", value));
    EXPECT_EQ(value, 7);
    EXPECT_TRUE(ParseLevel("-9", value));
    EXPECT_EQ(value, -9);
    for (const char* text : {"", "+", "7a", " 7", "1.", "$A"}) {
        EXPECT_FALSE(ParseLevel(text, value)) << text;
    }
    ShellFixture f;
    Open(f, 3);
    Type(f, "123");
    EXPECT_EQ(f.level->Edit1->text(), "12");
}

TEST(LevelChoice, PointingAtTheFifthLevelShowsItInBlueAndAClickStartsIt) {
    ShellFixture f;
    Open(f, 3);
    Type(f, "9");
    QLabel* five = f.level->LevelLabel(5);
    EXPECT_EQ(five->objectName(), "Label500");
    QTest::mouseMove(five, QPoint(10, 4));
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 4), five->mapToGlobal(QPointF(10, 4)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(five, &move);
    EXPECT_EQ(f.level->Edit1->text(), "5");
    EXPECT_EQ(f.level->Edit1->palette().color(QPalette::Text), QColor(0, 0, 255));

    // Off the column onto the box: the field is empty and black again.
    QMouseEvent off(QEvent::MouseMove, QPointF(5, 5), f.level->Shape1->mapToGlobal(QPointF(5, 5)),
                    Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(f.level->Shape1, &off);
    EXPECT_TRUE(f.level->Edit1->text().isEmpty());
    EXPECT_EQ(f.level->Edit1->palette().color(QPalette::Text), QColor(Qt::black));

    QApplication::sendEvent(f.level->LevelLabel(5), &move);
    QTest::mouseClick(five, Qt::LeftButton, Qt::NoModifier, QPoint(10, 4));
    EXPECT_EQ(f.game.StartLevel, 5);
    EXPECT_TRUE(f.play.isVisible());
    EXPECT_FALSE(f.level->isVisible());
    EXPECT_EQ(f.level->LevelLabel(1)->geometry(), QRect(69, 204, 20, 13));
    EXPECT_EQ(f.level->LevelLabel(19)->y(), 60);
    EXPECT_EQ(f.level->LevelLabel(20)->geometry(), QRect(69, 52, 20, 9));
    f.play.hide();
}

TEST(LevelCancel, CancelEscapeAndTheXButtonHandBackToTheMainWindow) {
    for (int way = 0; way < 3; ++way) {
        ShellFixture f(600, 1);
        Open(f, 8);
        Type(f, "4");
        if (way == 0) {
            f.level->BitBtn2->click();
        } else if (way == 1) {
            QTest::keyClick(f.level->Edit1, Qt::Key_Escape);
        } else {
            ASSERT_FALSE(f.level->BitBtn5->isHidden());
            f.level->BitBtn5->click();
        }
        EXPECT_FALSE(f.level->isVisible()) << way;
        EXPECT_TRUE(f.main->isVisible()) << way;
        EXPECT_EQ(f.game.StartLevel, 0) << way;
        EXPECT_TRUE(f.level->Edit1->text().isEmpty()) << way;
        EXPECT_FALSE(f.play.isVisible()) << way;
    }
}

TEST(LevelCancel, ClickingAnotherWindowCancelsTheChoice) {
    ShellFixture f;
    f.main->show();
    f.main->TableClick(6);
    f.level->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.level.get()));
    f.game.StartLevel = 9;
    f.main->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.level->isVisible(); }));
    EXPECT_EQ(f.game.StartLevel, 0);
    EXPECT_TRUE(f.main->isVisible());
}

TEST(LevelTexts, TableSeventeenInDutch) {
    ShellFixture f(600, 2, 3);
    Open(f, 17);
    EXPECT_EQ(f.level->Label8->text(), "Tafel van 17");
    EXPECT_EQ(f.level->Label11->text(), "x 17 = ");
    EXPECT_EQ(f.level->windowTitle(), " Mirandol Tafels  Kies Niveau");
    EXPECT_EQ(f.level->Label1->text(), "Kies het niveau (1..20)");
    EXPECT_EQ(f.level->BitBtn2->text(), "Annuleren");
}

TEST(LevelTexts, LongTextsShrinkIntoTheirPlaces) {
    ShellFixture f(600, 2, 5);
    Open(f, 20);
    EXPECT_EQ(f.level->Label8->text(), "Multiplizieren mit 20");
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

TEST(LevelLayout, ControlsStandByScreenClassAndMode) {
    struct Case {
        int height, mode, language;
        QPoint entry, prompt, ok;
    };
    for (const Case c : {Case{480, 2, 5, {266, 193}, {201, 130}, {357, 334}},
                         Case{480, 1, 5, {289, 193}, {218, 130}, {389, 374}},
                         Case{600, 2, 1, {332, 263}, {276, 200}, {427, 414}},
                         Case{600, 1, 1, {352, 263}, {296, 200}, {452, 444}},
                         Case{768, 1, 1, {452, 333}, {396, 270}, {552, 514}},
                         Case{768, 2, 1, {362, 273}, {306, 210}, {452, 454}}}) {
        ShellFixture f(c.height, c.mode, c.language);
        f.level->LayOutLevelWindow();
        const std::string where = std::to_string(c.height) + "/" + std::to_string(c.mode);
        EXPECT_EQ(f.level->Edit1->pos(), c.entry) << where;
        EXPECT_EQ(f.level->Label1->pos(), c.prompt) << where;
        EXPECT_EQ(f.level->BitBtn1->pos(), c.ok) << where;
        EXPECT_EQ(f.level->BitBtn5->isHidden(), c.mode == 2) << where;
        if (c.mode == 2) {
            // A partial-screen level window takes the main window's place.
            EXPECT_EQ(f.level->pos(), f.main->pos()) << where;
            EXPECT_EQ(f.level->size(), f.main->size()) << where;
        } else {
            EXPECT_TRUE(f.level->windowState() & Qt::WindowMaximized) << where;
            EXPECT_TRUE(f.level->windowFlags() & Qt::FramelessWindowHint) << where;
        }
    }
}

TEST(LevelLayout, BesideAMaximisedMainWindowThePartialWindowIsCentred) {
    ShellFixture f(768, 2);
    f.main->setWindowState(Qt::WindowMaximized);
    f.level->LayOutLevelWindow();
    EXPECT_EQ(f.level->size(), QSize(768, 653));
    EXPECT_EQ(f.level->pos(), QPoint(128, 48));
}

TEST(LevelFrame, IsDrawnOnceLightAboveAndLeftDarkBelowAndRight) {
    QImage image(100, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintLevelFrame(painter, 10, 10, 90, 70, 2);
    }
    EXPECT_EQ(QColor(image.pixel(10, 40)), QColor(48, 48, 136));
    EXPECT_EQ(QColor(image.pixel(50, 12)), QColor(48, 48, 136));
    EXPECT_EQ(QColor(image.pixel(90, 40)), QColor(16, 16, 56));
    EXPECT_EQ(QColor(image.pixel(50, 68)), QColor(16, 16, 56));
    EXPECT_EQ(QColor(image.pixel(50, 40)), QColor(Qt::white));
    EXPECT_EQ(QColor(image.pixel(50, 14)), QColor(Qt::white));

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
