#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <filesystem>
#include <vector>

#include "game/startup_rules.h"
#include "menus/main_window.h"
#include "menus/options_window.h"
#include "startup/splash_window.h"
#include "store/data_file.h"

namespace quorelin {
namespace {

TEST(StartUpSettings, OutOfRangeValuesAreReplacedAndTheSchemeIsAlwaysSophisticated) {
    struct Case {
        int language, mode, scheme, wantLanguage, wantMode;
    };
    for (const Case c : {Case{0, 0, 1, 1, 2}, Case{6, 3, 0, 1, 2}, Case{5, 1, 1, 5, 1},
                         Case{1, 2, 7, 1, 2}, Case{3, 255, 2, 3, 2}}) {
        Settings s;
        s.Language = static_cast<std::uint8_t>(c.language);
        s.WindowMode = static_cast<std::uint8_t>(c.mode);
        s.ColorScheme = static_cast<std::uint8_t>(c.scheme);
        ApplyStartUpSettings(s);
        EXPECT_EQ(s.Language, c.wantLanguage) << c.language;
        EXPECT_EQ(s.WindowMode, c.wantMode) << c.mode;
        EXPECT_EQ(s.ColorScheme, 2);
    }
}

TEST(ScreenClass, EachDimensionIsRoundedDownToItsClass) {
    struct Case {
        int w, h, wantW, wantH;
    };
    for (const Case c :
         {Case{1280, 1024, 1024, 768}, Case{1366, 768, 1024, 768}, Case{1280, 720, 1024, 600},
          Case{800, 600, 800, 600}, Case{1024, 600, 1024, 600}, Case{799, 599, 640, 480},
          Case{600, 400, 640, 480}, Case{1023, 767, 800, 600}, Case{640, 480, 640, 480},
          Case{801, 601, 800, 600}}) {
        const ScreenClass got = ClassifyScreen(c.w, c.h);
        EXPECT_EQ(got.width, c.wantW) << c.w << "x" << c.h;
        EXPECT_EQ(got.height, c.wantH) << c.w << "x" << c.h;
    }
}

TEST(Splash, IsCentredOnTheScreenClassWithHalvesToEven) {
    Settings s;
    s.ScreenWidth = 800;
    s.ScreenHeight = 600;
    EXPECT_EQ(CentreOnScreenClass(s, 251, 145), (Point{274, 228}));  // 274.5, 227.5
    s.ScreenWidth = 1024;
    s.ScreenHeight = 768;
    EXPECT_EQ(CentreOnScreenClass(s, 251, 145), (Point{386, 312}));  // 386.5, 311.5
    s.ScreenWidth = 640;
    s.ScreenHeight = 480;
    EXPECT_EQ(CentreOnScreenClass(s, 251, 145), (Point{194, 168}));  // 194.5, 167.5
}

TEST(SlowStart, RoundedSecondsAboveNineAreSlowAndTheHourIsIgnored) {
    EXPECT_FALSE(IsSlowStart({10, 0, 0, 0}, {10, 0, 9, 49}));
    EXPECT_TRUE(IsSlowStart({10, 0, 0, 0}, {10, 0, 9, 50}));
    EXPECT_TRUE(IsSlowStart({10, 5, 55, 60}, {10, 6, 5, 10}));  // 9.50 across a minute
    EXPECT_FALSE(IsSlowStart({10, 0, 0, 0}, {10, 0, 8, 50}));   // 8.5 rounds to 8
    // From minute 59 to minute 0 the elapsed time is negative: never slow.
    EXPECT_FALSE(IsSlowStart({10, 59, 55, 0}, {11, 0, 10, 0}));
}

TEST(OptionsWindow, PlacementFollowsModeAndScreenHeight) {
    struct Case {
        int mode, height, left, top;
    };
    for (const Case c : {Case{2, 600, 135, 105}, Case{2, 768, 245, 240}, Case{2, 480, 72, 30},
                         Case{1, 600, 135, 105}, Case{1, 768, 245, 220}, Case{1, 480, 68, 55}}) {
        Settings s;
        s.WindowMode = static_cast<std::uint8_t>(c.mode);
        s.ScreenHeight = c.height;
        const OptionsPlacement p = PlaceOptionsWindow(s);
        EXPECT_EQ(p.left, c.left);
        EXPECT_EQ(p.top, c.top);
    }
}

TEST(StartUpTexts, GermanBorrowsTheEnglishLoadingLabelAndHint) {
    SplashWindow splash;
    splash.SetLanguage(3);
    EXPECT_EQ(splash.LoadingLabel()->text(), "Aan het laden..");
    splash.SetLanguage(5);
    EXPECT_EQ(splash.LoadingLabel()->text(), "Loading....");
    EXPECT_STREQ(SlowStartHint(5), SlowStartHint(1));

    Settings settings;
    OptionsWindow options(settings);
    EXPECT_TRUE(options.Label111->isHidden());
    options.ShowSlowStartHint(2);
    EXPECT_FALSE(options.Label111->isHidden());
    EXPECT_EQ(options.Label111->text(),
              QString::fromUtf8("Si arrancar el programa cuesta mucho tiempo, podrías utilizar "
                                "la versión Msdos Pelmosar."));
}

TEST(MainWindowExit, FailedSaveReportsAndKeepsTheWindowOpen) {
    Settings settings;
    settings.Language = 1;
    DataFile unwritable(std::filesystem::path("/nonexistent-folder") / kDataFileName);
    GameState game;
    MainWindow window(settings, game, unwritable);
    QString reported;
    window.SetErrorReporter([&](const QString& message) { reported = message; });
    window.SetCloseQuestion([](const QString&) {
        ADD_FAILURE() << "Exit reports; it does not ask";
        return CloseAnswer::Cancel;
    });
    window.show();
    window.BitBtn8->click();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(reported.contains("Quorelin.dat"));
    window.hide();
}

// Closing by the close box, Alt+F4 or the desktop must never trap the player: a failed
// save asks, and each answer does what it says.
TEST(MainWindowClose, AFailedSaveAsksAndEachAnswerDoesWhatItSays) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("quorelin-close-" + std::to_string(::getpid()));
    struct Case {
        CloseAnswer answer;
        bool closed, finalSaveWanted, saved;
    };
    for (const Case c : {Case{CloseAnswer::Cancel, false, true, false},
                         Case{CloseAnswer::QuitWithoutSaving, true, false, false},
                         Case{CloseAnswer::TryAgain, true, true, true}}) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        std::filesystem::remove_all(dir);
        // The folder is missing, so the save fails until "try again" has put it back.
        const auto file = dir / "missing" / kDataFileName;
        Settings settings;
        settings.Language = 3;
        GameState game;
        DataFile data(file);
        MainWindow window(settings, game, data);
        window.SetErrorReporter([](const QString& m) { ADD_FAILURE() << m.toStdString(); });
        std::vector<QString> questions;
        window.SetCloseQuestion([&](const QString& text) {
            questions.push_back(text);
            if (c.answer == CloseAnswer::TryAgain) {
                std::filesystem::create_directories(file.parent_path());
            }
            return c.answer;
        });
        window.show();
        EXPECT_EQ(window.close(), c.closed);
        EXPECT_EQ(window.isVisible(), !c.closed);
        ASSERT_EQ(questions.size(), 1u) << "asked once; a second attempt that works asks no more";
        EXPECT_TRUE(questions[0].contains("missing/Quorelin.dat")) << "says why";
        EXPECT_TRUE(questions[0].contains("verloren")) << "says what quitting without saving "
                                                          "loses, in the player's language";
        EXPECT_EQ(window.FinalSaveWanted(), c.finalSaveWanted);
        EXPECT_EQ(std::filesystem::exists(file), c.saved);
        if (c.saved) {
            Settings loaded;
            DataFile reread(file);
            ASSERT_TRUE(reread.LoadDataFile(loaded).ok);
            EXPECT_EQ(loaded.Language, 3);
        }
        window.hide();
    }
    std::filesystem::remove_all(dir);
}

TEST(MainWindowExit, SuccessfulSaveWritesTheSettingsAndCloses) {
    const auto dir = std::filesystem::temp_directory_path() / "quorelin-exit-test";
    std::filesystem::create_directories(dir);
    Settings settings;
    settings.Language = 4;
    settings.WindowMode = 1;
    settings.ColorScheme = 2;
    DataFile file(dir / kDataFileName);
    GameState game;
    MainWindow window(settings, game, file);
    window.show();
    EXPECT_EQ(window.BitBtn8->text(), "  &Stopje      ");
    window.BitBtn8->click();
    EXPECT_FALSE(window.isVisible());
    Settings loaded;
    DataFile reread(dir / kDataFileName);
    ASSERT_TRUE(reread.LoadDataFile(loaded).ok);
    EXPECT_EQ(loaded.Language, 4);
    EXPECT_EQ(loaded.WindowMode, 1);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace quorelin
