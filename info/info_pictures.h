#pragma once
// The info window's pictures, drawn in code at the sizes the page panel gives them. The
// arrow keys of the keys panel are the game's own (shell/pictures.h).
#include <QImage>

namespace quorelin {

// About: a number block running away from a bull, on a transparent ground.
QImage RunningBlockPicture(int width = 151, int height = 44);

// Disclaimer: a box figure holding a gavel and a pair of scales.
QImage JusticeBoxPicture(int width = 81, int height = 49);

// The keys panel's rule: in table 8 a block 24 falls onto a block 3, with "x 8 ->" beside
// the falling block and "3 x 8 = 24" under the column.
QImage KeysRulePicture(int width = 137, int height = 144);

}  // namespace quorelin
