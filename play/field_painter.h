#pragma once
// Paints the game into the play window: the field and preview canvases, the heading and
// table label, the value panels, the level-end and game-over messages, and the pause
// button's caption. One cell painter serves the field and the preview.
#include <QLabel>
#include <QWidget>

#include "game/host.h"
#include "game/state.h"
#include "play/field_drawing.h"
#include "play/play_widgets.h"

namespace quorelin {

// The play window's controls the game writes to, by their design names.
struct PlayControls {
    CanvasImage* Image3 = nullptr;     // the field
    CanvasImage* Image2 = nullptr;     // the preview
    QLabel* Panel3 = nullptr;          // heading
    QLabel* Label23 = nullptr;         // hidden copy of the heading, for measuring
    QLabel* Label19 = nullptr;         // table label over the scheme picture
    QWidget* Image1 = nullptr;         // scheme picture, Simple
    QWidget* Image20 = nullptr;        // scheme picture, Sophisticated
    QLabel* Panel5 = nullptr;          // level
    QLabel* Panel6 = nullptr;          // score
    QLabel* Panel8 = nullptr;          // columns still needed
    QLabel* label1008 = nullptr;       // "press any key" line
    QLabel* label1009 = nullptr;       // "Game Over"
    QLabel* label1010 = nullptr;       // time bonus
    QLabel* label1011 = nullptr;       // next level
    CaptionButton* BitBtn1 = nullptr;  // pause / proceed; its Tag is the game-ended mark
};

// The game-ended mark on the pause button's tag.
inline constexpr int kGameEndedMark = 3;

class FieldPainter : public PlayView {
public:
    FieldPainter(const Settings& settings, PlayControls& controls);

    // The geometry of the current screen class and window mode.
    FieldGeometry Geometry() const;

    void SetUpHeading(double tableNumber) override;
    void DrawBlock(const Block& block, int col, int row) override;
    void EraseCell(int col, int row) override;
    void DrawSolved(int col, int row) override;
    void DrawStone(int col, int row) override;
    void RedrawField(int raisedRows, const PlayField& field) override;
    void DrawPreview(const Block& next) override;
    void ShowLevel(int level) override;
    void ShowScore(std::int32_t score) override;
    void ShowStill(int columnsNeeded) override;
    void ShowBonus(std::int32_t timeTier) override;
    void ShowNextLevel(int nextLevel) override;
    void BlinkNextLevel(int nextLevel, bool green) override;
    void HideLevelEndMessages() override;
    void DrawCurtainBar(int row) override;
    void WipeRow(int row) override;
    void WipeField() override;
    void MarkGameEnded() override;
    void CloseCurtain(int step) override;
    void ShowGameOver() override;
    void BlinkGameOver(bool yellow) override;

    // A floor bar over the full width of a field row.
    void DrawFloorBar(int row);

private:
    // The one cell painter: a block face in the field, then its number if it has one.
    void PaintCell(const QRect& r, std::int32_t kind);
    void FieldUpdated();
    // The first block step after a pause shows the pause caption again.
    void RestorePauseCaption();
    void PlaceTableLabel(int table);
    void FitHeading(int table);

    const Settings& settings_;
    PlayControls& c_;
};

}  // namespace quorelin
