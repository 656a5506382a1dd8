#include "shell/options_window.h"

#include <QKeyEvent>
#include <array>

#include "game/language.h"
#include "shell/widget_style.h"

namespace quorelin {
namespace {

constexpr const char* kEnglishHint =
    "If it takes a lot of time to start the program, perhaps you´d better use the MsDos "
    "version Pelmosar.";
constexpr std::array<const char*, 5> kSlowStartHint{
    kEnglishHint,
    "Si arrancar el programa cuesta mucho tiempo, podrías utilizar la versión Msdos Pelmosar.",
    "Als het opstarten veel tijd kost, kun je eventueel de Msdos versie Pelmosar gebruiken.",
    "As it opstarten in protte tiid kostet, kinst ek de Msdos ferzje Pelmosar brûke.",
    kEnglishHint};

}  // namespace

const char* SlowStartHint(int language) {
    return kSlowStartHint[LanguageIndex(language)];
}

OptionsWindow::OptionsWindow() {
    setObjectName("Form3");
    setWindowTitle(" Mirandol Tables");
    setFixedSize(510, 394);
    SetBackground(this, QColor(192, 192, 192));

    BitBtn2 = new QPushButton("&Proceed", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setGeometry(360, 296, 113, 29);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::close);

    Label111 = new QLabel(this);
    Label111->setObjectName("Label111");
    Label111->setGeometry(24, 336, 470, 32);
    Label111->setWordWrap(true);
    SetColour(Label111, QPalette::WindowText, QColor(128, 0, 0));
    Label111->hide();
}

void OptionsWindow::ShowSlowStartHint(int language) {
    Label111->setText(QString::fromUtf8(SlowStartHint(language)));
    Label111->show();
}

void OptionsWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
    close();
}

}  // namespace quorelin
