#pragma once
// Where the level window's controls stand in each screen case.
#include "game/screen_case.h"

namespace quorelin {

class LevelWindow;

// Moves the controls to their places for the screen case; in German the prompt stands
// further left on the lowest screens, where its longer text would not fit otherwise.
void PlaceLevelControls(LevelWindow& window, ScreenCase screen, int language);

}  // namespace quorelin
