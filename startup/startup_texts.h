#pragma once
// What the start-up adds to a data file or data folder problem that stops the game, as a
// table indexed by Language - 1 (1 English, 2 Spanish, 3 Dutch, 4 Frisian, 5 German).
#include <array>

namespace quorelin::startup_texts {

inline constexpr std::array<const char*, 5> kCannotStart{
    "The game cannot start without its data file.",
    "El juego no puede arrancar sin su archivo de datos.",
    "Het spel kan niet starten zonder zijn gegevensbestand.",
    "It spul kin net begjinne sûnder syn gegevensbestân.",
    "Das Spiel kann ohne seine Datendatei nicht starten."};

}  // namespace quorelin::startup_texts
