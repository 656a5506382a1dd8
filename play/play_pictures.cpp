#include "play/play_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>

namespace quorelin {
namespace {

// One example block: light outline, face, and a two-pixel dark edge right and below,
// like the blocks on the play field.
void DrawExampleBlock(QPainter& p, const QRect& r, const QColor& light, const QColor& face,
                      const QColor& dark, bool shaded) {
    p.fillRect(r, light);
    const QRect inner = r.adjusted(2, 2, -2, -2);
    if (shaded) {
        QLinearGradient g(inner.topLeft(), inner.bottomLeft());
        g.setColorAt(0, face.lighter(125));
        g.setColorAt(1, face.darker(115));
        p.fillRect(inner, g);
    } else {
        p.fillRect(inner, face);
    }
    const int left = r.left(), top = r.top(), right = r.right(), bottom = r.bottom();
    const QPolygon shadow({QPoint(left, bottom), QPoint(right, bottom), QPoint(right, top),
                           QPoint(right - 1, top + 1), QPoint(right - 1, bottom - 1),
                           QPoint(left + 1, bottom - 1)});
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawPolygon(shadow);
}

}  // namespace

QImage ExampleColumnPicture(bool sophisticated) {
    QImage image(20, 38, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const QRect upper(0, 0, 20, 18);
    const QRect lower(0, 19, 20, 19);
    if (sophisticated) {
        DrawExampleBlock(p, upper, QColor(248, 230, 197), QColor(210, 146, 26), QColor(101, 70, 12),
                         true);
        DrawExampleBlock(p, lower, QColor(220, 220, 255), QColor(35, 208, 239), QColor(71, 71, 104),
                         true);
    } else {
        DrawExampleBlock(p, upper, Qt::white, QColor(255, 255, 0), QColor(128, 128, 128), false);
        DrawExampleBlock(p, lower, Qt::white, QColor(0, 255, 255), QColor(128, 128, 128), false);
    }
    return image;
}

QImage ArrowKeyCapPicture(int width, int height, ArrowKey key) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const QRect cap(0, 0, width, height);
    p.fillRect(cap, QColor(64, 64, 64));
    p.fillRect(cap.adjusted(0, 0, -1, -1), Qt::white);
    p.fillRect(cap.adjusted(1, 1, -1, -1), QColor(128, 128, 128));
    p.fillRect(cap.adjusted(1, 1, -2, -2), QColor(224, 224, 224));
    p.fillRect(cap.adjusted(2, 2, -3, -3), QColor(192, 192, 192));

    // The arrow is drawn pointing right around the key's centre, then turned.
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(width / 2.0 - 0.5, height / 2.0 - 0.5);
    if (key == ArrowKey::Left) {
        p.rotate(180);
    } else if (key == ArrowKey::Down) {
        p.rotate(90);
    }
    const QPolygonF arrow({QPointF(-6, -1.5), QPointF(1, -1.5), QPointF(1, -5), QPointF(6, 0),
                           QPointF(1, 5), QPointF(1, 1.5), QPointF(-6, 1.5)});
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(arrow);
    return image;
}

}  // namespace quorelin
