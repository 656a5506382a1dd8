#pragma once
// Where the info window and its controls stand for each screen class and window mode. The
// places are data: one row per control, one column per case, applied on every showing by
// LayOutInfoWindow. PlaceInfoWindow gives the window its frame, size and place before it
// is shown.
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <array>

#include "game/screen_case.h"
#include "game/state.h"
#include "info/info_pages.h"

namespace quorelin {

class InfoWindow;

// The placement of one screen case.
struct InfoPlacement {
    QPoint bar;        // the button bar, in the window
    QPoint page;       // the page panel, in the window
    int pageHeight;    // the page panel's height
    int closeLeft;     // the "X" button's left; 0 when it is hidden
    bool footerShown;  // the footer under the 31 lines
    int packFrom;      // left of About when the page buttons are packed; 0: design places
};
InfoPlacement InfoPlacementFor(const Settings& settings);

// Tops of the 31 text lines and of the footer within the page panel, by screen class.
struct InfoLineTops {
    std::array<int, info_texts::kLineCount> lines;
    int footer;
};
const InfoLineTops& InfoLineTopsFor(const Settings& settings);

// The partial-screen window's outer rectangle (frame and caption included). The 768
// class takes the main window's place, 3 pixels narrower and lower.
QRect PartialInfoWindowRect(const Settings& settings, const QRect& mainOuter);

// Full screen: no frame, maximised. Partial screen: a sizeable frame with the outer
// rectangle above. `mainOuter` is the main window's outer rectangle.
void PlaceInfoWindow(QWidget& window, const Settings& settings, const QRect& mainOuter);

// Places the bar, its buttons, the page panel with its lines, footer and pictures, the
// keys panel's contents and the "X" button for the class and mode.
void LayOutInfoWindow(InfoWindow& window, const Settings& settings);

}  // namespace quorelin
