#pragma once
// Every window, built and wired as the start-up does, for one screen case and language;
// warnings, beeps and pauses recorded, games on a simulated clock, the data file in a
// folder of its own.
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/screen_case.h"
#include "game/state.h"
#include "info/info_window.h"
#include "menus/level_window.h"
#include "menus/main_window.h"
#include "menus/options_window.h"
#include "play/play_window.h"
#include "scores/high_score_window.h"
#include "startup/program_windows.h"
#include "store/data_file.h"
#include "tests/support/sim_host.h"
#include "tests/support/temp_folder.h"

namespace quorelin::testing {

struct ShellFixture {
    explicit ShellFixture(int screenHeight = 600, int windowMode = 2, int language = 1) {
        settings.ScreenHeight = screenHeight;
        settings.ScreenWidth = screenHeight == 480 ? 640 : screenHeight == 600 ? 800 : 1024;
        settings.WindowMode = static_cast<std::uint8_t>(windowMode);
        settings.Language = static_cast<std::uint8_t>(language);
        settings.ColorScheme = 2;
        settings.SoundEffects = 1;
        ProgramWindows::Hooks hooks;
        hooks.gameHost = &host;
        windows = std::make_unique<ProgramWindows>(settings, game, input, dataFile, hooks);
        main = &windows->main;
        level = &windows->level;
        main->SetWarningReporter([this](const QString& title, const QString& text) {
            warnings.push_back(title + "|" + text);
        });
        main->SetRealScreenHeight([this] { return realScreenHeight; });
        main->SetPlatformBeep([this] { ++beeps; });
        main->SetPause([this](std::uint32_t ms) { pauses.push_back(ms); });
        main->SetErrorReporter([this](const QString& m) { warnings.push_back(m); });
        level->SetPlatformBeep([this] { ++beeps; });
        windows->options.SetBeep([this] { ++beeps; });
        // Leaving the list without a name says yes, as a player in a hurry does.
        HighScoreWindow::Dialogs dialogs;
        dialogs.askLeaveWithoutName = [](const QString&, bool) { return true; };
        dialogs.warnScreenChanged = [this](const QString& m) { warnings.push_back(m); };
        dialogs.currentScreenHeight = [this] { return realScreenHeight; };
        dialogs.reportSaveError = [this](const QString& m) { warnings.push_back(m); };
        scores().SetDialogs(dialogs);
    }
    ShellFixture(ScreenCase screen, int language)
        : ShellFixture(ScreenHeightOf(screen), WindowModeOf(screen), language) {}
    ~ShellFixture() {
        for (QWidget* window :
             {static_cast<QWidget*>(level), static_cast<QWidget*>(&play()),
              static_cast<QWidget*>(&scores()), static_cast<QWidget*>(&info()),
              static_cast<QWidget*>(&windows->options), static_cast<QWidget*>(main)}) {
            window->hide();
        }
    }

    PlayWindow& play() { return windows->play; }
    HighScoreWindow& scores() { return windows->scores; }
    InfoWindow& info() { return windows->info; }

    Settings settings;
    GameState game;
    InputRequests input;
    SimHost host;
    TempFolder folder{"shell-fixture-" + std::to_string(++count)};
    DataFile dataFile{folder / kDataFileName};
    std::unique_ptr<ProgramWindows> windows;
    MainWindow* main = nullptr;
    LevelWindow* level = nullptr;
    int realScreenHeight = 100000;
    std::vector<QString> warnings;
    int beeps = 0;
    std::vector<std::uint32_t> pauses;

private:
    static inline int count = 0;  // fixtures living at once keep folders apart
};

}  // namespace quorelin::testing
