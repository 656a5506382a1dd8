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

// Full-screen mode: no frame, maximised, at the screen's top-left corner. `design` is
// the size the window was laid out for, its screen class's; on a larger screen the
// window's stage keeps that design area in the middle.
void SetFullScreenFrame(QWidget& window, const QSize& design);

// Partial-screen mode: a sizeable frame whose outer rectangle is `outer`. A window that
// is not yet framed when this runs is corrected once its frame is known.
void SetFramedOuterGeometry(QWidget& window, const QRect& outer);

// Where the design area of the largest screen class starts on a screen larger than it:
// windows placed by that class's layout move by this much, so they stand in the middle
// of the screen. Nothing moves for the smaller classes, which fill their screens.
QPoint DesignAreaCorner(int classWidth, int classHeight);

// How far a full-screen window's design area stands from its corner: half of what the
// window has beyond the size it was laid out for; none in partial screen.
QPoint DesignAreaOffset(const QWidget& window);

// Moves the holder's controls onto a stage, a see-through child that fills the holder,
// except in full screen on a screen larger than the design area, where it starts at the
// corner that centres the design area on the window. Controls keep their places on it.
QWidget* MoveOntoStage(QWidget& holder);
// Where the holder's stage starts: what the holder adds to its controls' places.
QPoint StageCorner(const QWidget& holder);

// Puts a control of the window's design, such as a small "X" button, in the window's
// top-right corner, off the stage: as far from the window's right edge and top as its
// design place is from the design area's. At the design size that is its design place;
// in full screen on a larger screen it follows the window's corner, not the stage's.
void PlaceInTopRightCorner(QWidget& control, const QPoint& designPlace);

// Where a window stands, for a window that takes its place: its outer rectangle (frame
// included), whether it is on screen, and whether the player maximised it.
struct WindowPlace {
    QRect outer;
    bool visible = false;
    bool maximised = false;
};
WindowPlace PlaceOf(const QWidget& window);

// The client size a framed window needs for the outer size, and the reverse.
QSize ClientSizeFor(const QWidget& window, const QSize& outer);
QSize OuterSizeOf(const QWidget& window);

}  // namespace quorelin
