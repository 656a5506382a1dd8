// The real host's idle wait: it lets the clock's hundredths move on, and a window
// message ends it at once.
#include "play/qt_game_host.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <chrono>

namespace quorelin {
namespace {

using Clock = std::chrono::steady_clock;

TEST(QtGameHostIdleWait, ReturnsOnceTheHundredthsMoveOnAndAtOnceOnAMessage) {
    QtGameHost host;
    for (int i = 0; i < 5; ++i) {
        // Nothing pending, so only the clock can end the wait.
        QCoreApplication::processEvents();
        const TimeOfDay before = host.Now();
        const auto start = Clock::now();
        host.IdleWait();
        EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(500));  // it never blocks
        EXPECT_NE(host.Now().StampWithinHour(), before.StampWithinHour());
    }
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    const auto start = Clock::now();
    host.IdleWait();
    EXPECT_TRUE(handled);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(500));
}

// The wake-up lands on the first millisecond whose hundredths differ, over two seconds
// of every millisecond, the turn of the second included.
TEST(QtGameHostIdleWait, WakesExactlyWhenTheHundredthsChange) {
    const auto stamp = [](std::int64_t ms) {
        const auto second = static_cast<int>(ms / 1000 % 3600);
        return MakeTimeOfDay(0, second / 60, second % 60, static_cast<int>(ms % 1000))
            .StampWithinHour();
    };
    for (std::int64_t ms = 1'000'000; ms < 1'002'000; ++ms) {
        const int wait = MsToNextHundredth(ms);
        ASSERT_NE(stamp(ms + wait), stamp(ms)) << ms;
        for (int d = 1; d < wait; ++d) {
            ASSERT_EQ(stamp(ms + d), stamp(ms)) << ms << " + " << d;
        }
    }
}

}  // namespace
}  // namespace quorelin
