#include "scores/scores_pictures.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>

#include "kit/device_image.h"
#include "kit/widget_style.h"
#include "scores/scores_layout.h"
#include "scores/scores_texts.h"

namespace quorelin {
namespace {

QColor ShadowColour(int colorScheme) {
    return colorScheme == 2 ? QColor(80, 0, 0) : kBlack;
}

// A picture's dark red ground.
QImage Ground(int width, int height) {
    QImage image = DeviceImage(width, height, QImage::Format_RGB32);
    image.fill(kMaroon);
    return image;
}

// A two-pixel bevel: `topLeft` on the top and left edges, `bottomRight` on the others.
void DrawBevel(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    for (int i = 0; i < 2; ++i) {
        const int x1 = r.left() + i;
        const int y1 = r.top() + i;
        const int x2 = r.right() - i;
        const int y2 = r.bottom() - i;
        p.fillRect(QRect(QPoint(x1, y2), QPoint(x2, y2)), bottomRight);
        p.fillRect(QRect(QPoint(x2, y1), QPoint(x2, y2)), bottomRight);
        p.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y1)), topLeft);
        p.fillRect(QRect(QPoint(x1, y1), QPoint(x1, y2 - 1)), topLeft);
    }
}

}  // namespace

QImage PaintListArea(int colorScheme) {
    // The background's raised ground, with two sunken boxes in it.
    QImage image = PaintScoresBackground(colorScheme, kListAreaWidth, kListAreaHeight);
    QPainter p(&image);
    const QColor shadow = ShadowColour(colorScheme);
    for (const QRect& box : kListColumnBoxes) {
        DrawBevel(p, box, shadow, kRed);
    }
    return image;
}

QImage PaintScoresBanner(int colorScheme, int width, int height) {
    QImage image = Ground(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, colorScheme == 2);
    p.setRenderHint(QPainter::TextAntialiasing, colorScheme == 2);
    QFont font = PixelFont("VAG Rounded Thin", height * 7 / 10, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, height / 20.0);
    const QString text = Text(scores_texts::kBannerText);
    // Shrink until the words fit with a margin.
    while (QFontMetrics(font).horizontalAdvance(text) > width - 20 && font.pixelSize() > 8) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    QPainterPath path;
    const QFontMetrics metrics(font);
    const double x = (width - metrics.horizontalAdvance(text)) / 2.0;
    const double y = (height + metrics.ascent() - metrics.descent()) / 2.0;
    path.addText(x, y, font, text);
    const int depth = std::max(2, height / 25);
    p.fillPath(path.translated(depth, depth), ShadowColour(colorScheme));
    if (colorScheme == 2) {
        QLinearGradient gold(0, y - metrics.ascent(), 0, y);
        gold.setColorAt(0, QColor(255, 255, 160));
        gold.setColorAt(0.5, kYellow);
        gold.setColorAt(1, QColor(230, 180, 0));
        p.fillPath(path, gold);
    } else {
        p.fillPath(path, kYellow);
    }
    return image;
}

QImage PaintScoresBackground(int colorScheme, int width, int height) {
    QImage image = Ground(width, height);
    QPainter p(&image);
    DrawBevel(p, LogicalRect(image), kRed, ShadowColour(colorScheme));
    return image;
}

void PaintRaisedPanel(QPainter& p, const QRect& r, int colorScheme) {
    p.fillRect(r, kMaroon);
    DrawBevel(p, r, kRed, ShadowColour(colorScheme));
}

}  // namespace quorelin
