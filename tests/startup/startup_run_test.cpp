// Whole runs of the program, each in a folder of its own: the start-up, the message loop
// and the final save; the ways it ends when it cannot simply save and close; and the
// program drawn larger on a screen beyond the largest class. A watchdog ends a run that
// would hang.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QLayout>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>
#include <vector>

#include "game/rules.h"
#include "info/info_window.h"
#include "menus/level_window.h"
#include "menus/main_window.h"
#include "menus/options_window.h"
#include "play/play_window.h"
#include "scores/high_score_window.h"
#include "startup/instance_lock.h"
#include "startup/program_windows.h"
#include "startup/splash_window.h"
#include "startup/startup.h"
#include "store/data_file.h"
#include "tests/support/temp_folder.h"

namespace quorelin {
namespace {

// A file-size limit below one record: every save fails, for root as for anyone.
class SavesFail {
public:
    SavesFail() {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = old_;
        tiny.rlim_cur = 4096;  // room for what a test captures from stderr, not for a record
        ::setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~SavesFail() { Lift(); }
    void Lift() {
        if (!lifted_) {
            ::setrlimit(RLIMIT_FSIZE, &old_);
            ::signal(SIGXFSZ, oldHandler_);
            lifted_ = true;
        }
    }

private:
    rlimit old_{};
    sighandler_t oldHandler_ = SIG_DFL;
    bool lifted_ = false;
};

class Run : public ::testing::Test {
protected:
    Run() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // A test started under nohup inherits an ignored SIGHUP, which the program keeps
        // ignoring: the signals the tests send must do what they do for a player.
        for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
            ::signal(signal, SIG_DFL);
        }
        ::alarm(60);
        WriteFile({});
    }
    ~Run() override {
        ::alarm(0);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qunsetenv("QT_SCALE_FACTOR");
    }
    // A record of zeros but for the bytes given (language 0, window mode 0, ...).
    void WriteFile(const std::vector<std::pair<std::size_t, std::uint8_t>>& bytes,
                   std::size_t size = kRecordSize) {
        std::vector<std::uint8_t> record(size, 0);
        for (const auto& [at, value] : bytes) {
            record[at] = value;
        }
        folder.Write(kDataFileName, record);
    }
    std::vector<std::uint8_t> File() const { return folder.Read(kDataFileName); }
    // Runs the program with the body at its start, once the options window shows; the
    // body must end it.
    int Start(const std::function<void(StartedProgram&)>& body,
              std::vector<std::string> args = {}) {
        args.insert(args.begin(), "quorelin");
        std::vector<char*> argv;
        for (std::string& a : args) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        StartUpHooks hooks;
        hooks.reportError = [this](const std::string& m) { reported.push_back(m); };
        hooks.started = [&](StartedProgram& p) {
            started = true;
            body(p);
        };
        return RunQuorelin(static_cast<int>(args.size()), argv.data(), hooks);
    }
    // What lives only in memory until a save: the language chosen in the main window and
    // a result put straight into the store.
    static void ChangeInMemory(StartedProgram& p) {
        p.windows.options.close();
        p.windows.main.BitBtn7->click();
        p.windows.main.BitBtn13->click();  // Frisian
        HighScoreList list = p.dataFile.store().GetList(5);
        list[0].setScore(4321);
        p.dataFile.store().ReplaceList(5, list);
    }
    void ExpectChangesInTheFile() const {
        const std::vector<std::uint8_t> bytes = File();
        ASSERT_EQ(bytes.size(), kRecordSize);
        EXPECT_EQ(bytes[0], 4) << "the language";
        EXPECT_EQ(bytes[ListOffset(5)] | (bytes[ListOffset(5) + 1] << 8), 4321) << "the result";
    }

    testing::TempFolder folder{"run", true};
    std::vector<std::string> reported;
    bool started = false;
};

TEST_F(Run, AMissingOrShortDataFileEndsBeforeAnyWindowWithAReason) {
    for (const bool present : {false, true}) {
        reported.clear();
        std::filesystem::remove(kDataFileName);
        if (present) {
            WriteFile({}, kRecordSize - 1);
        }
        EXPECT_NE(Start([](StartedProgram&) {}), 0);
        EXPECT_FALSE(started);
        ASSERT_EQ(reported.size(), 1u);
        EXPECT_NE(reported.back().find("Quorelin.dat"), std::string::npos) << reported.back();
    }
}

TEST_F(Run, StartsWithCheckedSettingsPlacesTheWindowsForTheChosenModeAndSavesAtTheEnd) {
    WriteFile({{2, 1}, {50, 42}});  // Simple scheme in the file, and a reserved byte
    EXPECT_EQ(Start([](StartedProgram& p) {
                  EXPECT_EQ(p.settings.Language, 1);
                  EXPECT_EQ(p.settings.WindowMode, 2);
                  EXPECT_EQ(p.settings.ColorScheme, 2);
                  EXPECT_EQ(p.settings.SoundEffects, 1);
                  EXPECT_EQ(p.settings.MusicOn, 0);
                  EXPECT_EQ(p.settings.SlowMachine, 0);
                  EXPECT_TRUE(p.windows.main.isVisible());
                  EXPECT_FALSE(p.splash.isVisible());
                  EXPECT_EQ(QApplication::applicationName(), "Quorelin");
                  // Whichever way the options window closes, the windows are placed for
                  // the mode chosen there.
                  QWidget* smallExit = p.windows.play.BitBtn4;
                  EXPECT_FALSE(smallExit->isVisibleTo(&p.windows.play));
                  p.windows.options.BitBtn3->click();  // to full screen
                  EXPECT_FALSE(smallExit->isVisibleTo(&p.windows.play));
                  p.windows.options.BitBtn2->click();
                  EXPECT_FALSE(p.windows.options.isVisible());
                  EXPECT_TRUE(smallExit->isVisibleTo(&p.windows.play));
                  EXPECT_TRUE(p.windows.play.isMaximized());
                  EXPECT_TRUE(p.windows.scores.windowFlags().testFlag(Qt::FramelessWindowHint));
                  p.windows.main.BitBtn7->click();
                  p.windows.main.BitBtn13->click();  // Frisian
                  p.windows.main.close();
              }),
              0);
    EXPECT_TRUE(reported.empty());
    const std::vector<std::uint8_t> bytes = File();
    ASSERT_EQ(bytes.size(), kRecordSize);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 5),
              (std::vector<std::uint8_t>{4, 1, 2, 1, 1}));
    EXPECT_EQ(bytes[50], 42);
}

// A termination signal, idle or from inside a running game (which pumps messages),
// saves once and ends the program with 128 + the signal.
TEST_F(Run, ATerminationSignalSavesAndEndsTheProgramEvenDuringAGame) {
    for (const auto& [signal, duringGame] :
         {std::pair{SIGTERM, false}, {SIGHUP, false}, {SIGINT, false}, {SIGTERM, true}}) {
        SCOPED_TRACE(::testing::Message() << signal << (duringGame ? " in a game" : ""));
        WriteFile({});
        bool running = false;
        EXPECT_EQ(Start([&, signal = signal, duringGame = duringGame](StartedProgram& p) {
                      ChangeInMemory(p);
                      if (!duringGame) {
                          ::kill(::getpid(), signal);
                          return;
                      }
                      p.windows.main.TableButton(3)->click();
                      QTest::keyClicks(p.windows.level.Edit1, "1");
                      QTest::keyClick(p.windows.level.Edit1, Qt::Key_Return);
                      QTimer::singleShot(300, &p.windows.main, [&p, &running, signal] {
                          running = p.windows.play.GameRunning();
                          ::kill(::getpid(), signal);
                      });
                  }),
                  128 + signal);
        EXPECT_EQ(running, duringGame);
        ExpectChangesInTheFile();
        EXPECT_TRUE(reported.empty());
    }
}

// A save that fails at the end asks what to do; "quit without saving" leaves the file as
// it was, and so does a signal while the question waits, with no answer and no save.
TEST_F(Run, AFailedLastSaveLeavesTheFileAsItWasWhenQuitOrEndedWhileAsking) {
    for (const bool signalWhileAsking : {false, true}) {
        WriteFile({});
        const std::vector<std::uint8_t> before = File();
        std::unique_ptr<SavesFail> savesFail;
        int questions = 0;
        bool questionOpen = false;
        ::testing::internal::CaptureStderr();
        const int status = Start([&](StartedProgram& p) {
            ChangeInMemory(p);
            savesFail = std::make_unique<SavesFail>();
            if (signalWhileAsking) {
                // The real question box opens and waits for a click that never comes.
                QTimer::singleShot(300, [&questionOpen] {
                    questionOpen = QApplication::activeModalWidget() != nullptr;
                    ::kill(::getpid(), SIGTERM);
                });
            } else {
                p.windows.main.SetCloseQuestion([&](const QString&) {
                    ++questions;
                    savesFail->Lift();  // a save would work now: the end must not save
                    return CloseAnswer::QuitWithoutSaving;
                });
            }
            p.windows.main.close();
        });
        const std::string errors = ::testing::internal::GetCapturedStderr();
        savesFail.reset();
        EXPECT_EQ(status, signalWhileAsking ? 128 + SIGTERM : 0);
        EXPECT_TRUE(signalWhileAsking ? questionOpen : questions == 1);
        EXPECT_EQ(errors.find("ended from outside") != std::string::npos, signalWhileAsking)
            << errors;
        EXPECT_TRUE(reported.empty()) << "no final save and no message box after the end";
        EXPECT_EQ(File(), before);
    }
}

TEST_F(Run, ASecondCopyInTheSameFolderIsRefusedAndTheFirstSavesNormally) {
    QProcess second;
    EXPECT_EQ(Start([&](StartedProgram& p) {
                  ChangeInMemory(p);
                  const std::vector<std::uint8_t> before = File();
                  second.start(QCoreApplication::applicationFilePath(),
                               {"--second-copy", QString::fromStdString(folder.path().string())});
                  ASSERT_TRUE(second.waitForFinished(30000));
                  EXPECT_EQ(File(), before);
                  p.windows.main.BitBtn8->click();  // Exit
              }),
              0);
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(second.readAllStandardError().contains("already running"));
    ExpectChangesInTheFile();
    EXPECT_TRUE(reported.empty());
}

TEST(InstanceLock, TheLockOfAKilledCopyDoesNotBlockTheNextStart) {
    const testing::TempFolder folder("lock", true);
    std::ofstream(kDataFileName) << "data";
    // Also where no lock file can be made: the data file itself carries the lock then.
    for (const bool lockFileUnusable : {false, true}) {
        SCOPED_TRACE(lockFileUnusable ? "no lock file" : "lock file");
        std::filesystem::remove(std::string(kDataFileName) + ".lock");
        if (lockFileUnusable) {
            std::filesystem::create_symlink("nowhere", std::string(kDataFileName) + ".lock");
        }
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t copy = ::fork();
        ASSERT_GE(copy, 0);
        if (copy == 0) {
            const InstanceLock lock(kDataFileName);
            const char held = lock.state() == InstanceLock::State::Held ? 1 : 0;
            [[maybe_unused]] const ssize_t n = ::write(ready[1], &held, 1);
            ::pause();
            ::_exit(0);
        }
        char held = 0;
        ASSERT_EQ(::read(ready[0], &held, 1), 1);
        ::close(ready[0]);
        ::close(ready[1]);
        EXPECT_EQ(held, 1);
        EXPECT_EQ(InstanceLock(kDataFileName).state(), InstanceLock::State::HeldByAnother);
        ::kill(copy, SIGKILL);
        ASSERT_EQ(::waitpid(copy, nullptr, 0), copy);
        EXPECT_EQ(InstanceLock(kDataFileName).state(), InstanceLock::State::Held);
    }
}

// On a screen of 1920 x 1080 the whole program is drawn larger, as large as the design of
// its class fits, or at the size the --scale option or the user's own QT_SCALE_FACTOR
// asks; the layout stays the class's, and the design area stands in the middle.
TEST_F(Run, OnALargeScreenTheDesignIsDrawnLargerAndCentred) {
    std::ofstream("screen.json") << R"({"screens": [{"name": "large", "x": 0, "y": 0,
        "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    qputenv("QT_QPA_PLATFORM",
            ("offscreen:configfile=" + (folder / "screen.json").string()).c_str());
    struct Case {
        std::vector<std::string> args;
        const char* userFactor;  // QT_SCALE_FACTOR, or none
        std::uint8_t mode;
        double ratio;
        QSize screen;   // in the layout's pixels
        QPoint corner;  // where the 1024 x 768 design area starts; none: a smaller class
    };
    for (const Case& c : {Case{{}, nullptr, 1, 1.40625, {1365, 768}, {170, 0}},
                          Case{{"--scale", "1"}, nullptr, 1, 1, {1920, 1080}, {448, 156}},
                          Case{{"--scale", "1"}, nullptr, 2, 1, {1920, 1080}, {448, 156}},
                          Case{{}, "2", 1, 2, {960, 540}, {}},
                          Case{{"--scale=1.25"}, "2", 2, 1.25, {1536, 864}, {256, 48}}}) {
        SCOPED_TRACE(::testing::Message() << c.ratio << " mode " << int(c.mode));
        c.userFactor != nullptr ? qputenv("QT_SCALE_FACTOR", c.userFactor)
                                : qunsetenv("QT_SCALE_FACTOR");
        WriteFile({{1, c.mode}});
        const int status = Start(
            [&c](StartedProgram& p) {
                MainWindow& main = p.windows.main;
                const QPoint optionsAt = p.windows.options.pos();
                p.windows.options.close();
                // The window system maximises the window after it shows.
                EXPECT_TRUE(QTest::qWaitFor([&] { return main.size() != QSize(200, 100); }));
                EXPECT_DOUBLE_EQ(main.devicePixelRatioF(), c.ratio);
                EXPECT_EQ(QGuiApplication::primaryScreen()->size(), c.screen);
                EXPECT_EQ(p.settings.ScreenHeight, c.corner.isNull() ? 480 : 768);
                EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), c.userFactor) << "nothing inherits it";
                if (c.corner.isNull()) {
                } else if (c.mode == 2) {  // the class's places, moved into the middle
                    EXPECT_EQ(main.pos(), QPoint(128, 48) + c.corner);
                    EXPECT_EQ(optionsAt, QPoint(245, 240) + c.corner);
                } else {
                    EXPECT_EQ(main.geometry(), QRect(QPoint(), c.screen));
                    EXPECT_EQ(main.Panel3->mapTo(&main, QPoint()).x(), 274 + c.corner.x());
                    EXPECT_EQ(main.Panel3->height(), 377);
                    // The menu titles start where the design area does.
                    const int firstTitle = main.menuBar()->actionGeometry(main.Game1).x();
                    EXPECT_TRUE(firstTitle >= c.corner.x() && firstTitle < c.corner.x() + 12);
                    main.BitBtn5->click();  // the info window
                    InfoWindow& info = p.windows.info;
                    EXPECT_TRUE(QTest::qWaitFor([&] { return info.size() == main.size(); }));
                    info.layout()->activate();
                    EXPECT_EQ(info.ScrollBox()->pos(), c.corner);
                    info.hide();
                }
                main.close();
            },
            c.args);
        EXPECT_EQ(status, 0);
        EXPECT_TRUE(reported.empty());
    }
}

TEST(Scaling, AFieldCanvasPaintedAtScaleTwoHoldsAPixelForEveryScreenPixel) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    int argc = 1;
    char name[] = "quorelin";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    qunsetenv("QT_SCALE_FACTOR");
    Settings settings{.WindowMode = 1, .ColorScheme = 1, .ScreenHeight = 768, .ScreenWidth = 1024};
    GameState state{.GameKind = 1};
    InputRequests input;
    PlayWindow window(settings, state, input);
    window.FormShow();
    window.Painter().DrawBlock(Block{48, kMultipleOf3}, 4, 7);

    const QImage& field = window.Image3->Canvas();
    ASSERT_EQ(field.size(), window.Image3->size() * 2);
    const auto at = [&field](int x, int y) { return field.pixel(x, y) & 0xFFFFFF; };
    // The block of 40 x 28 layout pixels at 123, 174: its edges change colour from one
    // screen pixel to the next, with no blend, as the gap beside it is black.
    const int left = 2 * 123, right = 2 * (123 + 39) + 1, middle = 2 * (174 + 14);
    EXPECT_EQ(at(left - 1, middle), 0x000000u);
    EXPECT_EQ(at(left, middle), 0xFFFFFFu);   // light edge
    EXPECT_EQ(at(right, middle), 0x008040u);  // dark edge
    EXPECT_EQ(at(right + 1, middle), 0x000000u);
    // The number is drawn at screen resolution: an enlarged picture would repeat every
    // layout pixel as two equal screen pixels.
    int split = 0;
    for (int y = 2 * 174; y < 2 * (174 + 28); ++y) {
        for (int x = left; x < right; x += 2) {
            split += at(x, y) != at(x + 1, y) ? 1 : 0;
        }
    }
    EXPECT_GT(split, 20);
}

}  // namespace
}  // namespace quorelin

// A second copy of the game, started by the single-copy test in the folder it names: its
// reports go to stderr only, and should it start after all, it closes at once.
int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--second-copy") {
        if (::chdir(argv[2]) != 0) {
            return 64;
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
        quorelin::StartUpHooks hooks;
        hooks.reportError = [](const std::string&) {};
        hooks.started = [](quorelin::StartedProgram& program) { program.windows.main.close(); };
        return quorelin::RunQuorelin(1, argv, hooks);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
