#pragma once
// The three pages of the info window, 31 lines each, as tables indexed by Language - 1
// (1 English, 2 Spanish, 3 Dutch, 4 Frisian, 5 German). Every text line starts with four
// blanks; blanks at the ends belong to the texts. The pictures stand where a page keeps
// its lines empty: About below line 25, Disclaimer over lines 18 to 22, and the keys
// panel right of lines 1 to 14 of the Game Instructions page.
#include <array>

namespace quorelin::info_texts {

inline constexpr int kLineCount = 31;
using PageLines = std::array<const char*, kLineCount>;

// clang-format off
// The rules, the keys and the scoring.
inline constexpr std::array<PageLines, 5> kGameInstructionsPage{{
    // English
    {
        "    Make columns two blocks. The value in the upper block must be ",  // 1
        "    equal to the value in the block below, multiplicated with the ",  // 2
        "    table of multiplication you have chosen in the main menu. ",  // 3
        "",  // 4
        "    With the arrow-keys or the mouse buttons, you can move the falling",  // 5
        "    blocks to the left, to the right and drop them quickly. With the",  // 6
        "    pause button it is possible to stop the game for a while, but ",  // 7
        "    consequently your \"fall-space\" becomes smaller and you ",  // 8
        "    receive less points.",  // 9
        "",  // 10
        "    For each good calculation you get 1 point. However, if you ",  // 11
        "    place a number rapidly you will be given 2 points. Try to ",  // 12
        "    play as quick as possible! After completing 15 sums you proceed",  // 13
        "    to the next level.",  // 14
        "",  // 15
        "    For every empty line in the \"fall-space\" you will then receive 1 point.",  // 16
        "    Depending of the level and how quick you have played, you will also receive",  // 17
        "    a bonus: at most 1 point in level 1, till 100 points in level 20 and higher.",  // 18
        "",  // 19
        "    The sums are getting more difficult and the blocks falling down more rapidly according",  // 20
        "    to how you proceed in the game.",  // 21
        "",  // 22
        "    Mirandol tables has been designed in such a way, that for every player there is a suitable",  // 23
        "    level to begin with. However, the best score will be obtained starting in a high level.",  // 24
        "",  // 25
        "    Furthermore the speed of the falling blocks is independent of the clock-speed of the ",  // 26
        "    computer. In this way it is possible to compare the results obtained in different computers.",  // 27
        "",  // 28
        "    If you have achieved a good result in the game, you can write your name in the High Score list.",  // 29
        "    See also the \"Instructions\" in the play-screen.",  // 30
        "",  // 31
    },
    // Spanish
    {
        "    Para jugar a Mirandol Tablas debes mover los bloques que caen con ",  // 1
        "    las flechas del teclado o con los botones del ratón: a la",  // 2
        "    izquierda, a la derecha o hacia abajo para que caigan rápido.",  // 3
        "",  // 4
        "    Forma columnas de dos bloques. El número del bloque de arriba",  // 5
        "    debe ser igual al número del bloque de abajo multiplicado por",  // 6
        "    la tabla que has elegido en el menú principal.",  // 7
        "",  // 8
        "    Con el botón de pausa puedes parar el juego un rato, pero tu",  // 9
        "    \"espacio de caída\" se hace más pequeño y recibes menos puntos.",  // 10
        "",  // 11
        "    Por cada cálculo correcto recibes 1 punto; si colocas el número",  // 12
        "    rápidamente, recibes 2 puntos. ¡Juega lo más rápido posible!",  // 13
        "    Al completar 15 cálculos pasas al nivel siguiente.",  // 14
        "",  // 15
        "    Por cada línea vacía del \"espacio de caída\" recibes entonces 1 punto.",  // 16
        "    Según el nivel y la rapidez con que has jugado, recibes además una bonificación:",  // 17
        "    como máximo 1 punto en el nivel 1, hasta 100 puntos en el nivel 20 y superiores.",  // 18
        "",  // 19
        "    Los cálculos se vuelven más difíciles y los bloques caen más rápido a medida",  // 20
        "    que avanzas en el juego.",  // 21
        "",  // 22
        "    Mirandol Tablas está hecho de tal manera que cada jugador encuentra un nivel",  // 23
        "    adecuado para empezar. Pero la mejor puntuación se consigue empezando en un nivel alto.",  // 24
        "",  // 25
        "    Además, la velocidad de los bloques no depende de la velocidad del ordenador.",  // 26
        "    Así se pueden comparar los resultados obtenidos en ordenadores diferentes.",  // 27
        "",  // 28
        "    Si has conseguido un buen resultado, puedes escribir tu nombre en la lista de",  // 29
        "    Mejores jugadores. Mira también las \"Instrucciones\" en la pantalla de juego.",  // 30
        "",  // 31
    },
    // Dutch
    {
        "    In Mirandol Tafels stuur je de vallende blokjes met de pijltjestoetsen",  // 1
        "    of met de muisknoppen naar links of naar rechts, of je laat ze",  // 2
        "    snel naar beneden vallen.",  // 3
        "",  // 4
        "    Maak kolommen van twee blokjes. Het getal in het bovenste blokje",  // 5
        "    moet gelijk zijn aan het getal in het blokje eronder, keer de",  // 6
        "    tafel die je in het hoofdmenu hebt gekozen.",  // 7
        "",  // 8
        "    Met de pauzeknop kun je het spel even stilzetten, maar dan",  // 9
        "    wordt je \"valruimte\" kleiner en krijg je minder punten.",  // 10
        "",  // 11
        "    Voor elke goede som krijg je 1 punt. Zet je een getal snel op",  // 12
        "    zijn plaats, dan krijg je 2 punten. Speel dus zo snel mogelijk!",  // 13
        "    Na 15 sommen ga je naar het volgende niveau.",  // 14
        "",  // 15
        "    Voor elke lege regel in de \"valruimte\" krijg je dan 1 punt.",  // 16
        "    Afhankelijk van het niveau en hoe snel je gespeeld hebt, krijg je ook een bonus:",  // 17
        "    hoogstens 1 punt op niveau 1, tot 100 punten op niveau 20 en hoger.",  // 18
        "",  // 19
        "    Hoe verder je in het spel komt, hoe moeilijker de sommen worden en hoe sneller",  // 20
        "    de blokjes vallen.",  // 21
        "",  // 22
        "    Mirandol Tafels is zo gemaakt dat er voor elke speler een geschikt niveau is om",  // 23
        "    mee te beginnen. De hoogste score haal je echter als je op een hoog niveau begint.",  // 24
        "",  // 25
        "    Verder hangt de snelheid van de vallende blokjes niet af van de snelheid van de",  // 26
        "    computer. Zo kun je de resultaten op verschillende computers met elkaar vergelijken.",  // 27
        "",  // 28
        "    Heb je een goed resultaat behaald, dan kun je je naam in de lijst van beste spelers zetten.",  // 29
        "    Zie ook de \"Instructies\" in het speelscherm.",  // 30
        "",  // 31
    },
    // Frisian
    {
        "    Yn Mirandol Tafels bestjoerest de fallende blokjes mei de pylkje-",  // 1
        "    toetsen of de mûsknoppen nei lofts of nei rjochts, of do litst se",  // 2
        "    hurd nei ûnderen falle.",  // 3
        "",  // 4
        "    Meitsje kolommen fan twa blokjes. It getal yn it boppeste blokje",  // 5
        "    moat gelyk wêze oan it getal yn it blokje derûnder kear de tafel",  // 6
        "    dy'tst yn it haadmenu keazen hast.",  // 7
        "",  // 8
        "    Mei de pauzeknop kinst it spul efkes stilsette, mar dan wurdt",  // 9
        "    dyn \"falromte\" lytser en krigest minder punten.",  // 10
        "",  // 11
        "    Foar elke goede som krigest 1 punt. Setst in getal hurd op syn",  // 12
        "    plak, dan krigest 2 punten. Spylje dus sa hurd ast kinst!",  // 13
        "    Nei 15 sommen giest nei it folgjende nivo.",  // 14
        "",  // 15
        "    Foar elke lege rigel yn de \"falromte\" krigest dan 1 punt.",  // 16
        "    Ôfhinklik fan it nivo en hoe hurd ast spile hast, krigest ek in bonus:",  // 17
        "    op syn heechst 1 punt op nivo 1, oant 100 punten op nivo 20 en heger.",  // 18
        "",  // 19
        "    Hoe fierder ast yn it spul komst, hoe dreger de sommen wurde en hoe hurder",  // 20
        "    de blokjes falle.",  // 21
        "",  // 22
        "    Mirandol Tafels is sa makke dat der foar elke spiler in gaadlik nivo is om mei",  // 23
        "    te begjinnen. De heechste skoare krigest lykwols ast op in heech nivo begjinst.",  // 24
        "",  // 25
        "    Fierder hinget de snelheid fan de fallende blokjes net ôf fan de snelheid fan",  // 26
        "    de kompjûter. Sa kinst de resultaten op ferskillende kompjûters mei elkoar ferlykje.",  // 27
        "",  // 28
        "    Hast in goed resultaat helle, dan kinst dyn namme yn de list fan betûftste spilers sette.",  // 29
        "    Sjoch ek de \"Ynstruksjes\" yn it spulskerm.",  // 30
        "",  // 31
    },
    // German
    {
        "    Im Spiel von Mirandol Einmaleins manövrierst du die fallenden Zahlen",  // 1
        "    mit den Pfeiltasten oder den Maustasten nach links oder nach",  // 2
        "    rechts, oder du lässt sie schnell hinunterfallen.",  // 3
        "",  // 4
        "    Baue Säulen aus zwei Blöcken. Die Zahl im oberen Block muss",  // 5
        "    gleich der Zahl im Block darunter sein, malgenommen mit der",  // 6
        "    Reihe, die du im Haupt-Menü gewählt hast.",  // 7
        "",  // 8
        "    Mit der Pause-Taste kannst du das Spiel anhalten, aber dann wird",  // 9
        "    dein \"Fallraum\" kleiner und du bekommst weniger Punkte.",  // 10
        "",  // 11
        "    Für jede richtige Rechnung bekommst du 1 Punkt, für eine schnell",  // 12
        "    gesetzte Zahl sogar 2 Punkte. Spiele so schnell wie möglich! Nach",  // 13
        "    15 Rechnungen kommst du ins nächste Niveau.",  // 14
        "",  // 15
        "    Für jede leere Zeile im \"Fallraum\" bekommst du dann 1 Punkt.",  // 16
        "    Je nach Niveau und danach, wie schnell du gespielt hast, bekommst du auch einen",  // 17
        "    Bonus: höchstens 1 Punkt auf Niveau 1, bis zu 100 Punkte ab Niveau 20.",  // 18
        "",  // 19
        "    Je weiter du im Spiel kommst, desto schwieriger werden die Rechnungen und desto",  // 20
        "    schneller fallen die Zahlen.",  // 21
        "",  // 22
        "    Mirandol Einmaleins ist so gemacht, dass jeder Spieler ein passendes Niveau zum",  // 23
        "    Anfangen findet. Die beste Punktzahl erreichst du aber, wenn du hoch anfängst.",  // 24
        "",  // 25
        "    Die Geschwindigkeit der fallenden Zahlen hängt nicht vom Takt des Computers ab.",  // 26
        "    So kann man die Ergebnisse auf verschiedenen Computern miteinander vergleichen.",  // 27
        "",  // 28
        "    Wenn du ein gutes Ergebnis erreicht hast, kannst du deinen Namen in die High Scores",  // 29
        "    eintragen. Siehe auch die \"Instruktion\" im Spiel-Fenster.",  // 30
        "",  // 31
    },
}};

// What the game is for and how to clear the high-score lists.
inline constexpr std::array<PageLines, 5> kAboutPage{{
    // English
    {
        "    In Mirandol Tables you can practise in a challenging way the ",  // 1
        "    multiplication tabels.",  // 2
        "",  // 3
        "",  // 4
        "",  // 5
        "    We hope you learn and have fun with the program.  ",  // 6
        "",  // 7
        "    If you want to clean the high-score lists, delete the file Quorelin.dat ",  // 8
        "    and then rename the file Quorelincopy.dat into Quorelin.dat.",  // 9
        "",  // 10
        "",  // 11
        "",  // 12
        "",  // 13
        "",  // 14
        "",  // 15
        "",  // 16
        "",  // 17
        "",  // 18
        "",  // 19
        "    No sound and music in this version.",  // 20
        "",  // 21
        "",  // 22
        "",  // 23
        "",  // 24
        "",  // 25
        "",  // 26
        "",  // 27
        "",  // 28
        "",  // 29
        "",  // 30
        "",  // 31
    },
    // Spanish
    {
        "    En Mirandol Tablas puedes practicar, de una manera única y muy divertida las tablas",  // 1
        "    de multiplicar.",  // 2
        "",  // 3
        "",  // 4
        "",  // 5
        "    Esperamos que aprendas y te diviertas con el programa.  ",  // 6
        "",  // 7
        "    Si quieres borrar las listas de mejores jugadores, elimina el archivo Quorelin.dat ",  // 8
        "    y pon en su lugar una copia del archivo Quorelincopy.dat con el nombre Quorelin.dat.",  // 9
        "",  // 10
        "",  // 11
        "",  // 12
        "",  // 13
        "",  // 14
        "",  // 15
        "",  // 16
        "",  // 17
        "",  // 18
        "",  // 19
        "    En esta versión no hay sonido ni música.",  // 20
        "",  // 21
        "",  // 22
        "",  // 23
        "",  // 24
        "",  // 25
        "",  // 26
        "",  // 27
        "",  // 28
        "",  // 29
        "",  // 30
        "",  // 31
    },
    // Dutch
    {
        "    In Mirandol Tafels oefen je, op een unieke en uitdagende wijze, de tafels van",  // 1
        "    vermenigvuldiging.",  // 2
        "",  // 3
        "",  // 4
        "",  // 5
        "    We hopen dat je veel leert en plezier hebt met het programma.  ",  // 6
        "",  // 7
        "    Wil je de lijsten met beste spelers wissen, verwijder dan het bestand Quorelin.dat ",  // 8
        "    en zet er een kopie van Quorelincopy.dat met de naam Quorelin.dat voor in de plaats.",  // 9
        "",  // 10
        "",  // 11
        "",  // 12
        "",  // 13
        "",  // 14
        "",  // 15
        "",  // 16
        "",  // 17
        "",  // 18
        "",  // 19
        "    Geen geluid en muziek in deze versie.",  // 20
        "",  // 21
        "",  // 22
        "",  // 23
        "",  // 24
        "",  // 25
        "",  // 26
        "",  // 27
        "",  // 28
        "",  // 29
        "",  // 30
        "",  // 31
    },
    // Frisian
    {
        "    ",  // 1
        "    ",  // 2
        "    Yn Mirandol Tafels oefenst, op in niisgjirriche en boartlike wize de tafels ",  // 3
        "    fan 1 oant en mei 20.",  // 4
        "",  // 5
        "",  // 6
        "",  // 7
        "    Wy hoopje dat do in protte learst en wille hast mei it programma.  ",  // 8
        "",  // 9
        "    Asto de listen mei betûftste spilers leechmeitsje wolst, wiskje dan it bestân Quorelin.dat ",  // 10
        "    en set der in kopy fan Quorelincopy.dat mei de namme Quorelin.dat foar yn it plak.",  // 11
        "",  // 12
        "",  // 13
        "",  // 14
        "",  // 15
        "",  // 16
        "",  // 17
        "",  // 18
        "",  // 19
        "",  // 20
        "",  // 21
        "    Gjin lûd en gjin muzyk yn dizze ferzje.",  // 22
        "",  // 23
        "",  // 24
        "",  // 25
        "",  // 26
        "",  // 27
        "",  // 28
        "",  // 29
        "",  // 30
        "",  // 31
    },
    // German
    {
        "    Mirandol Einmaleins ist ein herausforderdes Spiel in dem du schnell",  // 1
        "    und mit Spaß das Einmaleins von 1 bis 20 üben kannst.",  // 2
        "",  // 3
        "",  // 4
        "",  // 5
        "    Wir hoffen, dass du mit dem Programm viel lernst und Spaß hast.  ",  // 6
        "",  // 7
        "    High Scores löschen:  Quorelin.dat <-> Quorelincopy.dat",  // 8
        "    (Quorelin.dat löschen, dann eine Kopie von Quorelincopy.dat als Quorelin.dat ablegen.)",  // 9
        "",  // 10
        "",  // 11
        "",  // 12
        "",  // 13
        "",  // 14
        "",  // 15
        "",  // 16
        "",  // 17
        "",  // 18
        "",  // 19
        "    Kein Ton und keine Musik in dieser Version.",  // 20
        "",  // 21
        "",  // 22
        "",  // 23
        "",  // 24
        "",  // 25
        "",  // 26
        "",  // 27
        "",  // 28
        "",  // 29
        "",  // 30
        "",  // 31
    },
}};

// A short liability notice.
inline constexpr std::array<PageLines, 5> kDisclaimerPage{{
    // English
    {
        "",  // 1
        "    Disclaimer",  // 2
        "",  // 3
        "    Mirandol Tables is offered as it is, without any warranty of any kind.",  // 4
        "    No guarantee is given that the program is free of errors or that it is",  // 5
        "    suitable for a particular purpose.",  // 6
        "",  // 7
        "    Using the program is entirely at your own risk. No liability is accepted for",  // 8
        "    any damage or loss, direct or indirect, caused by using the program, nor for",  // 9
        "    the loss of data such as the high-score lists.",  // 10
        "",  // 11
        "    The program may be used freely at school and at home.",  // 12
        "",  // 13
        "",  // 14
        "",  // 15
        "",  // 16
        "",  // 17
        "",  // 18
        "",  // 19
        "",  // 20
        "",  // 21
        "",  // 22
        "",  // 23
        "",  // 24
        "",  // 25
        "",  // 26
        "",  // 27
        "",  // 28
        "",  // 29
        "",  // 30
        "",  // 31
    },
    // Spanish
    {
        "",  // 1
        "    Aviso legal",  // 2
        "",  // 3
        "    Mirandol Tablas se ofrece tal como es, sin ninguna garantía.",  // 4
        "    No se garantiza que el programa esté libre de errores ni que sea",  // 5
        "    adecuado para un fin determinado.",  // 6
        "",  // 7
        "    El uso del programa es por tu propia cuenta y riesgo. No se acepta ninguna",  // 8
        "    responsabilidad por daños o pérdidas, directos o indirectos, causados por el uso",  // 9
        "    del programa, ni por la pérdida de datos, como las listas de mejores jugadores.",  // 10
        "",  // 11
        "    El programa se puede usar libremente en la escuela y en casa.",  // 12
        "",  // 13
        "",  // 14
        "",  // 15
        "",  // 16
        "",  // 17
        "",  // 18
        "",  // 19
        "",  // 20
        "",  // 21
        "",  // 22
        "",  // 23
        "",  // 24
        "",  // 25
        "",  // 26
        "",  // 27
        "",  // 28
        "",  // 29
        "",  // 30
        "",  // 31
    },
    // Dutch
    {
        "",  // 1
        "    Disclaimer",  // 2
        "",  // 3
        "    Mirandol Tafels wordt aangeboden zoals het is, zonder enige garantie.",  // 4
        "    Er wordt niet gegarandeerd dat het programma vrij is van fouten of dat het",  // 5
        "    geschikt is voor een bepaald doel.",  // 6
        "",  // 7
        "    Het gebruik van het programma is geheel voor eigen risico. Er wordt geen",  // 8
        "    aansprakelijkheid aanvaard voor directe of indirecte schade of verlies door het",  // 9
        "    gebruik van het programma, ook niet voor verlies van gegevens zoals de lijsten",  // 10
        "    met beste spelers.",  // 11
        "",  // 12
        "    Het programma mag vrij gebruikt worden op school en thuis.",  // 13
        "",  // 14
        "",  // 15
        "",  // 16
        "",  // 17
        "",  // 18
        "",  // 19
        "",  // 20
        "",  // 21
        "",  // 22
        "",  // 23
        "",  // 24
        "",  // 25
        "",  // 26
        "",  // 27
        "",  // 28
        "",  // 29
        "",  // 30
        "",  // 31
    },
    // Frisian
    {
        "",  // 1
        "    Disclaimer",  // 2
        "",  // 3
        "    Mirandol Tafels wurdt oanbean sa't it is, sûnder hokker garânsje dan ek.",  // 4
        "    Der wurdt net garandearre dat it programma frij is fan flaters of dat it",  // 5
        "    gaadlik is foar in bepaald doel.",  // 6
        "",  // 7
        "    It brûken fan it programma is hielendal foar eigen risiko. Der wurdt gjin",  // 8
        "    oanspraaklikens akseptearre foar streekrjochte of yndirekte skea of ferlies troch",  // 9
        "    it brûken fan it programma, ek net foar it ferlies fan gegevens lykas de listen",  // 10
        "    mei betûftste spilers.",  // 11
        "",  // 12
        "    It programma mei frij brûkt wurde op skoalle en thús.",  // 13
        "",  // 14
        "",  // 15
        "",  // 16
        "",  // 17
        "",  // 18
        "",  // 19
        "",  // 20
        "",  // 21
        "",  // 22
        "",  // 23
        "",  // 24
        "",  // 25
        "",  // 26
        "",  // 27
        "",  // 28
        "",  // 29
        "",  // 30
        "",  // 31
    },
    // German
    {
        "",  // 1
        "    Haftung",  // 2
        "",  // 3
        "    Mirandol Einmaleins wird so angeboten, wie es ist, ohne jede Gewährleistung.",  // 4
        "    Es wird nicht garantiert, dass das Programm fehlerfrei ist oder sich für einen",  // 5
        "    bestimmten Zweck eignet.",  // 6
        "",  // 7
        "    Die Benutzung des Programms geschieht auf eigene Gefahr. Es wird keine Haftung",  // 8
        "    übernommen für direkte oder indirekte Schäden oder Verluste durch die Benutzung",  // 9
        "    des Programms, auch nicht für den Verlust von Daten wie den High-Score-Listen.",  // 10
        "",  // 11
        "    Das Programm darf in der Schule und zu Hause frei benutzt werden.",  // 12
        "",  // 13
        "",  // 14
        "",  // 15
        "",  // 16
        "",  // 17
        "",  // 18
        "",  // 19
        "",  // 20
        "",  // 21
        "",  // 22
        "",  // 23
        "",  // 24
        "",  // 25
        "",  // 26
        "",  // 27
        "",  // 28
        "",  // 29
        "",  // 30
        "",  // 31
    },
}};
// clang-format on

}  // namespace quorelin::info_texts
