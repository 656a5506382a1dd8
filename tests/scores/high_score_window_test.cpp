// The high-score window: the name box, the focus, the warnings, the ways of leaving, and
// the places of the list per screen class and window mode. The list rule itself is
// tested in tests/store. Every dialog is answered by the test, so nothing here is modal.
#include "scores/high_score_window.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string_view>
#include <vector>

#include "scores/scores_layout.h"
#include "tests/store/sample_list.h"
#include "tests/support/case_names.h"

namespace quorelin {
namespace {

namespace fs = std::filesystem;

using testing::MakeList;

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
        // Every stored entry is saved at once: each test saves into a folder of its own.
        std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(test.begin(), test.end(), '/', '_');
        dir =
            fs::temp_directory_path() / ("quorelin-hs-" + std::to_string(::getpid()) + "-" + test);
        fs::remove_all(dir);
        fs::create_directories(dir);
        data = DataFile(dir / kDataFileName);
        window = std::make_unique<HighScoreWindow>(settings, game, data);
        QObject::connect(window.get(), &HighScoreWindow::hidden, [this] { ++mainShown; });
        HighScoreWindow::Dialogs dialogs;
        dialogs.askLeaveWithoutName = [this](const QString& message, bool closeRequest) {
            warnings.push_back(message);
            closeRequests.push_back(closeRequest);
            return onWarning ? onWarning() : answer;
        };
        dialogs.warnScreenChanged = [this](const QString&) { ++screenWarnings; };
        dialogs.currentScreenHeight = [this] { return screenHeight; };
        dialogs.reportSaveError = [this](const QString& message) { saveErrors.push_back(message); };
        window->SetDialogs(dialogs);
    }
    void TearDown() override {
        window.reset();
        fs::remove_all(dir);
    }

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

    std::string StoredName(int table, int rank = 1) {
        return data.store().GetList(table)[static_cast<std::size_t>(rank - 1)].nameBytes();
    }
    // The list of `table` as the data file on disk holds it now.
    HighScoreList ListInTheFile(int table) {
        DataFile reread(data.path());
        Settings unused;
        EXPECT_TRUE(reread.LoadDataFile(unused).ok);
        return reread.store().GetList(table);
    }

    Settings settings;
    GameState game;
    fs::path dir;
    DataFile data;
    std::unique_ptr<HighScoreWindow> window;
    int mainShown = 0;
    bool answer = true;               // Yes / OK
    std::function<bool()> onWarning;  // runs instead of `answer` when set
    std::vector<QString> warnings;
    std::vector<bool> closeRequests;
    std::vector<QString> saveErrors;
    int screenWarnings = 0;
    int screenHeight = 2000;
};

// --- After a game ---------------------------------------------------------------------

TEST_F(HighScoreWindowTest, ZeroNeverEntersAQualifyingResultOpensTheNameBoxOnItsRow) {
    ShowAfterGame(2, 0);  // the list holds twelve zeros
    EXPECT_FALSE(window->EntryPending());
    EXPECT_FALSE(window->NameBox->isVisible());
    EXPECT_EQ(window->focusWidget(), window->BitBtn1);
    window->hide();

    data.store().ReplaceList(3, MakeList(std::vector<int>(12, 500)));
    ShowAfterGame(3, 501, 6);
    ASSERT_TRUE(window->isVisible());
    EXPECT_TRUE(window->EntryPending());
    EXPECT_TRUE(window->NameBox->isVisible());
    EXPECT_TRUE(window->Panel1->isHidden());
    EXPECT_EQ(window->NameBox->pos(), window->Panel1->pos() + QPoint(5, 6));
    EXPECT_EQ(window->focusWidget(), window->NameBox);
    EXPECT_EQ(window->s1->text(), "501");
    EXPECT_EQ(window->n1->text(), "6");
    EXPECT_EQ(window->Panel12->text(), " E11") << "old rank 12 dropped from the view";
    // A plain hide drops the entry unstored.
    window->hide();
    EXPECT_EQ(mainShown, 2);
    EXPECT_FALSE(window->EntryPending());
    EXPECT_EQ(data.store().GetList(3), MakeList(std::vector<int>(12, 500)));
}

TEST_F(HighScoreWindowTest, EveryWayOfLeavingStoresAndSavesTheTypedNameAndEmptiesTheBox) {
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"OK", [&] { window->BitBtn1->click(); }},
        {"Enter", [&] { QTest::keyClick(window->NameBox, Qt::Key_Return); }},
        {"Escape", [&] { QTest::keyClick(window->NameBox, Qt::Key_Escape); }},
        {"X", [&] { window->BitBtn4->click(); }},
        {"close", [&] { EXPECT_TRUE(window->close()); }},
        {"deactivate", [&] { window->FormDeactivate(); }},
    };
    int table = 5;
    for (const auto& [way, leave] : ways) {
        SCOPED_TRACE(way);
        mainShown = 0;
        ShowAfterGame(table, 40, 2);
        QTest::keyClicks(window->NameBox, "Pietje");
        leave();
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(window->EntryPending());
        EXPECT_EQ(mainShown, 1);
        const HighScoreEntry stored = data.store().GetList(table)[0];
        EXPECT_EQ(stored.nameBytes(), "Pietje");
        EXPECT_EQ(stored.score(), 40);
        EXPECT_EQ(stored.level(), 2);
        // Saved the moment it was stored, not when the program ends.
        EXPECT_EQ(ListInTheFile(table)[0], stored);
        // The next child must not find this name waiting in the box.
        EXPECT_TRUE(window->NameBox->isHidden());
        EXPECT_TRUE(window->NameBox->text().isEmpty());
        ++table;
    }
    EXPECT_TRUE(warnings.empty());
    EXPECT_TRUE(saveErrors.empty());
}

TEST_F(HighScoreWindowTest, AFailedSaveOfAStoredEntryIsReportedAndChangesNothingElse) {
    data = DataFile(fs::path("/nonexistent-quorelin-folder") / kDataFileName);
    ShowAfterGame(9, 55, 4);
    QTest::keyClicks(window->NameBox, "Femke");
    window->BitBtn1->click();
    ASSERT_EQ(saveErrors.size(), 1u);
    EXPECT_TRUE(saveErrors[0].contains("nonexistent-quorelin-folder"))
        << saveErrors[0].toStdString();
    // The window was left as always, and the entry waits in the store for the next save.
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(mainShown, 1);
    EXPECT_EQ(StoredName(9), "Femke");
    EXPECT_EQ(data.store().GetList(9)[0].score(), 55);
}

TEST_F(HighScoreWindowTest, EmptyNameAsksCancelKeepsTheEntryAndYesStoresJanKlaasen) {
    // OK asks Yes/Cancel; a close request asks OK/Cancel.
    for (const bool closeRequest : {false, true}) {
        SCOPED_TRACE(closeRequest ? "close" : "OK");
        const int table = closeRequest ? 6 : 5;
        const auto leave = [&](bool leaves) {
            if (closeRequest) {
                EXPECT_EQ(window->close(), leaves);
            } else {
                window->BitBtn1->click();
            }
        };
        warnings.clear();
        closeRequests.clear();
        mainShown = 0;
        ShowAfterGame(table, 40);
        answer = false;
        leave(false);
        ASSERT_EQ(warnings.size(), 1u);
        EXPECT_EQ(warnings[0], "You forgot to fill in your name!  Are you sure to leave?");
        EXPECT_EQ(closeRequests[0], closeRequest);
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(window->EntryPending());
        EXPECT_TRUE(window->NameBox->isVisible());
        EXPECT_EQ(window->focusWidget(), window->NameBox);
        EXPECT_EQ(data.store().GetList(table)[0].score(), 0) << "nothing stored yet";
        EXPECT_EQ(mainShown, 0);

        answer = true;
        leave(true);
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(window->EntryPending());
        EXPECT_EQ(StoredName(table), "Jan Klaasen");
        EXPECT_EQ(mainShown, 1);
    }
}

TEST_F(HighScoreWindowTest, TheWarningIsNoDeactivationButAnotherWindowTakingOverIs) {
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

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QWidget other;
    other.show();
    other.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 1000));
    EXPECT_EQ(StoredName(5), "Jan Klaasen");
    EXPECT_EQ(warnings.size(), 1u) << "a deactivation does not ask";
}

TEST_F(HighScoreWindowTest, TheBoxTakesSeventeenCharactersAndNamesShowAgainAsTyped) {
    struct Case {
        const char* typed;  // UTF-8
        std::string stored;
        const char* shown;  // UTF-8
    } const cases[] = {{"Abcdefghijklmnopqrs", "Abcdefghijklmnopq", " Abcdefghijklmnopq"},
                       {"Zoë", "Zo\xEB", " Zoë"},
                       {"<b>Piet</b>", "<b>Piet</b>", " <b>Piet</b>"},
                       {"a&amp;b <i>", "a&amp;b <i>", " a&amp;b <i>"}};
    int table = 8;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ShowAfterGame(table, 77);
        window->NameBox->setText(QString::fromUtf8(c.typed));
        window->BitBtn1->click();
        EXPECT_EQ(StoredName(table), c.stored);
        ShowBrowse(table);
        const QString shown = QString::fromUtf8(c.shown);
        EXPECT_EQ(window->Panel1->text(), shown);
        // Drawn as text: the label needs the width of every character, markup included.
        EXPECT_GE(window->Panel1->sizeHint().width(),
                  QFontMetrics(window->Panel1->font()).horizontalAdvance(shown));
        window->hide();
        ++table;
    }
}

// --- Browse mode ----------------------------------------------------------------------

TEST_F(HighScoreWindowTest, BrowseNeverEntersAndTableButtonSevenShowsThatListAndStays) {
    data.store().ReplaceList(7, MakeList({321}));
    HighScoreList damaged = MakeList({10});
    damaged[0].setNameBytes("ABCDEFGHIJKLMNOPQRST");
    damaged[0].bytes()[2] = 25;  // a length past the name's capacity
    data.store().ReplaceList(6, damaged);
    game.LevelScore = 9000;  // left over from a game
    game.StartLevel = 12;
    ShowBrowse(6);
    EXPECT_EQ(window->Panel1->text(), " ABCDEFGHIJKLMNOPQRST") << "the twenty stored characters";
    EXPECT_FALSE(window->EntryPending());
    EXPECT_FALSE(window->NameBox->isVisible());
    EXPECT_EQ(game.StartLevel, 1);
    EXPECT_EQ(game.LevelScore, 0);
    EXPECT_EQ(game.AfterGame, 0);
    EXPECT_TRUE(window->Panel15->isVisible());

    window->TableButtons[6]->click();
    EXPECT_EQ(game.TableNumber, 7.0);
    EXPECT_EQ(window->ListIndex(), 7);
    EXPECT_EQ(window->Panel13->text(), "Multiplications with 7");
    EXPECT_EQ(window->s1->text(), "321");
    EXPECT_FALSE(window->EntryPending());
    window->BitBtn1->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(game.TableNumber, 7.0);
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

struct LayoutCase {
    ScreenCase screen;
    int dx, dy;
    ScoresWindowGeometry geometry;
};
const LayoutCase kLayoutCases[] = {
    {ScreenCase::Class480Full, -85, -70, {0, 0, 640, 480, true}},
    {ScreenCase::Class480Partial, -100, -120, {16, 14, 608, 432, false}},
    {ScreenCase::Class600Full, 0, 0, {0, 0, 800, 600, true}},
    {ScreenCase::Class600Partial, -30, -35, {20, 20, 760, 540, false}},
    {ScreenCase::Class768Full, 117, 45, {0, 0, 1024, 768, true}},
    {ScreenCase::Class768Partial, -10, 0, {118, 48, 788, 653, false}}};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << ScreenCaseName(c.screen);
}

class HighScoreWindowLayout : public HighScoreWindowTest,
                              public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(HighScoreWindowLayout, WindowGridAndHeadingsOfTheClassAndMode) {
    const LayoutCase& c = GetParam();
    settings.ScreenHeight = ScreenHeightOf(c.screen);
    settings.ScreenWidth = ScreenWidthOf(c.screen);
    settings.WindowMode = static_cast<std::uint8_t>(WindowModeOf(c.screen));
    EXPECT_EQ(ComputeScoresWindowGeometry(settings), c.geometry);
    data.store().ReplaceList(20, MakeList({1000, 100, 99, 9, 0, 0, 5000, 500, 50}));
    ShowBrowse(20);
    EXPECT_EQ(window->ScoresGridDX, c.dx);
    EXPECT_EQ(window->ScoresGridDY, c.dy);
    // Rows 40 pixels apart; score labels 4 pixels left above 99 and 8 above 999.
    const std::pair<QWidget*, QPoint> places[] = {
        {window->Label1, {286, 200}},       {window->Label4, {605, 200}},
        {window->Statictext1, {156, 226}},  {window->statictext9, {436, 306}},
        {window->statictext12, {432, 426}}, {window->Panel6, {166, 420}},
        {window->Panel7, {446, 220}},       {window->s1, {286, 226}},
        {window->s2, {290, 266}},           {window->s3, {294, 306}},
        {window->s4, {294, 346}},           {window->s7, {562, 226}},
        {window->s8, {566, 266}},           {window->s9, {570, 306}},
        {window->n12, {614, 426}}};
    for (const auto& [control, place] : places) {
        EXPECT_EQ(control->pos(), place + QPoint(c.dx, c.dy))
            << control->objectName().toStdString();
    }
    // Small screens show the small heading; elsewhere the big one is fitted.
    const bool small = settings.ScreenHeight == 480;
    EXPECT_EQ(window->Panel14->isVisible(), small);
    EXPECT_EQ(window->Panel13->isVisible(), !small);
    EXPECT_EQ(window->Panel14->text(), "HIGH SCORES Tables x 20");
    const int headingWidth =
        QFontMetrics(window->Panel13->font()).horizontalAdvance(window->Panel13->text());
    EXPECT_TRUE(small || headingWidth <= window->Panel13->width() - 4) << headingWidth;
}

INSTANTIATE_TEST_SUITE_P(EveryClassAndMode, HighScoreWindowLayout,
                         ::testing::ValuesIn(kLayoutCases),
                         [](const auto& info) { return testing::CaseName(info.param.screen); });

TEST_F(HighScoreWindowTest, EachModePutsOkTheTableBarAndTheHeadingInTheirPlaces) {
    struct Case {
        ScreenCase screen;
        int language;
        bool afterGame;
        QRect ok;
        const char* caption;
    } const cases[] = {{ScreenCase::Class600Full, 1, false, {684, 500, 77, 30}, "Ok"},
                       {ScreenCase::Class600Full, 1, true, {684, 500, 77, 30}, "Ok"},
                       {ScreenCase::Class480Partial, 1, false, {608 - 25 - 77, 370, 77, 30}, "Ok"},
                       {ScreenCase::Class480Full, 2, false, {640 - 15 - 35, 370, 35, 30}, ""},
                       {ScreenCase::Class480Full, 2, true, {505, 420, 77, 30}, "Aceptar "}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << testing::CaseName(c.screen, c.language)
                                          << (c.afterGame ? " after a game" : " browse"));
        settings.ScreenHeight = ScreenHeightOf(c.screen);
        settings.ScreenWidth = ScreenWidthOf(c.screen);
        settings.WindowMode = static_cast<std::uint8_t>(WindowModeOf(c.screen));
        settings.Language = static_cast<std::uint8_t>(c.language);
        c.afterGame ? ShowAfterGame(1, 0) : ShowBrowse(1);
        EXPECT_EQ(window->BitBtn1->geometry(), c.ok);
        EXPECT_EQ(window->BitBtn1->text(), c.caption);
        EXPECT_EQ(window->Panel15->isVisible(), !c.afterGame);
        EXPECT_EQ(window->BitBtn4->isVisible(), settings.WindowMode == 1);
        QPushButton* b18 = window->TableButtons[17];
        if (c.screen == ScreenCase::Class600Full && c.afterGame) {
            EXPECT_EQ(window->Panel13->y(), 176 + 297 + 18);
            EXPECT_EQ(window->Panel13->height(), 60);
        } else if (c.screen == ScreenCase::Class600Full) {
            EXPECT_EQ(window->Panel15->y(), 500 + 30 + 27);
            EXPECT_EQ(window->Image10->pos(), QPoint(132, 176));
        } else if (c.screen == ScreenCase::Class480Partial) {
            // The last two table buttons move to a second row, clear of OK.
            EXPECT_EQ(b18->height(), 22);
            EXPECT_EQ(window->TableButtons[18]->pos(), QPoint(300, b18->y() + 22));
            EXPECT_EQ(window->TableButtons[19]->pos(),
                      QPoint(300 + window->TableButtons[18]->width(), b18->y() + 22));
            EXPECT_EQ(window->Panel15->geometry(),
                      QRect(10, 56 + 297 + 2, window->Panel15->width(), 51));
            EXPECT_FALSE(window->BitBtn1->geometry().intersects(
                b18->geometry().translated(window->Panel15->pos())));
        }
        window->hide();
    }
}

TEST(HeadingFitTest, OnlyHeadingsWiderThan220AreShrunkUntilTheyFit) {
    QFont font("VAG Rounded Thin");
    font.setBold(true);
    font.setPixelSize(33);
    const QString text = "Multiplications with 20";
    const auto widthAt = [&](int pixels) {
        QFont sized = font;
        sized.setPixelSize(pixels);
        return QFontMetrics(sized).horizontalAdvance(text);
    };
    ASSERT_GT(widthAt(30), 220);
    EXPECT_EQ(FitHeadingFontSize(font, text, widthAt(33) + 4), 33) << "fits already";
    EXPECT_EQ(FitHeadingFontSize(font, text, widthAt(30) + 4), 30) << "four pixels of margin";
    EXPECT_EQ(FitHeadingFontSize(font, text, widthAt(30) + 2), 29) << "lowered one at a time";
    EXPECT_EQ(FitHeadingFontSize(font, text, 10), 3) << "at most 30 steps";
    EXPECT_EQ(FitHeadingFontSize(font, "Tabla del 7", 10), 33) << "220 or narrower: untouched";
}

}  // namespace
}  // namespace quorelin
