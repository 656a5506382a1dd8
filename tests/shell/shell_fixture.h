#pragma once
// The main window, the level window and plain stand-ins for the windows they open,
// wired as the start-up wires them; the warnings, beeps and pauses are recorded
// instead of shown or heard.
#include <QString>
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "game/state.h"
#include "scores/data_file.h"
#include "shell/level_window.h"
#include "shell/main_window.h"

namespace quorelin::testing {

struct ShellFixture {
    explicit ShellFixture(int screenHeight = 600, int windowMode = 2, int language = 1) {
        settings.ScreenHeight = screenHeight;
        settings.ScreenWidth = screenHeight == 480 ? 640 : screenHeight == 600 ? 800 : 1024;
        settings.WindowMode = static_cast<std::uint8_t>(windowMode);
        settings.Language = static_cast<std::uint8_t>(language);
        settings.ColorScheme = 2;
        settings.SoundEffects = 1;
        main = std::make_unique<MainWindow>(settings, game, dataFile);
        level = std::make_unique<LevelWindow>(settings, game);
        main->SetWarningReporter([this](const QString& title, const QString& text) {
            warnings.push_back(title + "|" + text);
        });
        main->SetRealScreenHeight([this] { return realScreenHeight; });
        main->SetPlatformBeep([this] { ++beeps; });
        main->SetPause([this](std::uint32_t ms) { pauses.push_back(ms); });
        main->SetErrorReporter([this](const QString& m) { warnings.push_back(m); });
        level->SetPlatformBeep([this] { ++beeps; });
        main->SetLevelWindow(level.get());
        main->SetHighScoreWindow(&highScores);
        main->SetInfoWindow(&info);
        main->SetPlayWindow(&play);
        level->SetMainWindow(main.get());
        level->SetPlayWindow(&play);
        LayOutMainWindow(*main, settings);
    }
    ~ShellFixture() {
        level->hide();
        main->hide();
    }

    Settings settings;
    GameState game;
    DataFile dataFile{std::filesystem::temp_directory_path() / "quorelin-shell-fixture.dat"};
    QWidget play;
    QWidget highScores;
    QWidget info;
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<LevelWindow> level;
    int realScreenHeight = 100000;
    std::vector<QString> warnings;
    int beeps = 0;
    std::vector<std::uint32_t> pauses;
};

}  // namespace quorelin::testing
