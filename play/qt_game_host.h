#pragma once
// The game's host in the running program: the real clock, real sleeps, Qt's message pump,
// and a generator seeded from the clock.
#include <QTimer>
#include <cstdint>
#include <random>

#include "game/host.h"

namespace quorelin {

// Milliseconds from a moment (since the epoch) to the next change of the time of day's
// hundredths.
int MsToNextHundredth(std::int64_t epochMs);

class QtGameHost : public GameHost {
public:
    QtGameHost();

    TimeOfDay Now() override;
    void SleepMs(unsigned ms) override;
    void Pump() override;
    // Blocks until the clock's hundredths next change or a window message arrives,
    // whichever comes first. The waits read the clock in hundredths, so polling more
    // often gains nothing; a key still ends the wait at once, and a running game keeps
    // its core nearly idle.
    void IdleWait() override;
    int RandomInt(int lo, int hi) override;
    void SeedFromClock() override;

private:
    std::mt19937 random_;
    // Wakes the idle wait at the next hundredth.
    QTimer wake_;
};

}  // namespace quorelin
