#include "game/startup_rules.h"

#include <algorithm>

#include "game/rounding.h"

namespace quorelin {

void ApplyStartUpSettings(Settings& settings) {
    settings.ColorScheme = 2;
    if (settings.Language < 1 || settings.Language > 5) {
        settings.Language = 1;
    }
    if (settings.WindowMode != 1 && settings.WindowMode != 2) {
        settings.WindowMode = 2;
    }
}

double AutomaticScale(int width, int height) {
    const double scale = std::min(width / 1024.0, height / 768.0);
    return scale >= 1.15 ? scale : 1.0;
}

ScreenClass ClassifyScreen(int width, int height) {
    int h = height;
    if (h > 768)
        h = 768;
    if (h < 480)
        h = 480;
    if (h > 480 && h < 600)
        h = 480;
    if (h > 600 && h < 768)
        h = 600;
    int w = width;
    if (w > 1024)
        w = 1024;
    if (w > 640 && w < 800)
        w = 640;
    if (w > 800 && w < 1024)
        w = 800;
    if (w < 640)
        w = 640;
    return {w, h};
}

Point CentreOnScreenClass(const Settings& settings, int width, int height) {
    return {static_cast<int>(RoundHalfEven((settings.ScreenWidth - width) / 2.0)),
            static_cast<int>(RoundHalfEven((settings.ScreenHeight - height) / 2.0))};
}

bool IsSlowStart(const TimeOfDay& start, const TimeOfDay& end) {
    const int elapsed = (end.minute - start.minute) * 60 * 100 + (end.second - start.second) * 100 +
                        (end.hundredths - start.hundredths);
    return RoundHalfEven(elapsed / 100.0) > 9;
}

OptionsPlacement PlaceOptionsWindow(const Settings& settings) {
    const bool full = settings.WindowMode == 1;
    switch (settings.ScreenHeight) {
        case 600:
            return full ? OptionsPlacement{135, 105} : OptionsPlacement{135, 105};
        case 768:
            return full ? OptionsPlacement{245, 220} : OptionsPlacement{245, 240};
        default:
            return full ? OptionsPlacement{68, 55} : OptionsPlacement{72, 30};
    }
}

}  // namespace quorelin
