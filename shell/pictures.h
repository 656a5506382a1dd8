#pragma once
// Every picture of the game is drawn here in code, so it stays crisp at any size and
// the program ships no image files.
#include <QImage>

namespace quorelin {

// The program icon: a product block resting on its factor, 32 x 32.
QImage ProgramIcon(int size = 32);

}  // namespace quorelin
