#include "game/time_of_day.h"

#include "game/rounding.h"

namespace quorelin {

TimeOfDay MakeTimeOfDay(int hour, int minute, int second, int millisecond) {
    return TimeOfDay{hour, minute, second,
                     static_cast<int>(RoundHalfEven(static_cast<double>(millisecond) / 10.0))};
}

}  // namespace quorelin
