#include "startup/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>

#include "store/data_folder.h"

namespace quorelin {

std::filesystem::path PlayerDataFolder() {
    const QString xdg = QFile::decodeName(qgetenv("XDG_DATA_HOME"));
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if ((!xdg.isEmpty() && !QDir::isAbsolutePath(xdg)) || !QDir::isAbsolutePath(base)) {
        base = QDir::homePath() + QStringLiteral("/.local/share");
    }
    return std::filesystem::path(QFile::encodeName(base).toStdString()) / "quorelin";
}

std::optional<std::filesystem::path> ChosenDataFolder(const CommandLine& line) {
    if (line.dataDir) {
        return std::filesystem::absolute(*line.dataDir);
    }
    if (line.playerData) {
        return PlayerDataFolder();
    }
    return std::nullopt;
}

std::filesystem::path ShippedFolder(bool& found) {
    const std::filesystem::path installed =
        std::filesystem::path(
            QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString()) /
        QUORELIN_SHIPPED_FROM_GAME;
    for (const std::filesystem::path& folder :
         {installed, std::filesystem::path(QUORELIN_SOURCE_DATA)}) {
        if (HoldsShippedFiles(folder)) {
            found = true;
            return folder.lexically_normal();
        }
    }
    found = false;
    return installed.lexically_normal();
}

int SystemLanguage() {
    const QString name = QLocale::system().name();
    const char* const codes[] = {"en", "es", "nl", "fy", "de"};
    for (int language = 1; language <= 5; ++language) {
        if (name.startsWith(QLatin1String(codes[language - 1]))) {
            return language;
        }
    }
    return 1;
}

}  // namespace quorelin
