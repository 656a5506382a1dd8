#include "startup/program_windows.h"

#include "info/info_window.h"
#include "kit/window_frame.h"
#include "menus/level_window.h"
#include "menus/main_window.h"
#include "menus/options_window.h"
#include "play/play_layout.h"
#include "play/play_window.h"
#include "scores/high_score_window.h"
#include "scores/scores_layout.h"

namespace quorelin {
namespace {

InfoWindow::Page InfoPageOf(InfoPage page) {
    switch (page) {
        case InfoPage::GameInstructions:
            return InfoWindow::Page::GameInstructions;
        case InfoPage::Disclaimer:
            return InfoWindow::Page::Disclaimer;
        case InfoPage::About:
            break;
    }
    return InfoWindow::Page::About;
}

// The road of a game: main window, level window, play window, high scores, and back; and
// the side roads to the info window and from the options window.
void Wire(ProgramWindows& w, Settings& settings) {
    MainWindow& main = w.main;
    const auto mainPlace = [&main] { return PlaceOf(main); };
    const auto backToMain = [&main] {
        main.show();
        main.raise();
        main.activateWindow();
    };

    QObject::connect(&main, &MainWindow::levelChoiceRequested, &w.level, &LevelWindow::Open);
    QObject::connect(&main, &MainWindow::highScoresRequested, &w.scores,
                     &HighScoreWindow::ShowBrowse);
    QObject::connect(&main, &MainWindow::infoRequested, &w.info,
                     [&w, mainPlace] { w.info.Open(mainPlace().outer); });
    QObject::connect(&main, &MainWindow::infoPageRequested, &w.info,
                     [&w, mainPlace](InfoPage page) {
                         w.info.Open(mainPlace().outer);
                         w.info.PressPage(InfoPageOf(page));
                     });
    QObject::connect(&main, &MainWindow::colorSchemeChanged, &w.play,
                     &PlayWindow::ApplyColorScheme);

    w.level.SetMainWindowPlace(mainPlace);
    QObject::connect(&w.level, &LevelWindow::levelChosen, &w.play, [&w] { w.play.show(); });
    QObject::connect(&w.level, &LevelWindow::closedWithoutChoice, &main, backToMain);

    w.play.SetMainWindowPlace(mainPlace);
    QObject::connect(&w.play, &PlayWindow::shown, &main, &MainWindow::RearmBannerHint);
    QObject::connect(&w.play, &PlayWindow::gameEnded, &w.scores, &HighScoreWindow::ShowAfterGame);
    QObject::connect(&w.scores, &HighScoreWindow::hidden, &main, [&main] { main.show(); });

    QObject::connect(&w.options, &OptionsWindow::silenceSwitched, &main,
                     &MainWindow::ApplyClassRoomSilence);
    QObject::connect(&w.options, &OptionsWindow::windowModeSwitched, &main,
                     &MainWindow::ApplyWindowMode);
    // Whichever way the options window closes, the high-score and play windows are
    // placed for the window mode chosen there.
    QObject::connect(&w.options, &OptionsWindow::closed, &w.play, [&w, &settings] {
        LayOutScoresWindow(w.scores, settings);
        LayOutPlayWindow(w.play, settings);
    });
}

}  // namespace

struct ProgramWindows::Owned {
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<InfoWindow> info;
    std::unique_ptr<PlayWindow> play;
    std::unique_ptr<HighScoreWindow> scores;
    std::unique_ptr<LevelWindow> level;
    std::unique_ptr<OptionsWindow> options;
};

namespace {

// Builds the windows in the start-up's order, each hidden.
std::unique_ptr<ProgramWindows::Owned> Build(Settings& settings, GameState& game,
                                             InputRequests& input, DataFile& dataFile,
                                             const ProgramWindows::Hooks& hooks) {
    const auto after = [&hooks] {
        if (hooks.afterEachWindow) {
            hooks.afterEachWindow();
        }
    };
    auto owned = std::make_unique<ProgramWindows::Owned>();
    owned->main = std::make_unique<MainWindow>(settings, game, dataFile);
    LayOutMainWindow(*owned->main, settings);
    if (hooks.afterMainWindow) {
        hooks.afterMainWindow();
    }
    owned->info = std::make_unique<InfoWindow>(settings);
    after();
    owned->play = std::make_unique<PlayWindow>(settings, game, input, hooks.gameHost);
    // Laid out for the class and mode at once; the options window's closing lays it out
    // again, for the mode the player chose there.
    LayOutPlayWindow(*owned->play, settings);
    after();
    owned->scores = std::make_unique<HighScoreWindow>(settings, game, dataFile);
    owned->level = std::make_unique<LevelWindow>(settings, game);
    after();
    owned->options = std::make_unique<OptionsWindow>(settings);
    after();
    return owned;
}

}  // namespace

ProgramWindows::ProgramWindows(Settings& settings, GameState& game, InputRequests& input,
                               DataFile& dataFile, const Hooks& hooks)
    : ProgramWindows(Build(settings, game, input, dataFile, hooks), settings) {}

ProgramWindows::ProgramWindows(std::unique_ptr<Owned> owned, Settings& settings)
    : main(*owned->main),
      info(*owned->info),
      play(*owned->play),
      scores(*owned->scores),
      level(*owned->level),
      options(*owned->options),
      owned_(std::move(owned)) {
    Wire(*this, settings);
}

ProgramWindows::~ProgramWindows() = default;

}  // namespace quorelin
