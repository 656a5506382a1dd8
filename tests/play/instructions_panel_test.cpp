#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include "play/instructions_panel.h"

namespace quorelin {
namespace {

Settings InLanguage(int language, int scheme = 1) {
    Settings settings;
    settings.Language = static_cast<std::uint8_t>(language);
    settings.ColorScheme = static_cast<std::uint8_t>(scheme);
    return settings;
}

TEST(InstructionsTexts, EnglishTableThreeReadsAsWrittenWithItsExample) {
    const Settings settings = InLanguage(1);
    InstructionsPanel panel(settings);
    panel.ShowFor(3);
    EXPECT_EQ(panel.Label1->text(), "Instructions");
    EXPECT_EQ(panel.Label2->text(), "Manoeuvre the falling blocks with the ");
    EXPECT_EQ(panel.Label5->text(), "to the right");
    EXPECT_EQ(panel.Label9->text(), "block under x 3 = block above");
    EXPECT_EQ(panel.Label11->text(), "");
    EXPECT_EQ(panel.Label14->text(), "then 999  (\"bombs\" will fall then).");
    EXPECT_EQ(panel.Label21->text(), "3");
    EXPECT_EQ(panel.Label22->text(), "9");
    EXPECT_EQ(panel.Label20->text(), " 3 x 3 = 9");
}

TEST(InstructionsTexts, TableFourInOtherLanguagesKeepsAccentsQuotesAndTrailingBlanks) {
    Settings settings = InLanguage(4);
    InstructionsPanel panel(settings);
    panel.ShowFor(4);
    EXPECT_EQ(panel.Label3->text(), "mûs of de pylkjetoetsen: ");
    EXPECT_EQ(panel.Label8->text(), "op sa´n foet dat:");
    EXPECT_EQ(panel.Label9->text(), "ûnderste blokje x 4 = boppeste blokje");
    EXPECT_EQ(panel.Label13->text(), "meitsje dy´t grutter binne as 999  .");
    EXPECT_EQ(panel.Label14->text(), "(oars sillen dêr \"bommen\" fallen  .");
    EXPECT_EQ(panel.Label20->text(), " 3 x 4 = 12");

    // The same panel shown again in another language carries nothing of the first.
    settings.Language = 2;
    panel.ShowFor(4);
    EXPECT_EQ(panel.Label6->text(), "caer rápido ");
    EXPECT_EQ(panel.Label9->text(), "bloque abajo x 4 = bloque ariba");
    EXPECT_EQ(panel.Label12->text(), "Regla extra: no se pueden hacer  ");
    EXPECT_EQ(panel.Label14->text(), "(entonces caerán \"bombas\").");

    settings.Language = 5;
    panel.ShowFor(4);
    EXPECT_EQ(panel.Label2->text(), "Manövriere die fallende Blöcke mit der ");
    EXPECT_EQ(panel.Label9->text(), "block unten x 4 = block oben");
    EXPECT_EQ(panel.Label14->text(), "machen. ");
}

TEST(InstructionsTexts, ALanguageOutsideTheFiveReadsAsEnglish) {
    EXPECT_STREQ(InstructionsTextsFor(0).Label1, "Instructions");
    EXPECT_EQ(RuleFormula(255, 7), "block under x 7 = block above");
}

TEST(InstructionsExample, ShowsThreeUnderThreeTimesTheTable) {
    struct Case {
        double table;
        const char* upper;
        const char* equation;
    };
    for (const Case c :
         {Case{1, "3", " 3 x 1 = 3"}, Case{4, "12", " 3 x 4 = 12"}, Case{20, "60", " 3 x 20 = 60"},
          Case{2.5, "8", " 3 x 2 = 8"}}) {  // halves go to even: 2.5, 7.5
        const InstructionsExample example = ExampleFor(c.table);
        EXPECT_EQ(example.lower, "3") << c.table;
        EXPECT_EQ(example.upper, c.upper) << c.table;
        EXPECT_EQ(example.equation, c.equation) << c.table;
    }
}

TEST(InstructionsExample, AOneDigitProductMovesUnderTheLowerNumberAndStaysThere) {
    EXPECT_TRUE(IsOneDigitProduct(3));
    EXPECT_FALSE(IsOneDigitProduct(4));

    const Settings settings = InLanguage(1);
    InstructionsPanel panel(settings);
    panel.ShowFor(4);
    EXPECT_EQ(panel.Label22->pos(), QPoint(94, 195));
    panel.ShowFor(3);
    EXPECT_EQ(panel.Label22->pos(), QPoint(panel.Label21->x(), 195));
    panel.ShowFor(4);
    EXPECT_EQ(panel.Label22->pos(), QPoint(97, 195));
}

TEST(InstructionsFontFitting, TooWideSwitchesToSmallFontsAndLowersUntilItFits) {
    const FittedFont design{false, 8};
    EXPECT_EQ(FitFont(design, [](const FittedFont&) { return true; }), design);
    int tried = 0;
    const FittedFont fitted = FitFont({false, 8}, [&](const FittedFont& f) {
        ++tried;
        return f.points <= 6;
    });
    EXPECT_EQ(fitted, (FittedFont{true, 6}));
    EXPECT_EQ(tried, 3);  // 8, 7, 6
}

TEST(InstructionsFontFitting, StopsAfterFourStepsEvenWhenStillTooWide) {
    const auto never = [](const FittedFont&) { return false; };
    EXPECT_EQ(FitFont({false, 8}, never), (FittedFont{true, 4}));
    // Each later show lowers again, but never into a size that can't be drawn.
    EXPECT_EQ(FitFont({true, 4}, never), (FittedFont{true, kSmallestFittedPoints}));
    EXPECT_EQ(FitFont({true, kSmallestFittedPoints}, never),
              (FittedFont{true, kSmallestFittedPoints}));
}

TEST(InstructionsFontFitting, KeepsTheSmallerFontAfterATableThatWouldFitTheBiggerOne) {
    // Text widths shrink with the size; the wide table needs 6 points, the narrow one 7.
    const auto fitsBelow = [](int largest) {
        return [largest](const FittedFont& f) { return f.points <= largest; };
    };
    const FittedFont afterWide = FitFont({false, 8}, fitsBelow(6));
    EXPECT_EQ(FitFont(afterWide, fitsBelow(7)), afterWide);
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

TEST(PanelControls, AreFoundByTheirDesignNames) {
    const Settings settings = InLanguage(1);
    QWidget window;
    auto* panel = new InstructionsPanel(settings, &window);
    EXPECT_EQ(window.findChild<QFrame*>("Panel4"), panel);
    auto* close = panel->findChild<QPushButton*>("BitBtn5");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), "X");
    EXPECT_EQ(close->focusPolicy(), Qt::NoFocus);  // keys stay with the play window
}

TEST(PanelControls, ShowingFillsAndShowsThePanelWithThePictureOfTheScheme) {
    Settings settings = InLanguage(1, 1);
    QWidget window;
    auto* panel = new InstructionsPanel(settings, &window);
    panel->hide();
    panel->ShowFor(7);
    EXPECT_FALSE(panel->isHidden());
    EXPECT_FALSE(panel->Image8->isHidden());
    EXPECT_TRUE(panel->Image11->isHidden());

    settings.ColorScheme = 2;
    panel->ShowFor(7);
    EXPECT_TRUE(panel->Image8->isHidden());
    EXPECT_FALSE(panel->Image11->isHidden());
    EXPECT_NE(panel->Image8->pixmap().toImage(), panel->Image11->pixmap().toImage());
}

}  // namespace
}  // namespace quorelin
