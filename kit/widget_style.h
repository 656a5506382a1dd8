#pragma once
// Colours and pictures of plain widgets, set the same way in every window.
#include <QColor>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

#include "kit/device_image.h"

namespace quorelin {

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
