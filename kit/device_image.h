#pragma once
// Pictures and canvases are painted in layout pixels but hold as many pixels as the
// screen shows, so they stay sharp where the program is drawn larger than its design.
#include <QGuiApplication>
#include <QImage>
#include <QRect>
#include <QtMath>

namespace quorelin {

// How many screen pixels a layout pixel takes; 1 without an application.
inline qreal DeviceRatio() {
    return qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
}

// An image of the given size in layout pixels, at the screen's pixel density.
inline QImage DeviceImage(int width, int height, QImage::Format format) {
    const qreal ratio = DeviceRatio();
    QImage image(qCeil(width * ratio - 1e-9), qCeil(height * ratio - 1e-9), format);
    image.setDevicePixelRatio(ratio);
    return image;
}

// The image's area in layout pixels, where its painting takes place.
inline QRect LogicalRect(const QImage& image) {
    return {QPoint(0, 0), image.deviceIndependentSize().toSize()};
}

}  // namespace quorelin
