#pragma once
// The main window and the info window, wired as the start-up wires them, for one screen
// class, window mode and language.
#include <QTest>
#include <filesystem>
#include <memory>

#include "game/state.h"
#include "info/info_texts.h"
#include "info/info_window.h"
#include "scores/data_file.h"
#include "shell/main_window.h"

namespace quorelin::testing {

struct InfoFixture {
    explicit InfoFixture(int screenHeight = 600, int windowMode = 2, int language = 1) {
        settings.ScreenHeight = screenHeight;
        settings.ScreenWidth = screenHeight == 480 ? 640 : screenHeight == 600 ? 800 : 1024;
        settings.WindowMode = static_cast<std::uint8_t>(windowMode);
        settings.Language = static_cast<std::uint8_t>(language);
        settings.ColorScheme = 2;
        settings.SoundEffects = 1;
        main = std::make_unique<MainWindow>(settings, game, dataFile);
        main->SetWarningReporter([](const QString&, const QString&) {});
        main->SetRealScreenHeight([] { return 100000; });
        info = std::make_unique<InfoWindow>(settings);
        ConnectInfoWindow(*main, *info);
        LayOutMainWindow(*main, settings);
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
    DataFile dataFile{std::filesystem::temp_directory_path() / "quorelin-info-fixture.dat"};
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<InfoWindow> info;
};

inline constexpr InfoWindow::Page kPages[] = {
    InfoWindow::Page::About, InfoWindow::Page::GameInstructions, InfoWindow::Page::Disclaimer};

}  // namespace quorelin::testing
