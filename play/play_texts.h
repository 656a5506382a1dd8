#pragma once
// Every text the play window shows, as tables indexed by Language - 1 (1 English,
// 2 Spanish, 3 Dutch, 4 Frisian, 5 German). Trailing blanks belong to the texts.
#include <QString>
#include <array>
#include <cstdint>

#include "game/language.h"
#include "kit/widget_style.h"

namespace quorelin::play_texts {

using Texts = std::array<const char*, 5>;

// The table index for a language; anything outside 1..5 reads as English.
inline std::size_t Lang(int language) {
    return LanguageIndex(language);
}

// The text of a table in a language.
inline QString TextFor(const Texts& texts, int language) {
    return Text(texts[Lang(language)]);
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

// The instructions panel's texts in one language, one entry per label.
struct InstructionsTexts {
    const char* Label1;        // heading
    const char* Label2;        // controls, first line
    const char* Label3;        // controls, second line
    const char* Label4;        // left arrow
    const char* Label5;        // right arrow
    const char* Label6;        // down arrow
    const char* Label7;        // rule, first line
    const char* Label8;        // rule, second line
    const char* Label9Prefix;  // formula before the table number
    const char* Label9Suffix;  // formula after the table number
    const char* Label10;       // "For example:"
    const char* Label12;       // extra rule, three lines
    const char* Label13;
    const char* Label14;
};

inline constexpr std::array<InstructionsTexts, 5> kInstructions{{
    {"Instructions", "Manoeuvre the falling blocks with the ",
     "mouse or the arrow-keys:", "to the left", "to the right", "drop quickly",
     "Make columns of two blocks,", "in such a way that:", "block under x ", " = block above",
     "For example:", "Extra rule: it is not allowed", "to make multiplications larger",
     "then 999  (\"bombs\" will fall then)."},
    {"Instrucciones", "Mueve los bloques que caen con ",
     "el ratón o las flechas:", "a la izquierda", "a la derecha", "caer rápido ",
     "Haz columnas de dos bloques,", "así que:", "bloque abajo x ", " = bloque ariba",
     "Por ejemplo:", "Regla extra: no se pueden hacer  ", "multiplicaciones mayores de 999",
     "(entonces caerán \"bombas\")."},
    {"Instructies", "Beweeg de vallende blokjes met de",
     "muis of de pijltjestoetsen:", "naar links", "naar rechts ", "snel naar beneden",
     "Maak kolommen van 2 blokjes,", "waarbij moet gelden:", "onderste blokje x ",
     " = bovenste blokje", "Bijvoorbeeld:", "Extra regel: je mag geen ",
     "rekensommen maken groter dan", "999  (er vallen dan \"bommen\")."},
    {"Ynstruksjes", "Stjoer de fallende blokjes mei de", "mûs of de pylkjetoetsen: ", "nei lofts",
     "nei rjochts", "hurd nei ûnderen", "Meitsje kolommen fan twa blokjes,",
     "op sa´n foet dat:", "ûnderste blokje x ", " = boppeste blokje",
     "Bygelyks:", "Ekstra regel: meist net rekkensommen ", "meitsje dy´t grutter binne as 999  .",
     "(oars sillen dêr \"bommen\" fallen  ."},
    {"Anweisungen", "Manövriere die fallende Blöcke mit der ",
     "Maus oder den Pfeil-Tasten:", "nach links", "nach rechts", "schnell hinunter",
     "Mache Säulen von zwei Blöcke.", "Die Werte müssen korrespondieren wie:", "block unten x ",
     " = block oben", "Zum Beispiel:", "Extra Regel: Es ist nicht erlaubt,",
     "Multiplikationen größer als 999 zu", "machen. "},
}};

}  // namespace quorelin::play_texts
