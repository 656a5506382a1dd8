#include "menus/options_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <array>

#include "game/language.h"
#include "game/rounding.h"
#include "kit/keys.h"
#include "kit/platform.h"
#include "kit/widget_style.h"
#include "kit/window_frame.h"
#include "menus/close_box_only.h"
#include "menus/options_pictures.h"
#include "menus/options_texts.h"

namespace quorelin {
namespace {

using namespace options_texts;

constexpr int kClientWidth = 510;
constexpr int kClientHeight = 394;
constexpr int kGermanOuterWidth = 520;
constexpr std::array<int, kTextRowCount> kTextRowTops{100, 123, 147, 170, 195, 220, 235, 263};
constexpr int kMessagePixels = 11;
// How long after a mode switch a lost activation is still taken for the switch's own.
constexpr qint64 kSwitchSettleMs = 400;

QFrame* MakeRule(QWidget* parent, const char* name, int left, int top) {
    auto* rule = new QFrame(parent);
    rule->setObjectName(name);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    rule->setGeometry(left, top, 465, 2);
    return rule;
}

void SetButton(QPushButton* button, const char* caption, const char* hint) {
    button->setText(Text(caption));
    button->setToolTip(Text(hint));
}

}  // namespace

const char* SlowStartHint(int language) {
    return kSlowStartHint[LanguageIndex(language)];
}

OptionsWindow::OptionsWindow(Settings& settings)
    : settings_(settings), beep_([this] { BeepIfSoundOn(settings_); }) {
    setObjectName("Form3");
    // A fixed dialog with only the close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(Text(kWindowTitle[0]));
    setFixedSize(kClientWidth, kClientHeight);
    SetBackground(this, kSilver);

    label1 = PlainLabel("label1", 0, 16);
    // A narrow face, so that the longest slogan stays inside the window.
    label1->setFont(PixelFont("Tahoma", 16, true));
    SetColour(label1, QPalette::WindowText, kNavy);
    Bevel2 = MakeRule(this, "Bevel2", 16, 48);
    Image2 = MakePicture(this, "Image2", OptionsPicture(135, 171), 31, 80);
    label11 = PlainLabel("label11", 192, 75);
    label11->setFont(PixelFont("MS Sans Serif", 11, true));
    label3 = PlainLabel("label3", 192, kTextRowTops[0]);
    label5 = PlainLabel("label5", 192, kTextRowTops[1]);
    label4 = PlainLabel("label4", 192, kTextRowTops[2]);
    label12 = PlainLabel("label12", 192, kTextRowTops[3]);
    label8 = PlainLabel("label8", 192, kTextRowTops[4]);
    label9 = PlainLabel("label9", 192, kTextRowTops[5]);
    label10 = PlainLabel("label10", 192, kTextRowTops[6]);
    label2 = PlainLabel("label2", 192, kTextRowTops[7]);
    for (QLabel* row : TextRows()) {
        row->setFont(PixelFont("MS Sans Serif", 9));
    }
    Bevel3 = MakeRule(this, "Bevel3", 16, 280);

    BitBtn1 = MakeButton(this, "BitBtn1", QRect(32, 296, 145, 29));
    BitBtn3 = MakeButton(this, "BitBtn3", QRect(192, 296, 153, 29));
    BitBtn2 = MakeButton(this, "BitBtn2", QRect(360, 296, 113, 29));
    for (QPushButton* button : {BitBtn1, BitBtn3, BitBtn2}) {
        button->setFont(PixelFont("Tahoma", 12));
    }
    BitBtn2->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &OptionsWindow::SilenceClick);
    connect(BitBtn3, &QPushButton::clicked, this, &OptionsWindow::ScreenModeClick);
    connect(BitBtn2, &QPushButton::clicked, this, &QWidget::close);

    Label111 = PlainLabel("Label111", 24, 336);
    SetColour(Label111, QPalette::WindowText, kMaroon);
    Label111->hide();
    Label6 = PlainLabel("Label6", 32, 352);
    SetColour(Label6, QPalette::WindowText, kMaroon);
    Label6->hide();
    Label7 = PlainLabel("Label7", 192, 368);
    Label7->setFont(PixelFont("MS Sans Serif", kMessagePixels, false, true));
    Label7->setText(Text(kNoSoundNote));
    Label7->adjustSize();

    // Every key reaches the window first, also those a focused button would take.
    installEventFilter(this);
    for (QPushButton* button : {BitBtn1, BitBtn3, BitBtn2}) {
        button->installEventFilter(this);
    }
}

QLabel* OptionsWindow::PlainLabel(const char* name, int left, int top) {
    QLabel* label = MakeLabel(this, name, {left, top}, PixelFont("MS Sans Serif", kMessagePixels));
    SetColour(label, QPalette::WindowText, kBlack);
    return label;
}

std::array<QLabel*, 8> OptionsWindow::TextRows() const {
    return {label3, label5, label4, label12, label8, label9, label10, label2};
}

void OptionsWindow::FormShow() {
    const std::size_t i = LanguageIndex(settings_.Language);
    setWindowTitle(Text(kWindowTitle[i]));
    // German has the wider window, measured from the outside.
    setFixedWidth(
        i == 4 ? ClientSizeFor(*this, {kGermanOuterWidth, OuterSizeOf(*this).height()}).width()
               : kClientWidth);

    label1->setText(Text(kSlogan[i]));
    label1->adjustSize();
    label11->setText(Text(kVersionLine[i]));
    label11->adjustSize();
    const std::array<QLabel*, kTextRowCount> rows = TextRows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        rows[row]->setText(Text(kTextRows[i][row]));
        rows[row]->adjustSize();
    }

    if (settings_.SoundEffects == 1) {
        SetButton(BitBtn1, kSilenceCaption[i], kSilenceHint[i]);
    } else {
        SetButton(BitBtn1, kSilentCaption[i], "");
    }
    SetButton(BitBtn2, kProceedCaption[i], kProceedHint[i]);
    if (settings_.WindowMode == 1) {
        SetButton(BitBtn3, kOpenReduceCaption[i], kOpenReduceHint[i]);
    } else {
        SetButton(BitBtn3, kOpenEnlargeCaption[i], kOpenEnlargeHint[i]);
    }

    // The slogan stands centred at two fifths of the window's outer width.
    const int outer = OuterSizeOf(*this).width();
    label1->move(RoundToInt(outer / 5.0 * 2) - RoundToInt(label1->width() / 2.0), label1->y());
    BitBtn2->setFocus();
}

void OptionsWindow::ShowSlowStartHint(int language) {
    ShowMessage(Label111, SlowStartHint(language));
}

// A message line keeps to one line inside the window: a long text gets smaller type.
void OptionsWindow::ShowMessage(QLabel* label, const char* text) {
    label->setText(Text(text));
    QFont font = label->font();
    for (int pixels = kMessagePixels; pixels >= 8; --pixels) {
        font.setPixelSize(pixels);
        label->setFont(font);
        label->adjustSize();
        if (label->x() + label->width() <= width() - 2) {
            break;
        }
    }
    label->show();
}

void OptionsWindow::SilenceClick() {
    const std::size_t i = LanguageIndex(settings_.Language);
    const bool silence = settings_.SoundEffects == 1;
    settings_.SoundEffects = silence ? 0 : 1;
    emit silenceSwitched(silence);
    if (silence) {
        SetButton(BitBtn1, kSilentCaption[i], "");
        ShowMessage(Label111, kSilenceNote[i]);
        return;
    }
    SetButton(BitBtn1, kSoundAgainCaption[i], kSoundAgainHint[i]);
    Label111->hide();
    beep_();
}

void OptionsWindow::ScreenModeClick() {
    const std::size_t i = LanguageIndex(settings_.Language);
    switching_ = true;
    if (settings_.WindowMode != 1) {
        settings_.WindowMode = 1;
        emit windowModeSwitched();
        BringToFront();
        ShowMessage(Label6, kNowFull[i]);
        SetButton(BitBtn3, kReduceCaption[i], kReduceHint[i]);
    } else {
        settings_.WindowMode = 2;
        emit windowModeSwitched();
        BringToFront();
        ShowMessage(Label6, kNowPartial[i]);
        SetButton(BitBtn3, kEnlargeCaption[i], kEnlargeHint[i]);
    }
    switching_ = false;
    switchEnded_.start();
}

void OptionsWindow::BringToFront() {
    raise();
    activateWindow();
}

bool OptionsWindow::Settling() const {
    return switchEnded_.isValid() && switchEnded_.elapsed() < kSwitchSettleMs;
}

void OptionsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        AskForCloseBoxOnly(*this);
        FormShow();
    }
}

void OptionsWindow::reject() {
    close();
}

void OptionsWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    hide();
    // The windows placed after this one follow the mode chosen here.
    if (!closedOnce_) {
        closedOnce_ = true;
        emit closed();
    }
}

void OptionsWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || isActiveWindow() || !isVisible()) {
        return;
    }
    if (switching_) {
        return;
    }
    if (Settling()) {
        BringToFront();
        return;
    }
    // Only another window of the program taking over counts, not another program.
    const QWidget* now = QApplication::activeWindow();
    if (now != nullptr && now != this) {
        close();
    }
}

bool OptionsWindow::HandleKey(const QKeyEvent& key) {
    // A bare modifier may still become Alt+letter, which presses a button by its
    // accelerator before any key press arrives here.
    if (IsModifierOnly(key.key())) {
        return false;
    }
    close();
    return true;
}

void OptionsWindow::keyPressEvent(QKeyEvent* event) {
    if (!HandleKey(*event)) {
        event->ignore();
    }
}

bool OptionsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        return HandleKey(*static_cast<QKeyEvent*>(event));
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace quorelin
