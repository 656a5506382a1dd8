// Whole runs of the program, each in a folder of its own: start-up, a first start filling
// the data folder, the ends that cannot simply save, large screens. A watchdog ends hangs.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>
#include <vector>

#include "info/info_window.h"
#include "menus/level_window.h"
#include "menus/main_window.h"
#include "menus/options_window.h"
#include "play/play_window.h"
#include "scores/high_score_window.h"
#include "startup/program_windows.h"
#include "startup/splash_window.h"
#include "startup/startup.h"
#include "store/data_file.h"
#include "store/high_score_list.h"
#include "tests/support/temp_folder.h"

namespace quorelin {
namespace {

namespace fs = std::filesystem;

class Run : public ::testing::Test {
protected:
    Run() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Under nohup SIGHUP arrives ignored, and the program keeps what it inherits.
        for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
            ::signal(signal, SIG_DFL);
        }
        ::alarm(60);
        WriteFile({});
    }
    ~Run() override {
        ::alarm(0);
        qunsetenv("QT_SCALE_FACTOR");
    }
    // A record of zeros but for the bytes given (language 0, window mode 0, ...).
    void WriteFile(const std::vector<std::pair<std::size_t, std::uint8_t>>& bytes,
                   std::size_t size = kRecordSize) {
        std::vector<std::uint8_t> record(size, 0);
        for (const auto& [at, value] : bytes) {
            record[at] = value;
        }
        fs::remove(kDataFileName);
        folder.Write(kDataFileName, record);
    }
    std::vector<std::uint8_t> File() const { return folder.Read(kDataFileName); }
    // Runs the program with the body once the options window shows; the body ends it.
    int Start(const std::function<void(StartedProgram&)>& body,
              std::vector<std::string> args = {}) {
        args.insert(args.begin(), "quorelin");
        std::vector<char*> argv;
        for (std::string& a : args) {
            argv.push_back(a.data());
        }
        StartUpHooks hooks;
        hooks.reportError = [this](const std::string& m) { reported.push_back(m); };
        hooks.started = [&](StartedProgram& p) {
            started = true;
            body(p);
        };
        return RunQuorelin(static_cast<int>(args.size()), argv.data(), hooks);
    }
    // What lives only in memory until a save: a language and a stored result.
    static void ChangeInMemory(StartedProgram& p) {
        p.windows.options.close();
        p.windows.main.BitBtn7->click();
        p.windows.main.BitBtn13->click();  // Frisian
        WorkingList working;
        working.FillAndInsert(p.dataFile.store(), 5, 4321, 7);
        working.StoreEntry(U"Sanne", p.dataFile.store());
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

// A missing or short data file ends the start-up before any window, leaving it as it was.
TEST_F(Run, ADataFileMissingOrShortEndsBeforeAnyWindowWithAReason) {
    for (const std::size_t bytes : {std::size_t{0}, kRecordSize - 1}) {
        reported.clear();
        bytes == 0 ? void(fs::remove(kDataFileName)) : WriteFile({}, bytes);
        EXPECT_EQ(Start([](StartedProgram& p) { p.windows.main.close(); }), 1);
        EXPECT_FALSE(started);
        ASSERT_EQ(reported.size(), 1u);
        EXPECT_NE(reported[0].find("Quorelin.dat"), std::string::npos) << reported[0];
        EXPECT_EQ(File().size(), bytes);
    }
}

TEST_F(Run, StartsWithCheckedSettingsPlacesTheWindowsForTheChosenModeAndSavesAtTheEnd) {
    WriteFile({{2, 1}, {50, 42}});  // Simple scheme in the file, and a reserved byte
    EXPECT_EQ(Start([](StartedProgram& p) {
                  const Settings& s = p.settings;
                  EXPECT_EQ(std::vector<int>({s.Language, s.WindowMode, s.ColorScheme,
                                              s.SoundEffects, s.MusicOn, s.SlowMachine}),
                            std::vector<int>({1, 2, 2, 1, 0, 0}));
                  EXPECT_TRUE(p.windows.main.isVisible());
                  EXPECT_FALSE(p.splash.isVisible());
                  // However the options window closes, the windows follow its mode.
                  QWidget* smallExit = p.windows.play.BitBtn4;
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
    EXPECT_EQ(std::vector<int>(bytes.begin(), bytes.begin() + 5),
              std::vector<int>({4, 1, 2, 1, 1}));
    EXPECT_EQ(bytes[50], 42);
}

// A termination signal, idle or in a running game, saves and ends with 128 + the signal.
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

// A first start fills the --data-dir folder; a termination stores the name being typed
// (pasted) beside a better result another copy saved meanwhile.
TEST_F(Run, AFirstStartFillsTheDataFolderAndATerminationStoresTheNameBeingTyped) {
    for (const auto& [typed, stored] : {std::pair{"Ann\tDe", "Ann De"}, {"", "Jan Klaasen"}}) {
        SCOPED_TRACE(stored);
        const fs::path dir = folder / stored / "quorelin";
        const auto body = [&dir, typed = typed](StartedProgram& p) {
            p.windows.options.close();
            DataFile other(dir / kDataFileName);
            Settings settings;
            other.LoadDataFile(settings);
            WorkingList working;
            working.FillAndInsert(other.store(), 4, 200, 5);
            working.StoreEntry(U"Other", other.store());
            other.SaveDataFile(settings);
            p.game = {.TableNumber = 4, .GameKind = 1, .StartLevel = 3, .LevelScore = 100};
            p.windows.scores.ShowAfterGame();
            EXPECT_EQ(p.windows.scores.NewEntryRank(), 2);
            p.windows.scores.NameBox->insert(QString::fromUtf8(typed));
            ::kill(::getpid(), SIGTERM);
        };
        EXPECT_EQ(Start(body, {"--data-dir", dir.string()}), 128 + SIGTERM);
        EXPECT_TRUE(reported.empty());
        for (const char* name : {kDataFileName, kReserveFileName}) {
            EXPECT_EQ(fs::file_size(dir / name), kRecordSize) << name;
        }
        DataFile data(dir / kDataFileName);
        Settings settings;
        ASSERT_TRUE(data.LoadDataFile(settings).ok);
        const HighScoreList list = data.store().GetList(4);
        EXPECT_EQ(list[0].nameBytes(), "Other");
        EXPECT_EQ(list[1].nameBytes(), stored);
        EXPECT_EQ(list[1].score(), 100);
    }
}

// A failed last save (a folder in the file's place, even for root): Exit reports and stays;
// closing asks once and each answer does what it says; a signal then ends without a save.
TEST_F(Run, AFailedLastSaveIsReportedOrAskedAndEachAnswerDoesWhatItSays) {
    enum class End { Exit, Cancel, TryAgain, Quit, Signal };
    for (const End end : {End::Exit, End::Cancel, End::TryAgain, End::Quit, End::Signal}) {
        SCOPED_TRACE(static_cast<int>(end));
        WriteFile({});
        QStringList told;  // what the player was told or asked
        bool questionWaits = false;
        ::testing::internal::CaptureStderr();
        const int status = Start([&](StartedProgram& p) {
            ChangeInMemory(p);
            MainWindow& main = p.windows.main;
            fs::remove(kDataFileName);
            fs::create_directory(kDataFileName);
            main.SetErrorReporter([&](const QString& message) { told << message; });
            if (end == End::Signal) {  // the real question box, waiting for a click
                QTimer::singleShot(300, [&questionWaits] {
                    questionWaits = QApplication::activeModalWidget() != nullptr;
                    ::kill(::getpid(), SIGTERM);
                });
            } else {
                main.SetCloseQuestion([&](const QString& question) {
                    told << question;
                    if (end != End::Cancel) {
                        WriteFile({});  // saves work again
                    }
                    return end == End::Quit       ? CloseAnswer::QuitWithoutSaving
                           : end == End::TryAgain ? CloseAnswer::TryAgain
                                                  : CloseAnswer::Cancel;
                });
            }
            end == End::Exit ? main.BitBtn8->click() : void(main.close());
            if (end == End::Exit || end == End::Cancel) {
                EXPECT_TRUE(main.isVisible()) << "the window stays";
                WriteFile({});
                main.close();
            }
        });
        const std::string errors = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(status, end == End::Signal ? 128 + SIGTERM : 0);
        EXPECT_EQ(questionWaits, end == End::Signal);
        EXPECT_EQ(errors.find("ended from outside") != std::string::npos, end == End::Signal);
        EXPECT_EQ(told.filter("Quorelin.dat").size(), end == End::Signal ? 0 : 1) << "says why";
        EXPECT_EQ(told.filter("kwyt").size(), end == End::Exit || end == End::Signal ? 0 : 1)
            << "says what quitting without saving loses, in the player's Frisian";
        EXPECT_TRUE(reported.empty()) << "no final save and no message box after the end";
        if (end == End::Quit || end == End::Signal) {
            EXPECT_TRUE(fs::is_directory(kDataFileName) ||
                        File() == std::vector<std::uint8_t>(kRecordSize));
        } else {
            ExpectChangesInTheFile();
        }
    }
}

// On 1920 x 1080 the program is drawn as large as its class fits, or as --scale or
// QT_SCALE_FACTOR asks: the class's layout, centred, a canvas pixel per screen pixel.
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
                PlayWindow& play = p.windows.play;
                play.FormShow();
                const QImage& field = play.Image3->Canvas();
                EXPECT_EQ(field.devicePixelRatio(), c.ratio);
                EXPECT_NEAR(field.width(), play.Image3->width() * c.ratio, 1);
                EXPECT_NEAR(field.height(), play.Image3->height() * c.ratio, 1);
                if (c.corner.isNull()) {   // a smaller class
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

}  // namespace
}  // namespace quorelin
