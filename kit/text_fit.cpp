#include "kit/text_fit.h"

#include <QFontMetrics>
#include <QVariant>
#include <algorithm>

namespace quorelin {
namespace {

constexpr const char* kOwnFont = "quorelinOwnFont";
constexpr int kSmallestPixels = 7;

// The font the control had before any fitting.
QFont OwnFont(QWidget* control) {
    const QVariant own = control->property(kOwnFont);
    if (own.isValid()) {
        return own.value<QFont>();
    }
    control->setProperty(kOwnFont, control->font());
    return control->font();
}

int Widest(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& line : text.split('\n')) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

// The control's own font, or a smaller one in which the text takes at most `room`.
void Fit(QWidget* control, const QString& text, int room) {
    QFont font = OwnFont(control);
    int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    while (Widest(font, text) > room && pixels > kSmallestPixels) {
        font.setPixelSize(--pixels);
    }
    control->setFont(font);
}

// The caption as drawn: "&&" is an ampersand, a single "&" marks the accelerator.
QString Drawn(QString caption) {
    caption.replace("&&", QChar(1));
    caption.remove('&');
    caption.replace(QChar(1), '&');
    return caption;
}

}  // namespace

void FitText(QLabel* label) {
    if (label->wordWrap()) {
        return;
    }
    const int room = label->width() - 2 * label->frameWidth() - 2 * label->margin() -
                     std::max(0, label->indent());
    Fit(label, label->text(), room);
}

void FitText(QAbstractButton* button) {
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    Fit(button, Drawn(button->text()), button->width() - icon - 6);
}

}  // namespace quorelin
