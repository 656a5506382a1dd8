#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>

#include "play/instructions_panel.h"

namespace quorelin {
namespace {

Settings InLanguage(int language, int scheme = 1) {
    Settings settings;
    settings.Language = static_cast<std::uint8_t>(language);
    settings.ColorScheme = static_cast<std::uint8_t>(scheme);
    return settings;
}

// One panel shows every line in turn, so nothing of an earlier language or table may stay.
TEST(InstructionsTexts, RuleAndExampleReadAsWrittenWithAccentsQuotesAndTrailingBlanks) {
    Settings settings;
    InstructionsPanel panel(settings);
    const struct {
        int language;  // outside 1..5 reads as English
        int table;
        QLabel* InstructionsPanel::*label;
        const char* text;
    } lines[] = {
        {1, 3, &InstructionsPanel::Label2, "Manoeuvre the falling blocks with the "},
        {1, 3, &InstructionsPanel::Label9, "block under x 3 = block above"},
        {1, 3, &InstructionsPanel::Label14, "then 999  (\"bombs\" will fall then)."},
        {1, 3, &InstructionsPanel::Label21, "3"},
        {1, 3, &InstructionsPanel::Label22, "9"},
        {1, 3, &InstructionsPanel::Label20, " 3 x 3 = 9"},
        {4, 4, &InstructionsPanel::Label3, "mûs of de pylkjetoetsen: "},
        {4, 4, &InstructionsPanel::Label8, "op sa´n foet dat:"},
        {4, 4, &InstructionsPanel::Label9, "ûnderste blokje x 4 = boppeste blokje"},
        {4, 4, &InstructionsPanel::Label13, "meitsje dy´t grutter binne as 999  ."},
        {4, 4, &InstructionsPanel::Label14, "(oars sillen dêr \"bommen\" fallen  ."},
        {4, 4, &InstructionsPanel::Label20, " 3 x 4 = 12"},
        {2, 4, &InstructionsPanel::Label6, "caer rápido "},
        {2, 4, &InstructionsPanel::Label9, "bloque abajo x 4 = bloque ariba"},
        {2, 4, &InstructionsPanel::Label12, "Regla extra: no se pueden hacer  "},
        {2, 4, &InstructionsPanel::Label14, "(entonces caerán \"bombas\")."},
        {5, 4, &InstructionsPanel::Label9, "block unten x 4 = block oben"},
        {1, 1, &InstructionsPanel::Label20, " 3 x 1 = 3"},
        {1, 20, &InstructionsPanel::Label22, "60"},
        {0, 7, &InstructionsPanel::Label1, "Instructions"},
        {255, 7, &InstructionsPanel::Label9, "block under x 7 = block above"},
    };
    for (const auto& line : lines) {
        settings.Language = static_cast<std::uint8_t>(line.language);
        panel.ShowFor(line.table);
        EXPECT_EQ((panel.*line.label)->text(), QString::fromUtf8(line.text))
            << "language " << line.language << " table " << line.table;
    }
}

TEST(InstructionsExample, AOneDigitProductMovesUnderTheLowerNumberAndStaysThere) {
    const Settings settings = InLanguage(1);
    InstructionsPanel panel(settings);
    panel.ShowFor(4);
    EXPECT_EQ(panel.Label22->pos(), QPoint(94, 195));
    panel.ShowFor(3);
    EXPECT_EQ(panel.Label22->pos(), QPoint(panel.Label21->x(), 195));
    panel.ShowFor(4);
    EXPECT_EQ(panel.Label22->pos(), QPoint(97, 195));
}

TEST(InstructionsFontFitting, SwitchesToSmallFontsAndLowersAtMostFourPointsNeverBelowOne) {
    const struct {
        FittedFont current;
        int fitsUpTo;  // the largest size at which the texts fit; 0: none
        FittedFont fitted;
    } cases[] = {
        {{false, 8}, 99, {false, 8}},
        {{false, 8}, 6, {true, 6}},
        {{false, 8}, 0, {true, 4}},
        // Each later show lowers again, but never into a size that can't be drawn.
        {{true, 4}, 0, {true, 1}},
        {{true, 1}, 0, {true, 1}},
        // After a table that needed 6 points, one that would fit at 7 keeps the 6.
        {{true, 6}, 7, {true, 6}},
    };
    for (const auto& c : cases) {
        const FittedFont fitted =
            FitFont(c.current, [&](const FittedFont& f) { return f.points <= c.fitsUpTo; });
        EXPECT_EQ(fitted, c.fitted) << c.current.points << " fitting up to " << c.fitsUpTo;
    }
}

TEST(InstructionsFontFitting, PointsBecomePixelsAtTheDesignResolution) {
    EXPECT_EQ(PixelsForPoints(8), 11);   // the panel's design font
    EXPECT_EQ(PixelsForPoints(10), 13);  // the heading's design font
}

int Width(const QLabel* label) {
    return QFontMetrics(label->font()).horizontalAdvance(label->text());
}

TEST(PanelFonts, EveryLineFitsItsLimitInEveryLanguageAndTable) {
    for (int language = 1; language <= 5; ++language) {
        const Settings settings = InLanguage(language);
        for (int table = 1; table <= 20; ++table) {
            InstructionsPanel panel(settings);
            panel.ShowFor(table);
            for (const QLabel* wide : {panel.Label2, panel.Label3, panel.Label7, panel.Label8,
                                       panel.Label9, panel.Label12, panel.Label13, panel.Label14}) {
                EXPECT_LE(Width(wide), 185)
                    << language << " " << table << " " << wide->text().toStdString();
            }
            EXPECT_LE(Width(panel.Label5), 62) << language;
            EXPECT_LE(Width(panel.Label20), 74) << table;
            EXPECT_LE(Width(panel.Label10), 72) << language;
            EXPECT_LE(Width(panel.Label1), 168) << language;
            // Labels take exactly their text's width, trailing blanks included.
            EXPECT_EQ(panel.Label2->width(), Width(panel.Label2));
            EXPECT_EQ(panel.Label5->font(), panel.font());  // the labels share the panel font
            EXPECT_TRUE(panel.Label1->font().bold());
        }
    }
}

TEST(PanelFonts, ASmallerFontIsNeverUndoneByALaterShow) {
    const Settings settings = InLanguage(1);
    InstructionsPanel fresh(settings);
    fresh.ShowFor(4);
    const int freshSize = fresh.font().pixelSize();

    InstructionsPanel panel(settings);
    panel.ShowFor(123456789);  // a rule line far too wide for the usual size
    const int reduced = panel.font().pixelSize();
    ASSERT_LT(reduced, freshSize);
    panel.ShowFor(4);
    EXPECT_EQ(panel.font().pixelSize(), reduced);
    EXPECT_EQ(panel.font().family(), "Small Fonts");
    EXPECT_EQ(panel.Label20->font().pixelSize(), reduced);
}

TEST(PanelControls, ShowingFillsAndShowsThePanelWithThePictureOfTheScheme) {
    Settings settings = InLanguage(1, 1);
    InstructionsPanel panel(settings);
    panel.hide();
    panel.ShowFor(7);
    EXPECT_FALSE(panel.isHidden());
    EXPECT_FALSE(panel.Image8->isHidden());
    EXPECT_TRUE(panel.Image11->isHidden());
    settings.ColorScheme = 2;
    panel.ShowFor(7);
    EXPECT_TRUE(panel.Image8->isHidden());
    EXPECT_FALSE(panel.Image11->isHidden());
    EXPECT_NE(panel.Image8->pixmap().toImage(), panel.Image11->pixmap().toImage());
}

}  // namespace
}  // namespace quorelin
