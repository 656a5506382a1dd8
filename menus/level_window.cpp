#include "menus/level_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QPolygon>

#include "game/language.h"
#include "game/rounding.h"
#include "kit/pictures.h"
#include "kit/text_fit.h"
#include "kit/widget_style.h"
#include "kit/window_frame.h"
#include "menus/level_layout.h"
#include "menus/level_pictures.h"
#include "menus/level_texts.h"

namespace quorelin {
namespace {

using namespace level_texts;

// The edges of raised frames and the face of the window, by colour scheme.
QColor LightEdgeColour(int scheme) {
    return scheme == 1 ? QColor(0, 0, 193) : QColor(48, 48, 136);
}
QColor DarkEdgeColour(int scheme) {
    return scheme == 1 ? kBlack : QColor(16, 16, 56);
}
QColor FaceColour(int scheme) {
    return scheme == 2 ? QColor(0, 0, 119) : kNavy;
}

// A label of the window's design in a face and pixel size, in a text colour.
QLabel* ColouredLabel(QWidget* parent, const char* name, const char* face, int pixels,
                      const QColor& colour) {
    QLabel* label = quorelin::MakeLabel(parent, name, {}, PixelFont(face, pixels));
    SetColour(label, QPalette::WindowText, colour);
    return label;
}

// The size of a font in points, also when it was set in pixels.
qreal PointSize(const QFont& font) {
    return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
}

// Sets a label's font size in points and lets the label follow its text.
void SetPointSize(QLabel* label, qreal points) {
    QFont font = label->font();
    font.setPointSizeF(points);
    label->setFont(font);
    label->adjustSize();
}

void ShrinkOnePoint(QLabel* label) {
    SetPointSize(label, PointSize(label->font()) - 1);
}

}  // namespace

void PaintLevelFrame(QPainter& painter, int x1, int y1, int x2, int y2, int colorScheme) {
    const QColor light = LightEdgeColour(colorScheme);
    const QColor dark = DarkEdgeColour(colorScheme);
    const QPolygon lightPart{{x1, y1},         {x1, y2},         {x1 + 1, y2},     {x1 + 1, y2 - 1},
                             {x1 + 2, y2 - 1}, {x1 + 2, y2 - 2}, {x1 + 3, y2 - 2}, {x1 + 3, y1 + 3},
                             {x2 - 3, y1 + 3}, {x2 - 3, y1 + 2}, {x2 - 2, y1 + 2}, {x2 - 2, y1 + 1},
                             {x2 - 1, y1 + 1}, {x2 - 1, y1},     {x1, y1}};
    const QPolygon darkPart{{x1 + 1, y2},     {x1 + 1, y2 - 1}, {x1 + 2, y2 - 1}, {x1 + 2, y2 - 2},
                            {x1 + 3, y2 - 2}, {x1 + 3, y2 - 3}, {x2 - 3, y2 - 3}, {x2 - 3, y1 + 3},
                            {x2 - 3, y1 + 2}, {x2 - 2, y1 + 2}, {x2 - 2, y1 + 1}, {x2 - 1, y1 + 1},
                            {x2 - 1, y1},     {x2, y1},         {x2, y2},         {x1 + 1, y2}};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(light);
    painter.setBrush(light);
    painter.drawPolygon(lightPart);
    painter.setPen(dark);
    painter.setBrush(dark);
    painter.drawPolygon(darkPart);
    painter.restore();
}

LevelWindow::LevelWindow(Settings& settings, GameState& game) : settings_(settings), game_(game) {
    setObjectName("KiesNivAdd");
    setWindowTitle(Text(kWindowTitle[0]));
    resize(640, 480);
    SetBackground(this, kNavy);
    platformBeep_ = [] { QApplication::beep(); };

    Label1 = ColouredLabel(this, "Label1", "MS Sans Serif", 16, kYellow);

    Panel3 = new QFrame(this);
    Panel3->setObjectName("Panel3");
    Panel3->resize(305, 41);
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SetColour(Panel3, QPalette::Light, LightEdgeColour(2));
    SetColour(Panel3, QPalette::Dark, DarkEdgeColour(2));
    Label8 = ColouredLabel(Panel3, "Label8", "VAG Rounded Thin", 32, kYellow);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->resize(53, 32);
    Edit1->setMaxLength(2);
    Edit1->setFont(PixelFont("MS Sans Serif", 19));
    SetColour(Edit1, QPalette::Base, Qt::white);
    SetColour(Edit1, QPalette::Text, kBlack);
    Edit1->installEventFilter(this);

    Panel1 = ColouredLabel(this, "Panel1", "MS Sans Serif", 12, kRed);
    Panel1->resize(309, 25);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SetBackground(Panel1, kPaleYellow);
    Panel1->hide();

    BitBtn1 = MakeButton(this, "BitBtn1", QRect(0, 0, 97, 27));
    BitBtn1->setIcon(QPixmap::fromImage(OkMarkPicture(16)));
    BitBtn2 = MakeButton(this, "BitBtn2", QRect(0, 0, 97, 27));
    BitBtn2->setIcon(QPixmap::fromImage(CancelMarkPicture(16)));
    BitBtn4 = MakeButton(this, "BitBtn4", QRect(0, 0, 97, 27));
    BitBtn5 = MakeButton(this, "BitBtn5", QRect(0, 0, 17, 15));
    BitBtn5->setText("X");
    BitBtn5->setFocusPolicy(Qt::NoFocus);
    BitBtn5->setFont(PixelFont("MS Sans Serif", 9));
    BitBtn5->hide();
    connect(BitBtn1, &QPushButton::clicked, this, &LevelWindow::AcceptTypedLevel);
    connect(BitBtn2, &QPushButton::clicked, this, &LevelWindow::Cancel);
    connect(BitBtn5, &QPushButton::clicked, this, &LevelWindow::Cancel);
    connect(BitBtn4, &QPushButton::clicked, this, [this] {
        Panel2->setVisible(!Panel2->isVisible());
        Edit1->setFocus();
    });

    BuildChooser();
    BuildHowToPlay();
    // The title and the prompt stand in front of the how-to-play panel, which reaches
    // under them on the lowest screens: the child always sees the table chosen.
    Panel3->raise();
    Label1->raise();
    TakeTableNumber();
    SetLevelWindowTexts();
    MoveOntoStage(*this);
}

void LevelWindow::BuildChooser() {
    Panel4 = new QFrame(this);
    Panel4->setObjectName("Panel4");
    Panel4->resize(129, 249);
    Panel4->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SetBackground(Panel4, kBlack);
    const QColor grey(128, 128, 128);
    Label2 = ColouredLabel(Panel4, "Label2", "Small Fonts", 9, grey);
    Label2->move(8, 4);

    Shape1 = new QFrame(Panel4);
    Shape1->setObjectName("Shape1");
    Shape1->setGeometry(48, 20, 65, 213);
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    SetColour(Shape1, QPalette::WindowText, grey);
    SetBackground(Shape1, QColor(0, 0, 64));
    Shape1->setMouseTracking(true);
    Shape1->installEventFilter(this);

    Shape2 = new QFrame(Panel4);
    Shape2->setObjectName("Shape2");
    Shape2->setGeometry(65, 49, 29, 170);
    Shape2->setFrameStyle(QFrame::Box | QFrame::Plain);
    SetColour(Shape2, QPalette::WindowText, grey);
    SetBackground(Shape2, kBlack);

    // Level 1 at the bottom, each level 8 pixels higher; the ends are a little taller.
    for (int level = 1; level <= 20; ++level) {
        const QString name = QString("Label%1").arg(100 * level);
        QLabel* label = ColouredLabel(Panel4, name.toLatin1().constData(), "Small Fonts", 8, grey);
        QString caption = level % 5 == 0 ? "." : " ";
        int top = 204 - 8 * (level - 1);
        int height = 8;
        if (level == 1) {
            caption = " 1";
            height = 13;
        } else if (level == 20) {
            caption = " 20";
            top = 52;
            height = 9;
        }
        label->setText(caption);
        label->setGeometry(69, top, 20, height);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        levelLabels_[static_cast<std::size_t>(level - 1)] = label;
    }
}

void LevelWindow::BuildHowToPlay() {
    Panel2 = new QFrame(this);
    Panel2->setObjectName("Panel2");
    Panel2->resize(217, 297);
    SetBackground(Panel2, kNavy);
    MakePicture(Panel2, "Image1", HowToPlayBackground(197, 281), 10, 8);
    Label4 = ColouredLabel(Panel2, "Label4", "MS Sans Serif", 13, kSilver);
    Label5 = ColouredLabel(Panel2, "Label5", "MS Sans Serif", 13, kSilver);
    for (QLabel* line : {Label4, Label5}) {
        SetBackground(line, kBlack);
    }
    Label4->move(30, 62);
    Label5->move(30, 80);
    Image19 = MakePicture(Panel2, "Image19", RulePicture(7, 116, 73), 44, 108);
    Label11 = ColouredLabel(Panel2, "Label11", "MS Sans Serif", 16, kSilver);
    Image4 = MakePicture(Panel2, "Image4", ArrowKeyPicture(ArrowKey::Left, 28), 20, 200);
    Label3 = ColouredLabel(Panel2, "Label3", "MS Sans Serif", 13, kSilver);
    Label3->move(52, 206);
    Image5 = MakePicture(Panel2, "Image5", ArrowKeyPicture(ArrowKey::Right, 28), 112, 200);
    Label6 = ColouredLabel(Panel2, "Label6", "MS Sans Serif", 13, kSilver);
    Label6->move(144, 206);
    Image6 = MakePicture(Panel2, "Image6", ArrowKeyPicture(ArrowKey::Down, 28), 20, 240);
    Label7 = ColouredLabel(Panel2, "Label7", "MS Sans Serif", 13, kSilver);
    Label7->move(52, 246);
    Panel2->hide();
}

int LevelWindow::LanguageIndex() const {
    return static_cast<int>(quorelin::LanguageIndex(settings_.Language));
}

void LevelWindow::SetLevelWindowTexts() {
    const auto i = static_cast<std::size_t>(LanguageIndex());
    Label11->setText(QString("x %1 = ").arg(table_));
    Image19->setPixmap(QPixmap::fromImage(RulePicture(table_, 116, 73)));
    Label4->setText(Text(kRuleLine1[i]));
    Label5->setText(Text(kRuleLine2[i]));
    Label1->setText(Text(kPrompt[i]));
    Panel1->setText(Text(kRangeWarning[i]));
    FitText(Panel1);
    BitBtn4->setText(Text(kHowToPlayCaption[i]));
    FitText(BitBtn4);
    BitBtn1->setText(Text(kOkCaption[i]));
    BitBtn2->setText(Text(kCancelCaption[i]));
    Label2->setText(Text(kChooserHeading[i]));
    Label2->setToolTip(Text(kChooserHint[i]));
    Edit1->setToolTip(Text(kEntryHint[i]));
    Label3->setText(Text(kLeftCaption[i]));
    Label6->setText(Text(kRightCaption[i]));
    Label7->setText(Text(kDownCaption[i]));
    Label1->adjustSize();
    Label2->adjustSize();

    Label11->adjustSize();
    for (int step = 0; step < 4 && Label11->width() > 52; ++step) {
        ShrinkOnePoint(Label11);
    }
    Label11->move(80, 180 - Label11->height());

    Label4->adjustSize();
    Label5->adjustSize();
    const auto rulesFit = [this] { return Label4->width() < 145 && Label5->width() < 145; };
    for (int step = 0; step < 4 && !rulesFit(); ++step) {
        ShrinkOnePoint(Label4);
        SetPointSize(Label5, PointSize(Label4->font()));
    }

    for (QLabel* label : {Label3, Label6, Label7}) {
        label->adjustSize();
    }
    const auto keysFit = [this] {
        return Label6->width() < 52 && Label3->width() < 52 && Label7->width() < 97;
    };
    if (!keysFit()) {
        for (QLabel* label : {Label3, Label6, Label7}) {
            QFont font = label->font();
            font.setFamily("Small Fonts");
            label->setFont(font);
            label->adjustSize();
        }
        for (int step = 0; step < 3 && !keysFit(); ++step) {
            ShrinkOnePoint(Label6);
            SetPointSize(Label3, PointSize(Label6->font()));
            SetPointSize(Label7, PointSize(Label6->font()));
        }
    }
    SetPointSize(Label6, PointSize(Label6->font()));
    SetPointSize(Label3, PointSize(Label6->font()));
    SetPointSize(Label7, PointSize(Label6->font()));
}

void LevelWindow::LayOutLevelWindow() {
    Edit1->setFocus();
    const bool full = settings_.WindowMode == 1;
    if (full) {
        SetFullScreenFrame(*this, {settings_.ScreenWidth, settings_.ScreenHeight});
        PlaceInTopRightCorner(*BitBtn5, {settings_.ScreenHeight == 480   ? 602
                                         : settings_.ScreenHeight == 768 ? 991
                                                                         : 763,
                                         20});
        BitBtn5->show();
    } else {
        BitBtn5->hide();
        // Outer sizes and places, frame and caption included.
        const WindowPlace main = mainPlace_ ? mainPlace_() : WindowPlace{};
        if (main.maximised) {
            const bool tall = settings_.ScreenHeight == 768;
            const auto height = RoundToInt(settings_.ScreenHeight * (tall ? 0.85 : 0.9));
            const auto width = RoundToInt(settings_.ScreenWidth * (tall ? 0.75 : 0.9));
            const QRect outer(RoundToInt((settings_.ScreenWidth - width) / 2.0),
                              RoundToInt((settings_.ScreenHeight - height) / 2.0) - 10, width,
                              height);
            SetFramedOuterGeometry(*this, outer.translated(DesignAreaCorner(
                                              settings_.ScreenWidth, settings_.ScreenHeight)));
        } else if (mainPlace_) {
            SetFramedOuterGeometry(*this, main.outer);
        }
    }

    PlaceLevelControls(*this, ScreenCaseFor(settings_), settings_.Language);
}

void LevelWindow::TakeTableNumber() {
    table_ = RoundToInt(game_.TableNumber);
}

void LevelWindow::Open() {
    TakeTableNumber();
    SetLevelWindowTexts();
    LayOutLevelWindow();
    SetFaceColour(FaceColour(settings_.ColorScheme));
    ShowRulePicture();
    show();
    if (settings_.WindowMode == 1) {
        switch (settings_.ScreenHeight) {
            case 480:
                DrawLevelFrame(12, 10, 626, 468);
                break;
            case 768:
                DrawLevelFrame(12, 10, 1014, 758);
                break;
            default:
                DrawLevelFrame(12, 10, 786, 588);
                break;
        }
    }
}

void LevelWindow::SetFaceColour(const QColor& colour) {
    SetBackground(this, colour);
    SetBackground(Panel2, colour);
}

void LevelWindow::ShowRulePicture() {
    Image19->show();
    Label4->show();
    Label5->show();
}

void LevelWindow::DrawLevelFrame(int x1, int y1, int x2, int y2) {
    frame_ = QRect(QPoint(x1, y1), QPoint(x2, y2));
    framePending_ = true;
    update();
}

void LevelWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // The frame is drawn by the first paint after it was asked for and never again, so
    // a later repaint of any part of the window removes that part of it.
    if (framePending_) {
        framePending_ = false;
        QPainter painter(this);
        // The frame surrounds the controls, wherever their stage stands.
        const QRect frame = frame_.translated(StageCorner(*this));
        PaintLevelFrame(painter, frame.left(), frame.top(), frame.right(), frame.bottom(),
                        settings_.ColorScheme);
    }
}

void LevelWindow::FitTableTitle() {
    Label8->adjustSize();
    // The title shrinks until it fits; at the smallest legible size it stops anyway.
    constexpr qreal kSmallestTitle = 6;
    const auto tooBig = [this] {
        return Label8->width() >= Panel3->width() - 2 || Label8->height() >= Panel3->height() - 2;
    };
    if (Label8->width() > Panel3->width() - 2 || Label8->height() > Panel3->height() - 2) {
        while (tooBig() && PointSize(Label8->font()) - 1 >= kSmallestTitle) {
            ShrinkOnePoint(Label8);
        }
    }
}

void LevelWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) {
        return;
    }
    const auto i = static_cast<std::size_t>(LanguageIndex());
    setWindowTitle(Text(kWindowTitle[i]));
    Label8->setText(Text(kTableTitleStart[i]) + QString::number(table_));
    Edit1->setFocus();
    choiceState_ = kOpen;
    Panel1->hide();
    Panel2->hide();
    FitTableTitle();
    Panel3->move(
        RoundToInt(Label1->width() / 2.0) + Label1->x() - RoundToInt(Panel3->width() / 2.0),
        Panel3->y());
    Label8->move(RoundToInt(Panel3->width() / 2.0) - RoundToInt(Label8->width() / 2.0),
                 (Panel3->height() - Label8->height()) / 2);
}

void LevelWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (event->spontaneous() || choiceState_ == kChosen) {
        return;
    }
    emit closedWithoutChoice();
    Edit1->clear();
    game_.StartLevel = 0;
}

void LevelWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Leaving the window for another one counts as cancelling it.
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) {
        hide();
        if (choiceState_ != kChosen) {
            Edit1->clear();
            game_.StartLevel = 0;
        }
    }
}

void LevelWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            Cancel();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter presses a focused button, else the default button OK.
            if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
                button->click();
            } else {
                AcceptTypedLevel();
            }
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

bool LevelWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1 && event->type() == QEvent::KeyRelease) {
        // The release of the Enter that accepted the field is no typing: the warning
        // that the acceptance showed stays.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) {
            UpdateWarning(EntryMoment::KeyReleased);
        }
        return false;
    }
    if (watched == Shape1 && event->type() == QEvent::MouseMove) {
        // Off the column again: the field is ready for typing.
        Edit1->setEnabled(true);
        SetColour(Edit1, QPalette::Text, kBlack);
        Edit1->clear();
        Edit1->setFocus();
        return true;
    }
    for (int level = 1; level <= 20; ++level) {
        if (watched != LevelLabel(level)) {
            continue;
        }
        if (event->type() == QEvent::MouseMove) {
            SetColour(Edit1, QPalette::Text, kBlue);
            Edit1->setText(QString::number(level));
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            StartChosenLevel(level);
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void LevelWindow::UpdateWarning(EntryMoment moment) {
    Panel1->setVisible(RangeWarningShown(Edit1->text().toStdString(), moment));
    // On the lowest class the warning reaches over the quick chooser: it stays readable.
    Panel1->raise();
}

void LevelWindow::AcceptTypedLevel() {
    UpdateWarning(EntryMoment::Accepting);
    if (const std::optional<int> level = ChosenLevel(Edit1->text().toStdString())) {
        StartChosenLevel(*level);
        return;
    }
    Edit1->clear();
    Edit1->setFocus();
    if (settings_.SoundEffects == 1) {
        platformBeep_();
    }
}

void LevelWindow::StartChosenLevel(int level) {
    game_.StartLevel = level;
    choiceState_ = kChosen;
    Edit1->clear();
    emit levelChosen();
    hide();
}

void LevelWindow::Cancel() {
    Edit1->clear();
    game_.StartLevel = 0;
    hide();
}

}  // namespace quorelin
