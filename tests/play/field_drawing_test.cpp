// The plain decisions of the field's pictures: numbers on blocks, geometry, panel texts
// and font fitting.
#include "play/field_drawing.h"

#include <gtest/gtest.h>

#include "game/rules.h"

namespace quorelin {
namespace {

const FieldGeometry kLarge = GeometryFor(ScreenCase::Class768Full);
const FieldGeometry kSmall = GeometryFor(ScreenCase::Class480Partial);

TEST(BlockNumbers, AFieldShowsAStarAbove999AndThePreviewOnlyAbove9999) {
    EXPECT_EQ(FieldNumberLabel(999, kLarge).text, "999");
    EXPECT_EQ(FieldNumberLabel(1000, kLarge).text, "*");
    EXPECT_EQ(PreviewNumberLabel(1000).text, "1000");
    EXPECT_EQ(PreviewNumberLabel(9999).text, "9999");
    EXPECT_EQ(PreviewNumberLabel(10000).text, "*");
}

// The large screen's geometry is pinned by the painter's pixels; these are the others.
TEST(FieldGeometry, SmallerScreensKeepRow19AtTheLowerEdgeAndBarsToTheFieldsWidth) {
    EXPECT_EQ(BlockRect(GeometryFor(ScreenCase::Class600Partial), 1, 19).bottom() + 1, 513);
    EXPECT_EQ(BlockRect(kSmall, 1, 19).bottom() + 1, 399);
    EXPECT_EQ(CellPitchRect(kLarge, 2, 3), QRect(41, 58, 41, 29));
    EXPECT_EQ(RowBarRect(kSmall, 5).width(), 269);
}

TEST(PanelTexts, TheOddCasesOfTheValuePanelsAndMessages) {
    EXPECT_EQ(ScoreText(9), "Score:  9");
    EXPECT_EQ(ScoreText(10), "Score: 10");
    // The game-over blink shows the text without its number.
    EXPECT_EQ(StillText(2, -1), "Faltan: ");
    EXPECT_EQ(BonusText(1, 1), "1 point bonus");
    EXPECT_EQ(BonusText(5, 2), "2 Punkte Bonus");
    EXPECT_EQ(NextLevelText(2, 4), QString::fromUtf8("¡ Pasas al nivel 4 ! "));
    // While blinking, every language ends on " !".
    EXPECT_EQ(BlinkingNextLevelText(2, 4), QString::fromUtf8("¡ Pasas al nivel 4 !"));
    EXPECT_EQ(HeadingText(5, 12), "12");
    EXPECT_EQ(HeadingText(4, 20), "Tafel fan 20");
    EXPECT_EQ(TableLabelText(9), "9");
    EXPECT_EQ(TableLabelText(10), "x 10 =");
}

TEST(FontFitting, ShrinksOnlyWhileTooWideAndAtMostTheGivenSteps) {
    const auto widthAt = [](int size) { return size * 10; };
    EXPECT_EQ(FitFontSize(16, 5, 140, widthAt), 14);
    EXPECT_EQ(FitFontSize(25, 4, 140, widthAt), 21);  // still too wide: stops after 4
    EXPECT_EQ(FitFontSize(10, 5, 140, widthAt), 10);
}

}  // namespace
}  // namespace quorelin
