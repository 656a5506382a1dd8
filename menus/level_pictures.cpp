#include "menus/level_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>

#include "kit/pictures.h"
#include "kit/widget_style.h"

namespace quorelin {

QImage CancelMarkPicture(int size) {
    QImage image = BlankPicture(size, size, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    p.setPen(QPen(kRed, std::max(2.0, s / 6), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.2, s * 0.2), QPointF(s * 0.8, s * 0.8));
    p.drawLine(QPointF(s * 0.8, s * 0.2), QPointF(s * 0.2, s * 0.8));
    return image;
}

QImage HowToPlayBackground(int width, int height) {
    QImage image = BlankPicture(width, height, Qt::black);
    QPainter p(&image);
    p.setPen(QColor(48, 48, 136));
    p.drawRect(QRect(0, 0, width - 1, height - 1));
    p.setPen(QColor(16, 16, 56));
    p.drawRect(QRect(2, 2, width - 5, height - 5));
    // A lowered floor bar at the bottom, as in the play field.
    p.fillRect(QRect(4, height - 10, width - 8, 5), QColor(90, 90, 90));
    return image;
}

QImage RulePicture(int table, int width, int height) {
    QImage image = BlankPicture(width, height, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The factor 2 below its product: the lower right part stays free for "x N = ".
    const int tile = std::min(width / 4, height / 2 - 3);
    const QRect top(4, 2, tile, tile);
    const QRect bottom(4, height - tile - 2, tile, tile);
    DrawHueTile(p, top, 40, QString::number(2 * table));
    DrawHueTile(p, bottom, 200, "2");
    // An arrow from the end of the caption up to the product.
    p.setPen(QPen(kSilver, 2));
    p.setBrush(Qt::NoBrush);
    const QPointF from(width - 10, height - tile / 2.0 - 4);
    const QPointF to(top.right() + 6, top.center().y());
    QPainterPath path(from);
    path.cubicTo(QPointF(width - 4, top.center().y()), QPointF(width - 30, top.center().y()), to);
    p.drawPath(path);
    p.setBrush(kSilver);
    p.drawPolygon(QPolygonF{to, to + QPointF(7, -4), to + QPointF(7, 4)});
    return image;
}

}  // namespace quorelin
