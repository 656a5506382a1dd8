#pragma once
// Every text the main window shows, as tables indexed by Language - 1 (1 English,
// 2 Spanish, 3 Dutch, 4 Frisian, 5 German). Blanks inside the quotes belong to the texts.
#include <array>

namespace quorelin::main_texts {

using Texts = std::array<const char*, 5>;

inline constexpr Texts kWindowTitle{
    " Mirandol Tables  Main Menu", " Mirandol Tablas  Menú Principal",
    " Mirandol Tafels  Hoofdmenu", " Mirandol Tafels  Haadmenu", " Mirandol Einmaleins Haupt-Menü"};

// The big title, the banner's text and the version.
inline constexpr Texts kTitleText{"Tables", "Tablas", "Tafels", "Tafels", "Einmaleins"};
inline constexpr Texts kBannerText{"MIRANDOL Tables", "MIRANDOL Tablas", "MIRANDOL Tafels",
                                   "MIRANDOL Tafels", "MIRANDOL Einmaleins"};
inline constexpr Texts kVersionText{"v.2023-12", "v.2023-12", "v.2023-12", "f.2023-12",
                                    "V.2023-12"};

// The command buttons; the sound and music captions follow their switches.
inline constexpr Texts kInfoCaption{"&Info", " &Info          ", "  &Info          ",
                                    " &Ynformaasje     ", "&Info"};
inline constexpr Texts kSoundOnCaption{"&Sound is on", "&Sonido encendido", "&Geluid is aan",
                                       " &Lûd is oan ", "&Ton ist an"};
inline constexpr Texts kSoundOffCaption{"&Sound is off", "&Sonido apagado", "&Geluid is uit",
                                        " &Lûd is ût  ", "&Ton ist aus"};
inline constexpr Texts kMusicOnCaption{"&Music is on", "&Música encendida", "&Muziek is aan",
                                       "&Muzyk is oan", "&Musik ist an"};
inline constexpr Texts kMusicOffCaption{"&Music is off", "&Música apagada", "&Muziek is uit",
                                        "&Muzyk is ût ", "&Musik ist aus"};
inline constexpr Texts kLanguageCaption{"&Language", "  &Lengua         ", "   &Taal            ",
                                        "   &Taal              ", "&Sprache"};
inline constexpr Texts kHighScoresCaption{"&High Scores", "Mej&ores jugadores", "&Beste spelers  ",
                                          "&Betûftste spilers", "&High Scores"};
inline constexpr Texts kExitCaption{"E&xit", " S&alir           ", "  &Afsluiten     ",
                                    "  &Stopje      ", "&Ausgang"};

// The menu titles Game, Colour, Sound, Language, High Scores, Info and Exit, a row per
// language: above the lowest screens they carry leading blanks that spread them over the
// menu bar.
inline constexpr std::array<std::array<const char*, 7>, 5> kMenuTitlesTall{{
    {" &Game", "        &Colour", "        &Sound", "        &Language", "        &High Scores",
     "        &Info", "        E&xit"},
    {" &Jugar", "        &Color", "        &Sonido", "        &Lengua",
     "        &Mejores jugadores", "        &Info", "       S&alir"},
    {"  &Spelen", "       &Kleur", "       &Geluid", "       &Taal", "       &Beste spelers",
     "        &Info", "       &Afsluiten"},
    {" Spylj&e", "      &Kleur", "      &Lûd", "      &Taal", "      &Betûftste spilers ",
     "      &Ynformaasje", "      &Stopje"},
    {" &Spiel", "        &Farben", "        &Ton", "        S&prache", "        &High Scores",
     "        &Info", "        &Ausgang"},
}};
inline constexpr std::array<std::array<const char*, 7>, 5> kMenuTitlesShort{{
    {"&Game", "&Colour", "&Sound", "&Language", "&High Scores", "&Info", "E&xit"},
    {"&Jugar", "&Color", "&Sonido", "&Lengua", "&Mejores jugadores", "&Info", "S&alir"},
    {"&Spelen", "&Kleur", "&Geluid", "&Taal", "&Beste spelers", "&Info", "&Afsluiten"},
    {"Spylj&e", "&Kleur", "&Lûd", "&Taal", "&Betûftste spilers ", "&Ynformaasje", "&Stopje"},
    {"  &Spiel", "&Farben", "&Ton", "S&prache", "&High Scores", "&Info", "&Ausgang"},
}};

// The menu items About, Game Instructions, Disclaimer, Simple, Sophisticated, sound
// effects on and off, music on and off, a row per language.
inline constexpr std::array<std::array<const char*, 9>, 5> kMenuItems{{
    {"&About", "&Game Instructions", "&Disclaimer", "&Simple", "So&phisticated",
     "&Sound-effects on", "Sound-effects &off", "&Music on", "Music o&ff"},
    {"A&cerca de", "&Instrucciones de juego", "&Disclaimer", "&Sencillo", "So&fisticado",
     "&Encender sonido", "Apagar &sonido", "E&ncender música", "Apagar &música"},
    {"&Omtrent", "&Spelregels", "&Disclaimer", "&Eenvoudig", "&Uitgebreid", "Geluid &inschakelen",
     "Geluid &uitschakelen", "&Muziek inschakelen", "Mu&ziek uitschakelen"},
    {"&Oangeande", "&Spulregels", "D&isclaimer", "&Ienfâldich", "&Moaier (16/24 bit)",
     "&Mei lûd spylje", "&Sûnder lûd spylje", "M&ei muzyk spylje", "Sû&nder muzyk spylje"},
    {"&Über", "&Spielanweisungen", "&Haftung", "&Einfach", "&Schöner", "&Geräusch-Effekte an",
     "Geräusch-Effekte &aus", "&Musik ist an", "Musik ist &aus"},
}};

// The language buttons and menu items name the languages in their own words, always.
inline constexpr Texts kLanguageNames{"&English", "Es&pañol", "&Nederlands", "&Frysk", "&Deutsch"};

// Table button hints name the table after these words; German has none.
inline constexpr Texts kTableHintStart{"Play and multiplicate with ", "Tablas del ",
                                       "Speel met de tafel van ", "Boartsje mei de tafel fan ",
                                       nullptr};
inline constexpr Texts kMusicHint{
    "Only if you have a multimedia computer", "Sólamente si tu ordenador tiene multimedia",
    "Alleen als je een multimedia computer hebt", "Inkeld as´t in multimedia computer hast",
    "Nur, wenn Sie einen Multimedia-Computer haben"};
inline constexpr const char* kLanguageButtonHint = "Sprache, language,  idioma,  taal ";

// Hints of the five language buttons (columns) by the current language (rows). An empty
// text empties the hint; a null one leaves the hint as it was.
inline constexpr std::array<std::array<const char*, 5>, 5> kLanguageHints{{
    {"", "Spanish, a world-language, i.a. spoken in Spain and in America",
     "Dutch, spoken in the Netherlands, Belgium and Suriname",
     "Frisian, language related to English and spoken in Friesland, a beautiful province of "
     "the Netherlands",
     "German, spoken in Germany, Austria and Switzerland "},
    {"Inglés, lengua del mundo, hablado en muchos paises", "",
     "Neerlandés, hablado en los Países Bajos, Bélgica y Suriname",
     "Frisio, hablado en Frisia, una bonita provincia de los Países Bajos",
     "Alemán, hablado en Alemania, Austria y Suiza "},
    {"", "", "", "", nullptr},
    {"", "", "", "", nullptr},
    {"Englisch, eine Welt-Sprache",
     "Spanisch, eine Welt-Sprache, u.a. gesprochen in Spanien und in Amerika",
     "Niederländisch, u.a. gesprochen in die Niederlande, Belgien und Surinam",
     "Friesisch, gesprochen in Friesland, eine schöne Provinz von den Niederlanden", nullptr},
}};

// The sound and music commands write the captions above, except for these spellings.
inline constexpr const char* kFrisianSoundOn = "&Lûd is oan";     // button and on-item
inline constexpr const char* kFrisianSoundOff = "&Lûd is ût";     // button
inline constexpr const char* kGermanSoundOff = " &Ton ist aus ";  // off-item
inline constexpr const char* kFrisianMusicOff = "&Muzyk is ût";   // all three commands

// Class-room silence writes its own captions on the sound and music switches.
inline constexpr Texts kSilencedSoundCaption{"&Sound is off", "&Sonido apagado", "&Geluid is uit",
                                             "&Lûd is ût ", "&Ton ist aus "};
inline constexpr Texts kUnsilencedSoundCaption{"&Sound is on", "&Sonido encendido",
                                               "&Geluid is aan", "&Lûd is oan", "&Ton ist an"};
inline constexpr Texts kUnsilencedMusicCaption{"&Music is off", "&Música apagada  ",
                                               "&Muziek is uit", "&Muzyk is ût", "&Musik ist aus"};

// The warnings about a screen made smaller while the program runs: on showing, on a table.
inline constexpr const char* kShownWarning =
    "The size of the screen has been changed!You´d better stop the program and start it "
    "again! ";
inline constexpr const char* kTableWarning =
    "The size of the screen has been changed! You´d better stop the program and start it "
    "again! ";

// The question when a close other than Exit could not save; %1 is the reason.
inline constexpr Texts kCloseNotSaved{
    "The high scores and settings could not be saved:\n%1\n\nTry again, quit without "
    "saving, or cancel to go back to the game. If you quit without saving, the high scores "
    "entered and the settings changed since the last successful save are lost.",
    "No se han podido guardar las puntuaciones ni los ajustes:\n%1\n\nVuelve a intentarlo, "
    "sal sin guardar o cancela para volver al juego. Si sales sin guardar, se pierden las "
    "puntuaciones y los ajustes cambiados desde la última vez que se guardaron bien.",
    "De topscores en instellingen konden niet worden opgeslagen:\n%1\n\nProbeer het "
    "opnieuw, stop zonder op te slaan, of annuleer om terug te gaan naar het spel. Als je "
    "stopt zonder op te slaan, gaan de topscores en instellingen die sinds de laatste "
    "geslaagde keer opslaan zijn veranderd verloren.",
    "De topskoares en ynstellings koene net bewarre wurde:\n%1\n\nBesykje it nochris, "
    "stopje sûnder te bewarjen, of annulearje om werom te gean nei it spul. Asto stopst "
    "sûnder te bewarjen, reitsje de topskoares en ynstellings dy't sûnt de lêste kear dat "
    "it goed bewarre waard feroare binne, kwyt.",
    "Die Rekorde und Einstellungen konnten nicht gespeichert werden:\n%1\n\nVersuche es "
    "noch einmal, beende ohne zu speichern oder brich ab, um zum Spiel zurückzukehren. Wenn "
    "du ohne zu speichern beendest, gehen die Rekorde und Einstellungen verloren, die seit "
    "dem letzten erfolgreichen Speichern dazugekommen sind oder geändert wurden."};
// The question's three answers.
inline constexpr Texts kTryAgainCaption{"Try again", "Reintentar", "Opnieuw proberen",
                                        "Nochris besykje", "Erneut versuchen"};
inline constexpr Texts kQuitWithoutSavingCaption{"Quit without saving", "Salir sin guardar",
                                                 "Stoppen zonder opslaan", "Stopje sûnder bewarjen",
                                                 "Beenden ohne Speichern"};
inline constexpr Texts kCancelCaption{"Cancel", "Cancelar", "Annuleren", "Annulearje", "Abbrechen"};

}  // namespace quorelin::main_texts
