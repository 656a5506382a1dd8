#pragma once
// The high-score window's pictures, drawn in code in the list's reds: dark red ground,
// bright red light edges, and a shadow that is black in the Simple scheme and RGB(80,0,0)
// in the Sophisticated one.
#include <QImage>
#include <QPainter>
#include <QRect>

namespace quorelin {

// The list area's two sunken boxes, one per column of ranks, in the area's pixels; their
// bevels are two pixels wide.
inline constexpr QRect kListColumnBoxes[2]{{QPoint(13, 15), QPoint(240, 280)},
                                           {QPoint(293, 15), QPoint(520, 280)}};
inline constexpr int kListBevel = 2;

// The list area (535 x 297): dark red, a raised two-pixel bevel and two sunken boxes.
QImage PaintListArea(int colorScheme);
// The banner: HIGH SCORES in large yellow letters on dark red.
QImage PaintScoresBanner(int colorScheme, int width, int height);
// The full-screen background: dark red with a raised bevel along the screen's edge.
QImage PaintScoresBackground(int colorScheme, int width, int height);
// The small heading's ground: dark red with a raised two-pixel bevel.
void PaintRaisedPanel(QPainter& p, const QRect& r, int colorScheme);

}  // namespace quorelin
