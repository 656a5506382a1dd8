// The info window's texts: the English pages and captions exactly as the rule book has
// them, the first lines of the translations, the footers, and what every page must and
// must not say.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "info/info_texts.h"

namespace quorelin {
namespace {

using namespace info_texts;

// One bracketed line per text line, so blanks at the ends stay visible.
constexpr const char* kEnglishInstructions =
    R"([    Make columns two blocks. The value in the upper block must be ]
[    equal to the value in the block below, multiplicated with the ]
[    table of multiplication you have chosen in the main menu. ]
[]
[    With the arrow-keys or the mouse buttons, you can move the falling]
[    blocks to the left, to the right and drop them quickly. With the]
[    pause button it is possible to stop the game for a while, but ]
[    consequently your "fall-space" becomes smaller and you ]
[    receive less points.]
[]
[    For each good calculation you get 1 point. However, if you ]
[    place a number rapidly you will be given 2 points. Try to ]
[    play as quick as possible! After completing 15 sums you proceed]
[    to the next level.]
[]
[    For every empty line in the "fall-space" you will then receive 1 point.]
[    Depending of the level and how quick you have played, you will also receive]
[    a bonus: at most 1 point in level 1, till 100 points in level 20 and higher.]
[]
[    The sums are getting more difficult and the blocks falling down more rapidly according]
[    to how you proceed in the game.]
[]
[    Mirandol tables has been designed in such a way, that for every player there is a suitable]
[    level to begin with. However, the best score will be obtained starting in a high level.]
[]
[    Furthermore the speed of the falling blocks is independent of the clock-speed of the ]
[    computer. In this way it is possible to compare the results obtained in different computers.]
[]
[    If you have achieved a good result in the game, you can write your name in the High Score list.]
[    See also the "Instructions" in the play-screen.]
[])";

std::vector<std::string> Bracketed(const char* text) {
    std::vector<std::string> lines;
    std::string all(text);
    std::size_t at = 0;
    while (at < all.size()) {
        const std::size_t end = all.find('\n', at);
        const std::string row = all.substr(at, end == std::string::npos ? end : end - at);
        lines.push_back(row.substr(1, row.size() - 2));
        at = end == std::string::npos ? all.size() : end + 1;
    }
    return lines;
}

const std::string kBlanks77(77, ' ');

TEST(InfoEnglishTexts, GameInstructionsPageMatchesTheRuleBookByteForByte) {
    const std::vector<std::string> expected = Bracketed(kEnglishInstructions);
    ASSERT_EQ(expected.size(), 31u);
    for (std::size_t n = 0; n < expected.size(); ++n) {
        EXPECT_EQ(kGameInstructionsPage[0][n], expected[n]) << "line " << n + 1;
    }
}

TEST(InfoEnglishTexts, AboutPageHoldsItsSixLinesAndNothingElse) {
    const std::vector<std::pair<std::size_t, std::string>> listed{
        {1, "    In Mirandol Tables you can practise in a challenging way the "},
        {2, "    multiplication tabels."},
        {6, "    We hope you learn and have fun with the program.  "},
        {8, "    If you want to clean the high-score lists, delete the file Quorelin.dat "},
        {9, "    and then rename the file Quorelincopy.dat into Quorelin.dat."},
        {20, "    No sound and music in this version."}};
    std::vector<std::string> expected(31);
    for (const auto& [line, text] : listed) {
        expected[line - 1] = text;
    }
    for (std::size_t n = 0; n < expected.size(); ++n) {
        EXPECT_EQ(kAboutPage[0][n], expected[n]) << "line " << n + 1;
    }
}

TEST(InfoEnglishTexts, CaptionsOfTheBarAndTheKeysPanelByLanguage) {
    struct Row {
        const Texts& table;
        Texts expected;
    };
    const Row rows[] = {
        {kAboutCaption, {"&About", "A&cerca de", "&Omtrent", "&Oangeande", "&Über"}},
        {kGameInstructionsCaption,
         {"&Game Instructions", "&Instrucciones del juego", "&Spelregels", "Spul&regels",
          "&Spielanweisungen"}},
        {kDisclaimerCaption,
         {"&Disclaimer", "&Disclaimer", "&Disclaimer", "D&isclaimer", "&Haftung"}},
        {kBackCaption, {"&Back", "&Volver", "&Terug", "&Werom", "&Zurück"}},
        {kLeftKey, {"to the left", "izquierda", "naar links ", "nei lofts", "links"}},
        {kRightKey, {"to the right", "derecha", "naar rechts ", "nei rjochts", "rechts"}},
        {kDownKey,
         {"drop quickly", "caer rápido", "snel naar beneden", "hurd nei ûnderen",
          "schnell hinunter"}},
    };
    for (const Row& row : rows) {
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(std::string(row.table[i]), row.expected[i]) << "language " << i + 1;
        }
    }
    EXPECT_EQ(std::string(kShortSpanishInstructions), "&Instrucciones");
}

TEST(InfoTranslations, FootersNameTheProductInEachLanguageAfter77Blanks) {
    const char* names[] = {"Tables", "Tablas", "Tafels", "Tafels", "Einmaleins"};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(kFooter[i], kBlanks77 + "------   Mirandol " + names[i] + " Info  ------") << i;
    }
}

TEST(InfoTranslations, PagesBeginWithTheGivenFirstLines) {
    struct Row {
        std::size_t language;
        const std::array<PageLines, 5>& page;
        std::size_t line;
        const char* text;
    };
    const Row rows[] = {
        {2, kGameInstructionsPage, 1,
         "    Para jugar a Mirandol Tablas debes mover los bloques que caen con "},
        {3, kGameInstructionsPage, 1,
         "    In Mirandol Tafels stuur je de vallende blokjes met de pijltjestoetsen"},
        {4, kGameInstructionsPage, 1,
         "    Yn Mirandol Tafels bestjoerest de fallende blokjes mei de pylkje-"},
        {5, kGameInstructionsPage, 1,
         "    Im Spiel von Mirandol Einmaleins manövrierst du die fallenden Zahlen"},
        {2, kAboutPage, 1,
         "    En Mirandol Tablas puedes practicar, de una manera única y muy divertida las "
         "tablas"},
        {3, kAboutPage, 1,
         "    In Mirandol Tafels oefen je, op een unieke en uitdagende wijze, de tafels van"},
        {4, kAboutPage, 1, "    "},
        {4, kAboutPage, 2, "    "},
        {4, kAboutPage, 3,
         "    Yn Mirandol Tafels oefenst, op in niisgjirriche en boartlike wize de tafels "},
        {5, kAboutPage, 1,
         "    Mirandol Einmaleins ist ein herausforderdes Spiel in dem du schnell"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(std::string(row.page[row.language - 1][row.line - 1]), row.text)
            << "language " << row.language << " line " << row.line;
    }
}

// Each About page tells how to clear the lists with both file names; German in one line.
TEST(InfoTranslations, EveryAboutPageTellsHowToClearTheListsWithBothFiles) {
    for (std::size_t i = 0; i < 5; ++i) {
        std::string page;
        for (const char* line : kAboutPage[i]) {
            page += line;
            page += '\n';
        }
        EXPECT_NE(page.find("Quorelin.dat"), std::string::npos) << i + 1;
        EXPECT_NE(page.find("Quorelincopy.dat"), std::string::npos) << i + 1;
    }
    const auto& german = kAboutPage[4];
    EXPECT_NE(std::find_if(german.begin(), german.end(),
                           [](const char* line) {
                               return std::string(line) ==
                                      "    High Scores löschen:  Quorelin.dat <-> "
                                      "Quorelincopy.dat";
                           }),
              german.end());
}

TEST(InfoTranslations, EveryLineStartsWithFourBlanksAndNoneNamesAnAddress) {
    for (const auto* page : {&kGameInstructionsPage, &kAboutPage, &kDisclaimerPage}) {
        for (std::size_t i = 0; i < 5; ++i) {
            for (std::size_t n = 0; n < kLineCount; ++n) {
                const std::string line = (*page)[i][n];
                if (!line.empty()) {
                    EXPECT_EQ(line.rfind("    ", 0), 0u) << i + 1 << ":" << n + 1 << " " << line;
                }
                for (const char* address : {"www", "http", "@", ".com", ".org", ".nl", ".de"}) {
                    EXPECT_EQ(line.find(address), std::string::npos) << line;
                }
            }
        }
    }
}

}  // namespace
}  // namespace quorelin
