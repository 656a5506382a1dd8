// The start-up's rules and command line, the texts it shows while starting, and the main
// window's last save, which the start-up's end relies on.
#include <gtest/gtest.h>

#include <QStringList>
#include <array>
#include <filesystem>
#include <optional>
#include <tuple>
#include <vector>

#include "game/startup_rules.h"
#include "menus/main_window.h"
#include "menus/options_window.h"
#include "startup/command_line.h"
#include "startup/splash_window.h"
#include "store/data_file.h"
#include "tests/support/temp_folder.h"

namespace quorelin {
namespace {

TEST(StartUpRules, SettingsFromTheDataFileAreCheckedAndTheSchemeIsAlwaysSophisticated) {
    for (const auto& [language, mode, scheme, wantLanguage, wantMode] : {std::array{0, 0, 1, 1, 2},
                                                                         {6, 3, 0, 1, 2},
                                                                         {5, 1, 1, 5, 1},
                                                                         {1, 2, 7, 1, 2},
                                                                         {3, 255, 2, 3, 2}}) {
        Settings s{.Language = static_cast<std::uint8_t>(language),
                   .WindowMode = static_cast<std::uint8_t>(mode),
                   .ColorScheme = static_cast<std::uint8_t>(scheme)};
        ApplyStartUpSettings(s);
        EXPECT_EQ(s.Language, wantLanguage) << language;
        EXPECT_EQ(s.WindowMode, wantMode) << mode;
        EXPECT_EQ(s.ColorScheme, 2);
    }
}

TEST(StartUpRules, EachScreenDimensionIsRoundedDownToItsClassAndTheSplashCentredOnIt) {
    for (const auto& [w, h, classW, classH, splashX, splashY] :
         {std::array{1280, 1024, 1024, 768, 386, 312},
          {1366, 768, 1024, 768, 386, 312},
          {1280, 720, 1024, 600, 386, 228},
          {800, 600, 800, 600, 274, 228},
          {1024, 600, 1024, 600, 386, 228},
          {799, 599, 640, 480, 194, 168},
          {600, 400, 640, 480, 194, 168},
          {1023, 767, 800, 600, 274, 228},
          {640, 480, 640, 480, 194, 168},
          {801, 601, 800, 600, 274, 228}}) {
        const ScreenClass got = ClassifyScreen(w, h);
        EXPECT_EQ(got.width, classW) << w << "x" << h;
        EXPECT_EQ(got.height, classH) << w << "x" << h;
        // 274.5 and 227.5, 386.5 and 311.5, 194.5 and 167.5: halves go to the even side.
        const Settings s{.ScreenHeight = got.height, .ScreenWidth = got.width};
        EXPECT_EQ(CentreOnScreenClass(s, SplashWindow::kWidth, SplashWindow::kHeight),
                  (Point{splashX, splashY}));
    }
}

TEST(StartUpRules, RoundedSecondsAboveNineAreASlowStartAndTheHourIsIgnored) {
    EXPECT_FALSE(IsSlowStart({10, 0, 0, 0}, {10, 0, 9, 49}));
    EXPECT_TRUE(IsSlowStart({10, 0, 0, 0}, {10, 0, 9, 50}));
    EXPECT_TRUE(IsSlowStart({10, 5, 55, 60}, {10, 6, 5, 10}));   // 9.50 across a minute
    EXPECT_FALSE(IsSlowStart({10, 0, 0, 0}, {10, 0, 8, 50}));    // 8.5 rounds to 8
    EXPECT_FALSE(IsSlowStart({10, 59, 55, 0}, {11, 0, 10, 0}));  // over the hour: negative
}

TEST(StartUpRules, TheOptionsWindowIsPlacedByModeAndScreenHeight) {
    for (const auto& [mode, height, left, top] : {std::array{2, 600, 135, 105},
                                                  {2, 768, 245, 240},
                                                  {2, 480, 72, 30},
                                                  {1, 600, 135, 105},
                                                  {1, 768, 245, 220},
                                                  {1, 480, 68, 55}}) {
        const Settings s{.WindowMode = static_cast<std::uint8_t>(mode), .ScreenHeight = height};
        EXPECT_EQ(PlaceOptionsWindow(s).left, left) << mode << " " << height;
        EXPECT_EQ(PlaceOptionsWindow(s).top, top) << mode << " " << height;
    }
}

TEST(StartUpRules, TheScaleFillsALargerScreenWithTheDesignOnlyForAWorthwhileGain) {
    for (const auto& [width, height, scale] : {std::tuple{640, 480, 1.0},
                                               {1024, 768, 1.0},
                                               {1152, 864, 1.0} /* 1.125 */,
                                               {1177, 884, 1.0} /* 1.1494 */,
                                               {1178, 884, 1178 / 1024.0},
                                               {1920, 1080, 1.40625},
                                               {1920, 1200, 1.5625},
                                               {1280, 1024, 1.25},
                                               {3840, 2160, 2.8125},
                                               {3000, 800, 1.0}}) {
        EXPECT_DOUBLE_EQ(AutomaticScale(width, height), scale) << width << "x" << height;
    }
}

TEST(CommandLine, HelpVersionAndScaleAnswerQtsOwnOptionsPassAndTheRestIsRefused) {
    using Action = CommandLine::Action;
    struct Case {
        std::vector<std::string> args;
        Action action;
        std::string messageStart;
        std::optional<double> scale;
    };
    const Case cases[] = {
        {{}, Action::Run, "", {}},
        {{"-platform", "offscreen", "-reverse"}, Action::Run, "", {}},
        {{"--help"}, Action::Help, "Usage: quorelin", {}},
        {{"-h"}, Action::Help, "Usage: quorelin", {}},
        {{"-platform", "offscreen", "--version"}, Action::Version, "Quorelin 2023-12\n", {}},
        {{"--colour"}, Action::Error, "quorelin: unknown option '--colour'", {}},
        {{"-platform"}, Action::Error, "quorelin: unknown option '-platform'", {}},
        {{"level7"}, Action::Error, "quorelin: unknown option 'level7'", {}},
        {{"--scale", "1"}, Action::Run, "", 1},
        {{"--scale=1.5"}, Action::Run, "", 1.5},
        {{"--scale", "0.5"}, Action::Run, "", 0.5},
        {{"-platform", "offscreen", "--scale", "8"}, Action::Run, "", 8},
        {{"--scale", "0.49"}, Action::Error, "quorelin: --scale", {}},
        {{"--scale", "8.01"}, Action::Error, "quorelin: --scale", {}},
        {{"--scale", "2x"}, Action::Error, "quorelin: --scale", {}},
        {{"--scale", "nan"}, Action::Error, "quorelin: --scale", {}},
        {{"--scale="}, Action::Error, "quorelin: --scale", {}},
        {{"--scale"}, Action::Error, "quorelin: --scale", {}},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.args);
        EXPECT_EQ(line.action, c.action) << ::testing::PrintToString(c.args);
        EXPECT_EQ(line.message.rfind(c.messageStart, 0), 0u) << line.message;
        EXPECT_EQ(line.scale, c.scale) << ::testing::PrintToString(c.args);
    }
}

TEST(StartUpTexts, GermanBorrowsTheEnglishLoadingLabelAndTheHintShowsOnlyWhenSlow) {
    SplashWindow splash;
    splash.SetLanguage(3);
    EXPECT_EQ(splash.LoadingLabel()->text(), "Aan het laden..");
    splash.SetLanguage(5);
    EXPECT_EQ(splash.LoadingLabel()->text(), "Loading....");
    Settings settings;
    OptionsWindow options(settings);
    EXPECT_TRUE(options.Label111->isHidden());
    options.ShowSlowStartHint(5);
    EXPECT_FALSE(options.Label111->isHidden());
    EXPECT_EQ(options.Label111->text(), QString::fromUtf8(SlowStartHint(1)));
}

// Exit reports a failed save and stays; closing by the close box, Alt+F4 or the desktop
// must never trap the player: a failed save asks once, and each answer does what it says.
TEST(MainWindowLastSave, ExitReportsAFailureAndClosingAsksWhatToDo) {
    struct Case {
        bool exit, folderThere;
        CloseAnswer answer;
        bool closed, saved, finalSaveWanted;
    };
    for (const Case c : {Case{true, true, CloseAnswer::Cancel, true, true, true},
                         Case{true, false, CloseAnswer::Cancel, false, false, true},
                         Case{false, false, CloseAnswer::Cancel, false, false, true},
                         Case{false, false, CloseAnswer::QuitWithoutSaving, true, false, false},
                         Case{false, false, CloseAnswer::TryAgain, true, true, true}}) {
        SCOPED_TRACE(::testing::Message() << c.exit << " " << static_cast<int>(c.answer));
        const testing::TempFolder folder("last-save");
        const std::filesystem::path file = folder / "lists" / kDataFileName;
        if (c.folderThere) {
            std::filesystem::create_directories(file.parent_path());
        }
        Settings settings{.Language = 4, .WindowMode = 1};
        GameState game;
        DataFile data(file);
        MainWindow window(settings, game, data);
        QStringList reported, asked;
        window.SetErrorReporter([&](const QString& m) { reported.push_back(m); });
        window.SetCloseQuestion([&](const QString& question) {
            asked.push_back(question);
            if (c.answer == CloseAnswer::TryAgain) {  // the player puts the folder back
                std::filesystem::create_directories(file.parent_path());
            }
            return c.answer;
        });
        window.show();
        c.exit ? window.BitBtn8->click() : void(window.close());
        EXPECT_EQ(window.isVisible(), !c.closed);
        EXPECT_EQ(reported.size(), c.exit && !c.folderThere ? 1 : 0);
        EXPECT_EQ(asked.size(), !c.exit && !c.folderThere ? 1 : 0);
        for (const QString& text : reported + asked) {
            EXPECT_TRUE(text.contains("lists/Quorelin.dat")) << "says why";
        }
        for (const QString& question : asked) {
            EXPECT_TRUE(question.contains("lost")) << "says what quitting without saving loses";
        }
        EXPECT_EQ(window.FinalSaveWanted(), c.finalSaveWanted);
        Settings loaded;
        DataFile reread(file);
        ASSERT_EQ(reread.LoadDataFile(loaded).ok, c.saved);
        if (c.saved) {
            EXPECT_EQ(loaded.Language, 4);
            EXPECT_EQ(loaded.WindowMode, 1);
        }
        window.hide();
    }
}

}  // namespace
}  // namespace quorelin
