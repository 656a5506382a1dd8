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
        EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(15));
        EXPECT_NE(host.Now().StampWithinHour(), before.StampWithinHour());
    }
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    const auto start = Clock::now();
    host.IdleWait();
    EXPECT_TRUE(handled);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(5));
}

}  // namespace
}  // namespace quorelin
