#pragma once
// The program's windows, wired as the start-up wires them, for one screen class, window
// mode and language; the info window is opened through the main window.
#include <QTest>
#include <filesystem>
#include <memory>

#include "game/state.h"
#include "info/info_texts.h"
#include "info/info_window.h"
#include "menus/main_window.h"
#include "startup/program_windows.h"
#include "store/data_file.h"

namespace quorelin::testing {

struct InfoFixture {
    explicit InfoFixture(int screenHeight = 600, int windowMode = 2, int language = 1) {
        settings.ScreenHeight = screenHeight;
        settings.ScreenWidth = screenHeight == 480 ? 640 : screenHeight == 600 ? 800 : 1024;
        settings.WindowMode = static_cast<std::uint8_t>(windowMode);
        settings.Language = static_cast<std::uint8_t>(language);
        settings.ColorScheme = 2;
        settings.SoundEffects = 1;
        windows = std::make_unique<ProgramWindows>(settings, game, input, dataFile);
        main = &windows->main;
        info = &windows->info;
        main->SetWarningReporter([](const QString&, const QString&) {});
        main->SetRealScreenHeight([] { return 100000; });
    }
    ~InfoFixture() {
        info->hide();
        main->hide();
    }

    // Opens the window on a page through the main window's Info menu.
    void Open(InfoWindow::Page page) {
        QAction* item = page == InfoWindow::Page::About              ? main->About1
                        : page == InfoWindow::Page::GameInstructions ? main->GameInstructions1
                                                                     : main->Disclaimer1;
        item->trigger();
    }

    // The page's text for the current language.
    const info_texts::PageLines& Expected(InfoWindow::Page page) const {
        const std::size_t i = static_cast<std::size_t>(settings.Language - 1);
        return page == InfoWindow::Page::About              ? info_texts::kAboutPage[i]
               : page == InfoWindow::Page::GameInstructions ? info_texts::kGameInstructionsPage[i]
                                                            : info_texts::kDisclaimerPage[i];
    }

    Settings settings;
    GameState game;
    InputRequests input;
    DataFile dataFile{std::filesystem::temp_directory_path() / "quorelin-info-fixture.dat"};
    std::unique_ptr<ProgramWindows> windows;
    MainWindow* main = nullptr;
    InfoWindow* info = nullptr;
};

inline constexpr InfoWindow::Page kPages[] = {
    InfoWindow::Page::About, InfoWindow::Page::GameInstructions, InfoWindow::Page::Disclaimer};

}  // namespace quorelin::testing
