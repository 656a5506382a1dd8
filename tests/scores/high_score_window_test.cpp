// The high-score window: the rule that enters a result, the ways of leaving, and the
// places of the list per screen class and window mode. Every dialog is answered by the
// test, so nothing here is modal.
#include "scores/high_score_window.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "scores/scores_layout.h"
#include "scores/windows1252.h"
#include "tools/default_data.h"

namespace quorelin {
namespace {

namespace fs = std::filesystem;

// A list with the given scores down the ranks, names "E1".."E12" and levels 1..12.
HighScoreList MakeList(const std::vector<int>& scores) {
    HighScoreList list{};
    for (std::size_t i = 0; i < list.size(); ++i) {
        list[i].setScore(static_cast<std::uint16_t>(i < scores.size() ? scores[i] : 0));
        list[i].setNameBytes("E" + std::to_string(i + 1));
        list[i].setLevel(static_cast<std::int32_t>(i + 1));
    }
    return list;
}

std::string Name(const HighScoreEntry& entry) {
    return entry.nameBytes();
}

class HighScoreWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.Language = 1;
        settings.WindowMode = 2;
        settings.ColorScheme = 2;
        settings.ScreenHeight = 600;
        settings.ScreenWidth = 800;
        game.GameKind = 1;
        game.TableNumber = 3;
        window = std::make_unique<HighScoreWindow>(settings, game, data, [this] { ++mainShown; });
        HighScoreWindow::Dialogs dialogs;
        dialogs.askLeaveWithoutName = [this](const QString& message, bool closeRequest) {
            warnings.push_back(message);
            closeRequests.push_back(closeRequest);
            return onWarning ? onWarning() : answer;
        };
        dialogs.warnScreenChanged = [this](const QString&) { ++screenWarnings; };
        dialogs.currentScreenHeight = [this] { return screenHeight; };
        window->SetDialogs(dialogs);
    }

    void TearDown() override { window.reset(); }

    // Shows the list of `table` after a game with `score` reached in `level`.
    void ShowAfterGame(int table, int score, int level = 5) {
        game.TableNumber = table;
        game.LevelScore = score;
        game.StartLevel = level;
        window->ShowAfterGame();
    }

    void ShowBrowse(int table) {
        game.TableNumber = table;
        window->ShowBrowse();
    }

    Settings settings;
    GameState game;
    DataFile data{fs::temp_directory_path() / "quorelin-unused.dat"};
    std::unique_ptr<HighScoreWindow> window;
    int mainShown = 0;
    bool answer = true;               // Yes / OK
    std::function<bool()> onWarning;  // runs instead of `answer` when set
    std::vector<QString> warnings;
    std::vector<bool> closeRequests;
    int screenWarnings = 0;
    int screenHeight = 2000;
};

// --- The rule of the list -------------------------------------------------------------

TEST(InsertResultTest, EqualScoreDoesNotEnterAndHigherEntersAtTheTop) {
    HighScoreList list = MakeList(std::vector<int>(12, 500));
    EXPECT_EQ(InsertResult(list, 500, 3), 0);
    EXPECT_EQ(list, MakeList(std::vector<int>(12, 500)));

    EXPECT_EQ(InsertResult(list, 501, 3), 1);
    EXPECT_EQ(list[0].score(), 501);
    EXPECT_EQ(Name(list[0]), std::string(18, ' '));
    EXPECT_EQ(list[0].level(), 3);
    for (std::size_t i = 1; i < 12; ++i) {
        EXPECT_EQ(Name(list[i]), "E" + std::to_string(i)) << "rank " << i + 1;
    }
}

TEST(InsertResultTest, ResultEntersAboveTheFirstStrictlyLowerScore) {
    std::vector<int> scores;
    for (int s = 1100; s >= 0; s -= 100) {
        scores.push_back(s);
    }
    HighScoreList list = MakeList(scores);  // 1100, 1000, ..., 0
    EXPECT_EQ(InsertResult(list, 1050, 7), 2);
    EXPECT_EQ(list[0].score(), 1100);
    EXPECT_EQ(list[1].score(), 1050);
    for (std::size_t i = 2; i < 12; ++i) {
        EXPECT_EQ(Name(list[i]), "E" + std::to_string(i)) << "old rank " << i << " moved down";
    }
    EXPECT_EQ(list[11].score(), 100);  // the old rank 12 (score 0) is gone
}

TEST(InsertResultTest, ZeroAndNegativeNeverEnter) {
    HighScoreList list{};
    EXPECT_EQ(InsertResult(list, 0, 1), 0);
    EXPECT_EQ(InsertResult(list, -5, 1), 0);
}

TEST(InsertResultTest, TotalsAbove65535AreStoredSaturatedButCompareInFull) {
    HighScoreList list = MakeList({65535});
    EXPECT_EQ(InsertResult(list, 65535, 1), 2) << "equal to the top: enters below it";
    list = MakeList({65535});
    EXPECT_EQ(InsertResult(list, 70000, 1), 1) << "70000 beats a stored 65535";
    EXPECT_EQ(list[0].score(), 65535);
    EXPECT_EQ(Name(list[1]), "E1");
    EXPECT_EQ(StoredScore(65536 + 10), 65535) << "not the low 16 bits (10)";
    EXPECT_EQ(StoredScore(123), 123);
}

// --- After a game ---------------------------------------------------------------------

TEST_F(HighScoreWindowTest, QualifyingResultOpensTheNameBoxOnItsRow) {
    data.store().ReplaceList(3, MakeList(std::vector<int>(12, 500)));
    ShowAfterGame(3, 501, 6);
    ASSERT_TRUE(window->isVisible());
    EXPECT_TRUE(window->EntryPending());
    EXPECT_EQ(window->NewEntryRank(), 1);
    EXPECT_EQ(window->ListIndex(), 3);
    EXPECT_TRUE(window->NameBox->isVisible());
    EXPECT_TRUE(window->Panel1->isHidden());
    EXPECT_EQ(window->NameBox->pos(), window->Panel1->pos() + QPoint(5, 6));
    EXPECT_EQ(window->focusWidget(), window->NameBox);
    EXPECT_EQ(window->s1->text(), "501");
    EXPECT_EQ(window->n1->text(), "6");
    EXPECT_EQ(window->Panel12->text(), " E11") << "old rank 12 dropped from the view";
    // The store is untouched until the entry is confirmed.
    EXPECT_EQ(data.store().GetList(3), MakeList(std::vector<int>(12, 500)));
}

TEST_F(HighScoreWindowTest, EqualResultDoesNotEnter) {
    data.store().ReplaceList(3, MakeList(std::vector<int>(12, 500)));
    ShowAfterGame(3, 500);
    EXPECT_FALSE(window->EntryPending());
    EXPECT_FALSE(window->NameBox->isVisible());
}

TEST_F(HighScoreWindowTest, ScoreZeroNeverEntersAndOkHasTheFocus) {
    ShowAfterGame(3, 0);  // the list holds twelve zeros
    EXPECT_FALSE(window->EntryPending());
    EXPECT_FALSE(window->NameBox->isVisible());
    EXPECT_EQ(window->focusWidget(), window->BitBtn1);
}

TEST_F(HighScoreWindowTest, TypedNameIsStoredOnOk) {
    ShowAfterGame(5, 40, 2);
    QTest::keyClicks(window->NameBox, "Pietje");
    window->BitBtn1->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->EntryPending());
    EXPECT_EQ(mainShown, 1);
    const HighScoreList list = data.store().GetList(5);
    EXPECT_EQ(Name(list[0]), "Pietje");
    EXPECT_EQ(list[0].score(), 40);
    EXPECT_EQ(list[0].level(), 2);
    EXPECT_TRUE(warnings.empty());
    EXPECT_TRUE(window->NameBox->text().isEmpty());
    EXPECT_TRUE(window->NameBox->isHidden());
}

TEST_F(HighScoreWindowTest, EnterInTheNameBoxConfirms) {
    ShowAfterGame(5, 40);
    QTest::keyClicks(window->NameBox, "Ann");
    QTest::keyClick(window->NameBox, Qt::Key_Return);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Name(data.store().GetList(5)[0]), "Ann");
}

TEST_F(HighScoreWindowTest, EscapeActsAsTheXButton) {
    ShowAfterGame(5, 40);
    QTest::keyClicks(window->NameBox, "Bo");
    QTest::keyClick(window->NameBox, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Name(data.store().GetList(5)[0]), "Bo");
}

TEST_F(HighScoreWindowTest, XButtonConfirms) {
    ShowAfterGame(5, 40);
    QTest::keyClicks(window->NameBox, "Cy");
    window->BitBtn4->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Name(data.store().GetList(5)[0]), "Cy");
}

TEST_F(HighScoreWindowTest, EmptyNameWithYesStoresJanKlaasen) {
    ShowAfterGame(5, 40);
    answer = true;
    window->BitBtn1->click();
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0], "You forgot to fill in your name!  Are you sure to leave?");
    EXPECT_FALSE(closeRequests[0]) << "Yes/Cancel, not OK/Cancel";
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Name(data.store().GetList(5)[0]), "Jan Klaasen");
}

TEST_F(HighScoreWindowTest, EmptyNameWithCancelKeepsTheWindowAndTheEntry) {
    ShowAfterGame(5, 40);
    answer = false;
    window->BitBtn1->click();
    EXPECT_EQ(warnings.size(), 1u);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->EntryPending());
    EXPECT_TRUE(window->NameBox->isVisible());
    EXPECT_EQ(window->focusWidget(), window->NameBox);
    EXPECT_EQ(data.store().GetList(5)[0].score(), 0) << "nothing stored yet";
    EXPECT_EQ(mainShown, 0);
    // The player types a name after all.
    QTest::keyClicks(window->NameBox, "Dee");
    window->BitBtn1->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Name(data.store().GetList(5)[0]), "Dee");
}

TEST_F(HighScoreWindowTest, WarningInGermanUsesItsOwnText) {
    settings.Language = 5;
    ShowAfterGame(5, 40);
    answer = false;
    window->BitBtn1->click();
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0], QString::fromUtf8("Du hast vergessen, deinen Namen auszufüllen. Bist du "
                                             "sicher, daß du gehen möchtest?"));
}

TEST_F(HighScoreWindowTest, CloseRequestWithEmptyNameAsksOkCancel) {
    ShowAfterGame(5, 40);
    answer = false;
    EXPECT_FALSE(window->close());
    ASSERT_EQ(closeRequests.size(), 1u);
    EXPECT_TRUE(closeRequests[0]);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->EntryPending());

    answer = true;
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->EntryPending());
    EXPECT_EQ(Name(data.store().GetList(5)[0]), "Jan Klaasen");
    EXPECT_EQ(mainShown, 1);
}

TEST_F(HighScoreWindowTest, CloseRequestWithANameStoresItWithoutAsking) {
    ShowAfterGame(5, 40);
    QTest::keyClicks(window->NameBox, "Eve");
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(warnings.empty());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Name(data.store().GetList(5)[0]), "Eve");
}

TEST_F(HighScoreWindowTest, DeactivationStoresTheEntryAndHides) {
    ShowAfterGame(5, 40);
    QTest::keyClicks(window->NameBox, "Fay");
    window->FormDeactivate();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->EntryPending());
    EXPECT_EQ(Name(data.store().GetList(5)[0]), "Fay");
    EXPECT_EQ(mainShown, 1);
}

TEST_F(HighScoreWindowTest, AnotherProgramWindowBecomingActiveIsADeactivation) {
    ShowAfterGame(5, 40);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QWidget other;
    other.show();
    other.activateWindow();
    // QtTest's QTRY_ macros report to QtTest, not to GoogleTest: wait, then assert.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 1000));
    EXPECT_EQ(Name(data.store().GetList(5)[0]), "Jan Klaasen");
}

TEST_F(HighScoreWindowTest, TheWarningTakingTheActivationIsNoDeactivation) {
    ShowAfterGame(5, 40);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QWidget dialog;
    onWarning = [&] {
        // As a real warning dialog does: it becomes the active window.
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.hide();
        return false;  // Cancel
    };
    window->BitBtn1->click();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->EntryPending());
    EXPECT_TRUE(window->NameBox->isVisible());
    EXPECT_EQ(data.store().GetList(5)[0].score(), 0);
}

TEST_F(HighScoreWindowTest, SeventeenCharacterNameIsStoredWhole) {
    ShowAfterGame(8, 77);
    QTest::keyClicks(window->NameBox, "Abcdefghijklmnopqrs");  // 19 typed, the box takes 17
    EXPECT_EQ(window->NameBox->text(), "Abcdefghijklmnopq");
    window->BitBtn1->click();
    EXPECT_EQ(Name(data.store().GetList(8)[0]), "Abcdefghijklmnopq");
    ShowBrowse(8);
    EXPECT_EQ(window->Panel1->text(), " Abcdefghijklmnopq");
}

TEST_F(HighScoreWindowTest, NonLatinNameIsStoredWithVisibleQuestionMarks) {
    ShowAfterGame(8, 77);
    window->NameBox->setText(QString::fromUtf8("Пётр Zoë"));
    window->BitBtn1->click();
    EXPECT_EQ(Name(data.store().GetList(8)[0]), "???? Zo\xEB");
    ShowBrowse(8);
    EXPECT_EQ(window->Panel1->text(), QString::fromUtf8(" ???? Zoë"));
}

TEST_F(HighScoreWindowTest, DamagedNameLengthShowsTheTwentyStoredCharacters) {
    HighScoreList list = MakeList({10});
    list[0].setNameBytes("ABCDEFGHIJKLMNOPQRST");
    list[0].bytes()[2] = 25;  // a length past the name's capacity
    data.store().ReplaceList(11, list);
    ShowBrowse(11);
    EXPECT_EQ(window->Panel1->text(), " ABCDEFGHIJKLMNOPQRST");
}

TEST_F(HighScoreWindowTest, ResultAbove65535IsStoredAs65535) {
    data.store().ReplaceList(4, MakeList({65535, 100}));
    ShowAfterGame(4, 70000, 21);
    EXPECT_EQ(window->NewEntryRank(), 1);
    QTest::keyClicks(window->NameBox, "Max");
    window->BitBtn1->click();
    const HighScoreList list = data.store().GetList(4);
    EXPECT_EQ(list[0].score(), 65535);
    EXPECT_EQ(list[0].level(), 21);
    EXPECT_EQ(Name(list[1]), "E1");
}

TEST_F(HighScoreWindowTest, HidingShowsTheMainWindowAndEndsThePendingEntry) {
    ShowAfterGame(5, 40);
    window->hide();
    EXPECT_EQ(mainShown, 1);
    EXPECT_FALSE(window->EntryPending());
}

// --- Browse mode ----------------------------------------------------------------------

TEST_F(HighScoreWindowTest, BrowseNeverEntersAndResetsTheGameValues) {
    game.LevelScore = 9000;  // left over from a game
    game.StartLevel = 12;
    ShowBrowse(6);
    EXPECT_FALSE(window->EntryPending());
    EXPECT_FALSE(window->NameBox->isVisible());
    EXPECT_EQ(game.StartLevel, 1);
    EXPECT_EQ(game.LevelScore, 0);
    EXPECT_EQ(game.AfterGame, 0);
    EXPECT_TRUE(window->Panel15->isVisible());
}

TEST_F(HighScoreWindowTest, TableButtonSevenShowsThatListAndStays) {
    data.store().ReplaceList(7, MakeList({321}));
    ShowBrowse(2);
    window->TableButtons[6]->click();
    EXPECT_EQ(game.TableNumber, 7.0);
    EXPECT_EQ(window->ListIndex(), 7);
    EXPECT_EQ(window->TableText(), "7");
    EXPECT_EQ(window->Panel13->text(), "Multiplications with 7");
    EXPECT_EQ(window->s1->text(), "321");
    EXPECT_FALSE(window->EntryPending());
    window->BitBtn1->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(game.TableNumber, 7.0);
}

TEST_F(HighScoreWindowTest, HeadingsAndTitleFollowTheLanguage) {
    settings.Language = 3;
    ShowBrowse(12);
    EXPECT_EQ(window->windowTitle(), " Mirandol Tafels High Scores");
    EXPECT_EQ(window->Panel13->text(), "Tafel van 12");
    EXPECT_EQ(window->BitBtn1->text(), "Ok");
    settings.Language = 2;
    window->hide();
    ShowBrowse(12);
    EXPECT_EQ(window->BitBtn1->text(), "Aceptar ");
}

TEST_F(HighScoreWindowTest, SmallScreensShowTheSmallHeading) {
    settings.ScreenHeight = 480;
    settings.ScreenWidth = 640;
    settings.Language = 4;
    ShowBrowse(9);
    EXPECT_TRUE(window->Panel14->isVisible());
    EXPECT_FALSE(window->Panel13->isVisible());
    EXPECT_EQ(window->Panel14->text(), "HIGH SCORES Tafel fan 9");
}

TEST_F(HighScoreWindowTest, ShrunkenScreenIsWarnedAboutAndTheWindowStillShows) {
    screenHeight = 599;
    ShowBrowse(1);
    EXPECT_EQ(screenWarnings, 1);
    EXPECT_TRUE(window->isVisible());
    window->hide();
    screenHeight = 600;
    ShowBrowse(1);
    EXPECT_EQ(screenWarnings, 1);
}

// --- Layout ---------------------------------------------------------------------------

TEST(ScoresLayoutTest, ScoreLabelsStepLeftBySize) {
    EXPECT_EQ(ScoreLabelLeft(1, 99, 0), 294);
    EXPECT_EQ(ScoreLabelLeft(1, 100, 0), 290);
    EXPECT_EQ(ScoreLabelLeft(1, 1000, 0), 286);
    EXPECT_EQ(ScoreLabelLeft(7, 5, -30), 540);
    EXPECT_EQ(ScoreLabelLeft(12, 65535, 117), 570 - 8 + 117);
}

TEST_F(HighScoreWindowTest, ScoreLabelsOfOneColumnAreRightAlignedInSteps) {
    data.store().ReplaceList(2, MakeList({1000, 100, 99, 9, 0, 0, 5000, 500, 50}));
    ShowBrowse(2);
    const int dx = window->ScoresGridDX;
    EXPECT_EQ(window->s3->x(), 294 + dx);
    EXPECT_EQ(window->s2->x(), window->s3->x() - 4);
    EXPECT_EQ(window->s1->x(), window->s3->x() - 8);
    EXPECT_EQ(window->s4->x(), window->s3->x());
    EXPECT_EQ(window->s9->x(), 570 + dx);
    EXPECT_EQ(window->s8->x(), 566 + dx);
    EXPECT_EQ(window->s7->x(), 562 + dx);
}

struct GridCase {
    int screenHeight;
    int screenWidth;
    int windowMode;
    int dx;
    int dy;
};

TEST_F(HighScoreWindowTest, ListGridMovesByTheOffsetOfEachClassAndMode) {
    const GridCase cases[] = {{600, 800, 1, 0, 0},     {600, 800, 2, -30, -35},
                              {768, 1024, 1, 117, 45}, {768, 1024, 2, -10, 0},
                              {480, 640, 1, -85, -70}, {480, 640, 2, -100, -120}};
    for (const GridCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.screenHeight << " mode " << c.windowMode);
        EXPECT_EQ(ScoresGridOffset(c.screenHeight, c.windowMode), (GridOffset{c.dx, c.dy}));
        settings.ScreenHeight = c.screenHeight;
        settings.ScreenWidth = c.screenWidth;
        settings.WindowMode = static_cast<std::uint8_t>(c.windowMode);
        ShowBrowse(1);
        EXPECT_EQ(window->ScoresGridDX, c.dx);
        EXPECT_EQ(window->ScoresGridDY, c.dy);
        EXPECT_EQ(window->Label1->pos(), QPoint(286 + c.dx, 200 + c.dy));
        EXPECT_EQ(window->Label4->pos(), QPoint(605 + c.dx, 200 + c.dy));
        EXPECT_EQ(window->Statictext1->pos(), QPoint(156 + c.dx, 226 + c.dy));
        EXPECT_EQ(window->statictext9->pos(), QPoint(436 + c.dx, 226 + 80 + c.dy));
        EXPECT_EQ(window->statictext12->pos(), QPoint(432 + c.dx, 226 + 200 + c.dy));
        EXPECT_EQ(window->Panel6->pos(), QPoint(166 + c.dx, 220 + 200 + c.dy));
        EXPECT_EQ(window->Panel7->pos(), QPoint(446 + c.dx, 220 + c.dy));
        EXPECT_EQ(window->s1->pos(), QPoint(294 + c.dx, 226 + c.dy));
        EXPECT_EQ(window->n12->pos(), QPoint(614 + c.dx, 226 + 200 + c.dy));
        window->hide();
    }
}

TEST(ScoresLayoutTest, PartialScreenWindowSizes) {
    Settings s;
    s.WindowMode = 2;
    s.ScreenHeight = 480;
    s.ScreenWidth = 640;
    EXPECT_EQ(ComputeScoresWindowGeometry(s), (ScoresWindowGeometry{16, 14, 608, 432, false}));
    s.ScreenHeight = 600;
    s.ScreenWidth = 800;
    EXPECT_EQ(ComputeScoresWindowGeometry(s), (ScoresWindowGeometry{20, 20, 760, 540, false}));
    s.ScreenHeight = 768;
    s.ScreenWidth = 1024;
    EXPECT_EQ(ComputeScoresWindowGeometry(s), (ScoresWindowGeometry{118, 48, 788, 653, false}));
    s.WindowMode = 1;
    EXPECT_EQ(ComputeScoresWindowGeometry(s), (ScoresWindowGeometry{0, 0, 1024, 768, true}));
}

TEST_F(HighScoreWindowTest, FullScreen600PutsOkAndBarInTheirPlaces) {
    settings.WindowMode = 1;
    ShowBrowse(1);
    EXPECT_EQ(window->BitBtn1->pos(), QPoint(684, 500));
    EXPECT_EQ(window->Panel15->y(), 500 + window->BitBtn1->height() + 27);
    EXPECT_TRUE(window->BitBtn4->isVisible());
    EXPECT_EQ(window->Image10->pos(), QPoint(132, 176));
    window->hide();
    ShowAfterGame(1, 0);
    EXPECT_EQ(window->BitBtn1->pos(), QPoint(684, 500));
    EXPECT_FALSE(window->Panel15->isVisible());
    EXPECT_EQ(window->Panel13->y(), 176 + 297 + 18);
    EXPECT_EQ(window->Panel13->height(), 60);
}

TEST_F(HighScoreWindowTest, SmallScreenBrowseMovesTheLastTwoButtonsToASecondRow) {
    settings.ScreenHeight = 480;
    settings.ScreenWidth = 640;
    settings.WindowMode = 2;
    ShowBrowse(1);
    QPushButton* b18 = window->TableButtons[17];
    EXPECT_EQ(b18->height(), 22);
    EXPECT_EQ(window->TableButtons[18]->pos(), QPoint(300, b18->y() + 22));
    EXPECT_EQ(window->TableButtons[19]->pos(),
              QPoint(300 + window->TableButtons[18]->width(), b18->y() + 22));
    EXPECT_EQ(window->Panel15->geometry().topLeft(), QPoint(10, 56 + 297 + 2));
    EXPECT_EQ(window->Panel15->height(), 51);
    EXPECT_EQ(window->BitBtn1->geometry(), QRect(608 - 25 - 77, 370, 77, kOkDesignHeight));
    EXPECT_EQ(window->BitBtn1->text(), "Ok");
    EXPECT_FALSE(
        window->BitBtn1->geometry().intersects(b18->geometry().translated(window->Panel15->pos())));

    window->hide();
    settings.WindowMode = 1;
    settings.Language = 2;
    ShowBrowse(1);
    EXPECT_EQ(window->BitBtn1->geometry(), QRect(640 - 15 - 35, 370, 35, kOkDesignHeight));
    EXPECT_TRUE(window->BitBtn1->text().isEmpty());
    window->hide();
    ShowAfterGame(1, 0);
    EXPECT_EQ(window->BitBtn1->geometry(), QRect(505, 420, 77, kOkDesignHeight));
    EXPECT_EQ(window->BitBtn1->text(), "Aceptar ");
}

TEST_F(HighScoreWindowTest, LongHeadingIsFittedIntoItsPanel) {
    settings.ScreenHeight = 768;
    settings.ScreenWidth = 1024;
    settings.WindowMode = 1;
    ShowBrowse(20);  // 33 pixels: "Multiplications with 20"
    const QFontMetrics metrics(window->Panel13->font());
    EXPECT_LE(window->Panel13->font().pixelSize(), 33);
    EXPECT_LE(metrics.horizontalAdvance(window->Panel13->text()), window->Panel13->width() - 4);
}

TEST(HeadingFitTest, OnlyHeadingsWiderThan220AreShrunkUntilTheyFit) {
    QFont font("VAG Rounded Thin");
    font.setBold(true);
    font.setPixelSize(33);
    const QString text = "Multiplications with 20";
    ASSERT_GT(QFontMetrics(font).horizontalAdvance(text), 300);

    const int fitted = FitHeadingFontSize(font, text, 300);
    QFont result = font;
    result.setPixelSize(fitted);
    EXPECT_LT(fitted, 33);
    EXPECT_LE(QFontMetrics(result).horizontalAdvance(text), 296);
    result.setPixelSize(fitted + 1);
    EXPECT_GT(QFontMetrics(result).horizontalAdvance(text), 296) << "lowered one at a time";

    // Four pixels of margin: a text 2 pixels narrower than the heading still shrinks.
    QFont at30 = font;
    at30.setPixelSize(30);
    const int width30 = QFontMetrics(at30).horizontalAdvance(text);
    EXPECT_EQ(FitHeadingFontSize(font, text, width30 + 4), 30);
    EXPECT_EQ(FitHeadingFontSize(font, text, width30 + 2), 29);

    EXPECT_EQ(FitHeadingFontSize(font, text, 1000), 33) << "fits already";
    EXPECT_EQ(FitHeadingFontSize(font, text, 10), 3) << "at most 30 steps";
    EXPECT_EQ(FitHeadingFontSize(font, "Tabla del 7", 10), 33) << "220 or narrower: untouched";
}

TEST(ListAreaPictureTest, BevelsUseTheShadowColourOfTheScheme) {
    for (int scheme : {1, 2}) {
        SCOPED_TRACE(scheme);
        const QImage area = PaintListArea(scheme);
        const QColor shadow = scheme == 1 ? QColor(0, 0, 0) : QColor(80, 0, 0);
        ASSERT_EQ(area.size(), QSize(535, 297));
        EXPECT_EQ(area.pixelColor(100, 1), QColor(255, 0, 0)) << "outer top: raised";
        EXPECT_EQ(area.pixelColor(1, 100), QColor(255, 0, 0));
        EXPECT_EQ(area.pixelColor(100, 295), shadow) << "outer bottom";
        EXPECT_EQ(area.pixelColor(533, 100), shadow);
        EXPECT_EQ(area.pixelColor(100, 16), shadow) << "box top: sunken";
        EXPECT_EQ(area.pixelColor(13, 100), shadow);
        EXPECT_EQ(area.pixelColor(100, 279), QColor(255, 0, 0)) << "box bottom";
        EXPECT_EQ(area.pixelColor(520, 100), QColor(255, 0, 0));
        EXPECT_EQ(area.pixelColor(293, 100), shadow) << "right box left edge";
        EXPECT_EQ(area.pixelColor(100, 100), QColor(128, 0, 0));
        EXPECT_EQ(area.pixelColor(266, 100), QColor(128, 0, 0)) << "between the boxes";
    }
}

TEST_F(HighScoreWindowTest, NameBoxColourFollowsTheScheme) {
    settings.ColorScheme = 1;
    ShowAfterGame(5, 40);
    EXPECT_EQ(window->NameBox->palette().color(QPalette::Base), QColor(128, 0, 0));
    window->hide();
    settings.ColorScheme = 2;
    ShowAfterGame(5, 40);
    EXPECT_EQ(window->NameBox->palette().color(QPalette::Base), QColor(144, 0, 0));
    EXPECT_EQ(window->NameBox->palette().color(QPalette::Text), QColor(255, 255, 0));
}

// --- Into the data file ---------------------------------------------------------------

class HighScoreSaveTest : public HighScoreWindowTest {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("quorelin-hs-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        const DataRecord record = DefaultDataRecord();
        std::ofstream(dir_ / kDataFileName, std::ios::binary)
            .write(reinterpret_cast<const char*>(record.data()),
                   static_cast<std::streamsize>(record.size()));
        data = DataFile(dir_ / kDataFileName);
        Settings loaded;
        ASSERT_TRUE(data.LoadDataFile(loaded).ok);
        HighScoreWindowTest::SetUp();
    }
    void TearDown() override {
        HighScoreWindowTest::TearDown();
        fs::remove_all(dir_);
    }
    std::vector<std::uint8_t> Bytes() const {
        std::ifstream in(dir_ / kDataFileName, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    fs::path dir_;
};

TEST_F(HighScoreSaveTest, StoredEntryReachesItsTableInTheFileAndNowhereElse) {
    const std::vector<std::uint8_t> before = Bytes();
    ASSERT_EQ(before.size(), kRecordSize);
    HighScoreList expected = data.store().GetList(17);
    const int rank = InsertResult(expected, 60000, 14);
    ASSERT_GE(rank, 1);
    expected[static_cast<std::size_t>(rank - 1)].setNameBytes("Zo\xEB");

    ShowAfterGame(17, 60000, 14);
    window->NameBox->setText(QString::fromUtf8("Zoë"));
    window->BitBtn1->click();
    ASSERT_TRUE(data.SaveDataFile(settings).ok);

    const std::vector<std::uint8_t> after = Bytes();
    ASSERT_EQ(after.size(), kRecordSize);
    const std::size_t from = ListOffset(17);
    for (std::size_t i = 5; i < kRecordSize; ++i) {
        if (i >= from && i < from + kListSize) {
            const auto& entry = expected[(i - from) / kEntrySize];
            EXPECT_EQ(after[i], entry.bytes()[(i - from) % kEntrySize]) << "offset " << i;
        } else {
            EXPECT_EQ(after[i], before[i]) << "offset " << i << " outside table 17 changed";
        }
    }
    // The new entry's bytes, little-endian: 60000 = 0xEA60.
    const std::size_t at = from + kEntrySize * static_cast<std::size_t>(rank - 1);
    EXPECT_EQ(after[at], 0x60);
    EXPECT_EQ(after[at + 1], 0xEA);
    EXPECT_EQ(after[at + 2], 3);
    EXPECT_EQ(after[at + 5], 0xEB);
    EXPECT_EQ(after[at + 24], 14);
}

TEST_F(HighScoreSaveTest, CancelledOrBrowsedListsLeaveTheFileAsItWas) {
    const std::vector<std::uint8_t> before = Bytes();
    ShowBrowse(3);
    window->TableButtons[16]->click();
    window->BitBtn1->click();
    ASSERT_TRUE(data.SaveDataFile(settings).ok);
    const std::vector<std::uint8_t> after = Bytes();
    EXPECT_TRUE(std::equal(before.begin() + 5, before.end(), after.begin() + 5));
}

}  // namespace
}  // namespace quorelin
