#pragma once
// Where the play window and its controls stand for each screen class and window mode.
// The places are data: one row per control, one column per class and mode, applied by
// LayOutPlayWindow. FormShow sizes the window with the same rules.
#include <QRect>
#include <QSize>

#include "game/state.h"

namespace quorelin {

class PlayWindow;

// The six layouts, in the order the layout table lists them.
enum class PlayLayoutCase {
    Small480Partial,
    Small480Full,
    Mid600Partial,
    Mid600Full,
    Large768Full,
    Large768Partial
};
// The case of a screen class and mode: decided by the height class alone.
PlayLayoutCase PlayLayoutCaseFor(const Settings& settings);

// The play window's outer rectangle (frame included) in partial-screen mode. The 768
// class takes the main window's place, from the main window's outer size.
QRect PartialPlayWindowRect(const Settings& settings, const QSize& mainOuterSize);

// Window frame and state, the controls' places and sizes, the scheme pictures and the
// small exit button, for the current class and WindowMode.
void LayOutPlayWindow(PlayWindow& window, const Settings& settings);

// Only the window's own frame, state, size and place (FormShow's sizing).
void PlaceWindowForMode(PlayWindow& window, const Settings& settings);

}  // namespace quorelin
