#pragma once
// The game has no tones of its own: these hooks mark where a tone would start and
// stop, so only the pauses around them are felt.
#include <cstdint>

#include "game/state.h"

namespace quorelin {

inline void StartTone(std::uint16_t /*frequency*/) {}
inline void StopTone() {}
inline void ToneIfSoundOn(const Settings& settings, std::uint16_t frequency) {
    if (settings.SoundEffects == 1) {
        StartTone(frequency);
    }
}

}  // namespace quorelin
