#include "play/qt_game_host.h"

#include <QCoreApplication>
#include <QThread>
#include <chrono>

#include "shell/platform.h"

namespace quorelin {

namespace {

// The hundredths of the time of day are the milliseconds divided by 10 and rounded, so
// they change just after each millisecond ending in 5; waking at one ending in 6 sees
// the new value.
int MsToNextHundredth() {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    const int intoStep = static_cast<int>(ms % 10);
    const int wait = (16 - intoStep) % 10;
    return wait == 0 ? 10 : wait;
}

}  // namespace

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
    wake_.start(MsToNextHundredth());
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
