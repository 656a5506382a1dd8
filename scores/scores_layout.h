#pragma once
// Where the high-score window and its controls go, per screen class (480, 600, 768 lines)
// and window mode (1 full screen, 2 partial screen). Fixed pixel places, no layout engine.
#include <cstdint>

#include "game/state.h"

namespace quorelin {

class HighScoreWindow;

// The list area's picture and the design sizes of the controls the layout resizes.
inline constexpr int kListAreaWidth = 535;
inline constexpr int kListAreaHeight = 297;
inline constexpr int kHeadingDesignWidth = 460;  // Panel13, the big heading
inline constexpr int kHeadingDesignHeight = 57;
inline constexpr int kHeadingDesignFontSize = 26;  // pixels
inline constexpr int kOkDesignWidth = 77;          // BitBtn1
inline constexpr int kOkDesignHeight = 30;
inline constexpr int kBarDesignHeight = 27;  // Panel15
inline constexpr int kRowPitch = 40;         // the list's rows in every class

// Left edge of a score label: right-aligned in steps of 4 pixels. Column base 294 (ranks
// 1..6) or 570 (ranks 7..12), 4 less above 99, 8 less above 999, plus the grid's dx.
int ScoreLabelLeft(int rank, std::uint16_t score, int gridDX);

// The window's place in the screen class: client size and top-left corner.
struct ScoresWindowGeometry {
    int left;
    int top;
    int width;
    int height;
    bool fullScreen;  // frameless and maximised
    friend bool operator==(const ScoresWindowGeometry&, const ScoresWindowGeometry&) = default;
};
ScoresWindowGeometry ComputeScoresWindowGeometry(const Settings& settings);

// Window geometry, the heading and bar panels, then PlaceScoresList. Runs at every show
// and when the options window closes. Controls the show adjusts by mode start again from
// their design size and font here, so a show never depends on the one before it.
void LayOutScoresWindow(HighScoreWindow& window, const Settings& settings);

// Writes window.ScoresGridDX/DY and places the list grid and the fixed controls.
void PlaceScoresList(HighScoreWindow& window, const Settings& settings);

// The showing procedure's adjustments by mode (after a game or browsing), class and
// window mode. Moves controls only; the shared values are the window's business.
void AdjustScoresWindowForMode(HighScoreWindow& window, const Settings& settings, bool afterGame);

}  // namespace quorelin
