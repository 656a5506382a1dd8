#include "store/data_file_texts.h"

#include <array>
#include <cstring>

namespace quorelin {
namespace {

using Texts = std::array<const char*, 5>;

// {path} is the file or folder, {detail} the system's error text, {size} a byte count.
const Texts& TextsOf(DataFileProblem problem) {
    static const Texts kCannotOpen{"The file \"{path}\" cannot be opened: {detail}.",
                                   "No se puede abrir el archivo \"{path}\": {detail}.",
                                   "Het bestand \"{path}\" kan niet worden geopend: {detail}.",
                                   "It bestân \"{path}\" kin net iepene wurde: {detail}.",
                                   "Die Datei „{path}“ kann nicht geöffnet werden: {detail}."};
    static const Texts kCannotRead{"The file \"{path}\" cannot be read: {detail}.",
                                   "No se puede leer el archivo \"{path}\": {detail}.",
                                   "Het bestand \"{path}\" kan niet worden gelezen: {detail}.",
                                   "It bestân \"{path}\" kin net lêzen wurde: {detail}.",
                                   "Die Datei „{path}“ kann nicht gelesen werden: {detail}."};
    static const Texts kTooShort{
        "The data file \"{path}\" is too short: {size} of 6816 bytes.",
        "El archivo de datos \"{path}\" es demasiado corto: {size} de 6816 bytes.",
        "Het gegevensbestand \"{path}\" is te kort: {size} van de 6816 bytes.",
        "It gegevensbestân \"{path}\" is te koart: {size} fan de 6816 bytes.",
        "Die Datendatei „{path}“ ist zu kurz: {size} von 6816 Bytes."};
    static const Texts kNotAFile{
        "\"{path}\" is not an ordinary file, so the game leaves it alone. Delete it, or put "
        "the game's own file in its place.",
        "\"{path}\" no es un archivo normal, así que el juego no lo toca. Bórralo o pon en "
        "su lugar el archivo del juego.",
        "\"{path}\" is geen gewoon bestand, dus het spel laat het met rust. Verwijder het of "
        "zet het bestand van het spel op zijn plaats.",
        "\"{path}\" is gjin gewoan bestân, dêrom lit it spul it mei rêst. Wiskje it of set "
        "it bestân fan it spul op syn plak.",
        "„{path}“ ist keine gewöhnliche Datei, deshalb lässt das Spiel sie unberührt. Lösche "
        "sie oder lege die Datei des Spiels an ihre Stelle."};
    static const Texts kForeignLink{
        "\"{path}\" is a link that belongs to another account. The game does not follow it "
        "and changes nothing; ask the owner of the folder to delete it.",
        "\"{path}\" es un enlace que pertenece a otra cuenta. El juego no lo sigue y no "
        "cambia nada; pide al dueño de la carpeta que lo borre.",
        "\"{path}\" is een koppeling van een ander account. Het spel volgt die niet en "
        "verandert niets; vraag de eigenaar van de map om die te verwijderen.",
        "\"{path}\" is in keppeling dy't by in oar akkount heart. It spul folget dy net en "
        "feroaret neat; freegje de eigner fan de map om dy te wiskjen.",
        "„{path}“ ist eine Verknüpfung, die einem anderen Konto gehört. Das Spiel folgt ihr "
        "nicht und ändert nichts; bitte den Besitzer des Ordners, sie zu löschen."};
    static const Texts kLockBusy{
        "Another copy of the game kept \"{path}\" busy for more than 3 seconds. Try again in "
        "a moment.",
        "Otra copia del juego ha tenido ocupado \"{path}\" más de 3 segundos. Vuelve a "
        "intentarlo dentro de un momento.",
        "Een ander exemplaar van het spel hield \"{path}\" langer dan 3 seconden bezet. "
        "Probeer het zo meteen opnieuw.",
        "In oar eksimplaar fan it spul hold \"{path}\" langer as 3 sekonden beset. Besykje "
        "it efkes letter nochris.",
        "Eine andere Kopie des Spiels hat „{path}“ länger als 3 Sekunden belegt. Versuche "
        "es gleich noch einmal."};
    static const Texts kCannotLock{"The file \"{path}\" cannot be locked: {detail}.",
                                   "No se puede bloquear el archivo \"{path}\": {detail}.",
                                   "Het bestand \"{path}\" kan niet worden vergrendeld: {detail}.",
                                   "It bestân \"{path}\" kin net op slot dien wurde: {detail}.",
                                   "Die Datei „{path}“ kann nicht gesperrt werden: {detail}."};
    static const Texts kCannotWrite{"The file \"{path}\" cannot be written: {detail}.",
                                    "No se puede escribir el archivo \"{path}\": {detail}.",
                                    "Het bestand \"{path}\" kan niet worden geschreven: {detail}.",
                                    "It bestân \"{path}\" kin net skreaun wurde: {detail}.",
                                    "Die Datei „{path}“ kann nicht geschrieben werden: {detail}."};
    static const Texts kCannotReplace{
        "The new file cannot take the place of \"{path}\": {detail}.",
        "El archivo nuevo no puede ocupar el lugar de \"{path}\": {detail}.",
        "Het nieuwe bestand kan de plaats van \"{path}\" niet innemen: {detail}.",
        "It nije bestân kin it plak fan \"{path}\" net ynnimme: {detail}.",
        "Die neue Datei kann nicht an die Stelle von „{path}“ treten: {detail}."};
    static const Texts kCannotMakeFolder{
        "The folder \"{path}\" cannot be made: {detail}.",
        "No se puede crear la carpeta \"{path}\": {detail}.",
        "De map \"{path}\" kan niet worden gemaakt: {detail}.",
        "De map \"{path}\" kin net makke wurde: {detail}.",
        "Der Ordner „{path}“ kann nicht angelegt werden: {detail}."};
    static const Texts kNoShippedFiles{
        "The game's own lists (Quorelin.dat and Quorelincopy.dat) were not found in "
        "\"{path}\".",
        "No se han encontrado las listas propias del juego (Quorelin.dat y "
        "Quorelincopy.dat) en \"{path}\".",
        "De eigen lijsten van het spel (Quorelin.dat en Quorelincopy.dat) zijn niet gevonden "
        "in \"{path}\".",
        "De eigen listen fan it spul (Quorelin.dat en Quorelincopy.dat) binne net fûn yn "
        "\"{path}\".",
        "Die eigenen Listen des Spiels (Quorelin.dat und Quorelincopy.dat) wurden in "
        "„{path}“ nicht gefunden."};
    static const Texts kNone{"", "", "", "", ""};
    switch (problem) {
        case DataFileProblem::CannotOpen:
            return kCannotOpen;
        case DataFileProblem::CannotRead:
            return kCannotRead;
        case DataFileProblem::TooShort:
            return kTooShort;
        case DataFileProblem::NotAFile:
            return kNotAFile;
        case DataFileProblem::ForeignLink:
            return kForeignLink;
        case DataFileProblem::LockBusy:
            return kLockBusy;
        case DataFileProblem::CannotLock:
            return kCannotLock;
        case DataFileProblem::CannotWrite:
            return kCannotWrite;
        case DataFileProblem::CannotReplace:
            return kCannotReplace;
        case DataFileProblem::CannotMakeFolder:
            return kCannotMakeFolder;
        case DataFileProblem::NoShippedFiles:
            return kNoShippedFiles;
        case DataFileProblem::None:
            break;
    }
    return kNone;
}

void Replace(std::string& text, const std::string& field, const std::string& value) {
    if (const std::size_t at = text.find(field); at != std::string::npos) {
        text.replace(at, field.size(), value);
    }
}

}  // namespace

std::string DescribeProblem(const DataFileResult& result, std::size_t language) {
    std::string text = TextsOf(result.problem).at(language < 5 ? language : 0);
    Replace(text, "{path}", result.path);
    Replace(text, "{detail}", result.error != 0 ? std::strerror(result.error) : "");
    Replace(text, "{size}", std::to_string(result.size));
    return text;
}

}  // namespace quorelin
