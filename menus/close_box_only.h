#pragma once
// A fixed dialog that the window manager offers only to move and to close.
#include <QWidget>

namespace quorelin {

// Under X11 Qt's Motif hints offer resizing also for a window of fixed size, and a window
// manager that reads them draws a resize handle. Asks for moving and closing only, with
// a border, a title and the window menu; does nothing on other platforms. Call when the
// window is created and not yet mapped: as its showing begins.
void AskForCloseBoxOnly(QWidget& window);

}  // namespace quorelin
