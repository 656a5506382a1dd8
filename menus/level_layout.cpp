#include "menus/level_layout.h"

#include <array>

#include "menus/level_window.h"
#include "menus/place_rows.h"

namespace quorelin {
namespace {

// Control places (left, top) in the screen cases: 480 full, 480 partial, 600 full,
// 600 partial, 768 full, 768 partial. On 480 lines the table title stands higher than
// the design's 48 (2 pixels in full screen, 22 in partial screen) and the quick chooser
// 3 pixels further right than the design's 405 in partial screen: at the design's places
// the chooser covered the end of the title, table number included, and of the English
// prompt.
constexpr std::array<PlaceRow<LevelWindow>, 9> kControlPlaces{{
    {Control<&LevelWindow::Panel2>,  // how-to-play panel
     {{{16, 66}, {0, 31}, {28, 136}, {8, 125}, {128, 206}, {38, 146}}}},
    {Control<&LevelWindow::Panel1>,  // range warning
     {{{222, 250}, {209, 290}, {252, 320}, {232, 320}, {352, 390}, {262, 330}}}},
    {Control<&LevelWindow::Edit1>,  // typed level
     {{{289, 193}, {266, 193}, {352, 263}, {332, 263}, {452, 333}, {362, 273}}}},
    {Control<&LevelWindow::Label1>,  // prompt
     {{{233, 130}, {216, 130}, {296, 200}, {276, 200}, {396, 270}, {306, 210}}}},
    {Control<&LevelWindow::Panel3>,  // table title
     {{{197, 46}, {164, 26}, {260, 100}, {240, 100}, {360, 170}, {270, 110}}}},
    {Control<&LevelWindow::Panel4>,  // quick chooser
     {{{467, 87}, {408, 67}, {560, 160}, {525, 160}, {660, 230}, {570, 170}}}},
    {Control<&LevelWindow::BitBtn4>,  // how to play
     {{{181, 374}, {149, 334}, {244, 444}, {219, 414}, {344, 514}, {244, 454}}}},
    {Control<&LevelWindow::BitBtn2>,  // cancel
     {{{289, 374}, {257, 334}, {352, 444}, {327, 414}, {452, 514}, {352, 454}}}},
    {Control<&LevelWindow::BitBtn1>,  // OK
     {{{389, 374}, {357, 334}, {452, 444}, {427, 414}, {552, 514}, {452, 454}}}},
}};

// The prompt in German: further left on the lowest screens, elsewhere as in the table.
constexpr ByCase<QPoint> kGermanPromptPlaces{
    {{218, 130}, {201, 130}, {296, 200}, {276, 200}, {396, 270}, {306, 210}}};

}  // namespace

void PlaceLevelControls(LevelWindow& window, ScreenCase screen, int language) {
    PlaceControls(window, kControlPlaces, screen);
    if (language == 5) {
        window.Label1->move(At(kGermanPromptPlaces, screen));
    }
}

}  // namespace quorelin
