#include "play/scheme_pictures.h"

#include <QLinearGradient>
#include <QPainter>

#include "game/rules.h"
#include "kit/device_image.h"
#include "kit/widget_style.h"
#include "play/field_drawing.h"

namespace quorelin {
namespace {

// A block of the picture with a mark on it, in the cell colours of the scheme.
void PictureBlock(QPainter& p, const QRect& r, std::int32_t kind, int colorScheme,
                  const QString& mark) {
    const ThreeTone colours = CellColours(kind, colorScheme);
    PaintThreeTone(p, r, colours);
    if (colorScheme == 2) {
        QLinearGradient shine(r.topLeft(), r.bottomLeft());
        shine.setColorAt(0, QColor(255, 255, 255, 110));
        shine.setColorAt(0.5, QColor(255, 255, 255, 0));
        p.fillRect(r.adjusted(2, 2, -2, -2), shine);
    }
    p.setFont(PixelFont("Verdana", 18, true));
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, mark);
}

}  // namespace

QImage SchemePicture(int colorScheme) {
    QImage image =
        DeviceImage(kSchemePictureSize.width(), kSchemePictureSize.height(), QImage::Format_RGB32);
    const Palette palette = PaletteFor(colorScheme);
    const bool shaded = colorScheme == 2;
    QPainter p(&image);
    const QRect all = LogicalRect(image);
    if (shaded) {
        QLinearGradient sky(all.topLeft(), all.bottomLeft());
        sky.setColorAt(0, QColor(40, 40, 150));
        sky.setColorAt(1, palette.DarkEdgeColour);
        p.fillRect(all, sky);
    } else {
        p.fillRect(all, palette.FaceColour);
    }
    // A raised rim, like the boxes around it.
    p.fillRect(0, 0, all.width(), 2, palette.LightEdgeColour);
    p.fillRect(0, 0, 2, all.height(), palette.LightEdgeColour);
    p.fillRect(0, all.height() - 2, all.width(), 2, shaded ? palette.DarkEdgeColour : Qt::black);
    p.fillRect(all.width() - 2, 0, 2, all.height(), shaded ? palette.DarkEdgeColour : Qt::black);

    // The product on its factor: a correct column.
    PictureBlock(p, QRect(36, 8, 51, 30), kMultipleOf4, colorScheme, QStringLiteral("?"));
    PictureBlock(p, QRect(36, 40, 51, 30), kMultipleOf3, colorScheme, QStringLiteral("3"));
    PictureBlock(p, QRect(36, 72, 51, 14), kFloor, colorScheme, QString());

    // The plaque the table label is written on.
    const QRect plaque(30, 92, 63, 30);
    if (shaded) {
        QLinearGradient dark(plaque.topLeft(), plaque.bottomLeft());
        dark.setColorAt(0, QColor(10, 10, 40));
        dark.setColorAt(1, QColor(30, 30, 90));
        p.fillRect(plaque, dark);
    } else {
        p.fillRect(plaque, Qt::black);
    }
    p.setPen(palette.LightEdgeColour);
    p.setBrush(Qt::NoBrush);
    p.drawRect(plaque.adjusted(0, 0, -1, -1));
    return image;
}

}  // namespace quorelin
