#pragma once
// The plain decisions behind the play field's pictures: palette, geometry, cell colours,
// block numbers, the panel texts and the bevelled boxes. Everything here is a function
// of its arguments, so tests can ask it directly what a pixel or a caption should be.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>

#include "game/screen_case.h"

class QPainter;

namespace quorelin {

// The bevel colours of a colour scheme (1 Simple, 2 Sophisticated).
struct Palette {
    QColor FaceColour;
    QColor LightEdgeColour;
    QColor DarkEdgeColour;
};
Palette PaletteFor(int colorScheme);

// Light, face and dark colour of a block-shaped cell.
struct ThreeTone {
    QColor light;
    QColor face;
    QColor dark;
};
// A number block by colour class (2, 3, 5, 6, 7), kSolved, kStone or kFloor.
ThreeTone CellColours(std::int32_t kind, int colorScheme);
// The bars of the level-end curtain.
ThreeTone CurtainColours(int colorScheme);

// Pitches and sizes of the field in a screen case: small on the 480 class, medium at 600
// in partial-screen mode, large in every other case.
struct FieldGeometry {
    bool small = false;  // the 640 x 480 class: smaller number fonts
    int columnPitch = 41;
    int rowPitch = 29;
    int blockWidth = 40;
    int blockHeight = 28;
    int fieldWidth = 369;
    int fieldHeight = 551;
    int barRight = 368;  // full-width bars end here (exclusive)
};
FieldGeometry GeometryFor(ScreenCase screen);

// The block of a cell (col 1..9, row 1..19); row 19 reaches the field's lower edge.
QRect BlockRect(const FieldGeometry& g, int col, int row);
// The whole pitch of a cell, gaps included: what an erase covers.
QRect CellPitchRect(const FieldGeometry& g, int col, int row);
// A block-high bar over the full width of a row (floor bars, curtain bars).
QRect RowBarRect(const FieldGeometry& g, int row);

// A number as a block shows it: text, size in points, and where its text cell starts
// (relative to the block on the field, absolute in the preview).
struct NumberLabel {
    QString text;
    int points = 0;
    QPoint offset;
};
// On the field a number above 999 is a "*".
NumberLabel FieldNumberLabel(std::int32_t number, const FieldGeometry& g);
// The preview writes up to four digits; only a number above 9999 is a "*".
NumberLabel PreviewNumberLabel(std::int32_t number);

// The preview's block and the clip of its number, in preview image coordinates.
inline constexpr QRect kPreviewBlock{15, 20, 41, 29};
inline constexpr QRect kPreviewNumberClip{17, 22, 36, 24};
// The preview image: the size of its panel.
inline constexpr QSize kPreviewSize{73, 65};

// Paints a cell face: light rectangle, face inset by the light edge (2 pixels for cells,
// 1 for the game-over curtain), dark 2-pixel edge right and bottom.
void PaintThreeTone(QPainter& p, const QRect& r, const ThreeTone& colours, int lightEdge = 2);
// Writes a block number in bold black "Verdana", its text cell at origin + offset,
// clipped to clip.
void PaintNumber(QPainter& p, const NumberLabel& label, const QPoint& origin, const QRect& clip);

// The value panels, the heading and the level-end texts.
QString LevelText(int language, int level);
QString ScoreText(std::int32_t score);
// -1 gives the text without a number.
QString StillText(int language, int columnsNeeded);
QString BonusText(int language, std::int32_t timeTier);
QString NextLevelText(int language, int nextLevel);
// The next-level text while it blinks: " !" at its end in every language.
QString BlinkingNextLevelText(int language, int nextLevel);
QString HeadingText(int language, int table);
// The label over the scheme picture: "7" for tables up to 9, "x 12 =" from 10 on.
QString TableLabelText(int table);

// Lowers a font size one step at a time, at most maxSteps times, while the text is wider
// than maxWidth; widthAt gives the text's width at a size.
int FitFontSize(int size, int maxSteps, int maxWidth, const std::function<int(int)>& widthAt);

// The bevelled frame around the play field, on an image of frame area W x H.
void DrawFieldFrame(QImage& image, int w, int h, const Palette& palette);
// A raised box filling its image, with the bevel from (x0, 1) to (x1, y1).
void DrawRaisedBox(QImage& image, int x0, int x1, int y1, const Palette& palette);
// The 105 x 105 box with a sunken window behind the preview.
void DrawPreviewBox(QImage& image, const Palette& palette);

}  // namespace quorelin
