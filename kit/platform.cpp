#include "kit/platform.h"

#include <QApplication>
#include <QFont>
#include <QThread>
#include <chrono>
#include <ctime>

namespace quorelin {

TimeOfDay CurrentTimeOfDay() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto ms =
        duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;  // never negative
    return MakeTimeOfDay(local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(ms));
}

void BeepIfSoundOn(const Settings& settings) {
    if (settings.SoundEffects == 1) {
        QApplication::beep();
    }
}

void PauseMs(std::uint32_t milliseconds) {
    QThread::msleep(milliseconds);
}

void InstallFontSubstitutions() {
    QFont::insertSubstitution("Verdana", "DejaVu Sans");
    QFont::insertSubstitution("Tahoma", "DejaVu Sans Condensed");
    QFont::insertSubstitution("MS Sans Serif", "DejaVu Sans");
    QFont::insertSubstitution("Small Fonts", "DejaVu Sans Condensed");
    QFont::insertSubstitution("MS Serif", "DejaVu Serif");
    QFont::insertSubstitution("VAG Rounded Thin", "Comfortaa");
}

}  // namespace quorelin
