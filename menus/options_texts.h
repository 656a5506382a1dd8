#pragma once
// Every text the options window shows, as tables indexed by Language - 1 (1 English,
// 2 Spanish, 3 Dutch, 4 Frisian, 5 German). Blanks inside the quotes belong to the texts.
#include <array>

namespace quorelin::options_texts {

using Texts = std::array<const char*, 5>;

inline constexpr Texts kWindowTitle{" Mirandol Tables", " Mirandol Tablas", "  Mirandol Tafels",
                                    " Mirandol Tafels", " Mirandol Einmaleins"};

inline constexpr Texts kSlogan{
    "Play and practise the multiplication tables!", "¡Juega y practica las tablas de multiplicar!",
    "Speel en oefen de tafels!", "Spylje en oefenje de tafels!", "Spielen mit fallenden Zahlen"};

// The silence button as the window opens, with sound on.
inline constexpr Texts kSilenceCaption{"&Switch off sound", "&Apagar sonido",
                                       "&Geluid uitschakelen", "&Lûd útdwaan", "&Ton ausschalten"};
inline constexpr Texts kSilenceHint{
    "Switch off sound and music ", "Apagar sonido y música ", "Geluid en de muziek uitschakelen ",
    "It lûd en de muzyk útdwaan ", "Geräusch-Effekte und Musik ausschalten"};

inline constexpr Texts kProceedCaption{"&Proceed", "Se&guir", "Ga &verder", "&Fierder gean",
                                       "&Weitergehen"};
inline constexpr Texts kProceedHint{"To the main-menu ", "Al menú principal ",
                                    "Naar het hoofdmenu ", "Nei it haadmenu ",
                                    "Sie gehen weiter zum Haupt-Menü "};

// The version line on label11; Frisian writes it on the first text row instead and
// leaves label11 a single blank.
inline constexpr Texts kVersionLine{"Version 2023-12", "Versión 2023-12", "Versie 2023-12", " ",
                                    "Version 2023-12"};

// The text rows label3, label5, label4, label12, label8, label9, label10 and label2, top
// to bottom: the greeting where each language has it, and the two credit lines on rows
// the greeting leaves free. label2 stays empty.
inline constexpr int kTextRowCount = 8;
using TextRows = std::array<const char*, kTextRowCount>;
inline constexpr std::array<TextRows, 5> kTextRows{{
    {"", "The author hopes that this program", "will be used a lot.", "",
     "Free to use at school and at home.", "Practise a little every day!", "", ""},
    {"", "", "El autor espera que sea usado mucho.", "", "Libre para usar en la escuela y en casa.",
     "¡Practica un poco cada día!", "", ""},
    {"", "De auteur hoopt dat het veel gebruikt zal worden.", "", "",
     "Vrij te gebruiken op school en thuis.", "Oefen elke dag een beetje!", "", ""},
    {"Ferzje 2023-12", "", "", "Wy hopje dat jo in protte wille hawwe ", "fan Mirandol Tafels.",
     "Frij te brûken op skoalle en thús.", "Oefenje alle dagen in bytsje!", ""},
    {"", "Der Autor wünscht Ihnen viel Spaß", "und viel Lernen!", "",
     "Frei für Schule und Zuhause.", "Übe jeden Tag ein bisschen!", "", ""},
}};

// The screen mode button as the window opens: partial screen offers to enlarge, full
// screen to reduce.
inline constexpr Texts kOpenEnlargeCaption{"Enla&rge screen", "Agrandar &pantalla",
                                           "&Scherm vergroten", "S&kerm grutter meitsje",
                                           "&Bildschirm vergrößern"};
inline constexpr Texts kOpenEnlargeHint{
    "The program will occupy the whole screen", "El programa ocupará toda la pantalla",
    "Het programma zal het gehele scherm beslaan", "It programma sil it skerm hielendal besette",
    "Das Program wird den ganzen Bildschirm einnehmen"};
inline constexpr Texts kOpenReduceCaption{"&Reduce screen", "Disminuir &pantalla",
                                          "&Scherm verkleinen", "S&kerm lytser meitsje",
                                          "&Bildschirm reduzieren"};
inline constexpr Texts kOpenReduceHint{"The program will occupy a part of the screen",
                                       "El programa ocupará un parte de la pantalla",
                                       "Het programma zal een gedeelte van het scherm beslaan",
                                       "It programma sil it skerm foar in part besette",
                                       "Das programm wird einen Teil des Bildschirmes einnehmen"};

// Class-room silence switched on: this window's button and the note on the message line.
inline constexpr Texts kSilentCaption{"&Switch on sound", "Encender &sonido", "&Geluid inschakelen",
                                      "&Lûd oan dwaan", "&Ton anschalten"};
inline constexpr Texts kSilenceNote{
    " Sound and music are off; in the main-menu they cannot switched on again.  ",
    " El sonido y la música están apagados; en el menú principal no se pueden encender de "
    "nuevo. ",
    " Het geluid en de muziek zijn nu uit; in het hoofdmenu kunnen ze niet meer aan worden "
    "gedaan. ",
    " It lûd en de muzyk binne nou ût; kinst se net mear oan dwaan yn it haadmenu. ",
    " Geräusch-Effekte und Music sind aus; im Haupt-Menü können sie nicht wieder angeschaltet "
    "werden"};

// Class-room silence switched off again.
inline constexpr Texts kSoundAgainCaption{"&Switch off sound", "Apagar &sonido",
                                          "&Geluid uitschakelen", "&Lûd ûtdwaan",
                                          "&Ton ausschalten"};
inline constexpr Texts kSoundAgainHint{
    "Switch off sound and music ", "Apagar sonido y música ", "Doe het geluid en de muziek uit ",
    "It lûd en de muzyk ûtdwaan ", "Die Geräusch-Effekte und die Musik ausschalten "};

// After a switch to full screen: the message line and the button's new offer.
inline constexpr Texts kNowFull{
    "The program occupies the whole screen now.", "Ahora el programa ocupa toda la pantalla.",
    "Het programma beslaat nu het gehele scherm.", "It programma beset it skerm nou hielendal .",
    "Das Programm nimmt jetzt den ganzen Bildschirm ein."};
inline constexpr Texts kReduceCaption{"&Reduce Screen", "Disminuir &pantalla", "&Scherm verkleinen",
                                      "S&kerm lytser meitsje", "&Bildschirm reduzieren"};
inline constexpr Texts kReduceHint{"The program will occupy a part of the screen",
                                   "El programa ocupará un parte de la pantalla",
                                   "Het programma zal een gedeelte van het scherm beslaan",
                                   "It programma sil it skerm foar in part besette",
                                   "Das Program wird einen Teil des Bildschirmes einnehmen"};

// After a switch to partial screen.
inline constexpr Texts kNowPartial{"The program occupies only a part of the screen now.",
                                   "Ahora el programa ocupa una parte de la pantalla.",
                                   "Het programma beslaat nu een gedeelte van het scherm.",
                                   "It programma beset it skerm nou foar in part.",
                                   "Das Programm nimmt jetzt nur einen Teil des Bildschirmes ein"};
inline constexpr Texts kEnlargeCaption{"Enla&rge Screen", "Agrandar &pantalla", "&Scherm vergroten",
                                       "S&kerm grutter meitsje", "&Bildschirm Vergrößern"};
inline constexpr Texts kEnlargeHint{
    "The program will occupy the whole screen", "El programa ocupará toda la pantalla",
    "Het programma zal het gehele scherm beslaan", "It programma sil it skerm hielendal besette",
    "Das Program wird den ganzen Bildschirm einnehmen"};

// The hint on the message line after a slow start; German shows the English one.
inline constexpr const char* kEnglishSlowStartHint =
    "If it takes a lot of time to start the program, perhaps you´d better use the MsDos "
    "version Pelmosar.";
inline constexpr Texts kSlowStartHint{
    kEnglishSlowStartHint,
    "Si arrancar el programa cuesta mucho tiempo, podrías utilizar la versión Msdos Pelmosar.",
    "Als het opstarten veel tijd kost, kun je eventueel de Msdos versie Pelmosar gebruiken.",
    "As it opstarten in protte tiid kostet, kinst ek de Msdos ferzje Pelmosar brûke.",
    kEnglishSlowStartHint};

// The same in every language.
inline constexpr const char* kNoSoundNote = "No sound and music in this version";

}  // namespace quorelin::options_texts
