#include "play/play_widgets.h"

#include <QKeySequence>
#include <QPainter>

#include "kit/device_image.h"
#include "kit/text_fit.h"

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

}  // namespace quorelin
