#pragma once
// The few things the game asks of the machine outside the game loop: the clock, the
// beep, a blocking pause, and the fonts the windows name.
#include <cstdint>

#include "game/state.h"
#include "game/time_of_day.h"

namespace quorelin {

// The local time of day, hundredths rounded from the milliseconds (0..100).
TimeOfDay CurrentTimeOfDay();

// The platform's standard beep, only when sound effects are on.
void BeepIfSoundOn(const Settings& settings);

// Blocks the user-interface thread; window messages wait meanwhile.
void PauseMs(std::uint32_t milliseconds);

// Maps the face names the windows use to the open fonts installed with the game, so
// every text draws in a real typeface instead of empty boxes.
void InstallFontSubstitutions();

}  // namespace quorelin
