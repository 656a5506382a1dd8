#include "menus/options_pictures.h"

#include <QLinearGradient>
#include <QPainter>

#include "kit/device_image.h"
#include "kit/widget_style.h"

namespace quorelin {
namespace {

// A bevelled number block in the colours of a falling block, by hue.
void DrawBlock(QPainter& p, const QRect& r, int hue, const QString& number) {
    p.fillRect(r, QColor::fromHsv(hue, 255, 110));
    p.fillRect(r.adjusted(0, 0, -2, -2), QColor::fromHsv(hue, 70, 255));
    p.fillRect(r.adjusted(2, 2, -2, -2), QColor::fromHsv(hue, 200, 230));
    p.setFont(PixelFont("Verdana", r.height() / 2, true));
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, number);
}

}  // namespace

QImage OptionsPicture(int width, int height) {
    QImage image = DeviceImage(width, height, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    QLinearGradient field(0, 0, 0, height);
    field.setColorAt(0, QColor(20, 30, 150));
    field.setColorAt(1, QColor(0, 0, 60));
    p.fillRect(LogicalRect(image), field);
    p.setPen(QColor(60, 70, 190));
    p.drawRect(LogicalRect(image).adjusted(0, 0, -1, -1));

    constexpr int kTile = 25;
    const int left = (width - 5 * kTile) / 2;
    const int floor = height - 8;
    p.fillRect(QRect(2, floor, width - 4, 5), QColor(120, 120, 120));
    const auto cell = [&](int column, int row) {
        return QRect(left + column * kTile, floor - (row + 1) * kTile, kTile, kTile);
    };
    DrawBlock(p, cell(0, 0), 200, "4");
    DrawBlock(p, cell(0, 1), 40, "28");
    DrawBlock(p, cell(2, 0), 120, "3");
    DrawBlock(p, cell(4, 0), 280, "6");
    DrawBlock(p, cell(4, 1), 40, "42");

    // The falling product with a short trail above it.
    const QRect falling = cell(2, 3).translated(0, -6);
    p.setPen(QPen(QColor(150, 160, 230), 1));
    for (int x : {falling.left() + 6, falling.center().x(), falling.right() - 6}) {
        p.drawLine(x, falling.top() - 16, x, falling.top() - 4);
    }
    DrawBlock(p, falling, 0, "21");

    p.setPen(QColor(255, 255, 255));
    p.setFont(PixelFont("Verdana", 14, true));
    p.drawText(QRect(0, 6, width - 8, 20), Qt::AlignRight | Qt::AlignVCenter, "x 7");
    return image;
}

}  // namespace quorelin
