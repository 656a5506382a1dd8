#include "startup/startup.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "game/language.h"
#include "game/startup_rules.h"
#include "game/state.h"
#include "kit/pictures.h"
#include "kit/platform.h"
#include "kit/window_frame.h"
#include "menus/main_window.h"
#include "menus/options_window.h"
#include "scores/high_score_window.h"
#include "startup/command_line.h"
#include "startup/data_folder.h"
#include "startup/program_windows.h"
#include "startup/splash_window.h"
#include "startup/startup_texts.h"
#include "startup/unattended_end.h"
#include "store/data_file.h"
#include "store/data_file_texts.h"
#include "store/data_folder.h"

namespace quorelin {
namespace {

// A data file or folder problem reaches both the player, in `language` (1..5), and the
// terminal. `fatal`: the game cannot start, and says so.
void ReportProblem(const StartUpHooks& hooks, const DataFileResult& problem, int language,
                   bool fatal) {
    const std::size_t i = LanguageIndex(language);
    std::cerr << "Quorelin: " << problem.message << '\n';
    std::string shown = DescribeProblem(problem, i);
    if (fatal) {
        shown += std::string("\n") + startup_texts::kCannotStart[i];
    }
    if (hooks.reportError) {
        hooks.reportError(shown);
    } else {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Quorelin"),
                        QString::fromStdString(shown), QMessageBox::Ok);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
}

// Makes and fills the data folder the command line chose. Returns the data file's path,
// or none after the problem has been reported.
std::optional<std::filesystem::path> PrepareDataFile(const StartUpHooks& hooks,
                                                     const CommandLine& line) {
    const std::optional<std::filesystem::path> folder = ChosenDataFolder(line);
    if (!folder) {
        return std::filesystem::path(kDataFileName);
    }
    if (!HoldsShippedFiles(*folder)) {
        bool found = false;
        const std::filesystem::path shipped = ShippedFolder(found);
        const DataFileResult prepared =
            found ? PrepareDataFolder(*folder, shipped)
                  : DataFileResult::Failure(DataFileProblem::NoShippedFiles, shipped);
        if (!prepared.ok) {
            ReportProblem(hooks, prepared, SystemLanguage(), true);
            return std::nullopt;
        }
    }
    return *folder / kDataFileName;
}

// Qt reads its scale factor once, as the application starts: it is set for that moment
// only, so that neither a later start in this process nor a program started from this
// one inherits it.
class ScaleFactorForStart {
public:
    explicit ScaleFactorForStart(double factor)
        : had_(qEnvironmentVariableIsSet(kName)), old_(qgetenv(kName)) {
        qputenv(kName, QByteArray::number(factor, 'g', 12));
    }
    ~ScaleFactorForStart() {
        if (had_) {
            qputenv(kName, old_);
        } else {
            qunsetenv(kName);
        }
    }
    ScaleFactorForStart(const ScaleFactorForStart&) = delete;
    ScaleFactorForStart& operator=(const ScaleFactorForStart&) = delete;

private:
    static constexpr const char* kName = "QT_SCALE_FACTOR";
    bool had_;
    QByteArray old_;
};

// Starts the application at the scale the program is drawn at: the --scale option's,
// else the user's own QT_SCALE_FACTOR, else the automatic scale for the screen. The
// screen is known only once an application runs, so on a large screen the application
// is started a second time, at its scale; that costs a few milliseconds, and only there.
void StartApplication(std::optional<QApplication>& app, std::vector<char*>& args, int& argc) {
    // Qt takes its own options out of the arguments; a second start needs them again.
    const std::vector<char*> original = args;
    const int originalCount = argc;
    const std::optional<double> option =
        ParseCommandLine(std::vector<std::string>(args.begin() + 1, args.begin() + argc)).scale;
    if (option) {
        const ScaleFactorForStart factor(*option);
        app.emplace(argc, args.data());
        return;
    }
    app.emplace(argc, args.data());
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        return;
    }
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const double scale = AutomaticScale(screen.width(), screen.height());
    if (scale == 1.0) {
        return;
    }
    app.reset();
    args = original;
    argc = originalCount;
    const ScaleFactorForStart factor(scale);
    app.emplace(argc, args.data());
}

}  // namespace

int RunQuorelin(int argc, char** argv, const StartUpHooks& hooks) {
    std::vector<char*> args(argv, argv + argc);
    args.push_back(nullptr);
    std::optional<QApplication> app;
    StartApplication(app, args, argc);
    // Qt has taken its own options out; what is left must be the game's.
    const CommandLine line = ParseCommandLine(
        std::vector<std::string>(args.begin() + 1, args.begin() + argc), UnknownArguments::Refuse);
    if (line.action != CommandLine::Action::Run) {
        (line.action == CommandLine::Action::Error ? std::cerr : std::cout) << line.message;
        return line.action == CommandLine::Action::Error ? 2 : 0;
    }
    QApplication::setApplicationName("Quorelin");
    // Every window shows the program icon, the same picture as the splash's and the
    // installed icon theme's.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addPixmap(QPixmap::fromImage(ProgramIcon(size)));
    }
    QApplication::setWindowIcon(icon);
    // Only the main window's closing ends the program, not the options window's.
    QApplication::setQuitOnLastWindowClosed(false);

    Settings settings;
    GameState game;
    InputRequests input;
    game.GameKind = 0;
    const TimeOfDay startTime = CurrentTimeOfDay();

    const std::optional<std::filesystem::path> dataPath = PrepareDataFile(hooks, line);
    if (!dataPath) {
        return 1;
    }
    // Other copies of the game may use the same file at the same time: each save merges.
    DataFile dataFile(*dataPath);
    if (DataFileResult loaded = dataFile.LoadDataFile(settings); !loaded.ok) {
        ReportProblem(hooks, loaded, SystemLanguage(), true);
        return 1;
    }
    ApplyStartUpSettings(settings);
    UnattendedEnd unattendedEnd(dataFile, settings, input);

    const QSize screen = QGuiApplication::primaryScreen()->size();
    const ScreenClass screenClass = ClassifyScreen(screen.width(), screen.height());
    settings.ScreenHeight = screenClass.height;
    settings.ScreenWidth = screenClass.width;
    settings.MusicOn = 0;
    settings.SoundEffects = 1;
    InstallFontSubstitutions();

    SplashWindow splash;
    const QPoint corner = DesignAreaCorner(settings.ScreenWidth, settings.ScreenHeight);
    ProgramWindows::Hooks building;
    building.afterMainWindow = [&] {
        splash.SetLanguage(settings.Language);
        const Point splashAt =
            CentreOnScreenClass(settings, SplashWindow::kWidth, SplashWindow::kHeight);
        splash.move(QPoint(splashAt.x, splashAt.y) + corner);
        splash.show();
        PauseMs(1);
    };
    // Each window built behind the splash puts the splash back on top.
    building.afterEachWindow = [&splash] { splash.raise(); };
    ProgramWindows windows(settings, game, input, dataFile, building);
    PauseMs(1);
    MainWindow& mainWindow = windows.main;
    // A name being typed when the program is ended from outside is stored with the rest.
    unattendedEnd.SetBeforeSave([&windows] { windows.scores.StoreBeforeTheEnd(); });
    OptionsWindow& optionsWindow = windows.options;

    // The window keeps its whole client area, so its last lines are never cut off; where
    // the frame would reach below the screen it moves up instead.
    const OptionsPlacement placement = PlaceOptionsWindow(settings);
    const int outerHeight = OuterSizeOf(optionsWindow).height();
    optionsWindow.move(
        QPoint(placement.left,
               std::max(0, std::min(placement.top, settings.ScreenHeight - outerHeight))) +
        corner);

    settings.SlowMachine = IsSlowStart(startTime, CurrentTimeOfDay()) ? 1 : 0;
    if (settings.SlowMachine == 1) {
        optionsWindow.ShowSlowStartHint(settings.Language);
    }

    mainWindow.show();
    optionsWindow.show();
    optionsWindow.raise();
    optionsWindow.activateWindow();
    splash.hide();
    StartedProgram program{settings, windows, splash, game, input, dataFile};
    if (hooks.started) {
        QTimer::singleShot(0, &optionsWindow, [&] { hooks.started(program); });
    }

    // A signal that came during the start-up has saved already; no loop to leave then.
    const int status = unattendedEnd.Ended() ? unattendedEnd.Status() : QApplication::exec();

    // Ended from outside, the file was saved once already; after "quit without saving"
    // the player chose to drop what a save would write.
    if (unattendedEnd.Ended() || !mainWindow.FinalSaveWanted()) {
        return status;
    }
    if (DataFileResult saved = dataFile.SaveDataFile(settings); !saved.ok) {
        ReportProblem(hooks, saved, settings.Language, false);
        return 1;
    }
    return status;
}

}  // namespace quorelin
