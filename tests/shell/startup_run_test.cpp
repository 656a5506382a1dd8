// Runs the whole start-up, message loop and final save in a folder of its own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "scores/data_file.h"
#include "shell/level_window.h"
#include "shell/main_window.h"
#include "shell/options_window.h"
#include "shell/splash_window.h"
#include "shell/startup.h"

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
        EXPECT_TRUE(p.optionsWindow.isVisible());
        EXPECT_TRUE(p.mainWindow.isVisible());
        EXPECT_FALSE(p.splash.isVisible());
        EXPECT_EQ(QApplication::applicationName(), "Quorelin");
        p.optionsWindow.close();
        p.mainWindow.close();
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
        p.optionsWindow.close();
        p.mainWindow.BitBtn7->click();
        p.mainWindow.BitBtn13->click();  // Frisian
        p.mainWindow.TableButton(9)->click();
        EXPECT_TRUE(p.levelWindow.isVisible());
        EXPECT_EQ(p.levelWindow.Label8->text(), "Tafel fan 9");
        p.levelWindow.Cancel();
        EXPECT_FALSE(p.levelWindow.isVisible());
        EXPECT_EQ(p.game.StartLevel, 0);
        p.mainWindow.BitBtn9->click();
        EXPECT_TRUE(p.highScoreWindow.isVisible());
        EXPECT_EQ(p.game.AfterGame, 0);
        p.highScoreWindow.hide();
        p.mainWindow.BitBtn5->click();
        EXPECT_TRUE(p.infoWindow.isVisible());
        p.infoWindow.hide();
        p.mainWindow.BitBtn8->click();
    });
    std::ifstream in(kDataFileName, std::ios::binary);
    EXPECT_EQ(in.get(), 4);  // the language chosen on the way is saved
}

TEST_F(StartUpRun, ClosingTheOptionsWindowPlacesTheWindowsForTheChosenMode) {
    WriteFile(kRecordSize, 0);  // partial screen
    RunToEnd([](StartedProgram& p) {
        auto* smallExit = p.playWindow.findChild<QWidget*>("BitBtn4");
        ASSERT_NE(smallExit, nullptr);
        EXPECT_FALSE(smallExit->isVisibleTo(&p.playWindow));          // laid out at start-up
        p.optionsWindow.findChild<QPushButton*>("BitBtn3")->click();  // to full screen
        EXPECT_EQ(p.settings.WindowMode, 1);
        EXPECT_FALSE(smallExit->isVisibleTo(&p.playWindow));  // not before the close
        p.optionsWindow.BitBtn2->click();
        EXPECT_FALSE(p.optionsWindow.isVisible());
        EXPECT_TRUE(smallExit->isVisibleTo(&p.playWindow));
        EXPECT_TRUE(p.playWindow.windowFlags().testFlag(Qt::FramelessWindowHint));
        EXPECT_TRUE(p.playWindow.isMaximized());
        EXPECT_TRUE(p.highScoreWindow.windowFlags().testFlag(Qt::FramelessWindowHint));
        p.mainWindow.close();
    });
    std::ifstream in(kDataFileName, std::ios::binary);
    in.get();
    EXPECT_EQ(in.get(), 1);  // the mode chosen is saved
}

}  // namespace
}  // namespace quorelin
