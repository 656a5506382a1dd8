#pragma once
// Every "round" in the game takes a half to the even neighbour (386.5 -> 386, 167.5 -> 168).
#include <cmath>
#include <cstdint>

namespace quorelin {

inline std::int64_t RoundHalfEven(double x) {
    // nearbyint follows the current rounding mode, which the program never changes
    // from round-to-nearest-even.
    return static_cast<std::int64_t>(std::nearbyint(x));
}

// The same, for a place or size in pixels.
inline int RoundToInt(double x) {
    return static_cast<int>(RoundHalfEven(x));
}

}  // namespace quorelin
