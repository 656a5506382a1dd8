#include "play/play_widgets.h"

#include <QKeySequence>
#include <QPainter>

#include "kit/device_image.h"
#include "kit/text_fit.h"
#include "kit/widget_style.h"

namespace quorelin {

CanvasImage::CanvasImage(const QSize& canvasSize, QWidget* parent) : QWidget(parent) {
    ResizeCanvas(canvasSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasImage::ResizeCanvas(const QSize& size) {
    canvas_ = DeviceImage(size.width(), size.height(), QImage::Format_RGB32);
    canvas_.fill(Qt::black);
    update();
}

void CanvasImage::MakeEmpty() {
    canvas_ = QImage();
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    update();
}

void CanvasImage::paintEvent(QPaintEvent* /*event*/) {
    if (canvas_.isNull()) {
        return;
    }
    QPainter p(this);
    p.drawImage(rect(), canvas_);
}

CaptionButton::CaptionButton(QWidget* parent) : QPushButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
}

void CaptionButton::SetCaption(const QString& caption) {
    setText(caption);
    FitText(this);
    // The caption's mnemonic would fire as a second press next to the window's own
    // key handling; the window routes Alt+letter itself.
    setShortcut(QKeySequence());
}

QChar CaptionButton::Accelerator() const {
    const QString caption = text();
    const auto at = caption.indexOf('&');
    if (at < 0 || at + 1 >= caption.size()) {
        return {};
    }
    return caption.at(at + 1).toUpper();
}

// A captioned panel: the design's TPanel, a centred text on a coloured ground.
QLabel* MakePanel(QWidget* parent, const char* name, const QRect& place, const QColor& ground,
                  const QFont& font, bool raised) {
    QLabel* panel = MakeLabel(parent, name, place.topLeft(), font);
    panel->resize(place.size());
    panel->setAlignment(Qt::AlignCenter);
    if (raised) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setLineWidth(1);
    }
    SetBackground(panel, ground);
    SetColour(panel, QPalette::WindowText, kBlack);
    return panel;
}

CanvasImage* MakeImage(QWidget* parent, const char* name, const QRect& place) {
    auto* image = new CanvasImage(place.size(), parent);
    image->setObjectName(name);
    image->setGeometry(place);
    return image;
}

CaptionButton* MakeCaptionButton(QWidget* parent, const char* name, const QRect& place,
                                 const QFont& font) {
    auto* button = MakeButton<CaptionButton>(parent, name, place);
    button->setFont(font);
    SetColour(button, QPalette::ButtonText, kNavy);
    button->setCursor(Qt::ArrowCursor);
    return button;
}

}  // namespace quorelin
