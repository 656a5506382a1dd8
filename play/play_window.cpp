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
#include "game/rounding.h"
#include "kit/keys.h"
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

using play_texts::Lang;

const QColor kNavy(0, 0, 128);
const QColor kSilver(192, 192, 192);
const QColor kYellow(255, 255, 0);

int Round(double x) {
    return static_cast<int>(RoundHalfEven(x));
}

QFont Face(const char* name, int pixels, bool bold) {
    QFont font{QString::fromLatin1(name)};
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A captioned panel: the design's TPanel, a centred text on a coloured ground.
QLabel* MakePanel(QWidget* parent, const char* name, const QRect& place, const QColor& ground,
                  const QFont& font, bool raised) {
    auto* panel = new QLabel(parent);
    panel->setObjectName(name);
    panel->setGeometry(place);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFont(font);
    if (raised) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setLineWidth(1);
    }
    SetBackground(panel, ground);
    SetTextColour(panel, Qt::black);
    return panel;
}

CanvasImage* MakeImage(QWidget* parent, const char* name, const QRect& place) {
    auto* image = new CanvasImage(place.size(), parent);
    image->setObjectName(name);
    image->setGeometry(place);
    return image;
}

CaptionButton* MakeButton(QWidget* parent, const char* name, const QRect& place,
                          const QFont& font) {
    auto* button = new CaptionButton(parent);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, kNavy);
    button->setPalette(palette);
    button->setCursor(Qt::ArrowCursor);
    return button;
}

// The frame area around the field, the size of the field image, and the part of it that
// is cleared at show, by screen class and window mode.
QSize FrameArea(const Settings& s) {
    if (s.ScreenHeight == 480) {
        return {292, 422};
    }
    if (s.ScreenHeight == 600 && s.WindowMode == 2) {
        return {364, 536};
    }
    return {391, 574};
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
    setWindowTitle(QString::fromUtf8(play_texts::kWindowCaption[Lang(settings.Language)]));
    setCursor(Qt::IBeamCursor);
    setFocusPolicy(Qt::StrongFocus);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, kNavy);
    setPalette(ground);
    setAutoFillBackground(true);

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
    const QFont valueFont = Face("Tahoma", 11, true);
    const QFont buttonFont = Face("MS Serif", 11, false);
    const QFont xFont = Face("Small Fonts", 9, true);

    // An empty image: it only passes mouse presses and shows the window's ground.
    Image1oud = MakeImage(this, "Image1oud", {64, 28, 113, 51});
    Image1oud->MakeEmpty();
    Panel3 = MakePanel(this, "Panel3", {40, 20, 145, 49}, kNavy, Face("VAG Rounded Thin", 24, true),
                       false);
    SetTextColour(Panel3, kYellow);
    Label23 = new QLabel(Panel3);
    Label23->setObjectName("Label23");
    Label23->setFont(Panel3->font());
    Label23->move(40, 24);
    Label23->hide();

    Image7 = MakeImage(this, "Image7", {64, 82, 111, 135});
    Panel5 = MakePanel(this, "Panel5", {72, 96, 91, 25}, kSilver, valueFont, true);
    Panel6 = MakePanel(this, "Panel6", {72, 134, 91, 25}, kSilver, valueFont, true);
    Panel8 = MakePanel(this, "Panel8", {72, 174, 91, 25}, kSilver, valueFont, true);

    Image13 = MakeImage(this, "Image13", {612, 40, 105, 105});
    Panel7 =
        MakePanel(this, "Panel7", {634, 46, 61, 19}, kSilver, Face("Small Fonts", 9, true), true);
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
    QPalette black = Panel2->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, Qt::black);
    Panel2->setPalette(black);
    Panel2->setAutoFillBackground(true);
    // The field sits at the top of its panel, 3 pixels down, as on every screen class.
    fieldBackdrop = MakeImage(Panel2, "", {1, 35, 369, 551});
    Image3 = MakeImage(Panel2, "Image3", {0, 3, 369, 551});

    Image6 = MakeImage(this, "Image6", {628, 476, 101, 89});
    BitBtn3 = MakeButton(this, "BitBtn3", {640, 488, 73, 25}, buttonFont);
    BitBtn1 = MakeButton(this, "BitBtn1", {640, 522, 73, 25}, buttonFont);
    Image5 = MakeImage(this, "Image5", {68, 508, 105, 53});
    BitBtn2 = MakeButton(this, "BitBtn2", {82, 520, 73, 25}, buttonFont);
    BitBtn4 = MakeButton(this, "BitBtn4", {1, 0, 15, 15}, xFont);
    BitBtn4->SetCaption(QStringLiteral("X"));

    Image1 = MakeImage(this, "Image1", QRect(QPoint(40, 296), kSchemePictureSize));
    Image1->Canvas() = SchemePicture(1);
    Image20 = MakeImage(this, "Image20", QRect(QPoint(40, 344), kSchemePictureSize));
    Image20->Canvas() = SchemePicture(2);
    Label19 = new QLabel(this);
    Label19->setObjectName("Label19");
    Label19->move(96, 442);
    Label19->setFont(Face("Verdana", 19, true));
    SetTextColour(Label19, kYellow);

    Panel4 = new InstructionsPanel(settings_, this);
    Panel4->move(592, 148);
    Panel4->hide();

    label1009 =
        MakePanel(this, "label1009", {248, 192, 265, 49}, kNavy, Face("Tahoma", 37, true), false);
    SetTextColour(label1009, QColor(255, 0, 0));
    label1008 =
        MakePanel(this, "label1008", {344, 408, 140, 20}, kNavy, Face("Tahoma", 13, false), false);
    label1010 = MakePanel(this, "label1010", {304, 62, 185, 20}, QColor(0, 0, 255),
                          Face("Tahoma", 13, true), false);
    SetTextColour(label1010, kYellow);
    label1011 =
        MakePanel(this, "label1011", {302, 131, 235, 23}, kNavy, Face("Tahoma", 16, true), false);
    SetTextColour(label1011, kYellow);
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
    input_.WindowDeactivated = 0;
    setWindowTitle(QString::fromUtf8(play_texts::kWindowCaption[Lang(settings_.Language)]));
    SizeForScreenClass();

    const Palette palette = PaletteFor(settings_.ColorScheme);
    const QSize frame = FrameArea(settings_);
    Image12->resize(frame);
    Image12->ResizeCanvas(frame);
    Image12->Canvas().fill(palette.FaceColour);
    DrawFieldFrame();

    Panel3->setText(QString::fromUtf8(play_texts::kTitlePlaceholder[Lang(settings_.Language)]));
    // The title lies on the window's ground in both schemes.
    SetBackground(Panel3, palette.FaceColour);
    QPalette ground = this->palette();
    ground.setColor(QPalette::Window, palette.FaceColour);
    setPalette(ground);
    DrawSideBoxes();
    Image1->setVisible(settings_.ColorScheme != 2);
    Image20->setVisible(settings_.ColorScheme == 2);

    SetCaptions();

    label1009->hide();
    label1008->hide();
    BitBtn1->SetCaption(QString::fromUtf8(play_texts::kPauseRunning[Lang(settings_.Language)]));
    Panel4->hide();
    setFocus();

    BitBtn1->Tag = 0;
    input_.Paused = 0;
    input_.OtherKeyRequest = 0;
    input_.MoveLeftRequest = 0;
    input_.MoveRightRequest = 0;
    input_.DropRequest = 0;
    input_.EscapeRequest = 0;

    Image3->Canvas().fill(Qt::black);
    Image3->update();
    Image2->Canvas().fill(Qt::black);
    Image2->update();
}

void PlayWindow::SizeForScreenClass() {
    const FieldGeometry field = GeometryFor(settings_.ScreenHeight, settings_.WindowMode);
    Image3->resize(field.fieldWidth, field.fieldHeight);
    Image3->ResizeCanvas(Image3->size());
    fieldBackdrop->setGeometry(Image3->geometry());
    PlaceWindowForMode(*this, settings_);
}

void PlayWindow::SetCaptions() {
    const auto lang = Lang(settings_.Language);
    Panel5->setText(QString::fromUtf8(play_texts::kLevelCaption[lang]));
    Panel6->setText(QString::fromUtf8(play_texts::kScoreCaption[lang]));
    Panel8->setText(QString::fromUtf8(play_texts::kStillCaption[lang]));
    BitBtn2->SetCaption(QString::fromUtf8(play_texts::kExitButton[lang]));
    Panel7->setText(QString::fromUtf8(play_texts::kNextCaption[lang]));
    BitBtn3->SetCaption(QString::fromUtf8(play_texts::kInstructionsButton[lang]));
    BitBtn1->SetCaption(QString::fromUtf8(play_texts::kPauseRunning[lang]));
}

void PlayWindow::DrawFieldFrame() {
    const QSize frame = FrameArea(settings_);
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
    input_.StopGame = 1;
    input_.WindowDeactivated = 1;
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
    input_.LeaveGameOver = 1;
    input_.StopGame = 1;
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
    switch (key) {
        case Qt::Key_Left:
            input_.MoveLeftRequest = 1;
            break;
        case Qt::Key_Right:
            input_.MoveRightRequest = 1;
            break;
        case Qt::Key_Down:
            input_.DropRequest = 1;
            break;
        case Qt::Key_Escape:
            input_.EscapeRequest = 1;
            break;
        case Qt::Key_P:
            TogglePause();
            break;
        case Qt::Key_I:
            ToggleInstructions();
            break;
        case Qt::Key_Y:
            // Only the Frisian instructions button answers to Y; elsewhere Y is also
            // an ordinary key, which lets the game run on with the panel open.
            if (settings_.Language != 4) {
                OtherKey();
            }
            ToggleInstructions();
            break;
        case Qt::Key_X:
            QuitGame();
            break;
        case Qt::Key_S:
            // The exit buttons of Spanish, Dutch, Frisian and German begin with S.
            if (settings_.Language >= 2 && settings_.Language <= 5) {
                QuitGame();
            }
            break;
        default:
            OtherKey();
            break;
    }
    LeaveIfGameOver();
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

void PlayWindow::OtherKey() {
    input_.Paused = 0;
    ShowRunningCaption();
    input_.OtherKeyRequest = 1;
}

void PlayWindow::ShowRunningCaption() {
    if (!GameEnded()) {
        BitBtn1->SetCaption(QString::fromUtf8(play_texts::kPauseRunning[Lang(settings_.Language)]));
    }
}

void PlayWindow::ShowPausedCaption() {
    BitBtn1->SetCaption(QString::fromUtf8(play_texts::kPausePaused[Lang(settings_.Language)]));
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
    switch (button) {
        case Qt::LeftButton:
            input_.MoveLeftRequest = 1;
            break;
        case Qt::RightButton:
            input_.MoveRightRequest = 1;
            break;
        case Qt::MiddleButton:
            input_.DropRequest = 1;
            break;
        default:
            break;
    }
}

void PlayWindow::FormClick() {
    if (settings_.ScreenHeight < 600) {
        Panel4->hide();
    }
    input_.Paused = 0;
    ShowRunningCaption();
    LeaveIfGameOver();
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
    input_.Paused = 0;
    ShowRunningCaption();
    LeaveIfGameOver();
    LetMessagesRun();
}

void PlayWindow::TogglePause() {
    if (!GameEnded()) {
        if (input_.Paused == 0) {
            input_.Paused = 1;
            ShowPausedCaption();
            LetMessagesRun();
            input_.HeldUp = 1;
        } else {
            input_.Paused = 0;
            ShowRunningCaption();
            if (settings_.ScreenHeight < 600) {
                Panel4->hide();
            }
            LetMessagesRun();
        }
    }
    LeaveIfGameOver();
}

void PlayWindow::ToggleInstructions() {
    if (Panel4->isHidden()) {
        input_.Paused = 1;
        ShowPausedCaption();
        LetMessagesRun();
        input_.HeldUp = 1;
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
            if (outerWidth < Round(screenWidth * 0.97)) {
                widen(Round(screenWidth * 0.95) + 1);
                Panel4->move(546, Panel4->y());
                Panel4->show();
            }
        } else if (settings_.ScreenHeight > 600) {
            const int wide = Round(screenWidth * 0.75) + 40;
            if (outerWidth < wide) {
                widen(wide);
            }
        }
        Panel4->ShowFor(state_.TableNumber);
        Panel4->show();
        Panel4->raise();
        return;
    }
    input_.Paused = 0;
    ShowRunningCaption();
    LetMessagesRun();
    Panel4->hide();
    LeaveIfGameOver();
}

void PlayWindow::QuitGame() {
    input_.LeaveGameOver = 1;
    input_.StopGame = 1;
}

void PlayWindow::LeaveIfGameOver() {
    if (GameEnded()) {
        input_.LeaveGameOver = 1;
        input_.StopGame = 1;
    }
}

}  // namespace quorelin
