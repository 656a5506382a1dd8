#pragma once
// A host for game tests: a virtual clock that moves only when the game sleeps, pumps or
// idles, window events scripted at chosen virtual times, and a seeded random source.
// A whole game runs in milliseconds of real time and replays the same every time.
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <stdexcept>
#include <vector>

#include "game/host.h"
#include "game/play_input.h"
#include "game/state.h"

namespace quorelin::testing {

// Thrown when a game runs past the virtual time a test allowed it.
class VirtualTimeLimit : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Thrown when the game reads the clock many times while no virtual time passes: a
// busy wait that never idles.
class SpinDetected : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class SimHost : public GameHost {
public:
    static constexpr std::int64_t kMsPerDay = 24LL * 60 * 60 * 1000;

    explicit SimHost(std::uint32_t seed = 1);

    TimeOfDay Now() override;
    void SleepMs(unsigned ms) override;
    void Pump() override;
    void IdleWait() override;
    int RandomInt(int lo, int hi) override;
    void SeedFromClock() override;

    // The time of day the clock shows; the elapsed virtual time is not touched.
    void SetClock(int hour, int minute, int second, int millisecond = 0);
    // Moves the time of day by deltaMs (negative: backwards), wrapping over midnight.
    void JumpClock(std::int64_t deltaMs);
    // Virtual time since the host was made; only ever grows.
    std::int64_t ElapsedMs() const { return elapsed_; }

    // Every sleep takes this much longer than asked, like a busy machine.
    void SetSleepOverrunMs(unsigned ms) { sleepOverrun_ = ms; }
    // The game may run this long in virtual time before VirtualTimeLimit is thrown;
    // 0 means no limit.
    void SetTimeLimitMs(std::int64_t ms) { limit_ = ms; }

    // Runs the action at the first pump at or after the given elapsed virtual time, the
    // way a window handler runs when messages are let through. Actions due at the same
    // time run in the order they were scheduled.
    void At(std::int64_t elapsedMs, std::function<void()> action);
    void After(std::int64_t delayMs, std::function<void()> action);
    // Adds a hook that runs at every pump, after the actions that are due; hooks run in
    // the order they were added.
    void EveryPump(std::function<void()> hook) { everyPump_.push_back(std::move(hook)); }

    // Deals the blocks: from now on every choice between a product and a plain number
    // falls on a plain number (while fewer than eight number blocks lie on the field), and
    // the plain numbers are these in turn, whatever the range; the last one repeats. The
    // game draws again when a new number equals the falling one, so a deal never holds
    // the same number twice in a row.
    void Deal(std::vector<int> numbers) {
        dealt_ = std::move(numbers);
        nextDealt_ = 0;
    }

    struct Counters {
        std::int64_t nowCalls = 0;
        std::int64_t sleeps = 0;
        std::int64_t pumps = 0;
        std::int64_t idleWaits = 0;
        // Pumps since the last sleep or idle wait.
        std::int64_t pumpsInARow = 0;
        // The most clock reads in a row with no virtual time passing between them: a
        // loop that idles between its polls keeps this small.
        std::int64_t mostReadsWithoutTime = 0;
    };
    const Counters& counters() const { return counters_; }

private:
    void Advance(std::int64_t ms);

    std::int64_t elapsed_ = 0;
    std::int64_t clock_ = 0;  // ms since midnight, 0 <= clock_ < kMsPerDay
    unsigned idleCost_ = 1;   // an idle wait lets a millisecond pass
    unsigned sleepOverrun_ = 0;
    std::int64_t limit_ = 0;
    std::int64_t readsWithoutTime_ = 0;
    std::uint32_t seed_;
    std::mt19937 random_;
    std::vector<int> dealt_;
    std::size_t nextDealt_ = 0;
    std::multimap<std::int64_t, std::function<void()>> script_;
    std::vector<std::function<void()>> everyPump_;
    Counters counters_;
};

// The play window's handlers without the window, for scripting input: the same input
// rule the real window applies, in English.
class ScriptedWindow {
public:
    explicit ScriptedWindow(InputRequests& input) : input_(input) {}

    void Left() { Press(GameKey::Left); }
    void Right() { Press(GameKey::Right); }
    void Down() { Press(GameKey::Down); }
    void Escape() { Press(GameKey::Escape); }
    // Any key without a role of its own; also ends a pause.
    void OtherKey() { Press(GameKey::Other); }
    // The pause button: a pause holds the game up.
    void TogglePause() { quorelin::TogglePause(input_, gameEnded_); }
    // Exit button or close box.
    void Quit() { QuitGame(input_); }
    // The player clicked another window.
    void Deactivate() { quorelin::Deactivate(input_); }
    // The game has ended (the real window's pause button carries the mark): from now on
    // every press leaves the game-over screen.
    void MarkGameEnded() { gameEnded_ = true; }

private:
    void Press(GameKey key) { PressKey(input_, key, 1, gameEnded_); }

    InputRequests& input_;
    bool gameEnded_ = false;
};

}  // namespace quorelin::testing
