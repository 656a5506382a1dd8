#pragma once
// Where the play window and its controls stand for each screen class and window mode.
// The places are data: one row per control, one column per screen case, applied by
// LayOutPlayWindow. FormShow sizes the window with the same rules.
#include <QRect>
#include <QSize>

#include "game/screen_case.h"
#include "game/state.h"

namespace quorelin {

class PlayWindow;

// The frame area around the field: the frame image's size at show, filled and framed.
QSize FrameArea(ScreenCase screen);

// The play window's outer rectangle (frame included) in partial-screen mode. The 768
// class takes the main window's place, from the main window's outer size.
QRect PartialPlayWindowRect(const Settings& settings, const QSize& mainOuterSize);

// Window frame and state, the controls' places and sizes, the scheme pictures and the
// small exit button, for the current class and WindowMode.
void LayOutPlayWindow(PlayWindow& window, const Settings& settings);

// Only the window's own frame, state, size and place (FormShow's sizing).
void PlaceWindowForMode(PlayWindow& window, const Settings& settings);

}  // namespace quorelin
