// Gallery pages of the start-up windows, the main window and the level window.
#include <QApplication>
#include <QPixmap>
#include <iostream>

#include "menus/level_window.h"
#include "menus/main_window.h"
#include "menus/options_window.h"
#include "startup/program_windows.h"
#include "startup/splash_window.h"
#include "store/data_file.h"
#include "tools/gallery.h"

namespace quorelin::gallery {
namespace {

// A full-screen window is drawn at the size of its screen class, whatever screen the
// gallery runs on.
void ShowAtClassSize(QWidget& window, const Settings& settings) {
    if (settings.WindowMode == 1) {
        window.setWindowState(Qt::WindowNoState);
        window.setGeometry(0, 0, settings.ScreenWidth, settings.ScreenHeight);
    }
    window.show();
}

bool SaveNow(QWidget& window, const QString& dir, const QString& name) {
    const QString path = dir + "/" + name + ".png";
    const bool ok = window.grab().save(path);
    std::cout << (ok ? "wrote " : "FAILED ") << path.toStdString() << '\n';
    return ok;
}

// The main window and the level window for table 7 in one class, mode and language.
bool RenderMainAndLevel(const QString& dir, int height, int mode, int language) {
    Settings settings;
    settings.ScreenHeight = height;
    settings.ScreenWidth = height == 480 ? 640 : height == 600 ? 800 : 1024;
    settings.WindowMode = static_cast<std::uint8_t>(mode);
    settings.Language = static_cast<std::uint8_t>(language);
    settings.ColorScheme = 2;
    settings.SoundEffects = 1;
    GameState game;
    InputRequests input;
    DataFile unused("gallery-unused.dat");
    ProgramWindows windows(settings, game, input, unused);
    MainWindow& main = windows.main;
    LevelWindow& level = windows.level;
    main.SetWarningReporter([](const QString&, const QString&) {});
    main.SetRealScreenHeight([] { return 100000; });

    const QString tag =
        QString("%1-%2-lang%3").arg(height).arg(mode == 1 ? "full" : "partial").arg(language);
    ShowAtClassSize(main, settings);
    QApplication::processEvents();
    bool ok = SaveNow(main, dir, "main-" + tag);

    main.TableClick(7);
    level.BitBtn4->click();  // with the how-to-play panel open
    ShowAtClassSize(level, settings);
    if (mode == 1) {
        level.DrawLevelFrame(12, 10, settings.ScreenWidth - 14, settings.ScreenHeight - 10);
    }
    ok &= SaveNow(level, dir, "level-" + tag);
    level.hide();
    main.hide();
    return ok;
}

}  // namespace

bool RenderShell(const QString& dir) {
    bool ok = true;
    SplashWindow splash;
    for (int language = 1; language <= 5; ++language) {
        splash.SetLanguage(language);
        ok &= Save(splash, dir, QString("splash-lang%1").arg(language));
    }
    {
        Settings settings;
        settings.ScreenHeight = 768;
        settings.ScreenWidth = 1024;
        settings.WindowMode = 2;
        settings.ColorScheme = 2;
        settings.SoundEffects = 1;
        GameState game;
        InputRequests input;
        DataFile unused("gallery-unused.dat");
        ProgramWindows windows(settings, game, input, unused);
        MainWindow& main = windows.main;
        main.SetWarningReporter([](const QString&, const QString&) {});
        main.SetRealScreenHeight([] { return 100000; });
        OptionsWindow& options = windows.options;
        options.SetBeep([] {});
        for (int language = 1; language <= 5; ++language) {
            settings.Language = static_cast<std::uint8_t>(language);
            options.Label6->hide();  // the last language's switch message
            ok &= Save(options, dir, QString("options-lang%1").arg(language));
            // Silence and full screen show both message lines.
            options.show();
            options.SilenceClick();
            options.ScreenModeClick();
            ok &= Save(options, dir, QString("options-silent-full-lang%1").arg(language));
            options.SilenceClick();
            options.ScreenModeClick();
        }
        settings.Language = 4;
        options.Label6->hide();
        options.ShowSlowStartHint(4);
        ok &= Save(options, dir, "options-slow-start-frisian");
        main.hide();
    }

    for (int height : {480, 600, 768}) {
        for (int mode : {1, 2}) {
            for (int language = 1; language <= 5; ++language) {
                ok &= RenderMainAndLevel(dir, height, mode, language);
            }
        }
    }
    return ok;
}

}  // namespace quorelin::gallery
