// The high-score window among the windows it is wired to: the name box, the warnings, the
// ways of leaving, and the list's places per screen case; the test answers every dialog.
#include "scores/high_score_window.h"

#include <gtest/gtest.h>

#include <QTest>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "scores/scores_layout.h"
#include "tests/store/sample_list.h"
#include "tests/support/case_names.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_fixture.h"

namespace quorelin {
namespace {

using testing::MakeList;

// Every window as the program wires them, on a 600-line screen in partial screen; the
// data file lies in a folder of the test's own, since every stored entry is saved.
class HighScoreWindowTest : public ::testing::Test {
protected:
    HighScoreWindowTest() {
        shell.dataFile = DataFile(folder / kDataFileName);
        HighScoreWindow::Dialogs dialogs;
        dialogs.askLeaveWithoutName = [this](const QString& message, bool closeRequest) {
            warnings.push_back((closeRequest ? "close: " : "") + message);
            return onWarning ? onWarning() : answer;
        };
        dialogs.warnScreenChanged = [this](const QString&) { ++screenWarnings; };
        dialogs.currentScreenHeight = [this] { return screenHeight; };
        dialogs.reportSaveError = [this](const QString& message) { saveErrors.push_back(message); };
        window.SetDialogs(dialogs);
    }

    // Shows the list of `table` after a game that ended with `score` in level 5, or in
    // browse mode. What the windows did before has settled, as it has when a player acts.
    void Show(int table, std::optional<int> score) {
        QCoreApplication::processEvents();
        shell.game.TableNumber = table;
        shell.game.LevelScore = score.value_or(9000);  // browsing must ignore a left-over
        shell.game.StartLevel = 5;
        score ? window.ShowAfterGame() : window.ShowBrowse();
    }
    HighScoreEntry Stored(int table) { return shell.dataFile.store().GetList(table)[0]; }

    testing::TempFolder folder{"scores"};
    testing::ShellFixture shell;
    HighScoreWindow& window = shell.scores();
    bool answer = true;               // Yes / OK
    std::function<bool()> onWarning;  // runs instead of `answer` when set
    std::vector<QString> warnings;    // "close: " first for a close request
    std::vector<QString> saveErrors;
    int screenWarnings = 0;
    int screenHeight = 2000;
};

TEST_F(HighScoreWindowTest, TheBoxOpensOnTheNewRowAndEveryWayOfLeavingStoresAndSavesTheName) {
    Show(4, 0);  // a result of 0 never enters, not even a list of zeros
    EXPECT_FALSE(window.NameBox->isVisible());
    EXPECT_EQ(window.focusWidget(), window.BitBtn1);
    window.hide();
    const struct {
        const char* way;
        const char* typed;  // UTF-8; the box takes 17 characters
        std::string stored;
        std::function<void()> leave;
    } ways[] = {
        {"OK", "Pietje", "Pietje", [&] { window.BitBtn1->click(); }},
        {"Enter", "Abcdefghijklmnopqrs", "Abcdefghijklmnopq",
         [&] { QTest::keyClick(window.NameBox, Qt::Key_Return); }},
        {"Escape", "Zoë", "Zo\xEB", [&] { QTest::keyClick(window.NameBox, Qt::Key_Escape); }},
        {"X", "Pietje", "Pietje", [&] { window.BitBtn4->click(); }},
        {"close", "Pietje", "Pietje", [&] { EXPECT_TRUE(window.close()); }},
        {"deactivate", "Pietje", "Pietje", [&] { window.FormDeactivate(); }},
    };
    int table = 5;
    for (const auto& w : ways) {
        SCOPED_TRACE(w.way);
        shell.main->hide();
        Show(table, 40);
        EXPECT_TRUE(window.Panel1->isHidden());
        EXPECT_EQ(window.NameBox->pos(), window.Panel1->pos() + QPoint(5, 6));
        EXPECT_EQ(window.focusWidget(), window.NameBox);
        window.NameBox->setText(QString::fromUtf8(w.typed));
        w.leave();
        EXPECT_TRUE(!window.isVisible() && shell.main->isVisible()) << "back to the main window";
        EXPECT_EQ(Stored(table).nameBytes(), w.stored);
        DataFile reread(shell.dataFile.path());  // saved at once, not at the program's end
        ASSERT_TRUE(reread.LoadDataFile(shell.settings).ok);
        EXPECT_EQ(reread.store().GetList(table)[0], Stored(table));
        // The next child must not find this name waiting in the box.
        EXPECT_TRUE(window.NameBox->isHidden() && window.NameBox->text().isEmpty());
        ++table;
    }
    EXPECT_TRUE(warnings.empty() && saveErrors.empty());
    Show(table, 40);
    window.hide();  // a plain hide drops the entry unstored
    EXPECT_EQ(Stored(table).score(), 0);

    // A save that fails is reported; the entry waits in the store for the next save.
    shell.dataFile = DataFile(folder / "gone" / kDataFileName);
    shell.main->hide();
    Show(table, 55);
    QTest::keyClicks(window.NameBox, "Femke");
    window.BitBtn1->click();
    ASSERT_EQ(saveErrors.size(), 1u);
    EXPECT_TRUE(saveErrors[0].contains("gone")) << saveErrors[0].toStdString();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(Stored(table).nameBytes(), "Femke");
}

// Only a heading wider than 220 pixels is fitted: a narrower one keeps its size, however
// narrow its place.
TEST(HeadingFit, AHeadingOf220PixelsOrLessKeepsItsSize) {
    QFont font("Comfortaa");
    const QString text = "HIGH SCORES";
    for (int px = 8; QFontMetrics(font).horizontalAdvance(text) <= 200; ++px) {
        font.setPixelSize(px);
    }
    ASSERT_LE(QFontMetrics(font).horizontalAdvance(text), 220);
    EXPECT_EQ(FitHeadingFontSize(font, text, 100), font.pixelSize());
    font.setPixelSize(font.pixelSize() + 4);
    ASSERT_GT(QFontMetrics(font).horizontalAdvance(text), 220);
    EXPECT_LT(FitHeadingFontSize(font, text, 100), font.pixelSize()) << "wider: lowered";
}

TEST_F(HighScoreWindowTest, AnEmptyNameAsksCancelKeepsTheEntryAndLeavingStoresJanKlaasen) {
    Show(5, 40);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // OK asks Yes/Cancel, a close request OK/Cancel; the dialog's activation is no leaving.
    QWidget dialog;
    onWarning = [&] {
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.hide();
        return false;  // Cancel
    };
    window.BitBtn1->click();
    EXPECT_FALSE(window.close());
    const QString message = "You forgot to fill in your name!  Are you sure to leave?";
    EXPECT_EQ(warnings, (std::vector<QString>{message, "close: " + message}));
    EXPECT_TRUE(window.NameBox->isVisible()) << "the window stays open";
    EXPECT_EQ(window.focusWidget(), window.NameBox);
    EXPECT_EQ(Stored(5).score(), 0) << "nothing stored yet";

    onWarning = nullptr;  // Yes
    window.BitBtn1->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(Stored(5).nameBytes(), "Jan Klaasen");
}

struct LayoutCase {
    ScreenCase screen;
    int dx, dy;  // the grid's move
    ScoresWindowGeometry geometry;
    QPoint okBrowsing, okAfterGame;
};
// clang-format off
const LayoutCase kLayoutCases[] = {
    {ScreenCase::Class480Full, -85, -70, {0, 0, 640, 480, true}, {590, 370}, {505, 420}},
    {ScreenCase::Class480Partial, -100, -120, {16, 14, 608, 432, false}, {506, 370}, {490, 360}},
    {ScreenCase::Class600Full, 0, 0, {0, 0, 800, 600, true}, {684, 500}, {684, 500}},
    {ScreenCase::Class600Partial, -30, -35, {20, 20, 760, 540, false}, {649, 442}, {649, 468}},
    {ScreenCase::Class768Full, 117, 45, {0, 0, 1024, 768, true}, {824, 565}, {824, 569}},
    {ScreenCase::Class768Partial, -10, 0, {118, 48, 788, 653, false}, {658, 510}, {658, 524}}};
// clang-format on
void PrintTo(const LayoutCase& c, std::ostream* out) {
    *out << ScreenCaseName(c.screen);
}

class HighScoreWindowLayout : public HighScoreWindowTest,
                              public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(HighScoreWindowLayout, BrowsingAndAfterAGamePlaceTheGridOkTheBarAndTheHeading) {
    const LayoutCase& c = GetParam();
    shell.settings.ScreenHeight = ScreenHeightOf(c.screen);
    shell.settings.ScreenWidth = ScreenWidthOf(c.screen);
    shell.settings.WindowMode = static_cast<std::uint8_t>(WindowModeOf(c.screen));
    EXPECT_EQ(ComputeScoresWindowGeometry(shell.settings), c.geometry);
    HighScoreList list = MakeList({1000, 100, 99, 9, 0, 0, 5000});
    list[0].setNameBytes("Zo\xEB<b>GHIJKLMNOPQRST");
    list[0].bytes()[2] = 25;  // a length past the name's capacity
    shell.dataFile.store().ReplaceList(20, list);
    shell.dataFile.store().ReplaceList(7, MakeList({321}));
    screenHeight = shell.settings.ScreenHeight - 1;  // the screen shrank: warned, shown anyway
    Show(20, {});                                    // browsing never enters
    EXPECT_EQ(screenWarnings, 1);
    // The twenty stored characters after one blank, as plain text: markup and all.
    const QString shown = " Zoë<b>GHIJKLMNOPQRST";
    EXPECT_EQ(window.Panel1->text(), shown);
    EXPECT_GE(window.Panel1->sizeHint().width(),
              QFontMetrics(window.Panel1->font()).horizontalAdvance(shown));
    EXPECT_EQ(shell.game.StartLevel, 1);
    EXPECT_EQ(shell.game.LevelScore, 0);
    EXPECT_FALSE(window.windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint))
        << "only the close box";
    EXPECT_EQ(window.ScoresGridDX, c.dx);
    EXPECT_EQ(window.ScoresGridDY, c.dy);
    // Spot places of the grid: rows 40 pixels apart, ranks 10..12 4 pixels left, and the
    // scores from column base 294 or 570, 4 pixels left above 99 and 8 above 999.
    const std::pair<QWidget*, QPoint> places[] = {
        {window.Label4, {605, 200}},      {window.Statictext1, {156, 226}},
        {window.statictext9, {436, 306}}, {window.statictext10, {432, 346}},
        {window.Panel7, {446, 220}},      {window.n12, {614, 426}},
        {window.s1, {286, 226}},          {window.s2, {290, 266}},
        {window.s3, {294, 306}},          {window.s7, {562, 226}}};
    for (const auto& [control, place] : places) {
        EXPECT_EQ(control->pos(), place + QPoint(c.dx, c.dy))
            << control->objectName().toStdString();
    }
    // Small screens show the small heading, elsewhere the big one; either fits its text.
    const bool small = shell.settings.ScreenHeight == 480;
    QLabel* heading = small ? window.Panel14 : window.Panel13;
    EXPECT_TRUE(heading->isVisible());
    EXPECT_FALSE((small ? window.Panel13 : window.Panel14)->isVisible());
    if (small) {  // the lowest screens' own heading stands where their design puts it
        EXPECT_EQ(heading->geometry(), c.screen == ScreenCase::Class480Full
                                           ? QRect(55, 36, 520, 44)
                                           : QRect(48, 10, 520, 44));
    }
    EXPECT_EQ(window.Panel14->text(), "HIGH SCORES Tables x 20");
    const auto widthAt = [&](int pixels) {
        QFont font = heading->font();
        font.setPixelSize(pixels);
        return QFontMetrics(font).horizontalAdvance(heading->text());
    };
    // A big heading over 220 pixels is lowered to the largest size that leaves 4 to spare;
    // the hidden measuring label keeps the size it had.
    const int before = window.MeasureLabel->font().pixelSize(), size = heading->font().pixelSize();
    EXPECT_LE(widthAt(size), heading->width() - (small ? 0 : 4));
    EXPECT_TRUE(small || size == before || widthAt(size + 1) > heading->width() - 4) << size;
    EXPECT_TRUE(small || widthAt(before) > 220 || size == before) << before;
    EXPECT_EQ(window.BitBtn4->isVisible(), c.geometry.fullScreen);
    // On 480 lines in full screen OK is 35 wide and has no caption.
    const bool narrowOk = c.screen == ScreenCase::Class480Full;
    EXPECT_EQ(window.BitBtn1->geometry(), QRect(c.okBrowsing, QSize(narrowOk ? 35 : 77, 30)));
    EXPECT_EQ(window.BitBtn1->text(), narrowOk ? "" : "Ok");
    EXPECT_TRUE(window.Panel15->isVisible());
    if (c.screen == ScreenCase::Class600Full) {
        EXPECT_EQ(window.Panel15->y(), 500 + 30 + 27) << "the bar 27 under OK";
    } else if (c.screen == ScreenCase::Class480Partial) {
        // Buttons 19 and 20 go to a second row, so that the bar stays clear of OK.
        EXPECT_EQ(window.TableButtons[18]->pos(), QPoint(300, window.TableButtons[17]->y() + 22));
        EXPECT_EQ(window.Panel15->geometry(), QRect(10, 56 + 297 + 2, window.Panel15->width(), 51));
    }
    window.TableButtons[6]->click();  // shows that list and stays
    EXPECT_EQ(window.Panel13->text(), "Multiplications with 7");
    EXPECT_EQ(window.s1->text(), "321");
    EXPECT_FALSE(window.EntryPending());
    window.BitBtn1->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(shell.game.TableNumber, 7.0);

    screenHeight = shell.settings.ScreenHeight;
    Show(20, 0);
    EXPECT_EQ(screenWarnings, 1) << "a screen of the class is no change";
    EXPECT_EQ(window.BitBtn1->geometry(), QRect(c.okAfterGame, QSize(77, 30)));
    EXPECT_FALSE(window.Panel15->isVisible());
}

INSTANTIATE_TEST_SUITE_P(EveryClassAndMode, HighScoreWindowLayout,
                         ::testing::ValuesIn(kLayoutCases),
                         [](const auto& info) { return testing::CaseName(info.param.screen); });

}  // namespace
}  // namespace quorelin
