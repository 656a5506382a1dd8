#pragma once
// Every text the play window shows, as tables indexed by Language - 1 (1 English,
// 2 Spanish, 3 Dutch, 4 Frisian, 5 German). Trailing blanks belong to the texts.
#include <array>
#include <cstdint>

#include "game/language.h"

namespace quorelin::play_texts {

using Texts = std::array<const char*, 5>;

// The table index for a language; anything outside 1..5 reads as English.
inline std::size_t Lang(int language) {
    return LanguageIndex(language);
}

inline constexpr Texts kWindowCaption{" Mirandol Tables       ", " Mirandol Tablas       ",
                                      " Mirandol Tafels       ", " Mirandol Tafels       ",
                                      " Mirandol Einmaleins  "};
inline constexpr Texts kLevelCaption{
    " Level:  ", " Nivel:  ", "Niveau:  ", " Nivo:  ", " Niveau: "};
inline constexpr Texts kScoreCaption{" Score:", " Score:", " Score:", " Score:", " Score:"};
inline constexpr Texts kStillCaption{
    "Still:   ", "Faltan:  ", "  Nog:   ", " Noch:   ", "Noch:   "};
inline constexpr Texts kNextCaption{"Next:", "Siguiente:", "Volgende:", "Folgjende:", "Folgende"};
inline constexpr Texts kInstructionsButton{"&Instructions", "&Instrucciones", "&Instructies",
                                           "&Ynstruksjes", "&Instruktion"};
inline constexpr Texts kExitButton{"E&xit", "&Salir", "&Stoppen", "&Stopje", "&Stop"};

// The pause button while the game runs, while it is paused, and once the game has ended.
inline constexpr Texts kPauseRunning{"&Pause", "&Pausa", "&Pauze", "&Pauze", "&Pause"};
inline constexpr Texts kPausePaused{"&Proceed", "Segui&r", "&Doorgaan", "&Trochgean",
                                    "&Weitergehen"};
inline constexpr Texts kPauseAfterGame{"&Proceed", "&Seguir", "&Doorgaan", "&Trochgean",
                                       "&Weitergehen"};

// The title before the game writes the table into it: the game kind, adding.
inline constexpr Texts kTitlePlaceholder{"Adding", "Sumar", "Optellen", "Optellje", "Addieren"};

// The value panels while a game runs; each is followed by its number.
inline constexpr Texts kLevelPrefix{"Level: ", "Nivel: ", "Niveau: ", "Nivo: ", "Niveau: "};
inline constexpr Texts kStillPrefix{"    Still: ", "Faltan: ", "    Nog: ", "  Noch: ", "  Noch: "};

// The heading over the field; the table number follows (English and German show it alone).
inline constexpr Texts kHeadingPrefix{"", "Tabla del ", "Tafel van ", "Tafel fan ", ""};

// The level-end messages: the time bonus (plural, singular) and the next level.
inline constexpr Texts kBonusPoints{" points bonus", " puntos de bonus", " punten bonus",
                                    " punten bonus", " Punkte Bonus"};
inline constexpr Texts kBonusPoint{" point bonus", " punto de bonus", " punt bonus", " punt bonus",
                                   " Punkt Bonus"};
inline constexpr Texts kNextLevelPrefix{"You go to level ", "¡ Pasas al nivel ",
                                        "Je gaat naar niveau ", "Giest nei nivo ",
                                        "Du gehst zum Niveau "};
inline constexpr Texts kNextLevelSuffix{" !", " ! ", " !", " !", " !"};

// The game-over display.
inline constexpr Texts kPressAnyKey{"  Press any key..", "  Pulsa una tecla..",
                                    "  Druk op een toets..", "  Druk op in toets..",
                                    "  Drücke irgendeine Taste.."};
inline constexpr const char* kGameOver = "Game Over";

}  // namespace quorelin::play_texts
