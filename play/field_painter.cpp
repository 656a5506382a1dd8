#include "play/field_painter.h"

#include <QPainter>

#include "game/rounding.h"
#include "kit/device_image.h"
#include "kit/text_fit.h"
#include "kit/widget_style.h"
#include "play/play_texts.h"

namespace quorelin {
namespace {

using play_texts::TextFor;

const QColor kOrange(255, 156, 57);
const QColor kGreen(0, 128, 0);

// A label's width at a point size once it has sized itself to its text.
int WidthAtPoints(QLabel* label, int points) {
    QFont font = label->font();
    font.setPointSize(points);
    label->setFont(font);
    label->adjustSize();
    return label->width();
}

}  // namespace

FieldPainter::FieldPainter(const Settings& settings, PlayControls& controls)
    : settings_(settings), c_(controls) {}

FieldGeometry FieldPainter::Geometry() const {
    return GeometryFor(ScreenCaseFor(settings_));
}

void FieldPainter::SetUpHeading(double tableNumber) {
    // The table is a whole number; from here on the painter counts it as one.
    const int table = RoundToInt(tableNumber);
    PlaceTableLabel(table);
    FitHeading(table);
}

void FieldPainter::PlaceTableLabel(int table) {
    const QWidget* ref = settings_.ColorScheme == 2 ? c_.Image20 : c_.Image1;
    const QPoint at = ref->pos();
    const bool oneDigit = table < 10;
    // Left, top, the top of a shrunk label's bottom line, widest width and start size.
    const int left = at.x() + (oneDigit ? 52 : 38);
    const int top = at.y() + (oneDigit ? 96 : 103);
    const int bottom = at.y() + (oneDigit ? 121 : 119);
    const int widest = oneDigit ? 14 : 53;
    const int points = oneDigit ? 16 : 10;

    QLabel* label = c_.Label19;
    label->setText(TableLabelText(table));
    const int width = WidthAtPoints(label, points);
    label->move(left, top);
    if (width > widest) {
        const int fitted =
            FitFontSize(points, 5, widest, [&](int size) { return WidthAtPoints(label, size); });
        WidthAtPoints(label, fitted);
        label->move(left, bottom - label->height());
    }
    label->raise();
}

void FieldPainter::FitHeading(int table) {
    const QString text = HeadingText(settings_.Language, table);
    const int start = (settings_.Language == 1 || settings_.Language == 5) ? 25 : 18;
    c_.Label23->setText(text);
    const int fitted =
        FitFontSize(start, 4, 140, [&](int size) { return WidthAtPoints(c_.Label23, size); });
    WidthAtPoints(c_.Label23, fitted);
    QFont font = c_.Panel3->font();
    font.setPointSize(fitted);
    c_.Panel3->setFont(font);
    c_.Panel3->setText(text);
    c_.Panel3->setVisible(true);
}

void FieldPainter::PaintCell(const QRect& r, std::int32_t kind) {
    QPainter p(&c_.Image3->Canvas());
    PaintThreeTone(p, r, CellColours(kind, settings_.ColorScheme));
}

void FieldPainter::FieldUpdated() {
    c_.Image3->update();
}

void FieldPainter::DrawBlock(const Block& block, int col, int row) {
    const FieldGeometry g = Geometry();
    const QRect r = BlockRect(g, col, row);
    {
        QPainter p(&c_.Image3->Canvas());
        PaintThreeTone(p, r, CellColours(block.colourClass, settings_.ColorScheme));
        PaintNumber(p, FieldNumberLabel(block.number, g), r.topLeft(), r.adjusted(2, 2, -2, -2));
    }
    FieldUpdated();
    RestorePauseCaption();
}

void FieldPainter::RestorePauseCaption() {
    const QString caption = c_.BitBtn1->text();
    if (caption == "&Pause" || caption == "&Pausa" || caption == "&Pauze") {
        return;
    }
    c_.BitBtn1->SetCaption(TextFor(play_texts::kPauseRunning, settings_.Language));
}

void FieldPainter::EraseCell(int col, int row) {
    QPainter(&c_.Image3->Canvas()).fillRect(CellPitchRect(Geometry(), col, row), Qt::black);
    FieldUpdated();
}

void FieldPainter::DrawSolved(int col, int row) {
    PaintCell(BlockRect(Geometry(), col, row), kSolved);
    FieldUpdated();
}

void FieldPainter::DrawStone(int col, int row) {
    PaintCell(BlockRect(Geometry(), col, row), kStone);
    FieldUpdated();
}

void FieldPainter::DrawFloorBar(int row) {
    PaintCell(RowBarRect(Geometry(), row), kFloor);
    FieldUpdated();
}

void FieldPainter::RedrawField(int raisedRows, const PlayField& field) {
    for (int row = 1; row <= 18; ++row) {
        for (int col = 1; col <= PlayField::kColumns; ++col) {
            const Cell& cell = field.at(col, row);
            if (cell.kind == kSolved) {
                DrawSolved(col, row);
            } else if (cell.kind == kStone) {
                DrawStone(col, row);
            } else if (IsNumberBlock(cell.kind)) {
                DrawBlock(Block{cell.value, cell.kind}, col, row);
            }
        }
    }
    for (int k = 1; k <= raisedRows && 20 - k >= 1; ++k) {
        DrawFloorBar(20 - k);
    }
}

void FieldPainter::DrawPreview(const Block& next) {
    QImage& canvas = c_.Image2->Canvas();
    {
        QPainter p(&canvas);
        p.fillRect(LogicalRect(canvas), Qt::black);
        PaintThreeTone(p, kPreviewBlock, CellColours(next.colourClass, settings_.ColorScheme));
        PaintNumber(p, PreviewNumberLabel(next.number), QPoint(0, 0), kPreviewNumberClip);
    }
    c_.Image2->update();
}

void FieldPainter::ShowLevel(int level) {
    c_.Panel5->setText(LevelText(settings_.Language, level));
}

void FieldPainter::ShowScore(std::int32_t score) {
    c_.Panel6->setText(ScoreText(score));
    if (score > 1000) {
        QFont font = c_.Panel6->font();
        font.setPointSize(7);
        c_.Panel6->setFont(font);
    }
}

void FieldPainter::ShowStill(int columnsNeeded) {
    SetColour(c_.Panel8, QPalette::WindowText, kBlack);
    c_.Panel8->setText(StillText(settings_.Language, columnsNeeded));
}

void FieldPainter::ShowBonus(std::int32_t timeTier) {
    SetBackground(c_.label1010, PaletteFor(settings_.ColorScheme).FaceColour);
    if (timeTier == 0) {
        c_.label1010->hide();
        c_.label1010->clear();
        return;
    }
    c_.label1010->setText(BonusText(settings_.Language, timeTier));
    c_.label1010->show();
    c_.label1010->raise();
}

void FieldPainter::ShowNextLevel(int nextLevel) {
    SetBackground(c_.label1011, PaletteFor(settings_.ColorScheme).FaceColour);
    c_.label1011->setText(NextLevelText(settings_.Language, nextLevel));
    c_.label1011->show();
    c_.label1011->raise();
}

void FieldPainter::BlinkNextLevel(int nextLevel, bool green) {
    c_.label1011->setText(BlinkingNextLevelText(settings_.Language, nextLevel));
    SetColour(c_.label1011, QPalette::WindowText, green ? kGreen : kYellow);
}

void FieldPainter::HideLevelEndMessages() {
    c_.label1010->hide();
    c_.label1011->hide();
}

void FieldPainter::DrawCurtainBar(int row) {
    QPainter p(&c_.Image3->Canvas());
    PaintThreeTone(p, RowBarRect(Geometry(), row), CurtainColours(settings_.ColorScheme));
    FieldUpdated();
}

void FieldPainter::WipeRow(int row) {
    const FieldGeometry g = Geometry();
    const int top = (row - 1) * g.rowPitch;
    const int height = row == 19 ? g.fieldHeight - top : g.rowPitch;
    QPainter(&c_.Image3->Canvas()).fillRect(0, top, g.fieldWidth, height, Qt::black);
    FieldUpdated();
}

void FieldPainter::WipeField() {
    const FieldGeometry g = Geometry();
    QPainter(&c_.Image3->Canvas()).fillRect(0, 0, g.fieldWidth, g.fieldHeight, Qt::black);
    FieldUpdated();
}

void FieldPainter::MarkGameEnded() {
    c_.BitBtn1->Tag = kGameEndedMark;
    c_.BitBtn1->SetCaption(TextFor(play_texts::kPauseAfterGame, settings_.Language));
}

void FieldPainter::CloseCurtain(int step) {
    const FieldGeometry g = Geometry();
    const int height = step >= 9 ? g.fieldHeight : 2 * step * g.rowPitch;
    QPainter p(&c_.Image3->Canvas());
    PaintThreeTone(p, QRect(0, 0, g.fieldWidth, height), CurtainColours(settings_.ColorScheme), 1);
    FieldUpdated();
}

void FieldPainter::ShowGameOver() {
    const QColor face = PaletteFor(settings_.ColorScheme).FaceColour;
    SetBackground(c_.label1008, face);
    SetColour(c_.label1008, QPalette::WindowText, kYellow);
    c_.label1008->setText(TextFor(play_texts::kPressAnyKey, settings_.Language));
    FitText(c_.label1008);
    c_.label1008->show();
    c_.label1008->raise();
    SetBackground(c_.label1009, face);
    c_.label1009->setText(Text(play_texts::kGameOver));
    c_.label1009->show();
    c_.label1009->raise();
}

void FieldPainter::BlinkGameOver(bool yellow) {
    const QColor warm = settings_.ColorScheme == 2 ? kOrange : kRed;
    SetColour(c_.label1009, QPalette::WindowText, yellow ? kYellow : warm);
}

}  // namespace quorelin
