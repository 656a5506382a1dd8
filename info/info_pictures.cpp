#include "info/info_pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "kit/device_image.h"
#include "kit/widget_style.h"

namespace quorelin {
namespace {

QImage Transparent(int width, int height) {
    QImage image = DeviceImage(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A bevelled number block in the colours of a falling block, by hue.
void DrawNumberBlock(QPainter& p, const QRectF& r, int hue, const QString& number) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromHsv(hue, 255, 110));
    p.drawRect(r);
    p.setBrush(QColor::fromHsv(hue, 70, 255));
    p.drawRect(r.adjusted(0, 0, -2, -2));
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0, QColor::fromHsv(hue, 150, 250));
    face.setColorAt(1, QColor::fromHsv(hue, 230, 200));
    p.setBrush(face);
    p.drawRect(r.adjusted(2, 2, -2, -2));
    p.setFont(PixelFont("Verdana", static_cast<int>(r.height() * 0.55), true));
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, number);
}

}  // namespace

QImage RunningBlockPicture(int width, int height) {
    QImage image = Transparent(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = width;
    const qreal h = height;
    const qreal ground = h - 3;
    p.setPen(QPen(QColor(150, 110, 60), 2));
    p.drawLine(QPointF(2, ground + 1), QPointF(w - 2, ground + 1));

    // Dust behind the bull.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 180, 140));
    for (const QPointF c :
         {QPointF(4, ground - 4), QPointF(9, ground - 7), QPointF(13, ground - 3)}) {
        p.drawEllipse(c, 3.5, 3);
    }

    // The bull, head down and horns first, tail up.
    const QColor hide(90, 50, 25);
    p.setPen(QPen(hide, 3, Qt::SolidLine, Qt::RoundCap));
    for (const qreal x : {20.0, 28.0, 44.0, 52.0}) {
        const qreal swing = (x == 28.0 || x == 52.0) ? 5 : -5;
        p.drawLine(QPointF(x, ground - 14), QPointF(x + swing, ground));
    }
    p.setPen(QPen(hide, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, ground - 28), QPointF(8, ground - 38));
    p.setPen(Qt::NoPen);
    p.setBrush(hide);
    p.drawEllipse(QPointF(8, ground - 38), 2.5, 2.5);
    p.drawEllipse(QRectF(13, ground - 34, 46, 24));
    p.drawEllipse(QRectF(52, ground - 26, 20, 16));
    p.setBrush(QColor(150, 90, 70));
    p.drawEllipse(QRectF(65, ground - 19, 9, 8));
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(69, ground - 15), 1, 1);
    p.drawEllipse(QPointF(61, ground - 21), 1.6, 1.6);
    // Two horns curving up and forward, the far one darker.
    for (const qreal shift : {-5.0, 0.0}) {
        QPainterPath horn(QPointF(56 + shift, ground - 24));
        horn.quadTo(QPointF(58 + shift, ground - 37), QPointF(72 + shift, ground - 38));
        horn.quadTo(QPointF(63 + shift, ground - 33), QPointF(62 + shift, ground - 23));
        horn.closeSubpath();
        p.setPen(QPen(QColor(60, 40, 20), 0.8));
        p.setBrush(shift < 0 ? QColor(200, 190, 160) : QColor(245, 238, 210));
        p.drawPath(horn);
    }

    // Speed lines between the two.
    p.setPen(QPen(QColor(120, 120, 120), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal y = ground - 26 + i * 7;
        p.drawLine(QPointF(84, y), QPointF(98 - i * 2, y));
    }

    // The block on its running legs.
    const QRectF block(104, 4, 30, 28);
    p.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(112, block.bottom()), QPointF(106, ground - 2));
    p.drawLine(QPointF(106, ground - 2), QPointF(102, ground - 1));
    p.drawLine(QPointF(126, block.bottom()), QPointF(133, ground - 4));
    p.drawLine(QPointF(133, ground - 4), QPointF(138, ground - 5));
    p.drawLine(QPointF(block.right(), block.top() + 12), QPointF(w - 5, block.top() + 6));
    p.drawLine(QPointF(block.left(), block.top() + 14),
               QPointF(block.left() - 6, block.top() + 20));
    DrawNumberBlock(p, block, 30, "7");
    return image;
}

QImage JusticeBoxPicture(int width, int height) {
    QImage image = Transparent(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = height;

    // The box on two short legs, with a face.
    const QRectF box(25, 12, 26, 26);
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(box.left() + 7, box.bottom()), QPointF(box.left() + 6, h - 2));
    p.drawLine(QPointF(box.right() - 7, box.bottom()), QPointF(box.right() - 6, h - 2));
    p.setPen(QPen(QColor(110, 70, 30), 1));
    p.setBrush(QColor(205, 160, 95));
    p.drawRect(box);
    p.setBrush(QColor(225, 185, 120));
    p.drawPolygon(QPolygonF{box.topLeft(), box.topLeft() + QPointF(5, -6),
                            box.topRight() + QPointF(5, -6), box.topRight()});
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(box.left() + 8, box.top() + 9), 1.8, 1.8);
    p.drawEllipse(QPointF(box.right() - 8, box.top() + 9), 1.8, 1.8);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(box.left() + 8, box.top() + 11, 10, 7), 200 * 16, 140 * 16);

    // Left hand: the gavel, raised.
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(box.left(), box.top() + 14), QPointF(19, 18));
    p.setPen(QPen(QColor(120, 70, 20), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 18), QPointF(10, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 80, 25));
    p.save();
    p.translate(10, 8);
    p.rotate(-40);
    p.drawRoundedRect(QRectF(-9, -4, 18, 8), 2, 2);
    p.restore();

    // Right hand: the scales.
    const QColor brass(190, 150, 30);
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(box.right(), box.top() + 14), QPointF(67, 22));
    p.setPen(QPen(brass, 1.6));
    p.drawLine(QPointF(67, 4), QPointF(67, 32));
    p.drawLine(QPointF(57, 8), QPointF(77, 8));
    p.drawLine(QPointF(57, 8), QPointF(54.5, 20));
    p.drawLine(QPointF(57, 8), QPointF(59.5, 20));
    p.drawLine(QPointF(77, 8), QPointF(74.5, 20));
    p.drawLine(QPointF(77, 8), QPointF(79.5, 20));
    p.setBrush(brass);
    p.drawChord(QRectF(53.5, 16.5, 7, 7), 180 * 16, 180 * 16);
    p.drawChord(QRectF(73.5, 16.5, 7, 7), 180 * 16, 180 * 16);
    p.drawRect(QRectF(63, 32, 8, 2));
    return image;
}

QImage KeysRulePicture(int width, int height) {
    QImage image = DeviceImage(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = width;
    const qreal h = height;
    p.setPen(QColor(48, 48, 136));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));

    // The column: the product falls onto its factor, which stands on the floor.
    const qreal blockW = 42;
    const qreal blockH = 28;
    const qreal left = w - blockW - 14;
    const QRectF falling(left, 18, blockW, blockH);
    const QRectF factor(left, h - 36 - blockH - 6, blockW, blockH);
    p.fillRect(QRectF(left - 6, factor.bottom(), blockW + 12, 5), QColor(110, 110, 110));
    p.setPen(QPen(QColor(150, 160, 230), 1));
    for (const qreal x : {falling.left() + 8, falling.center().x(), falling.right() - 8}) {
        p.drawLine(QPointF(x, 4), QPointF(x, falling.top() - 3));
    }
    p.setPen(QPen(QColor(150, 160, 230), 1, Qt::DashLine));
    p.drawLine(QPointF(falling.center().x(), falling.bottom() + 3),
               QPointF(falling.center().x(), factor.top() - 4));
    DrawNumberBlock(p, falling, 40, "24");
    DrawNumberBlock(p, factor, 200, "3");

    // The table beside the falling block, the sum under the column.
    p.setPen(Qt::white);
    p.setFont(PixelFont("Verdana", 14, true));
    p.drawText(QRectF(4, falling.top(), left - 6, blockH), Qt::AlignCenter, "x 8 ->");
    p.setPen(QColor(255, 255, 160));
    p.setFont(PixelFont("Verdana", 15, true));
    p.drawText(QRectF(2, h - 30, w - 4, 24), Qt::AlignCenter, "3 x 8 = 24");
    return image;
}

}  // namespace quorelin
