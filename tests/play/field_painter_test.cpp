// What the play window shows: the game's painting (cell colours, gaps, the bomb's star, the
// heading, curtains, game over) and the lines of the instructions panel.
#include "play/field_painter.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <array>

#include "game/rules.h"
#include "play/instructions_panel.h"
#include "tests/support/window_fixture.h"

namespace quorelin {
namespace {

class Painting : public ::testing::Test {
protected:
    // The painter of a play window prepared for a game; 768 lines full screen has the
    // large field: blocks 40 x 28 at a pitch of 41 x 29.
    FieldPainter& Make(int language, int scheme, int screenHeight = 768, int mode = 1) {
        fixture = std::make_unique<testing::ShellFixture>(screenHeight, mode, language);
        fixture->settings.ColorScheme = static_cast<std::uint8_t>(scheme);
        play().FormShow();
        return play().Painter();
    }
    PlayWindow& play() { return fixture->play(); }
    QRgb Field(int x, int y) { return play().Image3->Canvas().pixel(x, y) & 0xFFFFFF; }
    // True when the canvas holds black ink (a number's glyph) in the rectangle.
    static bool Ink(const CanvasImage* image, const QRect& r) {
        bool ink = false;
        for (int i = 0; i < r.width() * r.height(); ++i) {
            ink = ink ||
                  qGray(image->Canvas().pixel(r.x() + i % r.width(), r.y() + i / r.width())) < 60;
        }
        return ink;
    }

    std::unique_ptr<testing::ShellFixture> fixture;
};

TEST_F(Painting, EveryCellKindShowsItsLightFaceAndDarkToneInBothSchemes) {
    const struct {
        std::int32_t kind;
        std::array<QRgb, 3> simple, sophisticated;
    } tones[] = {
        {kMultipleOf3, {0xFFFFFF, 0x00FF00, 0x008040}, {0xC1F8BF, 0x33E729, 0x0C4A09}},
        {kEvenNumber, {0xFFFFFF, 0x00FFFF, 0x808080}, {0xDCDCFF, 0x23D0EF, 0x474768}},
        {kMultipleOf5, {0xFFFFFF, 0xFF00FF, 0x800080}, {0xFBD7FA, 0xF38BF1, 0x840D81}},
        {kMultipleOf4, {0xFFFFFF, 0xFFFF00, 0x808080}, {0xF8E6C5, 0xD2921A, 0x65460C}},
        {kOtherNumber, {0xFFFFFF, 0xC0C0C0, 0x808080}, {0xE6E4EB, 0xB3B8CA, 0x312D3E}},
        {kSolved, {0xC0C0C0, 0x0000FF, 0x000080}, {0xCDCBED, 0x1712F3, 0x110574}},
        {kStone, {0xC0C0C0, 0x808080, 0x400040}, {0xD5DADB, 0x888D91, 0x313745}},
    };
    for (int scheme : {1, 2}) {
        FieldPainter& painter = Make(1, scheme);
        for (const auto& t : tones) {
            t.kind == kSolved  ? painter.DrawSolved(4, 7)
            : t.kind == kStone ? painter.DrawStone(4, 7)
                               : painter.DrawBlock(Block{8, t.kind}, 4, 7);
            const auto [light, face, dark] = scheme == 1 ? t.simple : t.sophisticated;
            SCOPED_TRACE(::testing::Message() << "scheme " << scheme << " kind " << t.kind);
            EXPECT_EQ(Field(123 + 1, 174 + 14), light);
            EXPECT_EQ(Field(123 + 3, 174 + 3), face);
            EXPECT_EQ(Field(123 + 37, 174 + 14), face);
            EXPECT_EQ(Field(123 + 38, 174 + 27), dark);
        }
    }
}

TEST_F(Painting, BlocksStayAPixelApartAndFloorBarsFillTheBottomOfEveryFieldSize) {
    FieldPainter& painter = Make(1, 2);
    painter.DrawBlock(Block{6, kMultipleOf3}, 3, 5);
    painter.DrawBlock(Block{6, kMultipleOf3}, 4, 5);
    painter.DrawBlock(Block{6, kMultipleOf3}, 3, 6);
    EXPECT_EQ(Field(82 + 40, 116 + 10), 0x000000u);  // gap column
    EXPECT_EQ(Field(82 + 10, 116 + 28), 0x000000u);  // gap row
    painter.EraseCell(3, 5);
    EXPECT_EQ(Field(82 + 3, 116 + 3), 0x000000u);
    EXPECT_EQ(Field(82 + 41, 116 + 10), 0xC1F8BFu);  // the neighbour keeps its edge
    // In row 19 a block and a floor bar reach the lower edge, a pixel lower than the row
    // pitch gives; a floor bar spans the field.
    const struct {
        int screenHeight, mode, width, height;
    } sizes[] = {{480, 2, 269, 399}, {600, 2, 341, 513}, {600, 1, 368, 551}, {768, 1, 368, 551}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(::testing::Message() << s.screenHeight << " mode " << s.mode);
        const bool simple = s.screenHeight != 768;
        FieldPainter& sized = Make(1, simple ? 1 : 2, s.screenHeight, s.mode);
        sized.DrawStone(1, 19);
        EXPECT_EQ(Field(3, s.height - 1), simple ? 0x400040u : 0x313745u);
        sized.DrawFloorBar(19);
        EXPECT_EQ(Field(1, s.height - 10), simple ? 0xC0C0C0u : 0xEFC3BEu);
        EXPECT_EQ(Field(100, s.height - 3), simple ? 0xFF0000u : 0xFE1B01u);
        EXPECT_EQ(Field(s.width - 1, s.height - 1), simple ? 0x800000u : 0x811101u);
        EXPECT_EQ(Field(s.width, s.height - 10), 0x000000u);
    }
}

TEST_F(Painting, ABombShowsAStarOnTheFieldAndItsDigitsInThePreview) {
    FieldPainter& painter = Make(1, 1);
    painter.DrawBlock(Block{1000, kMultipleOf5}, 1, 1);
    painter.DrawBlock(Block{999, kMultipleOf5}, 2, 1);
    // The star starts at +12; three digits start at +7.
    EXPECT_FALSE(Ink(play().Image3, {2, 2, 9, 24}));
    EXPECT_TRUE(Ink(play().Image3, {12, 2, 13, 24}));
    EXPECT_TRUE(Ink(play().Image3, {41 + 7, 2, 4, 24}));
    // The preview's block at (15, 20): four digits start at 18, three at 22.
    painter.DrawPreview(Block{1000, kMultipleOf5});
    EXPECT_TRUE(Ink(play().Image2, {18, 27, 4, 19}));
    painter.DrawPreview(Block{999, kMultipleOf3});
    EXPECT_FALSE(Ink(play().Image2, {17, 22, 5, 24}));
    EXPECT_EQ(play().Image2->Canvas().pixel(20, 24) & 0xFFFFFF, 0x00FF00u);
}

TEST_F(Painting, TheHeadingTheTableLabelAndTheCaptionBackAtTheFirstBlockAfterAPause) {
    Make(3, 2).SetUpHeading(12);
    EXPECT_EQ(play().Panel3->text(), "Tafel van 12");
    EXPECT_EQ(play().Label19->text(), "x 12 =");
    play().BitBtn1->SetCaption("&Doorgaan");
    play().Painter().DrawBlock(Block{5, kMultipleOf5}, 5, 1);
    EXPECT_EQ(play().BitBtn1->text(), "&Pauze");
    // "7" at 16 points is too wide: it shrinks below 15 pixels.
    Make(5, 1).SetUpHeading(7);
    EXPECT_LE(play().Label19->width(), 14);
    play().BitBtn1->SetCaption("&Pausa");  // any language's pause caption counts as one
    play().Painter().DrawBlock(Block{5, kMultipleOf5}, 5, 1);
    EXPECT_EQ(play().BitBtn1->text(), "&Pausa");
}

TEST_F(Painting, LevelAndGameEndsShowTheirMarksInTheSchemeColours) {
    FieldPainter& painter = Make(1, 1);
    painter.ShowBonus(0);  // a bonus of nothing is hidden
    EXPECT_TRUE(play().label1010->isHidden());
    painter.DrawCurtainBar(1);
    EXPECT_EQ(Field(100, 14), 0x000080u);
    EXPECT_EQ(Field(1, 14), 0x0000C1u);  // a bar's light edge is 2 pixels wide

    FieldPainter& spanish = Make(2, 2);
    spanish.MarkGameEnded();
    EXPECT_EQ(play().BitBtn1->text(), "&Seguir");
    spanish.CloseCurtain(9);
    EXPECT_EQ(Field(200, 300), 0x000077u);  // the face colour of the scheme
    EXPECT_EQ(Field(0, 300), 0x303088u);    // a 1-pixel light edge, left and top
    EXPECT_EQ(Field(1, 300), 0x000077u);
    EXPECT_EQ(Field(368, 300), 0x000000u);  // black shadow on the right
    spanish.ShowGameOver();
    EXPECT_EQ(play().label1009->text(), "Game Over");
    EXPECT_EQ(play().label1008->text(), "  Pulsa una tecla..");
    spanish.BlinkGameOver(false);
    EXPECT_EQ(play().label1009->palette().color(QPalette::WindowText), QColor(255, 156, 57));
}

int Width(const QLabel* label) {
    return QFontMetrics(label->font()).horizontalAdvance(label->text());
}

TEST(InstructionsPanel, EveryLineIsThereAndFitsInEveryLanguageWhateverWasShownBefore) {
    // One panel shows every language and table in turn, as the play window's does.
    Settings settings;
    InstructionsPanel shown(settings);
    for (int language = 1; language <= 5; ++language) {
        for (int table = 1; table <= 20; ++table) {
            settings.Language = static_cast<std::uint8_t>(language);
            shown.ShowFor(table);
            const Settings own = settings;
            InstructionsPanel fresh(own);
            fresh.ShowFor(table);
            const auto lines = fresh.findChildren<QLabel*>();
            for (qsizetype i = 0; i < lines.size(); ++i) {
                EXPECT_EQ(shown.findChildren<QLabel*>()[i]->text(), lines[i]->text()) << table;
            }
            const std::pair<QLabel*, int> limits[] = {
                {fresh.Label2, 185},  {fresh.Label3, 185},  {fresh.Label7, 185},
                {fresh.Label8, 185},  {fresh.Label9, 185},  {fresh.Label12, 185},
                {fresh.Label13, 185}, {fresh.Label14, 185}, {fresh.Label5, 62},
                {fresh.Label20, 74},  {fresh.Label10, 72},  {fresh.Label1, 168}};
            for (const auto& [label, limit] : limits) {
                EXPECT_FALSE(label->text().isEmpty());
                EXPECT_LE(Width(label), limit) << language << " " << label->text().toStdString();
            }
            // Labels take exactly their text's width, trailing blanks included.
            EXPECT_EQ(fresh.Label2->width(), Width(fresh.Label2));
        }
    }
    EXPECT_EQ(shown.Label9->text(), "block unten x 20 = block oben");
    EXPECT_EQ(shown.Label20->text(), " 3 x 20 = 60");
}

TEST(InstructionsPanel, TheExampleFollowsTheTableAndTheSchemeAndAShrunkFontStaysShrunk) {
    Settings settings;
    settings.ColorScheme = 1;
    InstructionsPanel panel(settings);
    panel.ShowFor(4);
    EXPECT_EQ(panel.Label22->pos(), QPoint(94, 195));
    // A one-digit product moves under the lower number, and stays there.
    panel.ShowFor(3);
    EXPECT_EQ(panel.Label22->pos(), QPoint(panel.Label21->x(), 195));
    settings.ColorScheme = 2;
    panel.ShowFor(123456789);  // a rule line far too wide for the usual size
    EXPECT_EQ(panel.Label22->pos(), QPoint(97, 195));
    EXPECT_TRUE(panel.Image8->isHidden());
    EXPECT_FALSE(panel.Image11->isHidden());
    EXPECT_EQ(panel.font().family(), "Small Fonts");
    panel.ShowFor(4);  // a later show starts from the shrunk font
    EXPECT_EQ(panel.Label20->font().pixelSize(), PixelsForPoints(4));
    // Each show lowers at most four points, never below one and never back up.
    const auto never = [](const FittedFont&) { return false; };
    EXPECT_EQ(FitFont({false, 8}, never), (FittedFont{true, 4}));
    EXPECT_EQ(FitFont({true, 4}, never), (FittedFont{true, 1}));
    EXPECT_EQ(FitFont({true, 6}, [](const FittedFont&) { return true; }), (FittedFont{true, 6}));
}

}  // namespace
}  // namespace quorelin
