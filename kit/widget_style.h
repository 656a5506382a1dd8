#pragma once
// The small things every window builds its controls from, written once: the named
// colours, texts from the UTF-8 tables, fonts by face and size, and the makers of
// labels, buttons and pictures.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>

#include "kit/device_image.h"

namespace quorelin {

// The colours the windows name.
inline const QColor kBlack(0, 0, 0);
inline const QColor kNavy(0, 0, 128);
inline const QColor kMaroon(128, 0, 0);  // also the high-score window's dark red
inline const QColor kRed(255, 0, 0);
inline const QColor kBlue(0, 0, 255);
inline const QColor kYellow(255, 255, 0);
inline const QColor kSilver(192, 192, 192);
inline const QColor kPaleYellow(255, 255, 221);

// A text of the game's tables, which are UTF-8.
inline QString Text(const char* text) {
    return QString::fromUtf8(text);
}

// A font of a design face in pixels ("pixels" in the window designs) or in points.
inline QFont PixelFont(const char* face, int pixels, bool bold = false, bool italic = false) {
    QFont font{QString::fromLatin1(face)};
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}
inline QFont PointFont(const char* face, int points, bool bold = false) {
    QFont font{QString::fromLatin1(face)};
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

// A button named after its design control, at its design place.
template <class Button = QPushButton>
Button* MakeButton(QWidget* parent, const char* name, const QRect& place) {
    auto* button = new Button(parent);
    button->setObjectName(name);
    button->setGeometry(place);
    return button;
}

// A label named after its design control, at its design place, in the given font.
inline QLabel* MakeLabel(QWidget* parent, const char* name, const QPoint& place,
                         const QFont& font) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->move(place);
    label->setFont(font);
    return label;
}

// Sets one colour role of a widget's palette.
inline void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// Fills a widget's background with a colour.
inline void SetBackground(QWidget* widget, const QColor& colour) {
    SetColour(widget, QPalette::Window, colour);
    widget->setAutoFillBackground(true);
}

// A label that shows a picture at its own size, named after its design control.
inline QLabel* MakePicture(QWidget* parent, const char* name, const QImage& image, int left,
                           int top) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(QPixmap::fromImage(image));
    label->setGeometry(QRect(QPoint(left, top), LogicalRect(image).size()));
    return label;
}

}  // namespace quorelin
