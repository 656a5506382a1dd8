// Plays real games in the real play window with nobody at the keys and reports what a
// player would feel: the CPU the running game costs, how evenly the block falls, and any
// hold-up the game charged although nobody paused or resized.
//   QT_QPA_PLATFORM=offscreen play_bench LEVEL SECONDS
// A game that fills its field is left at its game-over screen and a new one starts at the
// same level, until the time is up.
#include <sys/resource.h>

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "game/loop.h"
#include "kit/platform.h"
#include "play/play_layout.h"
#include "play/play_window.h"
#include "play/qt_game_host.h"

namespace quorelin {
namespace {

using Clock = std::chrono::steady_clock;

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The real host, watching the hold-up flag at every call the game makes.
class WatchingHost : public GameHost {
public:
    explicit WatchingHost(const InputRequests& input) : input_(input) {}
    TimeOfDay Now() override {
        Watch();
        return real_.Now();
    }
    void SleepMs(unsigned ms) override {
        Watch();
        real_.SleepMs(ms);
    }
    void Pump() override {
        Watch();
        real_.Pump();
    }
    void IdleWait() override {
        Watch();
        real_.IdleWait();
    }
    int RandomInt(int lo, int hi) override { return real_.RandomInt(lo, hi); }
    void SeedFromClock() override { real_.SeedFromClock(); }
    int holdUps = 0;

private:
    void Watch() {
        if (input_.HeldUp == 1 && !held_) {
            ++holdUps;
        }
        held_ = input_.HeldUp == 1;
    }
    const InputRequests& input_;
    QtGameHost real_;
    bool held_ = false;
};

// Times each fall step: a block drawn one row below where it was drawn last.
class FallTimer : public PlayView {
public:
    std::vector<double> intervalsMs;
    int gamesOverShown = 0;
    std::function<void()> onGameOver;

    void DrawBlock(const Block&, int col, int row) override {
        const auto now = Clock::now();
        if (col == col_ && row == row_ + 1) {
            intervalsMs.push_back(std::chrono::duration<double, std::milli>(now - at_).count());
        }
        col_ = col;
        row_ = row;
        at_ = now;
    }
    void ShowGameOver() override {
        ++gamesOverShown;
        if (onGameOver) {
            onGameOver();
        }
    }
    void SetUpHeading(double) override {}
    void EraseCell(int, int) override {}
    void DrawSolved(int, int) override {}
    void DrawStone(int, int) override {}
    void RedrawField(int, const PlayField&) override { col_ = 0; }
    void DrawPreview(const Block&) override { col_ = 0; }
    void ShowLevel(int) override {}
    void ShowScore(std::int32_t) override {}
    void ShowStill(int) override {}
    void ShowBonus(std::int32_t) override {}
    void ShowNextLevel(int) override {}
    void BlinkNextLevel(int, bool) override {}
    void HideLevelEndMessages() override {}
    void DrawCurtainBar(int) override {}
    void WipeRow(int) override {}
    void WipeField() override {}
    void MarkGameEnded() override {}
    void CloseCurtain(int) override {}
    void BlinkGameOver(bool) override {}

private:
    int col_ = 0;
    int row_ = 0;
    Clock::time_point at_;
};

// The step the wait rule gives: the first whole hundredth d with d x 10 > ms - 24.
double RuleStepMs(int level) {
    const int ms = StepDelay(level);
    return (std::floor((ms - 24) / 10.0) + 1) * 10;
}

}  // namespace
}  // namespace quorelin

int main(int argc, char** argv) {
    using namespace quorelin;
    if (argc != 3) {
        std::fprintf(stderr, "usage: play_bench LEVEL SECONDS\n");
        return 2;
    }
    const int level = std::atoi(argv[1]);
    const int seconds = std::atoi(argv[2]);
    QApplication app(argc, argv);
    InstallFontSubstitutions();

    Settings settings;
    settings.Language = 1;
    settings.ColorScheme = 2;
    settings.WindowMode = 1;
    settings.ScreenHeight = 768;
    settings.ScreenWidth = 1024;
    GameState state;
    state.GameKind = 1;
    state.TableNumber = 7;
    InputRequests input;
    WatchingHost host(input);
    FallTimer timer;
    bool timeUp = false;
    int games = 0;

    std::unique_ptr<PlayWindow> window;
    const auto startGame = [&] {
        state.StartLevel = level;
        ++games;
        window->show();
    };
    window = std::make_unique<PlayWindow>(settings, state, input, &host);
    QObject::connect(window.get(), &PlayWindow::gameEnded, [&] {
        if (timeUp) {
            QTimer::singleShot(0, &app, &QCoreApplication::quit);
        } else {
            QTimer::singleShot(0, &app, startGame);
        }
    });
    LayOutPlayWindow(*window, settings);
    window->SetViewObserver(&timer);
    // The game-over screen waits for a key; leave it at once to play on.
    timer.onGameOver = [&] { window->QuitGame(); };

    const double cpuBefore = CpuSeconds();
    const auto wallBefore = Clock::now();
    QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &app, [&] {
        timeUp = true;
        window->QuitGame();
    });
    QTimer::singleShot(0, &app, startGame);
    QApplication::exec();
    const double wall = std::chrono::duration<double>(Clock::now() - wallBefore).count();
    const double cpu = CpuSeconds() - cpuBefore;

    double mean = 0;
    for (double v : timer.intervalsMs) {
        mean += v;
    }
    const auto n = static_cast<double>(timer.intervalsMs.size());
    mean = n > 0 ? mean / n : 0;
    double var = 0;
    double lo = 1e9;
    double hi = 0;
    for (double v : timer.intervalsMs) {
        var += (v - mean) * (v - mean);
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    const double sd = n > 1 ? std::sqrt(var / (n - 1)) : 0;
    std::printf(
        "level %d  wall %.1f s  games %d (field full %d)  cpu %.2f %% of one core\n"
        "  fall steps %zu  mean %.1f ms  sd %.1f ms  min %.1f ms  max %.1f ms  "
        "wait rule %.0f ms\n"
        "  hold-ups charged without pause or resize: %d\n\n",
        level, wall, games, timer.gamesOverShown, 100.0 * cpu / wall, timer.intervalsMs.size(),
        mean, sd, n > 0 ? lo : 0.0, hi, RuleStepMs(level), host.holdUps);
    return 0;
}
