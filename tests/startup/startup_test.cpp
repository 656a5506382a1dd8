// The start-up's rules, command line and texts, and the titles' rounded face.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <vector>

#include "game/startup_rules.h"
#include "kit/widget_style.h"
#include "menus/options_window.h"
#include "startup/command_line.h"
#include "startup/splash_window.h"

namespace quorelin {
namespace {

TEST(StartUpRules, SettingsFromTheDataFileAreCheckedAndTheSchemeIsAlwaysSophisticated) {
    // language, window mode and scheme in the file; language and window mode at the start
    constexpr std::uint8_t kRows[][5] = {
        {0, 0, 1, 1, 2}, {6, 3, 0, 1, 2}, {5, 1, 1, 5, 1}, {1, 2, 7, 1, 2}, {3, 255, 2, 3, 2}};
    for (const auto& row : kRows) {
        Settings s{.Language = row[0], .WindowMode = row[1], .ColorScheme = row[2]};
        ApplyStartUpSettings(s);
        EXPECT_EQ(s.Language, row[3]) << int(row[0]);
        EXPECT_EQ(s.WindowMode, row[4]) << int(row[1]);
        EXPECT_EQ(s.ColorScheme, 2);
    }
}

TEST(StartUpRules, EachScreenDimensionIsRoundedDownToItsClassAndTheSplashCentredOnIt) {
    // screen; its class; the splash's corner, where halves go to the even side
    constexpr int kRows[][6] = {{1280, 1024, 1024, 768, 386, 312}, {1366, 768, 1024, 768, 386, 312},
                                {1280, 720, 1024, 600, 386, 228},  {800, 600, 800, 600, 274, 228},
                                {1024, 600, 1024, 600, 386, 228},  {799, 599, 640, 480, 194, 168},
                                {600, 400, 640, 480, 194, 168},    {1023, 767, 800, 600, 274, 228}};
    for (const auto& [w, h, classW, classH, x, y] : kRows) {
        const ScreenClass got = ClassifyScreen(w, h);
        EXPECT_EQ(got.width, classW) << w << "x" << h;
        EXPECT_EQ(got.height, classH) << w << "x" << h;
        const Settings s{.ScreenHeight = got.height, .ScreenWidth = got.width};
        EXPECT_EQ(CentreOnScreenClass(s, SplashWindow::kWidth, SplashWindow::kHeight),
                  (Point{x, y}));
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
    constexpr int kRows[][4] = {{2, 600, 135, 105}, {2, 768, 245, 240}, {2, 480, 72, 30},
                                {1, 600, 135, 105}, {1, 768, 245, 220}, {1, 480, 68, 55}};
    for (const auto& [mode, height, left, top] : kRows) {
        const OptionsPlacement place =
            PlaceOptionsWindow({.WindowMode = std::uint8_t(mode), .ScreenHeight = height});
        EXPECT_EQ(QPoint(place.left, place.top), QPoint(left, top)) << mode << " " << height;
    }
}

TEST(StartUpRules, TheScaleFillsALargerScreenWithTheDesignOnlyForAWorthwhileGain) {
    // 1152 x 864 would gain 1.125, 1177 x 884 1.1494: not worth the softer look
    constexpr double kRows[][3] = {{640, 480, 1},       {1152, 864, 1},        {1177, 884, 1},
                                   {1178, 884, 1.1504}, {1920, 1080, 1.40625}, {3000, 800, 1}};
    for (const auto& [width, height, scale] : kRows) {
        EXPECT_NEAR(AutomaticScale(int(width), int(height)), scale, 1e-4) << width;
    }
}

// Unknown options pass on to the window system, and are refused once it took its own.
TEST(CommandLine, HelpVersionAndScaleAnswerQtsOwnOptionsPassAndTheRestIsRefused) {
    using Action = CommandLine::Action;
    const char* const kStart[] = {"", "Usage: quorelin", "Quorelin 2023-12\n", "quorelin: "};
    const struct {
        const char* args;
        Action action, refused;
        double scale;  // 0: none
    } cases[] = {{"-platform offscreen -reverse", Action::Run, Action::Error, 0},
                 {"-h", Action::Help, Action::Help, 0},
                 {"-platform offscreen --version", Action::Version, Action::Version, 0},
                 {"--colour", Action::Run, Action::Error, 0},
                 {"--scale=1.5", Action::Run, Action::Run, 1.5},
                 {"--scale 0.5", Action::Run, Action::Run, 0.5},
                 {"--scale 0.49", Action::Error, Action::Error, 0},
                 {"--scale 8.01", Action::Error, Action::Error, 0},
                 {"--scale 2x", Action::Error, Action::Error, 0},
                 {"--scale", Action::Error, Action::Error, 0}};
    for (const auto& c : cases) {
        std::vector<std::string> args;
        for (const QString& arg : QString(c.args).split(' ')) {
            args.push_back(arg.toStdString());
        }
        for (const auto unknown : {UnknownArguments::PassOn, UnknownArguments::Refuse}) {
            const CommandLine line = ParseCommandLine(args, unknown);
            const Action action = unknown == UnknownArguments::PassOn ? c.action : c.refused;
            EXPECT_EQ(line.action, action) << c.args;
            EXPECT_EQ(line.message.rfind(kStart[int(action)], 0), 0u) << line.message;
            EXPECT_EQ(line.scale.value_or(0), c.scale) << c.args;
        }
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
    EXPECT_EQ(options.Label111->text(), QString::fromUtf8(SlowStartHint(1)));
}

// Text fitting is guarded by the window sweep: a text too wide for its control fails it.
TEST(Type, TheTitlesRoundedFaceIsTheInstalledOne) {
    EXPECT_EQ(QFontInfo(PixelFont("VAG Rounded Thin", 24)).family(), "Comfortaa");
}

}  // namespace
}  // namespace quorelin
