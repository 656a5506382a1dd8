#pragma once
// The high-score window's texts, as tables indexed by Language - 1 (1 English, 2 Spanish,
// 3 Dutch, 4 Frisian, 5 German), and the few that every language shares. Blanks inside
// the quotes belong to the texts.
#include <array>

namespace quorelin::scores_texts {

using Texts = std::array<const char*, 5>;

inline constexpr Texts kWindowTitle{" Mirandol Tables High Scores", " Mirandol Tablas High Scores",
                                    " Mirandol Tafels High Scores", " Mirandol Tafels High Scores",
                                    " Mirandol Einmaleins High Scores"};
// The big and the small heading, each followed by the table number.
inline constexpr Texts kBigHeading{"Multiplications with ", "Tabla del ", "Tafel van ",
                                   "Tafel fan ", "Einmaleins x "};
inline constexpr Texts kSmallHeading{"HIGH SCORES Tables x ", "HIGH SCORES Tabla del ",
                                     "HIGH SCORES Tafel van ", "HIGH SCORES Tafel fan ",
                                     "HIGH SCORES Einmaleins x "};
inline constexpr Texts kOkCaption{"Ok", "Aceptar ", "Ok", "Akkoart", "Ok"};
// The OK button's caption while browsing on 480 lines in partial screen, in every language.
inline constexpr const char* kSmallScreenOkCaption = "Ok";
inline constexpr const char* kCloseCaption = "X";

// The column headings, not translated.
inline constexpr const char* kScoreHeading = "Score";
inline constexpr const char* kLevelHeading = "Level";
// The banner's words.
inline constexpr const char* kBannerText = "HIGH SCORES";

// The warning when a pending entry is left with an empty name box.
inline constexpr Texts kEmptyNameWarning{
    "You forgot to fill in your name!  Are you sure to leave?",
    "¡Has olvidado escribir tu nombre! ¿Estás seguro de que quieres salir?",
    "Je bent vergeten je naam in te vullen! Ben je er zeker van dat je vertrekken wilt?",
    "Hast forgetten dyn namme te skriuwen! Bist der wis fan wei te gean?",
    "Du hast vergessen, deinen Namen auszufüllen. Bist du sicher, daß du gehen möchtest?"};
inline constexpr const char* kWarningTitle = "Warning";
// Shown in every language when the screen has become lower than at start.
inline constexpr const char* kScreenChanged =
    "The size of the screen has been changed! You´d better stop the program and start it "
    "again! ";
// The report of a stored entry that could not be saved; %1 is the reason.
inline constexpr const char* kEntryNotSavedTitle = "Quorelin";
inline constexpr Texts kEntryNotSaved{
    "The new high score could not be written to the data file yet:\n%1\n\nIt stays in the "
    "list, and the game tries to save it again when it ends.",
    "La nueva puntuación todavía no se ha podido guardar en el archivo de datos:\n%1\n\n"
    "Sigue en la lista, y el juego volverá a intentar guardarla al terminar.",
    "De nieuwe topscore kon nog niet in het gegevensbestand worden geschreven:\n%1\n\nHij "
    "blijft in de lijst staan, en het spel probeert hem opnieuw op te slaan als het stopt.",
    "De nije topskoare koe noch net yn it gegevensbestân skreaun wurde:\n%1\n\nHy bliuwt yn "
    "de list stean, en it spul besiket him nochris te bewarjen as it ophâldt.",
    "Der neue Rekord konnte noch nicht in die Datendatei geschrieben werden:\n%1\n\nEr "
    "bleibt in der Liste, und das Spiel versucht beim Beenden noch einmal, ihn zu speichern."};

}  // namespace quorelin::scores_texts
