#include "tests/support/sim_host.h"

#include <algorithm>
#include <string>

namespace quorelin::testing {

namespace {

// Clock reads in a row with no virtual time passing before a wait counts as a spin.
constexpr std::int64_t kSpinReads = 10000;

}  // namespace

SimHost::SimHost(std::uint32_t seed) : seed_(seed), random_(seed) {}

TimeOfDay SimHost::Now() {
    ++counters_.nowCalls;
    ++readsWithoutTime_;
    if (readsWithoutTime_ > counters_.mostReadsWithoutTime) {
        counters_.mostReadsWithoutTime = readsWithoutTime_;
    }
    if (readsWithoutTime_ > kSpinReads) {
        throw SpinDetected("the clock was read " + std::to_string(kSpinReads) +
                           " times while no time passed");
    }
    const std::int64_t ms = clock_;
    const int hour = static_cast<int>(ms / 3600000);
    const int minute = static_cast<int>(ms / 60000 % 60);
    const int second = static_cast<int>(ms / 1000 % 60);
    return MakeTimeOfDay(hour, minute, second, static_cast<int>(ms % 1000));
}

void SimHost::SleepMs(unsigned ms) {
    ++counters_.sleeps;
    counters_.pumpsInARow = 0;
    Advance(static_cast<std::int64_t>(ms) + sleepOverrun_);
}

void SimHost::Pump() {
    ++counters_.pumps;
    ++counters_.pumpsInARow;
    while (!script_.empty() && script_.begin()->first <= elapsed_) {
        auto action = std::move(script_.begin()->second);
        script_.erase(script_.begin());
        action();
    }
    for (const auto& hook : everyPump_) {
        hook();
    }
}

void SimHost::IdleWait() {
    ++counters_.idleWaits;
    counters_.pumpsInARow = 0;
    Advance(idleCost_);
}

int SimHost::RandomInt(int lo, int hi) {
    if (!dealt_.empty()) {
        // 1..9 is the choice k, and k = 1 asks for a plain number; no level's plain range
        // is 1..9.
        if (lo == 1 && hi == 9) {
            return 1;
        }
        const int number = dealt_[nextDealt_];
        nextDealt_ = std::min(nextDealt_ + 1, dealt_.size() - 1);
        return number;
    }
    // Rejection sampling keeps the draw uniform and the same on every library.
    const std::uint32_t span = static_cast<std::uint32_t>(hi - lo) + 1;
    const std::uint32_t limit =
        static_cast<std::uint32_t>(std::mt19937::max() - std::mt19937::max() % span);
    std::uint32_t draw = static_cast<std::uint32_t>(random_());
    while (draw >= limit) {
        draw = static_cast<std::uint32_t>(random_());
    }
    return lo + static_cast<int>(draw % span);
}

void SimHost::SeedFromClock() {
    random_.seed(seed_ ^ static_cast<std::uint32_t>(clock_));
}

void SimHost::SetClock(int hour, int minute, int second, int millisecond) {
    clock_ = ((static_cast<std::int64_t>(hour) * 60 + minute) * 60 + second) * 1000 + millisecond;
    clock_ = ((clock_ % kMsPerDay) + kMsPerDay) % kMsPerDay;
}

void SimHost::JumpClock(std::int64_t deltaMs) {
    clock_ = (((clock_ + deltaMs) % kMsPerDay) + kMsPerDay) % kMsPerDay;
}

void SimHost::At(std::int64_t elapsedMs, std::function<void()> action) {
    script_.emplace(elapsedMs, std::move(action));
}

void SimHost::After(std::int64_t delayMs, std::function<void()> action) {
    At(elapsed_ + delayMs, std::move(action));
}

void SimHost::Advance(std::int64_t ms) {
    if (ms <= 0) {
        return;
    }
    readsWithoutTime_ = 0;
    elapsed_ += ms;
    clock_ = (clock_ + ms) % kMsPerDay;
    if (limit_ > 0 && elapsed_ > limit_) {
        throw VirtualTimeLimit("the game ran past " + std::to_string(limit_) +
                               " ms of virtual time");
    }
}

}  // namespace quorelin::testing
