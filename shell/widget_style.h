#pragma once
// Colours of plain widgets, set the same way in every window.
#include <QColor>
#include <QPalette>
#include <QWidget>

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

}  // namespace quorelin
