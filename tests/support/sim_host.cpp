#include "tests/support/sim_host.h"

#include <algorithm>
#include <stdexcept>

namespace quorelin::testing {

namespace {

constexpr std::int64_t kMsPerDay = 24LL * 60 * 60 * 1000;
// Clock reads in a row with no virtual time passing that count as a spin.
constexpr std::int64_t kSpinReads = 10000;

}  // namespace

TimeOfDay SimHost::Now() {
    ++counters_.nowCalls;
    counters_.mostReadsWithoutTime = std::max(counters_.mostReadsWithoutTime, ++readsWithoutTime_);
    if (readsWithoutTime_ > kSpinReads) {
        throw std::runtime_error("the clock was read again and again while no time passed");
    }
    return MakeTimeOfDay(static_cast<int>(clock_ / 3600000), static_cast<int>(clock_ / 60000 % 60),
                         static_cast<int>(clock_ / 1000 % 60), static_cast<int>(clock_ % 1000));
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
    const auto span = static_cast<std::uint32_t>(hi - lo) + 1;
    std::uint32_t draw = 0;
    do {
        draw = static_cast<std::uint32_t>(random_());
    } while (draw >= std::mt19937::max() - std::mt19937::max() % span);
    return lo + static_cast<int>(draw % span);
}

void SimHost::Advance(std::int64_t ms) {
    counters_.pumpsInARow = 0;
    if (ms <= 0) {
        return;
    }
    readsWithoutTime_ = 0;
    elapsed_ += ms;
    clock_ = (clock_ + ms) % kMsPerDay;
    if (limit_ > 0 && elapsed_ > limit_) {
        throw std::runtime_error("the game ran past its virtual time limit");
    }
}

}  // namespace quorelin::testing
