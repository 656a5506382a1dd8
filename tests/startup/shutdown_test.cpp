// How the program ends when it cannot simply save and close: termination signals and a
// failed save on close. Each test runs the whole program in a folder of its own; a
// watchdog ends a test that would hang.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "menus/level_window.h"
#include "menus/main_window.h"
#include "menus/options_window.h"
#include "play/play_window.h"
#include "startup/program_windows.h"
#include "startup/startup.h"
#include "store/data_file.h"
#include "store/high_score_list.h"

namespace quorelin {
namespace {

namespace fs = std::filesystem;

constexpr unsigned kWatchdogSeconds = 60;

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A file-size limit below one record: every save fails, for root as for anyone.
class SavesFail {
public:
    SavesFail() {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        // Room enough for what the test captures from stderr, not for a record.
        rlimit tiny = old_;
        tiny.rlim_cur = 4096;
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

class Ending : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        old_ = fs::current_path();
        dir_ = fs::temp_directory_path() / ("quorelin-end-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::current_path(dir_);
        WriteZeroFile();
        // A test started under nohup inherits an ignored SIGHUP, which the program keeps
        // ignoring: the signals the tests send must do what they do for a player.
        for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
            ::signal(signal, SIG_DFL);
        }
        ::alarm(kWatchdogSeconds);
    }
    void TearDown() override {
        ::alarm(0);
        fs::current_path(old_);
        fs::remove_all(dir_);
    }
    static void WriteZeroFile() {
        std::vector<char> bytes(kRecordSize, 0);
        std::ofstream(kDataFileName, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    int Run(StartUpHooks hooks) {
        if (!hooks.reportError) {
            hooks.reportError = [this](const std::string& m) { reported_.push_back(m); };
        }
        char name[] = "quorelin";
        char* argv[] = {name, nullptr};
        return RunQuorelin(1, argv, hooks);
    }

    // What lives only in memory until a save: the language chosen in the main window and
    // a result stored by the list rule.
    static void ChangeInMemory(StartedProgram& p) {
        p.windows.options.close();
        p.windows.main.BitBtn7->click();
        p.windows.main.BitBtn13->click();  // Frisian
        WorkingList working;
        working.FillAndInsert(p.dataFile.store(), 5, 4321, 7);
        working.StoreEntry(U"Sanne", p.dataFile.store());
    }
    static void ExpectChangesInTheFile() {
        const std::vector<std::uint8_t> bytes = ReadFile(kDataFileName);
        ASSERT_EQ(bytes.size(), kRecordSize);
        EXPECT_EQ(bytes[0], 4) << "the language";
        const std::size_t entry = ListOffset(5);
        EXPECT_EQ(bytes[entry] | (bytes[entry + 1] << 8), 4321) << "the result";
    }

    fs::path old_;
    fs::path dir_;
    std::vector<std::string> reported_;
};

// --- Termination signals --------------------------------------------------------------

TEST_F(Ending, EachTerminationSignalSavesAndEndsTheProgram) {
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signal);
        WriteZeroFile();
        StartUpHooks hooks;
        hooks.started = [signal](StartedProgram& p) {
            ChangeInMemory(p);
            ::kill(::getpid(), signal);
        };
        EXPECT_EQ(Run(hooks), 128 + signal);
        ExpectChangesInTheFile();
        EXPECT_TRUE(reported_.empty());
    }
}

TEST_F(Ending, ATerminationSignalDuringARunningGameSavesAndEnds) {
    bool running = false;
    StartUpHooks hooks;
    hooks.started = [&](StartedProgram& p) {
        ChangeInMemory(p);
        p.windows.main.TableButton(3)->click();
        QTest::keyClicks(p.windows.level.Edit1, "1");
        QTest::keyClick(p.windows.level.Edit1, Qt::Key_Return);
        // The game starts from the message loop and pumps messages while it runs; the
        // signal comes from inside it.
        QTimer::singleShot(300, &p.windows.main, [&p, &running] {
            running = p.windows.play.GameRunning();
            ::kill(::getpid(), SIGTERM);
        });
    };
    EXPECT_EQ(Run(hooks), 128 + SIGTERM);
    EXPECT_TRUE(running);
    ExpectChangesInTheFile();
    EXPECT_TRUE(reported_.empty());
}

TEST_F(Ending, ATerminationSignalWhileAQuestionWaitsEndsWithoutAnAnswer) {
    const std::vector<std::uint8_t> before = ReadFile(kDataFileName);
    std::unique_ptr<SavesFail> savesFail;
    bool questionOpen = false;
    StartUpHooks hooks;
    hooks.started = [&](StartedProgram& p) {
        p.windows.options.close();
        savesFail = std::make_unique<SavesFail>();
        QTimer::singleShot(300, [&questionOpen] {
            questionOpen = QApplication::activeModalWidget() != nullptr;
            ::kill(::getpid(), SIGTERM);
        });
        // The save fails, so the real question box opens and waits for a click that
        // never comes.
        p.windows.main.close();
    };
    ::testing::internal::CaptureStderr();
    const int status = Run(hooks);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    savesFail.reset();
    EXPECT_TRUE(questionOpen);
    EXPECT_EQ(status, 128 + SIGTERM);
    EXPECT_NE(errors.find("ended from outside"), std::string::npos) << errors;
    EXPECT_TRUE(reported_.empty()) << "no final save and no message box after the end";
    EXPECT_EQ(ReadFile(kDataFileName), before);
}

// --- Closing after a failed save ------------------------------------------------------

TEST_F(Ending, QuitWithoutSavingLeavesTheFileAsItWas) {
    const std::vector<std::uint8_t> before = ReadFile(kDataFileName);
    std::unique_ptr<SavesFail> savesFail;
    int questions = 0;
    StartUpHooks hooks;
    hooks.started = [&](StartedProgram& p) {
        ChangeInMemory(p);
        savesFail = std::make_unique<SavesFail>();
        p.windows.main.SetCloseQuestion([&](const QString&) {
            ++questions;
            // From here on a save would work: the end must not save what was dropped.
            savesFail->Lift();
            return CloseAnswer::QuitWithoutSaving;
        });
        p.windows.main.close();
    };
    EXPECT_EQ(Run(hooks), 0);
    EXPECT_EQ(questions, 1);
    EXPECT_TRUE(reported_.empty());
    EXPECT_EQ(ReadFile(kDataFileName), before);
}

}  // namespace
}  // namespace quorelin
