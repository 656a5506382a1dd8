// Runs the whole start-up, message loop and final save in a folder of its own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QPushButton>
#include <filesystem>
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

namespace quorelin {
namespace {

namespace fs = std::filesystem;

class StartUpRun : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        old_ = fs::current_path();
        dir_ = fs::temp_directory_path() / ("quorelin-run-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::current_path(dir_);
    }
    void TearDown() override {
        fs::current_path(old_);
        fs::remove_all(dir_);
    }
    int Run(const StartUpHooks& hooks) {
        char name[] = "quorelin";
        char* argv[] = {name, nullptr};
        return RunQuorelin(1, argv, hooks);
    }
    // Runs the program with the body at its start; the body must end it, and nothing may
    // be reported on the way.
    void RunToEnd(const std::function<void(StartedProgram&)>& body) {
        bool started = false;
        StartUpHooks hooks;
        hooks.reportError = [](const std::string& m) { ADD_FAILURE() << m; };
        hooks.started = [&](StartedProgram& p) {
            started = true;
            body(p);
        };
        EXPECT_EQ(Run(hooks), 0);
        EXPECT_TRUE(started);
    }
    static void WriteFile(std::size_t size, std::uint8_t fill) {
        std::vector<char> bytes(size, static_cast<char>(fill));
        std::ofstream(kDataFileName, std::ios::binary).write(bytes.data(), bytes.size());
    }

    fs::path old_;
    fs::path dir_;
};

TEST_F(StartUpRun, MissingOrShortDataFileEndsBeforeAnyWindowWithAReason) {
    for (bool present : {false, true}) {
        if (present) {
            WriteFile(kRecordSize - 1, 0);
        }
        std::string reported;
        bool started = false;
        StartUpHooks hooks;
        hooks.reportError = [&](const std::string& m) { reported = m; };
        hooks.started = [&](StartedProgram&) { started = true; };
        EXPECT_NE(Run(hooks), 0);
        EXPECT_FALSE(started);
        EXPECT_NE(reported.find("Quorelin.dat"), std::string::npos) << reported;
    }
}

TEST_F(StartUpRun, StartsWithCheckedSettingsAndSavesWhenTheMainWindowCloses) {
    WriteFile(kRecordSize, 0);  // language 0, mode 0, scheme 0
    {
        std::fstream f(kDataFileName, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(2);
        f.put(1);  // Simple scheme in the file
        f.seekp(50);
        f.put(42);  // a reserved byte
    }
    RunToEnd([](StartedProgram& p) {
        EXPECT_EQ(p.settings.Language, 1);
        EXPECT_EQ(p.settings.WindowMode, 2);
        EXPECT_EQ(p.settings.ColorScheme, 2);
        EXPECT_EQ(p.settings.SoundEffects, 1);
        EXPECT_EQ(p.settings.MusicOn, 0);
        EXPECT_EQ(p.settings.SlowMachine, 0);
        EXPECT_TRUE(p.windows.options.isVisible());
        EXPECT_TRUE(p.windows.main.isVisible());
        EXPECT_FALSE(p.splash.isVisible());
        EXPECT_EQ(QApplication::applicationName(), "Quorelin");
        p.windows.options.close();
        p.windows.main.close();
    });
    std::ifstream in(kDataFileName, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(bytes.size(), kRecordSize);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[1], 2);
    EXPECT_EQ(bytes[2], 2);
    EXPECT_EQ(bytes[3], 1);
    EXPECT_EQ(bytes[4], 1);
    EXPECT_EQ(bytes[50], 42);
}

TEST_F(StartUpRun, TheMainWindowOpensTheWindowsBuiltAfterIt) {
    WriteFile(kRecordSize, 0);
    RunToEnd([](StartedProgram& p) {
        p.windows.options.close();
        p.windows.main.BitBtn7->click();
        p.windows.main.BitBtn13->click();  // Frisian
        p.windows.main.TableButton(9)->click();
        EXPECT_TRUE(p.windows.level.isVisible());
        EXPECT_EQ(p.windows.level.Label8->text(), "Tafel fan 9");
        p.windows.level.Cancel();
        EXPECT_FALSE(p.windows.level.isVisible());
        EXPECT_EQ(p.game.StartLevel, 0);
        p.windows.main.BitBtn9->click();
        EXPECT_TRUE(p.windows.scores.isVisible());
        EXPECT_EQ(p.game.AfterGame, 0);
        p.windows.scores.hide();
        p.windows.main.BitBtn5->click();
        EXPECT_TRUE(p.windows.info.isVisible());
        p.windows.info.hide();
        p.windows.main.BitBtn8->click();
    });
    std::ifstream in(kDataFileName, std::ios::binary);
    EXPECT_EQ(in.get(), 4);  // the language chosen on the way is saved
}

TEST_F(StartUpRun, ClosingTheOptionsWindowPlacesTheWindowsForTheChosenMode) {
    WriteFile(kRecordSize, 0);  // partial screen
    RunToEnd([](StartedProgram& p) {
        QWidget* smallExit = p.windows.play.BitBtn4;
        EXPECT_FALSE(smallExit->isVisibleTo(&p.windows.play));  // laid out at start-up
        p.windows.options.BitBtn3->click();                     // to full screen
        EXPECT_EQ(p.settings.WindowMode, 1);
        EXPECT_FALSE(smallExit->isVisibleTo(&p.windows.play));  // not before the close
        p.windows.options.BitBtn2->click();
        EXPECT_FALSE(p.windows.options.isVisible());
        EXPECT_TRUE(smallExit->isVisibleTo(&p.windows.play));
        EXPECT_TRUE(p.windows.play.windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_TRUE(p.windows.play.isMaximized());
        EXPECT_TRUE(p.windows.scores.windowFlags().testFlag(Qt::FramelessWindowHint));
        p.windows.main.close();
    });
    std::ifstream in(kDataFileName, std::ios::binary);
    in.get();
    EXPECT_EQ(in.get(), 1);  // the mode chosen is saved
}

}  // namespace
}  // namespace quorelin
