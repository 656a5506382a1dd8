#pragma once
// Where a top-level window stands on a desktop that frames its windows. The layout
// tables give outer sizes and places, frame and caption included, while Qt sizes a
// window by its client area: the frame is taken off here, so a framed window has the
// table's outer size and place and lies wholly on the screen.
#include <QMargins>
#include <QRect>
#include <QWidget>

namespace quorelin {

// The frame the window system puts around the window: its own once it is framed on
// screen, otherwise the last frame seen on any window of the program (none at first).
QMargins FrameMarginsOf(const QWidget& window);

// Full-screen mode: no frame, maximised, at the screen's top-left corner.
void SetFullScreenFrame(QWidget& window);

// Partial-screen mode: a sizeable frame whose outer rectangle is `outer`. A window that
// is not yet framed when this runs is corrected once its frame is known.
void SetFramedOuterGeometry(QWidget& window, const QRect& outer);

// The client size a framed window needs for the outer size, and the reverse.
QSize ClientSizeFor(const QWidget& window, const QSize& outer);
QSize OuterSizeOf(const QWidget& window);

}  // namespace quorelin
