// On screens beyond the largest screen class the whole program is drawn larger: the
// rule, the option that sets or stops it, and whole start-ups on a 1920 x 1080 screen.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

#include "game/rules.h"
#include "game/startup_rules.h"
#include "info/info_window.h"
#include "menus/main_window.h"
#include "menus/options_window.h"
#include "play/field_painter.h"
#include "play/play_window.h"
#include "startup/command_line.h"
#include "startup/program_windows.h"
#include "startup/startup.h"
#include "store/data_file.h"

namespace quorelin {
namespace {

namespace fs = std::filesystem;

TEST(Scaling, TheScaleFillsTheScreenWithTheDesignAndStaysOffBelowAWorthwhileGain) {
    const struct {
        int width, height;
        double scale;
    } cases[] = {
        {640, 480, 1},
        {1024, 768, 1},
        {1152, 864, 1},              // 1.125: not worth it
        {1177, 884, 1},              // 1.1494
        {1178, 884, 1178 / 1024.0},  // 1.1504
        {1920, 1080, 1.40625},
        {1920, 1200, 1.5625},
        {1280, 1024, 1.25},
        {2560, 1440, 1.875},
        {3840, 2160, 2.8125},
        {3000, 800, 1},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(AutomaticScale(c.width, c.height), c.scale) << c.width << "x" << c.height;
    }
}

TEST(Scaling, TheScaleOptionTakesAFactorInRangeInEitherSpelling) {
    const struct {
        std::vector<std::string> args;
        bool ok;
        double scale;
    } cases[] = {
        {{"--scale", "1"}, true, 1},
        {{"--scale=1.5"}, true, 1.5},
        {{"--scale", "0.5"}, true, 0.5},
        {{"--scale", "8"}, true, 8},
        {{"--scale", "0.49"}, false, 0},
        {{"--scale", "8.01"}, false, 0},
        {{"--scale", "2x"}, false, 0},
        {{"--scale", "nan"}, false, 0},
        {{"--scale="}, false, 0},
        {{"--scale"}, false, 0},
        {{"-platform", "offscreen", "--scale", "2"}, true, 2},
    };
    for (const auto& c : cases) {
        const CommandLine line = ParseCommandLine(c.args);
        const std::string args = ::testing::PrintToString(c.args);
        if (c.ok) {
            EXPECT_EQ(line.action, CommandLine::Action::Run) << args << line.message;
            EXPECT_EQ(line.scale, c.scale) << args;
        } else {
            EXPECT_EQ(line.action, CommandLine::Action::Error) << args;
            EXPECT_EQ(line.message.rfind("quorelin: --scale", 0), 0u) << line.message;
        }
    }
    EXPECT_FALSE(ParseCommandLine({}).scale.has_value());
}

// What a start-up on the large screen showed, read once the options window is up.
struct Seen {
    double ratio = 0;
    int classWidth = 0, classHeight = 0;
    QRect screen, mainWindow;
    int tablePanelHeight = 0;
    QPoint tablePanelAt;
    QPoint mainWindowAt, optionsWindowAt;  // outer corners
    QPoint infoPageAt;
    int firstTitleX = 0;
    QByteArray scaleVariable;
};

// Runs the whole program in full-screen mode on an offscreen screen of 1920 x 1080.
class LargeScreen : public ::testing::Test {
protected:
    void SetUp() override {
        old_ = fs::current_path();
        dir_ = fs::temp_directory_path() / ("quorelin-scale-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::current_path(dir_);
        std::ofstream("screen.json") << R"({"screens": [{"name": "large", "x": 0, "y": 0,
            "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
        qputenv("QT_QPA_PLATFORM",
                ("offscreen:configfile=" + (dir_ / "screen.json").string()).c_str());
        std::vector<char> bytes(kRecordSize, 0);
        bytes[1] = 1;  // full screen
        std::ofstream(kDataFileName, std::ios::binary).write(bytes.data(), bytes.size());
    }
    void TearDown() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qunsetenv("QT_SCALE_FACTOR");
        fs::current_path(old_);
        fs::remove_all(dir_);
    }
    Seen Run(std::vector<std::string> args) {
        args.insert(args.begin(), "quorelin");
        std::vector<char*> argv;
        for (std::string& a : args) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        Seen seen;
        StartUpHooks hooks;
        hooks.reportError = [](const std::string& m) { ADD_FAILURE() << m; };
        hooks.started = [&](StartedProgram& p) {
            seen.optionsWindowAt = p.windows.options.pos();
            p.windows.options.close();
            MainWindow& main = p.windows.main;
            // The window system maximises the window after it shows.
            EXPECT_TRUE(QTest::qWaitFor([&] { return main.size() != QSize(200, 100); }));
            seen.ratio = main.devicePixelRatioF();
            seen.classWidth = p.settings.ScreenWidth;
            seen.classHeight = p.settings.ScreenHeight;
            seen.screen = QGuiApplication::primaryScreen()->geometry();
            seen.mainWindow = main.geometry();
            seen.tablePanelHeight = main.Panel3->height();
            seen.tablePanelAt = main.Panel3->mapTo(&main, QPoint(0, 0));
            seen.mainWindowAt = main.pos();
            seen.firstTitleX = main.menuBar()->actionGeometry(main.Game1).x();
            if (p.settings.WindowMode == 1) {
                main.BitBtn5->click();  // the info window
                QWidget& info = p.windows.info;
                EXPECT_TRUE(QTest::qWaitFor([&] { return info.size() == main.size(); }));
                info.layout()->activate();
                seen.infoPageAt = static_cast<InfoWindow&>(info).ScrollBox()->pos();
                info.hide();
            }
            seen.scaleVariable = qgetenv("QT_SCALE_FACTOR");
            main.close();
        };
        EXPECT_EQ(RunQuorelin(static_cast<int>(args.size()), argv.data(), hooks), 0);
        return seen;
    }

    fs::path old_;
    fs::path dir_;
};

// The table panel's place in the 1024 x 768 full-screen design.
constexpr QPoint kTablePanelDesignPlace(274, 212);
constexpr int kTablePanelDesignHeight = 377;

TEST_F(LargeScreen, TheDesignIsDrawnLargerAndCentredWhileTheLayoutStaysTheClasss) {
    const Seen seen = Run({});
    EXPECT_DOUBLE_EQ(seen.ratio, 1.40625);
    EXPECT_EQ(seen.classWidth, 1024);
    EXPECT_EQ(seen.classHeight, 768);
    // 1920 x 1080 drawn at 1.40625 is 1365 x 768 in the layout's pixels: the window
    // covers it, and the design area stands in its middle.
    EXPECT_EQ(seen.screen.size(), QSize(1365, 768));
    EXPECT_EQ(seen.mainWindow, seen.screen);
    EXPECT_EQ(seen.tablePanelAt.x(), kTablePanelDesignPlace.x() + (1365 - 1024) / 2);
    EXPECT_EQ(seen.infoPageAt, QPoint((1365 - 1024) / 2, 0));
    // The menu titles start where the design area does, not at the screen's edge.
    EXPECT_GE(seen.firstTitleX, (1365 - 1024) / 2);
    EXPECT_LT(seen.firstTitleX, (1365 - 1024) / 2 + 12);
    EXPECT_EQ(std::lround(seen.tablePanelHeight * seen.ratio),
              std::lround(kTablePanelDesignHeight * 1.40625));
    // The factor was the start's own: nothing inherits it.
    EXPECT_TRUE(seen.scaleVariable.isEmpty());
}

TEST_F(LargeScreen, FramedWindowsStandInTheMiddleOfTheScreenToo) {
    std::vector<char> bytes(kRecordSize, 0);
    bytes[1] = 2;  // partial screen
    std::ofstream(kDataFileName, std::ios::binary).write(bytes.data(), bytes.size());
    const Seen seen = Run({});
    // The class's places, moved by the margin beside the 1024 x 768 design area.
    EXPECT_EQ(seen.mainWindowAt, QPoint(128 + (1365 - 1024) / 2, 48));
    EXPECT_EQ(seen.optionsWindowAt.x(), 245 + (1365 - 1024) / 2);
}

TEST_F(LargeScreen, ScaleOneOrTheUsersOwnFactorWins) {
    Seen seen = Run({"--scale", "1"});
    EXPECT_DOUBLE_EQ(seen.ratio, 1);
    EXPECT_EQ(seen.screen.size(), QSize(1920, 1080));
    EXPECT_EQ(seen.classHeight, 768);
    EXPECT_EQ(seen.tablePanelHeight, kTablePanelDesignHeight);
    // Unscaled, the design area still stands in the middle of the full-screen window.
    EXPECT_EQ(seen.tablePanelAt.x(), kTablePanelDesignPlace.x() + (1920 - 1024) / 2);

    qputenv("QT_SCALE_FACTOR", "2");
    seen = Run({});
    EXPECT_DOUBLE_EQ(seen.ratio, 2);
    EXPECT_EQ(seen.screen.size(), QSize(960, 540));
    EXPECT_EQ(seen.classHeight, 480);
    EXPECT_EQ(seen.scaleVariable, "2");

    seen = Run({"--scale=1.25"});  // the option wins over the variable too
    EXPECT_DOUBLE_EQ(seen.ratio, 1.25);
    EXPECT_EQ(seen.scaleVariable, "2");
}

TEST(Scaling, AFieldCanvasPaintedAtScaleTwoHoldsAPixelForEveryScreenPixel) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    int argc = 1;
    char name[] = "quorelin";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    qunsetenv("QT_SCALE_FACTOR");
    Settings settings{.WindowMode = 1, .ScreenHeight = 768, .ScreenWidth = 1024};
    settings.ColorScheme = 1;
    GameState state{.GameKind = 1};
    InputRequests input;
    PlayWindow window(settings, state, input);
    window.FormShow();
    window.Painter().DrawBlock(Block{48, kMultipleOf3}, 4, 7);

    const QImage& field = window.Image3->Canvas();
    EXPECT_EQ(field.devicePixelRatio(), 2);
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
