#pragma once
// The info window's captions, key captions, titles and footers, as tables indexed by
// Language - 1 (1 English, 2 Spanish, 3 Dutch, 4 Frisian, 5 German). The pages themselves
// are in info_pages.h. Blanks inside the quotes belong to the texts.
#include <array>

#include "info/info_pages.h"

namespace quorelin::info_texts {

using Texts = std::array<const char*, 5>;

// The page buttons and Back; the character after "&" is the accelerator.
inline constexpr Texts kAboutCaption{"&About", "A&cerca de", "&Omtrent", "&Oangeande", "&Über"};
inline constexpr Texts kGameInstructionsCaption{"&Game Instructions", "&Instrucciones del juego",
                                                "&Spelregels", "Spul&regels", "&Spielanweisungen"};
inline constexpr Texts kDisclaimerCaption{"&Disclaimer", "&Disclaimer", "&Disclaimer",
                                          "D&isclaimer", "&Haftung"};
inline constexpr Texts kBackCaption{"&Back", "&Volver", "&Terug", "&Werom", "&Zurück"};
// The Spanish Game Instructions button on 480 lines while its own page is shown.
inline constexpr const char* kShortSpanishInstructions = "&Instrucciones";
inline constexpr const char* kCloseCaption = "X";

// The captions of the keys panel's arrow keys.
inline constexpr Texts kLeftKey{"to the left", "izquierda", "naar links ", "nei lofts", "links"};
inline constexpr Texts kRightKey{"to the right", "derecha", "naar rechts ", "nei rjochts",
                                 "rechts"};
inline constexpr Texts kDownKey{"drop quickly", "caer rápido", "snel naar beneden",
                                "hurd nei ûnderen", "schnell hinunter"};

// The window title, named like the footer.
inline constexpr Texts kWindowTitle{" Mirandol Tables  Info", " Mirandol Tablas  Info",
                                    " Mirandol Tafels  Info", " Mirandol Tafels  Ynformaasje",
                                    " Mirandol Einmaleins  Info"};

// The footer under the lines of every page: 77 blanks, then the product's name.
// clang-format off
inline constexpr Texts kFooter{
    "                                                                             ------   Mirandol Tables Info  ------",
    "                                                                             ------   Mirandol Tablas Info  ------",
    "                                                                             ------   Mirandol Tafels Info  ------",
    "                                                                             ------   Mirandol Tafels Info  ------",
    "                                                                             ------   Mirandol Einmaleins Info  ------",
};
// clang-format on

}  // namespace quorelin::info_texts
