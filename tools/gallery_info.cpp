// Gallery pages of the info window: every page in every language on 600 lines in full
// screen, and every page in English and Spanish in every screen class and window mode.
#include <QApplication>
#include <iostream>

#include "info/info_window.h"
#include "menus/main_window.h"
#include "startup/program_windows.h"
#include "store/data_file.h"
#include "tools/gallery.h"

namespace quorelin::gallery {
namespace {

struct ScreenCase {
    int height;
    int width;
    int mode;
};

const char* PageName(InfoPage page) {
    switch (page) {
        case InfoPage::About:
            return "about";
        case InfoPage::GameInstructions:
            return "instructions";
        case InfoPage::Disclaimer:
            break;
    }
    return "disclaimer";
}

// Opens the window from the main window's Info menu, as the player does, and writes the
// picture; a full-screen window gets the class's size, not the offscreen screen's.
bool RenderCase(const QString& dir, const ScreenCase& c, const std::vector<int>& languages) {
    Settings settings;
    settings.ScreenHeight = c.height;
    settings.ScreenWidth = c.width;
    settings.WindowMode = static_cast<std::uint8_t>(c.mode);
    settings.ColorScheme = 2;
    settings.SoundEffects = 1;
    GameState game;
    InputRequests input;
    DataFile unused("gallery-unused.dat");
    ProgramWindows windows(settings, game, input, unused);
    MainWindow& main = windows.main;
    InfoWindow& info = windows.info;
    main.SetWarningReporter([](const QString&, const QString&) {});
    main.SetRealScreenHeight([] { return 100000; });

    bool ok = true;
    for (const int language : languages) {
        settings.Language = static_cast<std::uint8_t>(language);
        for (const InfoPage page :
             {InfoPage::About, InfoPage::GameInstructions, InfoPage::Disclaimer}) {
            main.InfoItemClick(page);
            if (c.mode == 1) {
                info.setWindowState(Qt::WindowNoState);
                info.setGeometry(0, 0, c.width, c.height);
            }
            QApplication::processEvents();
            const QString name = QString("info-%1-%2-%3-lang%4")
                                     .arg(PageName(page))
                                     .arg(c.height)
                                     .arg(c.mode == 1 ? "full" : "partial")
                                     .arg(language);
            const QString path = dir + "/" + name + ".png";
            const bool saved = info.grab().save(path);
            std::cout << (saved ? "wrote " : "FAILED ") << path.toStdString() << '\n';
            ok &= saved;
            info.hide();
        }
    }
    return ok;
}

}  // namespace

bool RenderInfo(const QString& dir) {
    bool ok = RenderCase(dir, {600, 800, 1}, {1, 2, 3, 4, 5});
    for (const ScreenCase c :
         {ScreenCase{480, 640, 1}, ScreenCase{480, 640, 2}, ScreenCase{600, 800, 2},
          ScreenCase{768, 1024, 1}, ScreenCase{768, 1024, 2}}) {
        ok &= RenderCase(dir, c, {1, 2});
    }
    return ok;
}

}  // namespace quorelin::gallery
