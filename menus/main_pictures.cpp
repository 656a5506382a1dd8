#include "menus/main_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <array>

#include "kit/device_image.h"
#include "kit/pictures.h"
#include "kit/widget_style.h"

namespace quorelin {
namespace {

// A vertical navy gradient with a thin lighter border, the look of the main window's panels.
void FillNavyPanel(QPainter& p, const QRect& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(20, 30, 150));
    g.setColorAt(1, QColor(0, 0, 70));
    p.fillRect(r, g);
    p.setPen(QColor(60, 70, 190));
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

}  // namespace

QImage BannerPicture(int width, int height) {
    QImage image = BlankPicture(width, height, kNavy);
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
    p.setFont(PixelFont("VAG Rounded Thin", height * 3 / 5, true));
    const QRect text(0, 0, width, height);
    p.setPen(QColor(90, 0, 0));
    p.drawText(text.translated(3, 3), Qt::AlignCenter, "MIRANDOL");
    p.setPen(kRed);
    p.drawText(text, Qt::AlignCenter, "MIRANDOL");
    return image;
}

QImage TablePanelPicture(int width, int height) {
    QImage image = BlankPicture(width, height, kNavy);
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
    QImage image = BlankPicture(width, height, kNavy);
    QPainter p(&image);
    FillNavyPanel(p, LogicalRect(image));
    p.setPen(QColor(0, 0, 40));
    p.drawRect(QRect(2, 2, width - 5, height - 5));
    return image;
}

QImage TitleStripPicture(int width, int height) {
    QImage image = BlankPicture(width, height, kNavy);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    FillNavyPanel(p, LogicalRect(image));
    p.setFont(PixelFont("VAG Rounded Thin", height * 2 / 3, true));
    p.setPen(kRed);
    p.drawText(LogicalRect(image), Qt::AlignCenter, "MIRANDOL");
    return image;
}

QImage CommandGlyphPicture(CommandGlyph glyph, int size) {
    QImage image = BlankPicture(size, size, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    switch (glyph) {
        case CommandGlyph::Info: {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 200));
            p.drawEllipse(QRectF(0.5, 0.5, s - 1, s - 1));
            p.setFont(PixelFont("MS Serif", size * 3 / 4, true));
            p.setPen(Qt::white);
            p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, "i");
            break;
        }
        case CommandGlyph::Sound:
        case CommandGlyph::Music: {
            p.setPen(Qt::NoPen);
            p.setBrush(kMaroon);
            if (glyph == CommandGlyph::Sound) {
                const QPolygonF speaker{{s * 0.1, s * 0.35}, {s * 0.3, s * 0.35},
                                        {s * 0.55, s * 0.1}, {s * 0.55, s * 0.9},
                                        {s * 0.3, s * 0.65}, {s * 0.1, s * 0.65}};
                p.drawPolygon(speaker);
                p.setPen(QPen(kMaroon, std::max(1.0, s / 12)));
                p.setBrush(Qt::NoBrush);
                p.drawArc(QRectF(s * 0.45, s * 0.25, s * 0.35, s * 0.5), -60 * 16, 120 * 16);
                p.drawArc(QRectF(s * 0.4, s * 0.1, s * 0.55, s * 0.8), -60 * 16, 120 * 16);
            } else {
                p.drawEllipse(QRectF(s * 0.1, s * 0.65, s * 0.35, s * 0.28));
                p.drawEllipse(QRectF(s * 0.55, s * 0.55, s * 0.35, s * 0.28));
                p.setPen(QPen(kMaroon, std::max(1.0, s / 10)));
                p.drawLine(QPointF(s * 0.42, s * 0.78), QPointF(s * 0.42, s * 0.12));
                p.drawLine(QPointF(s * 0.87, s * 0.68), QPointF(s * 0.87, s * 0.05));
                p.drawLine(QPointF(s * 0.42, s * 0.12), QPointF(s * 0.87, s * 0.05));
            }
            break;
        }
        case CommandGlyph::Language: {
            p.setPen(QPen(kNavy, 1));
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
            p.setBrush(kMaroon);
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

}  // namespace quorelin
