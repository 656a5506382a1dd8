#pragma once
// The clock as the game reads it: hour, minute, second and hundredths, where the
// hundredths are the milliseconds divided by 10 and rounded, so they run 0..100.
#include <cstdint>

namespace quorelin {

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int hundredths = 0;

    // (minute * 60 + second) * 100 + hundredths
    std::int32_t StampWithinHour() const { return (minute * 60 + second) * 100 + hundredths; }
    // (hour * 3600 + minute * 60 + second) * 100 + hundredths
    std::int32_t StampWithinDay() const {
        return (hour * 3600 + minute * 60 + second) * 100 + hundredths;
    }
};

// Builds a TimeOfDay from clock fields; milliseconds 995..999 give 100 hundredths.
TimeOfDay MakeTimeOfDay(int hour, int minute, int second, int millisecond);

}  // namespace quorelin
