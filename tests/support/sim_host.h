#pragma once
// A host for game tests: a virtual clock that moves only when the game sleeps or idles,
// scripted window events and a seeded random source: a whole game replays in milliseconds.
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <vector>

#include "game/host.h"

namespace quorelin::testing {

class SimHost : public GameHost {
public:
    explicit SimHost(std::uint32_t seed = 1) : seed_(seed), random_(seed) {}

    // Throws std::runtime_error on a busy wait: many reads while no virtual time passes.
    TimeOfDay Now() override;
    void SleepMs(unsigned ms) override {
        ++counters_.sleeps;
        Advance(static_cast<std::int64_t>(ms) + sleepOverrun_);
    }
    void Pump() override;
    void IdleWait() override {
        ++counters_.idleWaits;
        Advance(1);
    }
    int RandomInt(int lo, int hi) override;
    void SeedFromClock() override { random_.seed(seed_ ^ static_cast<std::uint32_t>(clock_)); }

    // Sets the time of day; the elapsed virtual time is not touched.
    void SetClock(int hour, int minute, int second, int millisecond = 0) {
        clock_ = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
    }
    // Virtual time since the host was made; only ever grows.
    std::int64_t ElapsedMs() const { return elapsed_; }
    // Every sleep takes this much longer than asked, like a busy machine.
    void SetSleepOverrunMs(unsigned ms) { sleepOverrun_ = ms; }
    // Past this much virtual time (0: no limit) the game is ended by std::runtime_error.
    void SetTimeLimitMs(std::int64_t ms) { limit_ = ms; }

    // Runs the action at the first pump at or after that elapsed virtual time, as a window
    // handler runs when messages are let through; in order when due together.
    void At(std::int64_t elapsedMs, std::function<void()> action) {
        script_.emplace(elapsedMs, std::move(action));
    }
    void After(std::int64_t delayMs, std::function<void()> action) {
        At(elapsed_ + delayMs, std::move(action));
    }
    // Runs the hook at every pump after the due actions; hooks run in the order added.
    void EveryPump(std::function<void()> hook) { everyPump_.push_back(std::move(hook)); }

    // Deals the blocks: plain numbers only (while fewer than eight number blocks lie on the
    // field), these in turn, the last one repeating. The game draws again when a number
    // equals the falling one, so a deal never holds the same number twice in a row.
    void Deal(std::vector<int> numbers) {
        dealt_ = std::move(numbers);
        nextDealt_ = 0;
    }

    struct Counters {
        std::int64_t nowCalls = 0, sleeps = 0, pumps = 0, idleWaits = 0;
        std::int64_t pumpsInARow = 0;           // pumps since the last sleep or idle wait
        std::int64_t mostReadsWithoutTime = 0;  // clock reads in a row with no time passing
    };
    const Counters& counters() const { return counters_; }

private:
    void Advance(std::int64_t ms);

    std::int64_t elapsed_ = 0;
    std::int64_t clock_ = 0;  // ms since midnight
    unsigned sleepOverrun_ = 0;
    std::int64_t limit_ = 0, readsWithoutTime_ = 0;
    std::uint32_t seed_;
    std::mt19937 random_;
    std::vector<int> dealt_;
    std::size_t nextDealt_ = 0;
    std::multimap<std::int64_t, std::function<void()>> script_;
    std::vector<std::function<void()>> everyPump_;
    Counters counters_;
};

}  // namespace quorelin::testing
