#include "kit/pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <array>

#include "kit/device_image.h"

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

QImage Blank(int width, int height, const QColor& fill) {
    QImage image = DeviceImage(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

// A tile in the colours of a falling block, by hue.
void DrawHueTile(QPainter& p, const QRect& r, int hue, const QString& text) {
    DrawTile(p, r, QColor::fromHsv(hue, 70, 255), QColor::fromHsv(hue, 200, 230),
             QColor::fromHsv(hue, 255, 110), text);
}

// A vertical navy gradient with a thin lighter border, the look of the game's panels.
void FillNavyPanel(QPainter& p, const QRect& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(20, 30, 150));
    g.setColorAt(1, QColor(0, 0, 70));
    p.fillRect(r, g);
    p.setPen(QColor(60, 70, 190));
    p.drawRect(r.adjusted(0, 0, -1, -1));
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

QImage BannerPicture(int width, int height) {
    QImage image = Blank(width, height, QColor(0, 0, 128));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    FillNavyPanel(p, LogicalRect(image));
    // Products of seven falling into place along the banner, left and right of the name.
    const int tile = std::max(8, height / 3);
    const std::array<int, 4> hues{0, 40, 120, 200};
    for (int i = 0; i < 4; ++i) {
        const int x = 8 + i * (tile + 4);
        const int y = height - tile - 6 - (i % 2) * (tile / 2);
        DrawHueTile(p, QRect(x, y, tile, tile), hues[static_cast<std::size_t>(i)],
                    QString::number(7 * (i + 2)));
        DrawHueTile(p, QRect(width - x - tile, y, tile, tile),
                    hues[static_cast<std::size_t>(3 - i)], QString::number(i + 2));
    }
    QFont font("VAG Rounded Thin");
    font.setBold(true);
    font.setPixelSize(height * 3 / 5);
    p.setFont(font);
    const QRect text(0, 0, width, height);
    p.setPen(QColor(90, 0, 0));
    p.drawText(text.translated(3, 3), Qt::AlignCenter, "MIRANDOL");
    p.setPen(QColor(255, 0, 0));
    p.drawText(text, Qt::AlignCenter, "MIRANDOL");
    return image;
}

QImage TablePanelPicture(int width, int height) {
    QImage image = Blank(width, height, QColor(0, 0, 128));
    QPainter p(&image);
    FillNavyPanel(p, LogicalRect(image));
    // A faint grid of the play field behind the buttons.
    p.setPen(QColor(30, 40, 160));
    for (int x = 12; x < width; x += 24) {
        p.drawLine(x, 4, x, height - 5);
    }
    for (int y = 12; y < height; y += 24) {
        p.drawLine(4, y, width - 5, y);
    }
    return image;
}

QImage CommandPanelPicture(int width, int height) {
    QImage image = Blank(width, height, QColor(0, 0, 128));
    QPainter p(&image);
    FillNavyPanel(p, LogicalRect(image));
    p.setPen(QColor(0, 0, 40));
    p.drawRect(QRect(2, 2, width - 5, height - 5));
    return image;
}

QImage TitleStripPicture(int width, int height) {
    QImage image = Blank(width, height, QColor(0, 0, 128));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    FillNavyPanel(p, LogicalRect(image));
    QFont font("VAG Rounded Thin");
    font.setBold(true);
    font.setPixelSize(height * 2 / 3);
    p.setFont(font);
    p.setPen(QColor(255, 0, 0));
    p.drawText(LogicalRect(image), Qt::AlignCenter, "MIRANDOL");
    return image;
}

QImage CommandGlyphPicture(CommandGlyph glyph, int size) {
    QImage image = Blank(size, size, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const QColor maroon(128, 0, 0);
    switch (glyph) {
        case CommandGlyph::Info: {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 200));
            p.drawEllipse(QRectF(0.5, 0.5, s - 1, s - 1));
            QFont font("MS Serif");
            font.setBold(true);
            font.setPixelSize(size * 3 / 4);
            p.setFont(font);
            p.setPen(Qt::white);
            p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, "i");
            break;
        }
        case CommandGlyph::Sound:
        case CommandGlyph::Music: {
            p.setPen(Qt::NoPen);
            p.setBrush(maroon);
            if (glyph == CommandGlyph::Sound) {
                const QPolygonF speaker{{s * 0.1, s * 0.35}, {s * 0.3, s * 0.35},
                                        {s * 0.55, s * 0.1}, {s * 0.55, s * 0.9},
                                        {s * 0.3, s * 0.65}, {s * 0.1, s * 0.65}};
                p.drawPolygon(speaker);
                p.setPen(QPen(maroon, std::max(1.0, s / 12)));
                p.setBrush(Qt::NoBrush);
                p.drawArc(QRectF(s * 0.45, s * 0.25, s * 0.35, s * 0.5), -60 * 16, 120 * 16);
                p.drawArc(QRectF(s * 0.4, s * 0.1, s * 0.55, s * 0.8), -60 * 16, 120 * 16);
            } else {
                p.drawEllipse(QRectF(s * 0.1, s * 0.65, s * 0.35, s * 0.28));
                p.drawEllipse(QRectF(s * 0.55, s * 0.55, s * 0.35, s * 0.28));
                p.setPen(QPen(maroon, std::max(1.0, s / 10)));
                p.drawLine(QPointF(s * 0.42, s * 0.78), QPointF(s * 0.42, s * 0.12));
                p.drawLine(QPointF(s * 0.87, s * 0.68), QPointF(s * 0.87, s * 0.05));
                p.drawLine(QPointF(s * 0.42, s * 0.12), QPointF(s * 0.87, s * 0.05));
            }
            break;
        }
        case CommandGlyph::Language: {
            p.setPen(QPen(QColor(0, 0, 128), 1));
            p.setBrush(QColor(0, 128, 128));
            const QRectF globe(1, 1, s - 2, s - 2);
            p.drawEllipse(globe);
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(s * 0.3, 1, s * 0.4, s - 2));
            p.drawLine(QPointF(1, s / 2), QPointF(s - 1, s / 2));
            break;
        }
        case CommandGlyph::HighScores: {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(220, 170, 0));
            p.drawPie(QRectF(s * 0.15, -s * 0.35, s * 0.7, s * 0.9), 180 * 16, 180 * 16);
            p.drawRect(QRectF(s * 0.45, s * 0.5, s * 0.1, s * 0.3));
            p.drawRect(QRectF(s * 0.25, s * 0.8, s * 0.5, s * 0.15));
            break;
        }
        case CommandGlyph::Exit: {
            p.setPen(Qt::NoPen);
            p.setBrush(maroon);
            p.drawRect(QRectF(s * 0.1, s * 0.05, s * 0.45, s * 0.9));
            p.setBrush(QColor(255, 220, 120));
            p.drawEllipse(QRectF(s * 0.4, s * 0.45, s * 0.1, s * 0.1));
            p.setPen(QPen(QColor(0, 100, 0), std::max(1.5, s / 8)));
            p.drawLine(QPointF(s * 0.6, s * 0.5), QPointF(s * 0.95, s * 0.5));
            p.drawLine(QPointF(s * 0.8, s * 0.35), QPointF(s * 0.95, s * 0.5));
            p.drawLine(QPointF(s * 0.8, s * 0.65), QPointF(s * 0.95, s * 0.5));
            break;
        }
    }
    return image;
}

QImage OkMarkPicture(int size) {
    QImage image = Blank(size, size, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    p.setPen(QPen(QColor(0, 128, 0), std::max(2.0, s / 6), Qt::SolidLine, Qt::RoundCap));
    p.drawPolyline(QPolygonF{{s * 0.15, s * 0.55}, {s * 0.4, s * 0.8}, {s * 0.85, s * 0.2}});
    return image;
}

QImage CancelMarkPicture(int size) {
    QImage image = Blank(size, size, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    p.setPen(QPen(QColor(255, 0, 0), std::max(2.0, s / 6), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.2, s * 0.2), QPointF(s * 0.8, s * 0.8));
    p.drawLine(QPointF(s * 0.8, s * 0.2), QPointF(s * 0.2, s * 0.8));
    return image;
}

QImage HowToPlayBackground(int width, int height) {
    QImage image = Blank(width, height, Qt::black);
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
    QImage image = Blank(width, height, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The factor 2 below its product: the lower right part stays free for "x N = ".
    const int tile = std::min(width / 4, height / 2 - 3);
    const QRect top(4, 2, tile, tile);
    const QRect bottom(4, height - tile - 2, tile, tile);
    DrawHueTile(p, top, 40, QString::number(2 * table));
    DrawHueTile(p, bottom, 200, "2");
    // An arrow from the end of the caption up to the product.
    p.setPen(QPen(QColor(192, 192, 192), 2));
    p.setBrush(Qt::NoBrush);
    const QPointF from(width - 10, height - tile / 2.0 - 4);
    const QPointF to(top.right() + 6, top.center().y());
    QPainterPath path(from);
    path.cubicTo(QPointF(width - 4, top.center().y()), QPointF(width - 30, top.center().y()), to);
    p.drawPath(path);
    p.setBrush(QColor(192, 192, 192));
    p.drawPolygon(QPolygonF{to, to + QPointF(7, -4), to + QPointF(7, 4)});
    return image;
}

QImage ArrowKeyPicture(ArrowKey key, int size) {
    QImage image = Blank(size, size, Qt::transparent);
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
