#pragma once
// The program's windows, wired as the start-up wires them, for one screen class, window
// mode and language; the info window is opened through the main window.
#include <QTest>

#include "info/info_texts.h"
#include "info/info_window.h"
#include "tests/support/window_fixture.h"

namespace quorelin::testing {

struct InfoFixture : ShellFixture {
    using ShellFixture::ShellFixture;

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

    InfoWindow* info = &windows->info;
};

inline constexpr InfoWindow::Page kPages[] = {
    InfoWindow::Page::About, InfoWindow::Page::GameInstructions, InfoWindow::Page::Disclaimer};

}  // namespace quorelin::testing
