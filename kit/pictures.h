#pragma once
// The pictures that several windows and the start-up share, drawn in code so they stay
// crisp at any size and the program ships no image files, and the pieces the windows'
// own pictures are drawn from.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

namespace quorelin {

// The program icon: a product block resting on its factor, 32 x 32.
QImage ProgramIcon(int size = 32);

// The mark on OK buttons.
QImage OkMarkPicture(int size = 16);

// The arrow keys of the game, as the instructions show them.
enum class ArrowKey { Left, Right, Down };
QImage ArrowKeyPicture(ArrowKey key, int size = 28);

// A picture of the given size in layout pixels, filled with one colour.
QImage BlankPicture(int width, int height, const QColor& fill);

// A bevelled number block in the colours of a falling block, by hue.
void DrawHueTile(QPainter& p, const QRect& r, int hue, const QString& text);

}  // namespace quorelin
