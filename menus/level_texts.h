#pragma once
// Every text the level window shows, as tables indexed by Language - 1 (1 English,
// 2 Spanish, 3 Dutch, 4 Frisian, 5 German). Blanks inside the quotes belong to the texts.
#include <array>

namespace quorelin::level_texts {

using Texts = std::array<const char*, 5>;

// The two lines over the rule picture of the how-to-play panel.
inline constexpr Texts kRuleLine1{"Place 2 cubes above", "Coloca 2 bloques, el", "Plaats 2 blokjes",
                                  "Meitsje kolommen fan", "Mache Säulen von"};
inline constexpr Texts kRuleLine2{
    "each other: ", "uno encima del otro:", "boven op elkaar:", "twa blokjes.:", "zwei Blöcke::"};

inline constexpr Texts kPrompt{"Choose the level (1..20)", "Elige el nivel (1..20)",
                               "Kies het niveau (1..20)", "Kies it nivo (1..20)",
                               "Wähle das Niveau (1..20)"};
inline constexpr Texts kRangeWarning{"Take care to choose a level between 1 and 20! ",
                                     "¡Ojo! ¡Tienes que elegir el nivel entre 1 y 20! ",
                                     "Denk erom dat je een niveau tussen 1 en 20 moet kiezen! ",
                                     "Net sa nuver dwaan! Moatst in nivo kieze tusken 1 en 20!",
                                     "Bitte, wähle ein Niveau zwischen 1 und 20! "};
inline constexpr Texts kHowToPlayCaption{"How to play?", "¿Cómo jugar?", "Spelregels?",
                                         "Spulregels?", "Wie man spielt?"};
inline constexpr Texts kOkCaption{"Ok", "Aceptar", "Ok", "Akkoart", "Ok"};
inline constexpr Texts kCancelCaption{"Cancel", "Cancelar", "Annuleren", "Ofsizze", "Abbrechen"};
// The quick chooser's heading and its hint, and the hint of the entry field.
inline constexpr Texts kChooserHeading{"choose rapidly", "elegir rápido", "snel kiezen",
                                       "avensearje", "Schnell wählen"};
inline constexpr Texts kChooserHint{
    "Choose with the mouse rapidly a level", "Elige con el ratón rápidamente un nivel",
    "Kies met de muis snel een niveau", "Kies mei de mûs snel in nivo",
    "Schnell mit der Maus ein Niveau wählen"};
inline constexpr Texts kEntryHint{"Choose a level, and press Enter or click on Ok",
                                  "Elige el nivel, y pulsa Intro o haz clic en Aceptar",
                                  "Kies een niveau, en druk op Enter of klik op Ok",
                                  "Kies in nivo, en druk op Enter of klik mei de mûs op Akkoart",
                                  "Wähle ein Niveau und drück Enter oder klick Ok an"};

// Beside the left, right and down arrow keys.
inline constexpr Texts kLeftCaption{"to the left", "izquierda", "naar links", "nei lofts", "links"};
inline constexpr Texts kRightCaption{"to the right", "derecha", "naar rechts", "nei rjochts",
                                     "rechts"};
inline constexpr Texts kDownCaption{"quickly down", "rápido hacia abajo", "snel naar beneden",
                                    "hurd nei ûnderen", "schnell hinunter"};

inline constexpr Texts kWindowTitle{" Mirandol Tables  Choose Level",
                                    " Mirandol Tablas  Elige Nivel",
                                    " Mirandol Tafels  Kies Niveau", " Mirandol Tafels  Kies Nivo",
                                    " Mirandol Einmaleins  Niveau wählen"};
// The table title names the table after these words.
inline constexpr Texts kTableTitleStart{"Multiplicate with ", "Tabla del ", "Tafel van ",
                                        "Tafel fan ", "Multiplizieren mit "};

}  // namespace quorelin::level_texts
