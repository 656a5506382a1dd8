#pragma once
// The pictures of the instructions panel: the worked example's column of two blocks and
// the arrow keys. The scheme pictures beside the field are in scheme_pictures.h.
#include <QImage>

#include "kit/pictures.h"

namespace quorelin {

// The column of the worked example, 20 x 38: a block for the product on a block for 3,
// flat (Simple) or shaded (Sophisticated). The panel lays its own number labels over it.
QImage ExampleColumnPicture(bool sophisticated);

// A grey key cap with a black arrow, width x height.
QImage ArrowKeyCapPicture(int width, int height, ArrowKey key);

}  // namespace quorelin
