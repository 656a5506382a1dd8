#include "play/play_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "game/loop.h"
#include "game/play_input.h"
#include "game/rounding.h"
#include "game/screen_case.h"
#include "kit/keys.h"
#include "kit/widget_style.h"
#include "kit/window_frame.h"
#include "play/instructions_panel.h"
#include "play/observed_view.h"
#include "play/play_layout.h"
#include "play/play_texts.h"
#include "play/presenting_host.h"
#include "play/qt_game_host.h"
#include "play/scheme_pictures.h"

namespace quorelin {
namespace {

using play_texts::TextFor;

// The game's keys on the keyboard; every other key is GameKey::Other.
constexpr std::pair<int, GameKey> kGameKeys[] = {
    {Qt::Key_Left, GameKey::Left}, {Qt::Key_Right, GameKey::Right},
    {Qt::Key_Down, GameKey::Down}, {Qt::Key_Escape, GameKey::Escape},
    {Qt::Key_P, GameKey::P},       {Qt::Key_I, GameKey::I},
    {Qt::Key_Y, GameKey::Y},       {Qt::Key_X, GameKey::X},
    {Qt::Key_S, GameKey::S}};

GameKey GameKeyOf(int key) {
    for (const auto& [qtKey, gameKey] : kGameKeys) {
        if (qtKey == key) {
            return gameKey;
        }
    }
    return GameKey::Other;
}

MouseButton GameButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::Left;
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        default:
            return MouseButton::Other;
    }
}

}  // namespace

PlayWindow::PlayWindow(const Settings& settings, GameState& state, InputRequests& input,
                       GameHost* host)
    : settings_(settings),
      state_(state),
      input_(input),
      ownHost_(host != nullptr ? nullptr : std::make_unique<QtGameHost>()),
      host_(host != nullptr ? *host : *ownHost_),
      painter_(settings, controls_) {
    setObjectName("playform");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(TextFor(play_texts::kWindowCaption, settings.Language));
    setCursor(Qt::IBeamCursor);
    setFocusPolicy(Qt::StrongFocus);
    SetBackground(this, kNavy);

    resize(kDesignWidth, kDesignHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - kDesignWidth) / 2,
             area.y() + (area.height() - kDesignHeight) / 2);
    }
    CreateControls();
    MoveOntoStage(*this);
}

PlayWindow::~PlayWindow() = default;

void PlayWindow::CreateControls() {
    const QFont valueFont = PixelFont("Tahoma", 11, true);
    const QFont buttonFont = PixelFont("MS Serif", 11, false);
    const QFont xFont = PixelFont("Small Fonts", 9, true);

    // An empty image: it only passes mouse presses and shows the window's ground.
    Image1oud = MakeImage(this, "Image1oud", {64, 28, 113, 51});
    Image1oud->MakeEmpty();
    Panel3 = MakePanel(this, "Panel3", {40, 20, 145, 49}, kNavy,
                       PixelFont("VAG Rounded Thin", 24, true), false);
    SetColour(Panel3, QPalette::WindowText, kYellow);
    Label23 = MakeLabel(Panel3, "Label23", {40, 24}, Panel3->font());
    Label23->hide();

    Image7 = MakeImage(this, "Image7", {64, 82, 111, 135});
    Panel5 = MakePanel(this, "Panel5", {72, 96, 91, 25}, kSilver, valueFont, true);
    Panel6 = MakePanel(this, "Panel6", {72, 134, 91, 25}, kSilver, valueFont, true);
    Panel8 = MakePanel(this, "Panel8", {72, 174, 91, 25}, kSilver, valueFont, true);

    Image13 = MakeImage(this, "Image13", {612, 40, 105, 105});
    Panel7 = MakePanel(this, "Panel7", {634, 46, 61, 19}, kSilver,
                       PixelFont("Small Fonts", 9, true), true);
    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(628, 72, 73, 65);
    Image2 = MakeImage(Panel1, "Image2", {0, 0, 73, 65});
    Image2->ResizeCanvas(kPreviewSize);

    Image12 = MakeImage(this, "Image12", {199, 12, 391, 574});
    Panel2 = new QFrame(this);
    Panel2->setObjectName("Panel2");
    Panel2->setGeometry(208, 20, 372, 555);
    Panel2->setFrameStyle(QFrame::Box | QFrame::Plain);
    Panel2->setLineWidth(1);
    SetBackground(Panel2, kBlack);
    SetColour(Panel2, QPalette::WindowText, kBlack);
    // The field sits at the top of its panel, 3 pixels down, as on every screen class.
    fieldBackdrop = MakeImage(Panel2, "", {1, 35, 369, 551});
    Image3 = MakeImage(Panel2, "Image3", {0, 3, 369, 551});

    Image6 = MakeImage(this, "Image6", {628, 476, 101, 89});
    BitBtn3 = MakeCaptionButton(this, "BitBtn3", {640, 488, 73, 25}, buttonFont);
    BitBtn1 = MakeCaptionButton(this, "BitBtn1", {640, 522, 73, 25}, buttonFont);
    Image5 = MakeImage(this, "Image5", {68, 508, 105, 53});
    BitBtn2 = MakeCaptionButton(this, "BitBtn2", {82, 520, 73, 25}, buttonFont);
    BitBtn4 = MakeCaptionButton(this, "BitBtn4", {1, 0, 15, 15}, xFont);
    BitBtn4->SetCaption(QStringLiteral("X"));

    Image1 = MakeImage(this, "Image1", QRect(QPoint(40, 296), kSchemePictureSize));
    Image1->Canvas() = SchemePicture(1);
    Image20 = MakeImage(this, "Image20", QRect(QPoint(40, 344), kSchemePictureSize));
    Image20->Canvas() = SchemePicture(2);
    Label19 = MakeLabel(this, "Label19", {96, 442}, PixelFont("Verdana", 19, true));
    SetColour(Label19, QPalette::WindowText, kYellow);

    Panel4 = new InstructionsPanel(settings_, this);
    Panel4->move(592, 148);
    Panel4->hide();

    label1009 = MakePanel(this, "label1009", {248, 192, 265, 49}, kNavy,
                          PixelFont("Tahoma", 37, true), false);
    SetColour(label1009, QPalette::WindowText, kRed);
    label1008 = MakePanel(this, "label1008", {344, 408, 140, 20}, kNavy,
                          PixelFont("Tahoma", 13, false), false);
    label1010 = MakePanel(this, "label1010", {304, 62, 185, 20}, kBlue,
                          PixelFont("Tahoma", 13, true), false);
    SetColour(label1010, QPalette::WindowText, kYellow);
    label1011 = MakePanel(this, "label1011", {302, 131, 235, 23}, kNavy,
                          PixelFont("Tahoma", 16, true), false);
    SetColour(label1011, QPalette::WindowText, kYellow);
    for (QLabel* hidden : {label1009, label1008, label1010, label1011}) {
        hidden->hide();
    }

    controls_ =
        PlayControls{Image3, Image2, Panel3,    Label23,   Label19,   Image1,    Image20, Panel5,
                     Panel6, Panel8, label1008, label1009, label1010, label1011, BitBtn1};

    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    connect(Panel4->BitBtn5, &QPushButton::clicked, this, [this] { BitBtn6Click(); });

    mouseDownControls_ = {this,          Image7, Image1oud, Image13, Panel7, Image2, Image3,
                          fieldBackdrop, Panel5, Panel6,    Panel8,  Panel3, Panel4};
    clickControls_ = {this, Image2, Image3, fieldBackdrop, Panel4};
    // Keys belong to the window whatever the pointer touched; every control reports its
    // mouse buttons here, and those not bound to a request swallow them.
    for (QWidget* child : findChildren<QWidget*>()) {
        child->setFocusPolicy(Qt::NoFocus);
        if (child->parentWidget() == this || child->parentWidget() == Panel1 ||
            child->parentWidget() == Panel2 || child == Panel4->BitBtn5) {
            child->installEventFilter(this);
        }
    }
}

void PlayWindow::SetViewObserver(PlayView* observer) {
    observed_ = observer != nullptr ? std::make_unique<ObservedView>(painter_, *observer) : nullptr;
}

void PlayWindow::setVisible(bool visible) {
    const bool showing = visible && isHidden();
    if (showing) {
        FormShow();
    }
    QWidget::setVisible(visible);
    if (showing) {
        emit shown();
        // The game starts from the message loop once the window is on screen; pumping
        // inside the game never delivers this again.
        QTimer::singleShot(0, this, [this] { PlayOnIdle(); });
    }
}

void PlayWindow::FormShow() {
    setWindowTitle(TextFor(play_texts::kWindowCaption, settings_.Language));
    SizeForScreenClass();

    const Palette palette = PaletteFor(settings_.ColorScheme);
    const QSize frame = FrameArea(ScreenCaseFor(settings_));
    Image12->resize(frame);
    Image12->ResizeCanvas(frame);
    Image12->Canvas().fill(palette.FaceColour);
    DrawFieldFrame();

    Panel3->setText(TextFor(play_texts::kTitlePlaceholder, settings_.Language));
    // The title lies on the window's ground in both schemes.
    SetBackground(Panel3, palette.FaceColour);
    SetColour(this, QPalette::Window, palette.FaceColour);
    DrawSideBoxes();
    Image1->setVisible(settings_.ColorScheme != 2);
    Image20->setVisible(settings_.ColorScheme == 2);

    SetCaptions();

    label1009->hide();
    label1008->hide();
    BitBtn1->SetCaption(TextFor(play_texts::kPauseRunning, settings_.Language));
    Panel4->hide();
    setFocus();

    BitBtn1->Tag = 0;
    ForgetRequests(input_);

    Image3->Canvas().fill(Qt::black);
    Image3->update();
    Image2->Canvas().fill(Qt::black);
    Image2->update();
}

void PlayWindow::SizeForScreenClass() {
    const FieldGeometry field = GeometryFor(ScreenCaseFor(settings_));
    Image3->resize(field.fieldWidth, field.fieldHeight);
    Image3->ResizeCanvas(Image3->size());
    fieldBackdrop->setGeometry(Image3->geometry());
    PlaceWindowForMode(*this, settings_);
}

void PlayWindow::SetCaptions() {
    const int lang = settings_.Language;
    Panel5->setText(TextFor(play_texts::kLevelCaption, lang));
    Panel6->setText(TextFor(play_texts::kScoreCaption, lang));
    Panel8->setText(TextFor(play_texts::kStillCaption, lang));
    BitBtn2->SetCaption(TextFor(play_texts::kExitButton, lang));
    Panel7->setText(TextFor(play_texts::kNextCaption, lang));
    BitBtn3->SetCaption(TextFor(play_texts::kInstructionsButton, lang));
    BitBtn1->SetCaption(TextFor(play_texts::kPauseRunning, lang));
}

void PlayWindow::DrawFieldFrame() {
    const QSize frame = FrameArea(ScreenCaseFor(settings_));
    quorelin::DrawFieldFrame(Image12->Canvas(), frame.width(), frame.height(),
                             PaletteFor(settings_.ColorScheme));
    Image12->update();
}

void PlayWindow::DrawSideBoxes() {
    const Palette palette = PaletteFor(settings_.ColorScheme);
    DrawRaisedBox(Image7->Canvas(), 0, 106, 129, palette);
    DrawRaisedBox(Image5->Canvas(), 3, 96, 47, palette);
    DrawRaisedBox(Image6->Canvas(), 0, 93, 80, palette);
    DrawPreviewBox(Image13->Canvas(), palette);
    for (CanvasImage* box : {Image7, Image5, Image6, Image13}) {
        box->update();
    }
}

void PlayWindow::ApplyColorScheme() {
    const bool sophisticated = settings_.ColorScheme == 2;
    Panel4->ShowSchemePicture();
    Image1->setVisible(!sophisticated);
    Image20->setVisible(sophisticated);
    SetBackground(Panel3, PaletteFor(settings_.ColorScheme).FaceColour);
}

void PlayWindow::PlayOnIdle() {
    if (!isVisible() || gameRunning_) {
        return;
    }
    setFocus();
    gameRunning_ = true;
    PlayView& view = observed_ != nullptr ? static_cast<PlayView&>(*observed_) : painter_;
    PresentingHost host(host_);
    PlayGame(host, view, settings_, state_, input_);
    gameRunning_ = false;
    hide();
}

void PlayWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // A minimised window is hidden by the window system; only our own hiding ends a game.
    if (!event->spontaneous()) {
        FormHide();
    }
}

void PlayWindow::FormHide() {
    state_.AfterGame = 1;
    if (state_.GameKind >= 1 && state_.GameKind <= 4) {
        emit gameEnded();
    }
}

bool PlayWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate) {
        FormDeactivate();
    }
    return QWidget::event(event);
}

void PlayWindow::FormDeactivate() {
    state_.AfterGame = 1;
    Deactivate(input_);
}

void PlayWindow::closeEvent(QCloseEvent* event) {
    FormClose();
    // A running game hides the window itself once it has returned with its total, so
    // the high-score window sees the finished game.
    if (gameRunning_) {
        event->ignore();
    } else {
        event->accept();
    }
}

void PlayWindow::FormClose() {
    quorelin::QuitGame(input_);
}

void PlayWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Sizing before the game starts holds nothing up: the game clears HeldUp anyway.
    if (gameRunning_ && event->oldSize() != event->size()) {
        FormResize();
    }
}

void PlayWindow::FormResize() {
    TogglePause();
    TogglePause();
    input_.HeldUp = 1;
}

bool PlayWindow::focusNextPrevChild(bool /*next*/) {
    // Tab is a key of the game like any other, not a move between controls.
    return false;
}

void PlayWindow::keyPressEvent(QKeyEvent* event) {
    FormKeyDown(event->key(), event->modifiers());
    event->accept();
}

void PlayWindow::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (IsModifierOnly(key)) {
        return;
    }
    if (settings_.ScreenHeight < 600) {
        Panel4->hide();
    }
    if ((modifiers & Qt::AltModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
        if (CaptionButton* button = ButtonForAccelerator(QChar('A' + (key - Qt::Key_A)))) {
            button->click();
            LeaveIfGameOver();
            setFocus();
            return;
        }
    }
    switch (PressKey(input_, GameKeyOf(key), settings_.Language, GameEnded())) {
        case KeyRole::OtherKey:
            ShowRunningCaption();
            break;
        case KeyRole::TogglePause:
            TogglePause();
            break;
        case KeyRole::OtherKeyThenInstructions:
            ShowRunningCaption();
            ToggleInstructions();
            break;
        case KeyRole::ToggleInstructions:
            ToggleInstructions();
            break;
        case KeyRole::Done:
            break;
    }
    setFocus();
}

CaptionButton* PlayWindow::ButtonForAccelerator(QChar letter) const {
    for (CaptionButton* button : {BitBtn1, BitBtn2, BitBtn3}) {
        if (button->isVisibleTo(this) && button->Accelerator() == letter) {
            return button;
        }
    }
    return nullptr;
}

void PlayWindow::ShowRunningCaption() {
    if (!GameEnded()) {
        BitBtn1->SetCaption(TextFor(play_texts::kPauseRunning, settings_.Language));
    }
}

void PlayWindow::ShowPausedCaption() {
    BitBtn1->SetCaption(TextFor(play_texts::kPausePaused, settings_.Language));
}

void PlayWindow::LetMessagesRun() {
    QCoreApplication::processEvents();
}

void PlayWindow::mousePressEvent(QMouseEvent* event) {
    MouseOnControl(this, event);
}

void PlayWindow::mouseReleaseEvent(QMouseEvent* event) {
    MouseOnControl(this, event);
}

bool PlayWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick) {
        return QWidget::eventFilter(watched, event);
    }
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (MouseOnControl(watched, mouse)) {
        return true;
    }
    if (qobject_cast<QAbstractButton*>(watched) != nullptr) {
        // Buttons answer the left button only; the others do nothing on them.
        return mouse->button() != Qt::LeftButton;
    }
    return true;
}

bool PlayWindow::MouseOnControl(QObject* control, QMouseEvent* event) {
    if (!mouseDownControls_.contains(control)) {
        return false;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* widget = static_cast<QWidget*>(control);
        const bool click = event->button() == Qt::LeftButton && pressedOn_ == control &&
                           clickControls_.contains(control) &&
                           widget->rect().contains(event->position().toPoint());
        pressedOn_ = nullptr;
        if (click) {
            FormClick();
        }
        return true;
    }
    pressedOn_ = event->button() == Qt::LeftButton ? control : nullptr;
    FormMouseDown(event->button());
    return true;
}

void PlayWindow::FormMouseDown(Qt::MouseButton button) {
    PressMouseButton(input_, GameButtonOf(button));
}

void PlayWindow::FormClick() {
    if (settings_.ScreenHeight < 600) {
        Panel4->hide();
    }
    Resume(input_, GameEnded());
    ShowRunningCaption();
}

void PlayWindow::BitBtn1Click() {
    LetMessagesRun();
    TogglePause();
    setFocus();
}

void PlayWindow::BitBtn2Click() {
    LetMessagesRun();
    QuitGame();
}

void PlayWindow::BitBtn3Click() {
    ToggleInstructions();
    setFocus();
}

void PlayWindow::BitBtn6Click() {
    Panel4->hide();
    Resume(input_, GameEnded());
    ShowRunningCaption();
    LetMessagesRun();
}

void PlayWindow::TogglePause() {
    switch (quorelin::TogglePause(input_, GameEnded())) {
        case PauseChange::Paused:
            ShowPausedCaption();
            LetMessagesRun();
            break;
        case PauseChange::Resumed:
            ShowRunningCaption();
            if (settings_.ScreenHeight < 600) {
                Panel4->hide();
            }
            LetMessagesRun();
            break;
        case PauseChange::None:
            break;
    }
}

void PlayWindow::ToggleInstructions() {
    if (Panel4->isHidden()) {
        Pause(input_);
        ShowPausedCaption();
        LetMessagesRun();
        // The window widens (outer widths, frame included) so the panel fits beside
        // the field; a maximised window is wide enough already.
        const int screenWidth = settings_.ScreenWidth;
        const int outerWidth = OuterSizeOf(*this).width();
        const auto widen = [this](int outer) {
            if (!isMaximized()) {
                resize(ClientSizeFor(*this, {outer, 0}).width(), height());
            }
        };
        if (settings_.ScreenHeight == 600 && settings_.WindowMode == 2) {
            if (outerWidth < RoundToInt(screenWidth * 0.97)) {
                widen(RoundToInt(screenWidth * 0.95) + 1);
                Panel4->move(546, Panel4->y());
                Panel4->show();
            }
        } else if (settings_.ScreenHeight > 600) {
            const int wide = RoundToInt(screenWidth * 0.75) + 40;
            if (outerWidth < wide) {
                widen(wide);
            }
        }
        Panel4->ShowFor(RoundToInt(state_.TableNumber));
        Panel4->show();
        Panel4->raise();
        return;
    }
    Resume(input_, GameEnded());
    ShowRunningCaption();
    LetMessagesRun();
    Panel4->hide();
}

void PlayWindow::QuitGame() {
    quorelin::QuitGame(input_);
}

void PlayWindow::LeaveIfGameOver() {
    quorelin::LeaveIfGameOver(input_, GameEnded());
}

}  // namespace quorelin
