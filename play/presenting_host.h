#pragma once
// The game's host as the play window hands it to the game: before every sleep, whatever
// the game has drawn is painted, so a count-up, a blink or a curtain is on the screen
// while the game sleeps. Only paint requests are handled there; no other window message
// runs at a point where the game does not let messages run.
#include "game/host.h"

namespace quorelin {

class PresentingHost : public GameHost {
public:
    explicit PresentingHost(GameHost& host) : host_(host) {}

    TimeOfDay Now() override { return host_.Now(); }
    void SleepMs(unsigned ms) override;
    void Pump() override { host_.Pump(); }
    void IdleWait() override { host_.IdleWait(); }
    int RandomInt(int lo, int hi) override { return host_.RandomInt(lo, hi); }
    void SeedFromClock() override { host_.SeedFromClock(); }

private:
    GameHost& host_;
};

// Paints every window's pending updates now, and nothing else.
void PresentPendingPaints();

}  // namespace quorelin
