#include "play/field_drawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <initializer_list>

#include "game/rules.h"
#include "kit/device_image.h"
#include "kit/widget_style.h"
#include "play/play_texts.h"

namespace quorelin {
namespace {

using play_texts::TextFor;

bool Sophisticated(int colorScheme) {
    return colorScheme == 2;
}

// A filled polygon; the bevels of the boxes also draw their outline in the same colour,
// which makes their thin slivers one pixel wider, as the boxes were designed.
void FillPolygon(QPainter& p, const QColor& colour, std::initializer_list<QPoint> points,
                 bool outline) {
    p.setPen(outline ? QPen(colour, 0) : QPen(Qt::NoPen));
    p.setBrush(colour);
    p.drawPolygon(QPolygon(QList<QPoint>(points)));
}

}  // namespace

Palette PaletteFor(int colorScheme) {
    if (Sophisticated(colorScheme)) {
        return {QColor(0, 0, 119), QColor(48, 48, 136), QColor(16, 16, 56)};
    }
    return {kNavy, QColor(0, 0, 193), kBlack};
}

ThreeTone CellColours(std::int32_t kind, int colorScheme) {
    const bool soph = Sophisticated(colorScheme);
    switch (kind) {
        case kMultipleOf3:
            return soph ? ThreeTone{{193, 248, 191}, {51, 231, 41}, {12, 74, 9}}
                        : ThreeTone{{255, 255, 255}, {0, 255, 0}, {0, 128, 64}};
        case kEvenNumber:
            return soph ? ThreeTone{{220, 220, 255}, {35, 208, 239}, {71, 71, 104}}
                        : ThreeTone{{255, 255, 255}, {0, 255, 255}, {128, 128, 128}};
        case kMultipleOf5:
            return soph ? ThreeTone{{251, 215, 250}, {243, 139, 241}, {132, 13, 129}}
                        : ThreeTone{{255, 255, 255}, {255, 0, 255}, {128, 0, 128}};
        case kMultipleOf4:
            return soph ? ThreeTone{{248, 230, 197}, {210, 146, 26}, {101, 70, 12}}
                        : ThreeTone{{255, 255, 255}, {255, 255, 0}, {128, 128, 128}};
        case kSolved:
            return soph ? ThreeTone{{205, 203, 237}, {23, 18, 243}, {17, 5, 116}}
                        : ThreeTone{{192, 192, 192}, {0, 0, 255}, {0, 0, 128}};
        case kStone:
            return soph ? ThreeTone{{213, 218, 219}, {136, 141, 145}, {49, 55, 69}}
                        : ThreeTone{{192, 192, 192}, {128, 128, 128}, {64, 0, 64}};
        case kFloor:
            return soph ? ThreeTone{{239, 195, 190}, {254, 27, 1}, {129, 17, 1}}
                        : ThreeTone{{192, 192, 192}, {255, 0, 0}, {128, 0, 0}};
        case kOtherNumber:
        default:
            return soph ? ThreeTone{{230, 228, 235}, {179, 184, 202}, {49, 45, 62}}
                        : ThreeTone{{255, 255, 255}, {192, 192, 192}, {128, 128, 128}};
    }
}

ThreeTone CurtainColours(int colorScheme) {
    const Palette palette = PaletteFor(colorScheme);
    return {palette.LightEdgeColour, palette.FaceColour, kBlack};
}

FieldGeometry GeometryFor(ScreenCase screen) {
    constexpr FieldGeometry kSmall{true, 30, 21, 29, 20, 270, 399, 269};
    constexpr FieldGeometry kMedium{false, 38, 27, 37, 26, 342, 513, 341};
    constexpr FieldGeometry kLarge{false, 41, 29, 40, 28, 369, 551, 368};
    constexpr ByCase<FieldGeometry> kGeometry{kSmall, kSmall, kLarge, kMedium, kLarge, kLarge};
    return At(kGeometry, screen);
}

QRect BlockRect(const FieldGeometry& g, int col, int row) {
    const int bottomFix = row == 19 ? 1 : 0;
    return {(col - 1) * g.columnPitch, (row - 1) * g.rowPitch, g.blockWidth,
            g.blockHeight + bottomFix};
}

QRect CellPitchRect(const FieldGeometry& g, int col, int row) {
    return {(col - 1) * g.columnPitch, (row - 1) * g.rowPitch, g.columnPitch, g.rowPitch};
}

QRect RowBarRect(const FieldGeometry& g, int row) {
    const int bottomFix = row == 19 ? 1 : 0;
    return {0, (row - 1) * g.rowPitch, g.barRight, g.blockHeight + bottomFix};
}

NumberLabel FieldNumberLabel(std::int32_t number, const FieldGeometry& g) {
    const QString text = number > 999 ? QStringLiteral("*") : QString::number(number);
    const auto length = text.size();
    if (g.small) {
        if (length == 1) {
            return {text, 7, {9, 4}};
        }
        return {text, 6, length == 2 ? QPoint(8, 5) : QPoint(5, 5)};
    }
    if (length == 1) {
        return {text, 11, {12, 5}};
    }
    if (length == 2) {
        return {text, 10, {9, 6}};
    }
    return {text, 8, {7, 8}};
}

NumberLabel PreviewNumberLabel(std::int32_t number) {
    const QString text = number > 9999 ? QStringLiteral("*") : QString::number(number);
    switch (text.size()) {
        case 1:
            return {text, 11, {27, 25}};
        case 2:
            return {text, 10, {24, 26}};
        case 3:
            return {text, 8, {22, 27}};
        default:
            return {text, 8, {18, 27}};
    }
}

void PaintThreeTone(QPainter& p, const QRect& r, const ThreeTone& colours, int lightEdge) {
    p.fillRect(r, colours.light);
    p.fillRect(r.adjusted(lightEdge, lightEdge, -2, -2), colours.face);
    const int left = r.x();
    const int top = r.y();
    const int right = r.x() + r.width();
    const int bottom = r.y() + r.height();
    FillPolygon(p, colours.dark,
                {{left, bottom},
                 {right, bottom},
                 {right, top},
                 {right - 2, top + 2},
                 {right - 2, bottom - 2},
                 {left + 2, bottom - 2}},
                false);
}

void PaintNumber(QPainter& p, const NumberLabel& label, const QPoint& origin, const QRect& clip) {
    p.save();
    p.setClipRect(clip);
    p.setFont(PointFont("Verdana", label.points, true));
    p.setPen(Qt::black);
    const QPoint cell = origin + label.offset;
    p.drawText(cell.x(), cell.y() + p.fontMetrics().ascent(), label.text);
    p.restore();
}

QString LevelText(int language, int level) {
    return TextFor(play_texts::kLevelPrefix, language) + QString::number(level);
}

QString ScoreText(std::int32_t score) {
    return QStringLiteral("Score:") + (score <= 9 ? QStringLiteral("  ") : QStringLiteral(" ")) +
           QString::number(score);
}

QString StillText(int language, int columnsNeeded) {
    const QString prefix = TextFor(play_texts::kStillPrefix, language);
    return columnsNeeded == -1 ? prefix : prefix + QString::number(columnsNeeded);
}

QString BonusText(int language, std::int32_t timeTier) {
    const auto& words = timeTier == 1 ? play_texts::kBonusPoint : play_texts::kBonusPoints;
    return QString::number(timeTier) + TextFor(words, language);
}

QString NextLevelText(int language, int nextLevel) {
    return TextFor(play_texts::kNextLevelPrefix, language) + QString::number(nextLevel) +
           TextFor(play_texts::kNextLevelSuffix, language);
}

QString BlinkingNextLevelText(int language, int nextLevel) {
    return TextFor(play_texts::kNextLevelPrefix, language) + QString::number(nextLevel) +
           QStringLiteral(" !");
}

QString HeadingText(int language, int table) {
    return TextFor(play_texts::kHeadingPrefix, language) + QString::number(table);
}

QString TableLabelText(int table) {
    if (table < 10) {
        return QString::number(table);
    }
    return QStringLiteral("x ") + QString::number(table) + QStringLiteral(" =");
}

int FitFontSize(int size, int maxSteps, int maxWidth, const std::function<int(int)>& widthAt) {
    // A font never shrinks below one point, however long the text.
    for (int step = 0; step < maxSteps && size > 1 && widthAt(size) > maxWidth; ++step) {
        --size;
    }
    return size;
}

void DrawFieldFrame(QImage& image, int w, int h, const Palette& palette) {
    QPainter p(&image);
    const int W = w;
    const int H = h;
    FillPolygon(p, palette.LightEdgeColour,
                {{1, 0}, {1, H}, {2, H - 1}, {2, 1}, {W - 1, 1}, {W, 0}}, true);
    FillPolygon(
        p, palette.LightEdgeColour,
        {{9, H - 10}, {W - 8, H - 10}, {W - 8, 10}, {W - 9, 11}, {W - 9, H - 11}, {11, H - 11}},
        true);
    FillPolygon(p, Qt::black,
                {{9, 7}, {9, H - 12}, {10, H - 13}, {11, H - 14}, {11, 8}, {W - 10, 8}, {W - 9, 7}},
                true);
    FillPolygon(p, palette.DarkEdgeColour,
                {{1, H}, {W + 1, H}, {W + 1, 0}, {W - 1, 1}, {W - 1, H - 2}, {2, H - 2}}, true);
}

void DrawRaisedBox(QImage& image, int x0, int x1, int y1, const Palette& palette) {
    QPainter p(&image);
    const int w = LogicalRect(image).width();
    const int h = LogicalRect(image).height();
    FillPolygon(p, palette.FaceColour, {{0, h}, {w, h}, {w, 0}, {0, 0}}, true);
    FillPolygon(p, palette.LightEdgeColour,
                {{x0, 1}, {x0, y1}, {x0 + 1, y1 - 1}, {x0 + 1, 2}, {x1 - 1, 2}, {x1, 1}}, true);
    FillPolygon(p, palette.DarkEdgeColour,
                {{x0, y1}, {x1, y1}, {x1, 1}, {x1 - 1, 2}, {x1 - 1, y1 - 1}, {x0 + 1, y1 - 1}},
                true);
}

void DrawPreviewBox(QImage& image, const Palette& palette) {
    QPainter p(&image);
    FillPolygon(p, palette.LightEdgeColour,
                {{0, 0}, {0, 105}, {1, 104}, {1, 1}, {104, 1}, {105, 0}}, true);
    FillPolygon(p, palette.FaceColour, {{1, 1}, {1, 104}, {104, 104}, {104, 1}}, true);
    FillPolygon(p, palette.LightEdgeColour,
                {{16, 97}, {90, 97}, {90, 32}, {89, 33}, {89, 97}, {17, 97}}, true);
    FillPolygon(p, palette.DarkEdgeColour,
                {{0, 105}, {105, 105}, {105, 0}, {104, 1}, {104, 104}, {1, 104}}, true);
    FillPolygon(p, palette.DarkEdgeColour,
                {{15, 97}, {16, 97}, {16, 32}, {89, 32}, {90, 31}, {15, 31}}, true);
}

}  // namespace quorelin
