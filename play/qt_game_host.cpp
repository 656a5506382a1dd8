#include "play/qt_game_host.h"

#include <QCoreApplication>
#include <QThread>
#include <chrono>

#include "kit/platform.h"

namespace quorelin {

int MsToNextHundredth(std::int64_t epochMs) {
    // The hundredths are the milliseconds divided by 10 and rounded half to even, so in
    // the ten milliseconds from 10k they change at 10k + 6 when k is even and at
    // 10k + 5 when k is odd.
    const std::int64_t tens = epochMs / 10;
    const int into = static_cast<int>(epochMs % 10);
    const auto changeAt = [](std::int64_t k) { return k % 2 == 0 ? 6 : 5; };
    if (into < changeAt(tens)) {
        return changeAt(tens) - into;
    }
    return 10 - into + changeAt(tens + 1);
}

QtGameHost::QtGameHost() {
    SeedFromClock();
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
}

TimeOfDay QtGameHost::Now() {
    return CurrentTimeOfDay();
}

void QtGameHost::SleepMs(unsigned ms) {
    QThread::msleep(ms);
}

void QtGameHost::Pump() {
    QCoreApplication::processEvents();
}

void QtGameHost::IdleWait() {
    using namespace std::chrono;
    wake_.start(MsToNextHundredth(
        duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count()));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    wake_.stop();
}

int QtGameHost::RandomInt(int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(random_);
}

void QtGameHost::SeedFromClock() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    random_.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
}

}  // namespace quorelin
