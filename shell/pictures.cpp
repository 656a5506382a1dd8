#include "shell/pictures.h"

#include <QFont>
#include <QPainter>

namespace quorelin {
namespace {

// A bevelled tile: light edge, face, dark edge, and a centred number.
void DrawTile(QPainter& p, const QRect& r, const QColor& light, const QColor& face,
              const QColor& dark, const QString& text) {
    p.fillRect(r, dark);
    p.fillRect(r.adjusted(0, 0, -1, -1), light);
    p.fillRect(r.adjusted(1, 1, -1, -1), face);
    QFont font("Verdana");
    font.setBold(true);
    font.setPixelSize(std::max(6, r.height() * 2 / 3));
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignCenter, text);
}

}  // namespace

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

}  // namespace quorelin
