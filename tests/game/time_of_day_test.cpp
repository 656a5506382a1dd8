#include "game/time_of_day.h"

#include <gtest/gtest.h>

#include "game/rounding.h"

namespace quorelin {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(386.5), 386);
    EXPECT_EQ(RoundHalfEven(167.5), 168);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(9.49), 9);
    EXPECT_EQ(RoundHalfEven(9.51), 10);
}

TEST(TimeOfDay, HundredthsAreRoundedMillisecondsAndReach100) {
    EXPECT_EQ(MakeTimeOfDay(0, 0, 0, 994).hundredths, 99);
    EXPECT_EQ(MakeTimeOfDay(0, 0, 0, 995).hundredths, 100);  // 99.5 -> 100 (even)
    EXPECT_EQ(MakeTimeOfDay(0, 0, 0, 985).hundredths, 98);   // 98.5 -> 98 (even)
    EXPECT_EQ(MakeTimeOfDay(0, 0, 0, 999).hundredths, 100);
}

TEST(TimeOfDay, StampsCountHundredthsWithinTheHourAndTheDay) {
    const TimeOfDay t{13, 59, 58, 42};
    EXPECT_EQ(t.StampWithinHour(), (59 * 60 + 58) * 100 + 42);
    EXPECT_EQ(t.StampWithinDay(), (13 * 3600 + 59 * 60 + 58) * 100 + 42);
}

}  // namespace
}  // namespace quorelin
