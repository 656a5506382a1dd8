#include "startup/splash_window.h"

#include <QFrame>
#include <QPixmap>
#include <array>

#include "game/language.h"
#include "kit/pictures.h"
#include "kit/widget_style.h"

namespace quorelin {
namespace {

constexpr std::array<const char*, 5> kLoadingText{"Loading....", "Cargando..", "Aan het laden..",
                                                  "Loading....", "Loading...."};

QLabel* AddLabel(QWidget* parent, const QString& text, const QColor& colour, int pixels, bool bold,
                 int x, int y) {
    auto* label = new QLabel(text, parent);
    QFont font("MS Sans Serif");
    font.setPixelSize(pixels);
    font.setBold(bold);
    label->setFont(font);
    SetColour(label, QPalette::WindowText, colour);
    label->move(x, y);
    label->adjustSize();
    return label;
}

}  // namespace

const char* LoadingText(int language) {
    return kLoadingText[LanguageIndex(language)];
}

SplashWindow::SplashWindow() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("Form5");
    setFixedSize(kWidth, kHeight);

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setGeometry(0, 0, kWidth, kHeight);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    SetBackground(panel, kSilver);

    auto* icon = new QLabel(panel);
    icon->setObjectName("Image1");
    icon->setPixmap(QPixmap::fromImage(ProgramIcon(32)));
    icon->setGeometry(14, 16, 32, 32);

    AddLabel(panel, "Mirandol", kNavy, 19, true, 60, 18)->setObjectName("Label1");
    AddLabel(panel, "Tables", kMaroon, 11, false, 60, 50)->setObjectName("Label2");
    AddLabel(panel, "Tablas", QColor(0, 128, 0), 11, false, 108, 50)->setObjectName("Label3");
    AddLabel(panel, "Tafels", QColor(128, 0, 128), 11, false, 156, 50)->setObjectName("Label4");
    AddLabel(panel, "Einmaleins", QColor(0, 128, 128), 11, false, 108, 66)->setObjectName("Label5");
    loadingLabel_ = AddLabel(panel, LoadingText(1), Qt::black, 15, false, 60, 108);
    loadingLabel_->setObjectName("Label6");
}

void SplashWindow::SetLanguage(int language) {
    loadingLabel_->setText(LoadingText(language));
    loadingLabel_->adjustSize();
}

}  // namespace quorelin
