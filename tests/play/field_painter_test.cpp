// What the game's painting puts on screen: pixels of every kind of cell, the bomb's
// number, the pause caption, the heading and the end-of-game marks.
#include "play/field_painter.h"

#include <gtest/gtest.h>

#include <array>

#include "game/rules.h"
#include "play/play_window.h"

namespace quorelin {
namespace {

class PainterTest : public ::testing::Test {
protected:
    FieldPainter& Make(int language, int colorScheme) {
        settings.Language = static_cast<std::uint8_t>(language);
        settings.ColorScheme = static_cast<std::uint8_t>(colorScheme);
        window = std::make_unique<PlayWindow>(settings, state, input);
        window->FormShow();
        return window->Painter();
    }
    QRgb Field(int x, int y) const { return window->Image3->Canvas().pixel(x, y) & 0xFFFFFF; }
    QRgb Preview(int x, int y) const { return window->Image2->Canvas().pixel(x, y) & 0xFFFFFF; }
    // True when a column range of a canvas holds black ink between two rows.
    static bool Ink(const QImage& image, int x0, int x1, int y0, int y1) {
        for (int x = x0; x <= x1; ++x) {
            for (int y = y0; y <= y1; ++y) {
                if (qGray(image.pixel(x, y)) < 60) {
                    return true;
                }
            }
        }
        return false;
    }

    Settings settings{.WindowMode = 1, .ScreenHeight = 768, .ScreenWidth = 1024};
    GameState state{.GameKind = 1};
    InputRequests input;
    std::unique_ptr<PlayWindow> window;
};

// Light, face and dark of each kind of cell in the Simple and the Sophisticated scheme.
struct Tones {
    std::int32_t kind;
    std::array<QRgb, 3> simple, sophisticated;
};
const Tones kTones[] = {
    {kMultipleOf3, {0xFFFFFF, 0x00FF00, 0x008040}, {0xC1F8BF, 0x33E729, 0x0C4A09}},
    {kEvenNumber, {0xFFFFFF, 0x00FFFF, 0x808080}, {0xDCDCFF, 0x23D0EF, 0x474768}},
    {kMultipleOf5, {0xFFFFFF, 0xFF00FF, 0x800080}, {0xFBD7FA, 0xF38BF1, 0x840D81}},
    {kMultipleOf4, {0xFFFFFF, 0xFFFF00, 0x808080}, {0xF8E6C5, 0xD2921A, 0x65460C}},
    {kOtherNumber, {0xFFFFFF, 0xC0C0C0, 0x808080}, {0xE6E4EB, 0xB3B8CA, 0x312D3E}},
    {kSolved, {0xC0C0C0, 0x0000FF, 0x000080}, {0xCDCBED, 0x1712F3, 0x110574}},
    {kStone, {0xC0C0C0, 0x808080, 0x400040}, {0xD5DADB, 0x888D91, 0x313745}},
    {kFloor, {0xC0C0C0, 0xFF0000, 0x800000}, {0xEFC3BE, 0xFE1B01, 0x811101}},
};

TEST_F(PainterTest, EveryCellKindShowsItsThreeTonesInBothSchemes) {
    for (int scheme : {1, 2}) {
        FieldPainter& painter = Make(1, scheme);
        for (const Tones& t : kTones) {
            const auto [light, face, dark] = scheme == 1 ? t.simple : t.sophisticated;
            if (t.kind == kSolved) {
                painter.DrawSolved(4, 7);
            } else if (t.kind == kStone) {
                painter.DrawStone(4, 7);
            } else if (t.kind == kFloor) {
                painter.DrawFloorBar(7);
            } else {
                painter.DrawBlock(Block{8, t.kind}, 4, 7);
            }
            // A floor bar spans the row; blocks are 40 x 28.
            const int left = t.kind == kFloor ? 0 : 3 * 41;
            const int right = t.kind == kFloor ? 367 : 3 * 41 + 39;
            const int y = 6 * 29;
            SCOPED_TRACE(::testing::Message() << "scheme " << scheme << " kind " << t.kind);
            EXPECT_EQ(Field(left + 1, y + 14), light);  // left edge
            EXPECT_EQ(Field(left + 20, y + 1), light);  // top edge
            EXPECT_EQ(Field(left + 3, y + 3), face);
            EXPECT_EQ(Field(right - 1, y + 14), dark);  // right edge, 2 px
            EXPECT_EQ(Field(right, y + 14), dark);
            EXPECT_EQ(Field(left + 20, y + 27), dark);  // bottom edge
            EXPECT_EQ(Field(right - 2, y + 14), face);
        }
    }
}

TEST_F(PainterTest, BlocksStayOnePixelApartAndFloorBarsReachTheFieldsEdge) {
    FieldPainter& painter = Make(1, 1);
    painter.DrawBlock(Block{6, kMultipleOf3}, 3, 5);
    painter.DrawBlock(Block{6, kMultipleOf3}, 4, 5);
    painter.DrawBlock(Block{6, kMultipleOf3}, 3, 6);
    const int x = 2 * 41;
    const int y = 4 * 29;
    EXPECT_EQ(Field(x + 40, y + 10), 0x000000u);  // gap column
    EXPECT_EQ(Field(x + 10, y + 28), 0x000000u);  // gap row
    painter.EraseCell(3, 5);
    EXPECT_EQ(Field(x + 3, y + 3), 0x000000u);
    EXPECT_EQ(Field(x + 41, y + 10), 0xFFFFFFu);      // the right neighbour keeps its edge
    EXPECT_EQ(Field(x + 1, y + 29 + 10), 0xFFFFFFu);  // so does the block below

    PlayField field;
    field.at(2, 17) = Cell{0, kStone};
    painter.RedrawField(2, field);
    EXPECT_EQ(Field(200, 18 * 29 + 14), 0xFF0000u);    // row 19
    EXPECT_EQ(Field(200, 550), 0x800000u);             // one pixel lower than other rows
    EXPECT_EQ(Field(200, 17 * 29 + 14), 0xFF0000u);    // row 18
    EXPECT_EQ(Field(41 + 3, 16 * 29 + 3), 0x808080u);  // the stone in row 17
    EXPECT_EQ(Field(368, 18 * 29 + 14), 0x000000u);    // bars end at 368
}

TEST_F(PainterTest, ABombShowsAStarOnTheFieldAndItsDigitsInThePreview) {
    FieldPainter& painter = Make(1, 1);
    painter.DrawBlock(Block{1000, kMultipleOf5}, 1, 1);
    painter.DrawBlock(Block{100, kMultipleOf5}, 2, 1);
    const QImage& field = window->Image3->Canvas();
    // The star starts at +12; three digits start at +7.
    EXPECT_FALSE(Ink(field, 2, 10, 2, 25));
    EXPECT_TRUE(Ink(field, 12, 24, 2, 25));
    EXPECT_TRUE(Ink(field, 41 + 7, 41 + 10, 2, 25));

    painter.DrawPreview(Block{1000, kMultipleOf5});
    const QImage& preview = window->Image2->Canvas();
    EXPECT_EQ(Preview(16, 21), 0xFFFFFFu);
    EXPECT_EQ(Preview(5, 5), 0x000000u);
    // Four digits start at 18, three at 22.
    EXPECT_TRUE(Ink(preview, 18, 21, 27, 45));
    painter.DrawPreview(Block{999, kMultipleOf3});
    EXPECT_FALSE(Ink(preview, 17, 21, 22, 45));
    EXPECT_EQ(Preview(20, 24), 0x00FF00u);
}

TEST_F(PainterTest, DrawingABlockPutsThePauseCaptionBack) {
    // Any of the three pause captions counts as one, whatever the language.
    const struct {
        int language;
        const char* before;
        const char* after;
    } cases[] = {
        {3, "&Doorgaan", "&Pauze"}, {5, "&Weitergehen", "&Pause"}, {5, "&Pausa", "&Pausa"}};
    for (const auto& c : cases) {
        FieldPainter& painter = Make(c.language, 1);
        window->BitBtn1->SetCaption(c.before);
        painter.DrawBlock(Block{5, kMultipleOf5}, 5, 1);
        EXPECT_EQ(window->BitBtn1->text(), c.after) << c.before;
    }
}

TEST_F(PainterTest, HeadingAndTableLabelFollowTheTableTheLanguageAndTheScheme) {
    Make(3, 2);
    window->Painter().SetUpHeading(12);
    EXPECT_EQ(window->Panel3->text(), "Tafel van 12");
    EXPECT_EQ(window->Label19->text(), "x 12 =");
    const QPoint ref = window->Image20->pos();
    EXPECT_EQ(window->Label19->x(), ref.x() + 38);
    EXPECT_LE(window->Label19->width(), 53 + 1);
    EXPECT_GE(window->Label19->y(), ref.y() + 103 - 30);

    Make(1, 1);
    window->Painter().SetUpHeading(7);
    EXPECT_EQ(window->Panel3->text(), "7");
    EXPECT_EQ(window->Panel3->font().pointSize(), 25);
    EXPECT_EQ(window->Label19->text(), "7");
    EXPECT_EQ(window->Label19->x(), window->Image1->x() + 52);
    // "7" at 16 points is too wide: it shrinks until narrower than 15 pixels and sits
    // on the line at 121 below the picture's top.
    EXPECT_LT(window->Label19->font().pointSize(), 16);
    EXPECT_LE(window->Label19->width(), 14);
    EXPECT_EQ(window->Label19->y() + window->Label19->height(), window->Image1->y() + 121);
}

TEST_F(PainterTest, LevelAndGameEndsShowTheirMarksInTheSchemeColours) {
    FieldPainter& painter = Make(1, 1);
    painter.ShowBonus(0);  // a bonus of nothing is hidden
    EXPECT_TRUE(window->label1010->isHidden());
    EXPECT_TRUE(window->label1010->text().isEmpty());
    painter.DrawCurtainBar(1);
    EXPECT_EQ(Field(100, 14), 0x000080u);
    EXPECT_EQ(Field(1, 14), 0x0000C1u);  // a bar's light edge is 2 pixels wide
    painter.WipeRow(19);
    EXPECT_EQ(Field(100, 550), 0x000000u);

    FieldPainter& spanish = Make(2, 2);
    spanish.MarkGameEnded();
    EXPECT_EQ(window->BitBtn1->Tag, kGameEndedMark);
    EXPECT_EQ(window->BitBtn1->text(), "&Seguir");
    spanish.CloseCurtain(9);
    EXPECT_EQ(Field(200, 300), 0x000077u);  // the face colour of the scheme
    EXPECT_EQ(Field(0, 300), 0x303088u);    // a 1-pixel light edge, left and top
    EXPECT_EQ(Field(200, 0), 0x303088u);
    EXPECT_EQ(Field(1, 300), 0x000077u);
    EXPECT_EQ(Field(200, 1), 0x000077u);
    EXPECT_EQ(Field(368, 300), 0x000000u);  // black shadow on the right
    spanish.ShowGameOver();
    EXPECT_FALSE(window->label1009->isHidden());
    EXPECT_EQ(window->label1008->text(), "  Pulsa una tecla..");
    spanish.BlinkGameOver(false);
    EXPECT_EQ(window->label1009->palette().color(QPalette::WindowText), QColor(255, 156, 57));
}

}  // namespace
}  // namespace quorelin
