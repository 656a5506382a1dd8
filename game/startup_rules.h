#pragma once
// The start-up's decisions, kept free of windows so they can be checked directly.
#include "game/state.h"
#include "game/time_of_day.h"

namespace quorelin {

// After the data file is read: the colour scheme always starts Sophisticated, an
// unknown language becomes English and an unknown window mode partial screen.
void ApplyStartUpSettings(Settings& settings);

struct ScreenClass {
    int width;
    int height;
};
// Rounds each screen dimension down to its class: 640/800/1024 by 480/600/768.
ScreenClass ClassifyScreen(int width, int height);

// On a screen beyond the largest class the whole program is drawn larger, as large as
// the 1024 x 768 design fits: min(width / 1024, height / 768). A gain below 1.15 is not
// worth the softer look, and smaller screens are never shrunk: 1 then, for no scaling.
double AutomaticScale(int width, int height);

struct Point {
    int x;
    int y;
    friend bool operator==(const Point&, const Point&) = default;
};
// Centres a window on the screen class (not the real screen).
Point CentreOnScreenClass(const Settings& settings, int width, int height);

// A start-up is slow when its minutes, seconds and hundredths, rounded to whole
// seconds, exceed 9. The hour is ignored, so a start across the hour is never slow.
bool IsSlowStart(const TimeOfDay& start, const TimeOfDay& end);

// Where the options window opens (outer top-left corner), by window mode and screen
// class. It keeps its whole client area in every case.
struct OptionsPlacement {
    int left;
    int top;
};
OptionsPlacement PlaceOptionsWindow(const Settings& settings);

}  // namespace quorelin
