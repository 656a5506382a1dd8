#include "kit/pictures.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "kit/device_image.h"
#include "kit/widget_style.h"

namespace quorelin {
namespace {

// A bevelled tile: light edge, face, dark edge, and a centred number.
void DrawTile(QPainter& p, const QRect& r, const QColor& light, const QColor& face,
              const QColor& dark, const QString& text) {
    p.fillRect(r, dark);
    p.fillRect(r.adjusted(0, 0, -1, -1), light);
    p.fillRect(r.adjusted(1, 1, -1, -1), face);
    p.setFont(PixelFont("Verdana", std::max(6, r.height() * 2 / 3), true));
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, text);
}

}  // namespace

QImage BlankPicture(int width, int height, const QColor& fill) {
    QImage image = DeviceImage(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void DrawHueTile(QPainter& p, const QRect& r, int hue, const QString& text) {
    DrawTile(p, r, QColor::fromHsv(hue, 70, 255), QColor::fromHsv(hue, 200, 230),
             QColor::fromHsv(hue, 255, 110), text);
}

QImage ProgramIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const int half = size / 2;
    DrawTile(p, QRect(half / 2, 0, half, half), QColor(255, 255, 180), QColor(240, 200, 40),
             QColor(150, 110, 0), QStringLiteral("6"));
    DrawTile(p, QRect(half / 2, half, half, half), QColor(180, 220, 255), QColor(60, 130, 220),
             QColor(20, 50, 120), QStringLiteral("3"));
    return image;
}

QImage OkMarkPicture(int size) {
    QImage image = BlankPicture(size, size, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    p.setPen(QPen(QColor(0, 128, 0), std::max(2.0, s / 6), Qt::SolidLine, Qt::RoundCap));
    p.drawPolyline(QPolygonF{{s * 0.15, s * 0.55}, {s * 0.4, s * 0.8}, {s * 0.85, s * 0.2}});
    return image;
}

QImage ArrowKeyPicture(ArrowKey key, int size) {
    QImage image = BlankPicture(size, size, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // A key cap in grey with a black arrow.
    p.setPen(QPen(QColor(64, 64, 64), 1));
    p.setBrush(QColor(200, 200, 200));
    p.drawRoundedRect(QRectF(0.5, 0.5, s - 1, s - 1), s / 6, s / 6);
    p.setBrush(QColor(230, 230, 230));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(s * 0.12, s * 0.08, s * 0.76, s * 0.7), s / 8, s / 8);
    QPolygonF arrow{{s * 0.3, s * 0.43},  {s * 0.55, s * 0.22}, {s * 0.55, s * 0.35},
                    {s * 0.75, s * 0.35}, {s * 0.75, s * 0.51}, {s * 0.55, s * 0.51},
                    {s * 0.55, s * 0.64}};
    QTransform turn;
    turn.translate(s / 2, s * 0.43);
    turn.rotate(key == ArrowKey::Left ? 0 : key == ArrowKey::Right ? 180 : -90);
    turn.translate(-s / 2, -s * 0.43);
    p.setBrush(Qt::black);
    p.drawPolygon(turn.map(arrow));
    return image;
}

}  // namespace quorelin
