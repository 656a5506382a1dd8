#include "scores/high_score_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <iostream>
#include <string>

#include "game/language.h"
#include "game/rounding.h"
#include "kit/device_image.h"
#include "kit/window_frame.h"
#include "scores/scores_layout.h"
#include "store/windows1252.h"

namespace quorelin {
namespace {

constexpr std::array<const char*, 5> kWindowTitle{
    " Mirandol Tables High Scores", " Mirandol Tablas High Scores", " Mirandol Tafels High Scores",
    " Mirandol Tafels High Scores", " Mirandol Einmaleins High Scores"};
constexpr std::array<const char*, 5> kBigHeading{"Multiplications with ", "Tabla del ",
                                                 "Tafel van ", "Tafel fan ", "Einmaleins x "};
constexpr std::array<const char*, 5> kSmallHeading{
    "HIGH SCORES Tables x ", "HIGH SCORES Tabla del ", "HIGH SCORES Tafel van ",
    "HIGH SCORES Tafel fan ", "HIGH SCORES Einmaleins x "};
constexpr std::array<const char*, 5> kOkCaption{"Ok", "Aceptar ", "Ok", "Akkoart", "Ok"};
constexpr std::array<const char*, 5> kEmptyNameWarning{
    "You forgot to fill in your name!  Are you sure to leave?",
    "¡Has olvidado escribir tu nombre! ¿Estás seguro de que quieres salir?",
    "Je bent vergeten je naam in te vullen! Ben je er zeker van dat je vertrekken wilt?",
    "Hast forgetten dyn namme te skriuwen! Bist der wis fan wei te gean?",
    "Du hast vergessen, deinen Namen auszufüllen. Bist du sicher, daß du gehen möchtest?"};
constexpr const char* kScreenChanged =
    "The size of the screen has been changed! You´d better stop the program and start it "
    "again! ";
constexpr const char* kEntryNotSaved =
    "The new high score could not be written to the data file yet:\n%1\n\nIt stays in the "
    "list, and the game tries to save it again when it ends.";
constexpr int kNameBoxMaxLength = 17;

const QColor kDarkRed(128, 0, 0);
const QColor kBrightRed(255, 0, 0);
const QColor kYellow(255, 255, 0);

QColor ShadowColour(int colorScheme) {
    return colorScheme == 2 ? QColor(80, 0, 0) : QColor(0, 0, 0);
}

QColor NameBoxColour(int colorScheme) {
    return colorScheme == 2 ? QColor(144, 0, 0) : kDarkRed;
}

QString Text(const std::array<const char*, 5>& table, int language) {
    return QString::fromUtf8(table[static_cast<std::size_t>(language - 1)]);
}

// A two-pixel bevel: `topLeft` on the top and left edges, `bottomRight` on the others.
void DrawBevel(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    for (int i = 0; i < 2; ++i) {
        const int x1 = r.left() + i;
        const int y1 = r.top() + i;
        const int x2 = r.right() - i;
        const int y2 = r.bottom() - i;
        p.fillRect(QRect(QPoint(x1, y2), QPoint(x2, y2)), bottomRight);
        p.fillRect(QRect(QPoint(x2, y1), QPoint(x2, y2)), bottomRight);
        p.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y1)), topLeft);
        p.fillRect(QRect(QPoint(x1, y1), QPoint(x1, y2 - 1)), topLeft);
    }
}

// A label drawn as a raised panel in the list's reds (the small heading).
class RaisedPanel : public QLabel {
public:
    using QLabel::QLabel;
    int colorScheme = 2;

protected:
    void paintEvent(QPaintEvent* event) override {
        {
            QPainter p(this);
            p.fillRect(rect(), kDarkRed);
            DrawBevel(p, rect(), kBrightRed, ShadowColour(colorScheme));
        }
        QLabel::paintEvent(event);
    }
};

QFont Font(const char* family, int pixels, bool bold) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* AddLabel(QWidget* parent, const QString& name, const QFont& font) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(font);
    return label;
}

// The OK button's glyph: a green tick.
QIcon OkGlyph() {
    QPixmap pixmap(18, 18);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(QColor(0, 128, 0), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.drawPolyline(QPolygonF({QPointF(3, 9), QPointF(7, 14), QPointF(15, 4)}));
    return QIcon(pixmap);
}

QString DecodeName(const std::string& bytes) {
    const std::u32string text = DecodeWindows1252(bytes);
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QImage PaintListArea(int colorScheme) {
    QImage image = DeviceImage(kListAreaWidth, kListAreaHeight, QImage::Format_RGB32);
    image.fill(kDarkRed);
    QPainter p(&image);
    const QColor shadow = ShadowColour(colorScheme);
    DrawBevel(p, LogicalRect(image), kBrightRed, shadow);
    DrawBevel(p, QRect(QPoint(13, 15), QPoint(240, 280)), shadow, kBrightRed);
    DrawBevel(p, QRect(QPoint(293, 15), QPoint(520, 280)), shadow, kBrightRed);
    return image;
}

QImage PaintScoresBanner(int colorScheme, int width, int height) {
    QImage image = DeviceImage(width, height, QImage::Format_RGB32);
    image.fill(kDarkRed);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, colorScheme == 2);
    p.setRenderHint(QPainter::TextAntialiasing, colorScheme == 2);
    QFont font = Font("VAG Rounded Thin", height * 7 / 10, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, height / 20.0);
    const QString text = QStringLiteral("HIGH SCORES");
    // Shrink until the words fit with a margin.
    while (QFontMetrics(font).horizontalAdvance(text) > width - 20 && font.pixelSize() > 8) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    QPainterPath path;
    const QFontMetrics metrics(font);
    const double x = (width - metrics.horizontalAdvance(text)) / 2.0;
    const double y = (height + metrics.ascent() - metrics.descent()) / 2.0;
    path.addText(x, y, font, text);
    const int depth = std::max(2, height / 25);
    p.fillPath(path.translated(depth, depth), ShadowColour(colorScheme));
    if (colorScheme == 2) {
        QLinearGradient gold(0, y - metrics.ascent(), 0, y);
        gold.setColorAt(0, QColor(255, 255, 160));
        gold.setColorAt(0.5, kYellow);
        gold.setColorAt(1, QColor(230, 180, 0));
        p.fillPath(path, gold);
    } else {
        p.fillPath(path, kYellow);
    }
    return image;
}

QImage PaintScoresBackground(int colorScheme, int width, int height) {
    QImage image = DeviceImage(width, height, QImage::Format_RGB32);
    image.fill(kDarkRed);
    QPainter p(&image);
    DrawBevel(p, LogicalRect(image), kBrightRed, ShadowColour(colorScheme));
    return image;
}

HighScoreWindow::HighScoreWindow(Settings& settings, GameState& game, DataFile& dataFile)
    : settings_(settings), game_(game), dataFile_(dataFile) {
    setObjectName("FormHS");
    setWindowTitle(Text(kWindowTitle, 1));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kDarkRed);
    palette.setColor(QPalette::WindowText, kYellow);
    setPalette(palette);
    setAutoFillBackground(true);

    // Created back to front: pictures first, the list's labels above them.
    Image2 = AddLabel(this, "Image2", font());
    Image6 = AddLabel(this, "Image6", font());
    Image6->resize(720, 100);
    Image10 = AddLabel(this, "Image10", font());
    Image10->resize(kListAreaWidth, kListAreaHeight);

    Panel13 = AddLabel(this, "Panel13", Font("VAG Rounded Thin", kHeadingDesignFontSize, true));
    Panel13->setAlignment(Qt::AlignCenter);
    Panel14 = new RaisedPanel(this);
    Panel14->setObjectName("Panel14");
    Panel14->setFont(Font("Verdana", 20, true));
    Panel14->setAlignment(Qt::AlignCenter);
    Panel14->hide();

    // The list in a condensed face: digits about 8 pixels wide, which the 4-pixel steps of
    // the score labels assume, and "Level" fits its box in every class.
    const QFont listFont = Font("Tahoma", 12, true);
    Label1 = AddLabel(this, "Label1", listFont);
    Label2 = AddLabel(this, "Label2", listFont);
    Label3 = AddLabel(this, "Label3", listFont);
    Label4 = AddLabel(this, "Label4", listFont);
    for (QLabel* label : {Label1, Label3}) {
        label->setText(QStringLiteral("Score"));
    }
    for (QLabel* label : {Label2, Label4}) {
        label->setText(QStringLiteral("Level"));
    }
    for (QLabel* label : {Label1, Label2, Label3, Label4}) {
        label->adjustSize();
    }

    for (int rank = 1; rank <= 12; ++rank) {
        const auto i = static_cast<std::size_t>(rank - 1);
        const QString number = QString::number(rank);
        RankLabels[i] = AddLabel(this, rank == 1 ? "Statictext1" : "statictext" + number, listFont);
        RankLabels[i]->setText(number);
        RankLabels[i]->adjustSize();
        NameFields[i] = AddLabel(this, "Panel" + number, listFont);
        // A name shows exactly as it was typed or stored, markup and all.
        NameFields[i]->setTextFormat(Qt::PlainText);
        NameFields[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        NameFields[i]->resize(118, 26);
        ScoreLabels[i] = AddLabel(this, "s" + number, listFont);
        LevelLabels[i] = AddLabel(this, "n" + number, listFont);
    }
    Statictext1 = RankLabels[0];
    statictext2 = RankLabels[1];
    statictext3 = RankLabels[2];
    statictext4 = RankLabels[3];
    statictext5 = RankLabels[4];
    statictext6 = RankLabels[5];
    statictext7 = RankLabels[6];
    statictext8 = RankLabels[7];
    statictext9 = RankLabels[8];
    statictext10 = RankLabels[9];
    statictext11 = RankLabels[10];
    statictext12 = RankLabels[11];
    Panel1 = NameFields[0];
    Panel2 = NameFields[1];
    Panel3 = NameFields[2];
    Panel4 = NameFields[3];
    Panel5 = NameFields[4];
    Panel6 = NameFields[5];
    Panel7 = NameFields[6];
    Panel8 = NameFields[7];
    Panel9 = NameFields[8];
    Panel10 = NameFields[9];
    Panel11 = NameFields[10];
    Panel12 = NameFields[11];
    s1 = ScoreLabels[0];
    s2 = ScoreLabels[1];
    s3 = ScoreLabels[2];
    s4 = ScoreLabels[3];
    s5 = ScoreLabels[4];
    s6 = ScoreLabels[5];
    s7 = ScoreLabels[6];
    s8 = ScoreLabels[7];
    s9 = ScoreLabels[8];
    s10 = ScoreLabels[9];
    s11 = ScoreLabels[10];
    s12 = ScoreLabels[11];
    n1 = LevelLabels[0];
    n2 = LevelLabels[1];
    n3 = LevelLabels[2];
    n4 = LevelLabels[3];
    n5 = LevelLabels[4];
    n6 = LevelLabels[5];
    n7 = LevelLabels[6];
    n8 = LevelLabels[7];
    n9 = LevelLabels[8];
    n10 = LevelLabels[9];
    n11 = LevelLabels[10];
    n12 = LevelLabels[11];

    NameBox = new QLineEdit(this);
    NameBox->setObjectName("NameBox");
    NameBox->setFrame(false);
    NameBox->setMaxLength(kNameBoxMaxLength);
    NameBox->setFont(listFont);
    NameBox->setTextMargins(0, 0, 0, 0);
    NameBox->resize(110, 16);
    NameBox->hide();
    NameBox->installEventFilter(this);

    BitBtn1 = new QPushButton(this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setIcon(OkGlyph());
    BitBtn1->setGeometry(684, 524, kOkDesignWidth, kOkDesignHeight);
    BitBtn1->setDefault(true);
    BitBtn1->installEventFilter(this);
    connect(BitBtn1, &QPushButton::clicked, this, &HighScoreWindow::ConfirmAndLeave);

    BitBtn4 = new QPushButton(QStringLiteral("X"), this);
    BitBtn4->setObjectName("BitBtn4");
    BitBtn4->setFont(Font("Verdana", 9, true));
    BitBtn4->setFocusPolicy(Qt::NoFocus);
    BitBtn4->setGeometry(770, 18, 15, 15);
    connect(BitBtn4, &QPushButton::clicked, this, &HighScoreWindow::ConfirmAndLeave);

    Panel15 = new QWidget(this);
    Panel15->setObjectName("Panel15");
    for (int table = 1; table <= 20; ++table) {
        auto* button = new QPushButton(QString::number(table), Panel15);
        button->setObjectName(QString("TableButton%1").arg(table));
        button->setFocusPolicy(Qt::NoFocus);
        TableButtons[static_cast<std::size_t>(table - 1)] = button;
        connect(button, &QPushButton::clicked, this, [this, table] { TableButtonClick(table); });
    }

    MeasureLabel = AddLabel(this, "MeasureLabel", Panel13->font());
    MeasureLabel->hide();

    SetDialogs({});
    MoveOntoStage(*this);
    // Every control in its place for the current settings; the window starts hidden.
    LayOutScoresWindow(*this, settings_);
}

void HighScoreWindow::SetDialogs(Dialogs dialogs) {
    dialogs_.askLeaveWithoutName =
        dialogs.askLeaveWithoutName
            ? std::move(dialogs.askLeaveWithoutName)
            : [this](const QString& message, bool closeRequest) {
                  const auto buttons = closeRequest ? QMessageBox::Ok | QMessageBox::Cancel
                                                    : QMessageBox::Yes | QMessageBox::Cancel;
                  const auto yes = closeRequest ? QMessageBox::Ok : QMessageBox::Yes;
                  return QMessageBox::warning(this, QStringLiteral("Warning"), message, buttons,
                                              yes) == yes;
              };
    dialogs_.warnScreenChanged =
        dialogs.warnScreenChanged
            ? std::move(dialogs.warnScreenChanged)
            : [this](const QString& message) {
                  QMessageBox::warning(this, QStringLiteral("Warning"), message, QMessageBox::Ok);
              };
    dialogs_.currentScreenHeight =
        dialogs.currentScreenHeight ? std::move(dialogs.currentScreenHeight) : [] {
            const QScreen* screen = QGuiApplication::primaryScreen();
            return screen != nullptr ? screen->size().height() : 0;
        };
    dialogs_.reportSaveError =
        dialogs.reportSaveError
            ? std::move(dialogs.reportSaveError)
            : [this](const QString& message) {
                  QMessageBox box(QMessageBox::Critical, QStringLiteral("Quorelin"), message,
                                  QMessageBox::Ok, this);
                  box.setTextFormat(Qt::PlainText);
                  box.exec();
              };
}

int HighScoreWindow::Language() const {
    return static_cast<int>(LanguageIndex(settings_.Language)) + 1;
}

void HighScoreWindow::ShowBrowse() {
    game_.AfterGame = 0;
    // Only the system menu among the border icons: no minimise or maximise box.
    Qt::WindowFlags flags = windowFlags();
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
             Qt::WindowCloseButtonHint;
    flags &= ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    setWindowFlags(flags);
    show();
}

void HighScoreWindow::ShowAfterGame() {
    game_.AfterGame = 1;
    show();
}

void HighScoreWindow::setVisible(bool visible) {
    if (!visible || isVisible()) {
        QWidget::setVisible(visible);
        return;
    }
    FormShow();
    QWidget::setVisible(true);
    raise();
    activateWindow();
    // Focus as the fill decided, now that the window is on screen.
    (working_.EntryPending() ? static_cast<QWidget*>(NameBox) : BitBtn1)->setFocus();
}

void HighScoreWindow::SetHeadingTexts() {
    Panel13->setText(Text(kBigHeading, Language()) + tableText_);
    Panel14->setText(Text(kSmallHeading, Language()) + tableText_);
}

// The showing procedure, steps 1 to 8.
void HighScoreWindow::FormShow() {
    const bool afterGame = game_.AfterGame == 1;
    // 1, 2. The table number is a whole number kept as a float; from here on the window
    // holds it as the whole number.
    const int table = RoundToInt(game_.TableNumber);
    tableText_ = QString::number(table);
    SetHeadingTexts();
    setWindowTitle(Text(kWindowTitle, Language()));
    // 3.
    LayOutScoresWindow(*this, settings_);
    const bool smallScreen = settings_.ScreenHeight < 600;
    Panel13->setVisible(!smallScreen);
    Panel14->setVisible(smallScreen);
    static_cast<RaisedPanel*>(Panel14)->colorScheme = settings_.ColorScheme;
    QPalette box = NameBox->palette();
    box.setColor(QPalette::Base, NameBoxColour(settings_.ColorScheme));
    box.setColor(QPalette::Text, kYellow);
    NameBox->setPalette(box);
    Image10->setPixmap(QPixmap::fromImage(PaintListArea(settings_.ColorScheme)));
    Image6->setPixmap(QPixmap::fromImage(
        PaintScoresBanner(settings_.ColorScheme, Image6->width(), Image6->height())));
    if (!Image2->isHidden()) {
        Image2->setPixmap(QPixmap::fromImage(
            PaintScoresBackground(settings_.ColorScheme, Image2->width(), Image2->height())));
    }
    // 4.
    BitBtn1->setText(Text(kOkCaption, Language()));
    // 5.
    if (!afterGame) {
        game_.StartLevel = 1;
        game_.LevelScore = 0;
    }
    AdjustScoresWindowForMode(*this, settings_, afterGame);
    // 6, 7, 8.
    CheckScreen();
    FitHeading();
    FillAndInsert(table, game_.LevelScore, game_.StartLevel);
}

void HighScoreWindow::CheckScreen() {
    if (dialogs_.currentScreenHeight() < settings_.ScreenHeight) {
        dialogOpen_ = true;
        dialogs_.warnScreenChanged(QString::fromUtf8(kScreenChanged));
        dialogOpen_ = false;
    }
}

int FitHeadingFontSize(QFont font, const QString& text, int headingWidth) {
    auto width = [&] { return QFontMetrics(font).horizontalAdvance(text); };
    if (width() <= 220) {
        return font.pixelSize();
    }
    for (int step = 0; step < 30 && width() > headingWidth - 4 && font.pixelSize() > 1; ++step) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font.pixelSize();
}

void HighScoreWindow::FitHeading() {
    // The measuring label takes the heading's font and text, as the window design has it.
    MeasureLabel->setFont(Panel13->font());
    MeasureLabel->setText(Panel13->text());
    QFont font = Panel13->font();
    font.setPixelSize(FitHeadingFontSize(font, Panel13->text(), Panel13->width()));
    Panel13->setFont(font);
}

void HighScoreWindow::FillAndInsert(int table, std::int32_t score, std::int32_t level) {
    // 1, 2.
    working_.FillAndInsert(dataFile_.store(), table, score, level);
    // 3, 4.
    for (int rank = 1; rank <= 12; ++rank) {
        const auto i = static_cast<std::size_t>(rank - 1);
        const HighScoreEntry& entry = working_.List()[i];
        NameFields[i]->setText(QStringLiteral(" ") + DecodeName(entry.nameBytes()));
        NameFields[i]->show();
        ScoreLabels[i]->setText(QString::number(entry.score()));
        ScoreLabels[i]->adjustSize();
        ScoreLabels[i]->move(ScoreLabelLeft(rank, entry.score(), ScoresGridDX),
                             ScoreLabels[i]->y());
        LevelLabels[i]->setText(QString::number(entry.level()));
        LevelLabels[i]->adjustSize();
    }
    // 5.
    if (working_.EntryPending()) {
        QLabel* field = NameFields[static_cast<std::size_t>(working_.NewEntryRank() - 1)];
        NameBox->move(field->x() + 5, field->y() + 6);
        field->hide();
        NameBox->show();
        NameBox->raise();
        NameBox->setFocus();
    } else {
        NameBox->hide();
        BitBtn1->setFocus();
    }
}

void HighScoreWindow::TableButtonClick(int table) {
    tableText_ = QString::number(table);
    game_.TableNumber = table;
    SetHeadingTexts();
    FillAndInsert(table, 0, 1);
}

void HighScoreWindow::StoreEntry() {
    const QList<uint> typed = NameBox->text().toUcs4();
    if (!working_.StoreEntry(std::u32string(typed.begin(), typed.end()), dataFile_.store())) {
        return;
    }
    const auto i = static_cast<std::size_t>(working_.NewEntryRank() - 1);
    NameFields[i]->setText(QStringLiteral(" ") + DecodeName(working_.List()[i].nameBytes()));
    NameFields[i]->show();
    SaveStoredEntry();
}

// A result is written to the file as soon as it is stored, so a crash or a power cut
// later in the run does not lose it. A failure is only reported: the entry stays in the
// store and the saves at Exit and at the end try again.
void HighScoreWindow::SaveStoredEntry() {
    const DataFileResult saved = dataFile_.SaveDataFile(settings_);
    if (saved.ok) {
        return;
    }
    std::cerr << "Quorelin: " << saved.message << '\n';
    dialogOpen_ = true;
    dialogs_.reportSaveError(
        QString::fromUtf8(kEntryNotSaved).arg(QString::fromStdString(saved.message)));
    dialogOpen_ = false;
}

bool HighScoreWindow::AskLeaveWithoutName(bool closeRequest) {
    // The warning is ours: its taking the activation is not the window's deactivation.
    dialogOpen_ = true;
    const bool leave =
        dialogs_.askLeaveWithoutName(Text(kEmptyNameWarning, Language()), closeRequest);
    dialogOpen_ = false;
    return leave;
}

void HighScoreWindow::ConfirmAndLeave() {
    if (working_.EntryPending() && NameBox->text().isEmpty() && !AskLeaveWithoutName(false)) {
        NameBox->setFocus();
        return;
    }
    StoreEntry();
    QCoreApplication::processEvents();
    hide();
    NameBox->clear();
    NameBox->hide();
}

void HighScoreWindow::FormDeactivate() {
    if (working_.EntryPending()) {
        StoreEntry();
        NameBox->hide();
        working_.EndEntry();
    }
    hide();
}

void HighScoreWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || isActiveWindow() || !isVisible() ||
        dialogOpen_) {
        return;
    }
    // Only another window of the program taking over counts, not another program.
    const QWidget* now = QApplication::activeWindow();
    if (now != nullptr && now != this) {
        FormDeactivate();
    }
}

void HighScoreWindow::closeEvent(QCloseEvent* event) {
    if (!working_.EntryPending()) {
        event->accept();
        return;
    }
    if (NameBox->text().isEmpty() && !AskLeaveWithoutName(true)) {
        event->ignore();
        return;
    }
    StoreEntry();
    hide();
    NameBox->clear();
    NameBox->hide();
    working_.EndEntry();
    event->accept();
}

void HighScoreWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // A minimised window is hidden by the window system; that is not leaving.
    if (event->spontaneous()) {
        return;
    }
    working_.EndEntry();
    // However the window was left, the next child finds the name box empty.
    NameBox->clear();
    NameBox->hide();
    emit hidden();
}

void HighScoreWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            ConfirmAndLeave();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

// The window previews the keys of its name box and OK button: Escape acts as "X", Enter
// as the default button OK.
bool HighScoreWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
            ConfirmAndLeave();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace quorelin
