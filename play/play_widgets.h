#pragma once
// The kinds of control the play window builds itself: an image that shows a canvas the
// game paints into, a button whose accelerator the window handles itself, and captioned
// panels.
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace quorelin {

// An image control: shows its canvas, stretched to the control's size.
class CanvasImage : public QWidget {
public:
    CanvasImage(const QSize& canvasSize, QWidget* parent);

    // The canvas to paint on; call update() afterwards to show the change.
    QImage& Canvas() { return canvas_; }
    const QImage& Canvas() const { return canvas_; }
    // A new canvas of the given size, black.
    void ResizeCanvas(const QSize& size);
    // No picture at all: the control shows what lies behind it.
    void MakeEmpty();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage canvas_;
};

// A button of the play window. It takes no keyboard focus and registers no shortcut of
// its own: the window turns Alt+letter into a press, so a press acts exactly once.
class CaptionButton : public QPushButton {
public:
    explicit CaptionButton(QWidget* parent);

    // Sets the caption, "&" marking the accelerator letter.
    void SetCaption(const QString& caption);
    // The accelerator letter in upper case, or a null QChar.
    QChar Accelerator() const;

    // The design's tag: on the pause button, 3 once the game has ended.
    int Tag = 0;
};

// The play window's controls, named after their design controls, at their design places.
// A captioned panel: the design's TPanel, a centred text on a coloured ground.
QLabel* MakePanel(QWidget* parent, const char* name, const QRect& place, const QColor& ground,
                  const QFont& font, bool raised);
CanvasImage* MakeImage(QWidget* parent, const char* name, const QRect& place);
// A navy-captioned button with the arrow cursor.
CaptionButton* MakeCaptionButton(QWidget* parent, const char* name, const QRect& place,
                                 const QFont& font);

}  // namespace quorelin
