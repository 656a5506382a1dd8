#include "scores/high_score_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <iostream>
#include <string>

#include "game/language.h"
#include "game/rounding.h"
#include "kit/pictures.h"
#include "kit/text_fit.h"
#include "kit/widget_style.h"
#include "kit/window_frame.h"
#include "scores/scores_layout.h"
#include "scores/scores_pictures.h"
#include "scores/scores_texts.h"
#include "store/data_file_texts.h"
#include "store/windows1252.h"

namespace quorelin {
namespace {

using namespace scores_texts;

constexpr int kNameBoxMaxLength = 17;

QColor NameBoxColour(int colorScheme) {
    return colorScheme == 2 ? QColor(144, 0, 0) : kMaroon;
}

// A label on a raised panel in the list's reds (the small heading).
class RaisedPanel : public QLabel {
public:
    using QLabel::QLabel;
    int colorScheme = 2;

protected:
    void paintEvent(QPaintEvent* event) override {
        {
            QPainter p(this);
            PaintRaisedPanel(p, rect(), colorScheme);
        }
        QLabel::paintEvent(event);
    }
};

// The narrowest letters a list text may get, in percent of their width.
constexpr int kNarrowestStretch = 50;

// Fits a row's text into its cell, never shortening it: smaller type first; where even
// the smallest is too wide, as for the extreme levels a damaged file can hold, narrower
// letters as well.
void FitIntoCell(QLabel* cell) {
    FitText(cell);
    QFont font = cell->font();
    const int room = cell->contentsRect().width();
    for (int stretch = 95;
         stretch >= kNarrowestStretch && QFontMetrics(font).horizontalAdvance(cell->text()) > room;
         stretch -= 5) {
        font.setStretch(stretch);
    }
    cell->setFont(font);
}

QString DecodeName(const std::string& bytes) {
    const std::u32string text = DecodeWindows1252(bytes);
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

HighScoreWindow::HighScoreWindow(Settings& settings, GameState& game, DataFile& dataFile)
    : settings_(settings), game_(game), dataFile_(dataFile) {
    setObjectName("FormHS");
    setWindowTitle(Text(kWindowTitle[0]));
    SetBackground(this, kMaroon);
    SetColour(this, QPalette::WindowText, kYellow);

    // Created back to front: pictures first, the list's labels above them.
    Image2 = MakeLabel(this, "Image2", {}, font());
    Image6 = MakeLabel(this, "Image6", {}, font());
    Image6->resize(720, 100);
    Image10 = MakeLabel(this, "Image10", {}, font());
    Image10->resize(kListAreaWidth, kListAreaHeight);

    Panel13 =
        MakeLabel(this, "Panel13", {}, PixelFont("VAG Rounded Thin", kHeadingDesignFontSize, true));
    Panel13->setAlignment(Qt::AlignCenter);
    Panel14 = new RaisedPanel(this);
    Panel14->setObjectName("Panel14");
    Panel14->setFont(PixelFont("Verdana", 20, true));
    Panel14->setAlignment(Qt::AlignCenter);
    Panel14->hide();

    // The list in a condensed face: digits about 8 pixels wide, which the 4-pixel steps of
    // the score labels assume, and "Level" fits its box in every class.
    const QFont listFont = PixelFont("Tahoma", 12, true);
    Label1 = MakeLabel(this, "Label1", {}, listFont);
    Label2 = MakeLabel(this, "Label2", {}, listFont);
    Label3 = MakeLabel(this, "Label3", {}, listFont);
    Label4 = MakeLabel(this, "Label4", {}, listFont);
    for (QLabel* label : {Label1, Label3}) {
        label->setText(Text(kScoreHeading));
    }
    for (QLabel* label : {Label2, Label4}) {
        label->setText(Text(kLevelHeading));
    }
    for (QLabel* label : {Label1, Label2, Label3, Label4}) {
        label->adjustSize();
    }

    for (int rank = 1; rank <= 12; ++rank) {
        const auto i = static_cast<std::size_t>(rank - 1);
        const QString number = QString::number(rank);
        RankLabels[i] = MakeLabel(
            this, qPrintable(rank == 1 ? "Statictext1" : "statictext" + number), {}, listFont);
        RankLabels[i]->setText(number);
        RankLabels[i]->adjustSize();
        NameFields[i] = MakeLabel(this, qPrintable("Panel" + number), {}, listFont);
        // A name shows exactly as it was typed or stored, markup and all.
        NameFields[i]->setTextFormat(Qt::PlainText);
        NameFields[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        NameFields[i]->resize(118, 26);
        ScoreLabels[i] = MakeLabel(this, qPrintable("s" + number), {}, listFont);
        LevelLabels[i] = MakeLabel(this, qPrintable("n" + number), {}, listFont);
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

    BitBtn1 = MakeButton(this, "BitBtn1", {684, 524, kOkDesignWidth, kOkDesignHeight});
    BitBtn1->setIcon(QPixmap::fromImage(OkMarkPicture()));
    BitBtn1->setDefault(true);
    BitBtn1->installEventFilter(this);
    connect(BitBtn1, &QPushButton::clicked, this, &HighScoreWindow::ConfirmAndLeave);

    BitBtn4 = MakeButton(this, "BitBtn4", {770, 18, 15, 15});
    BitBtn4->setText(Text(kCloseCaption));
    BitBtn4->setFont(PixelFont("Verdana", 9, true));
    BitBtn4->setFocusPolicy(Qt::NoFocus);
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

    MeasureLabel = MakeLabel(this, "MeasureLabel", {}, Panel13->font());
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
                  return QMessageBox::warning(this, Text(kWarningTitle), message, buttons, yes) ==
                         yes;
              };
    dialogs_.warnScreenChanged =
        dialogs.warnScreenChanged
            ? std::move(dialogs.warnScreenChanged)
            : [this](const QString& message) {
                  QMessageBox::warning(this, Text(kWarningTitle), message, QMessageBox::Ok);
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
                  QMessageBox box(QMessageBox::Critical, Text(kEntryNotSavedTitle), message,
                                  QMessageBox::Ok, this);
                  box.setTextFormat(Qt::PlainText);
                  box.exec();
              };
}

std::size_t HighScoreWindow::Language() const {
    return LanguageIndex(settings_.Language);
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
    Panel13->setText(Text(kBigHeading[Language()]) + tableText_);
    Panel14->setText(Text(kSmallHeading[Language()]) + tableText_);
}

// The showing procedure, steps 1 to 8.
void HighScoreWindow::FormShow() {
    const bool afterGame = game_.AfterGame == 1;
    // 1, 2. The table number is a whole number kept as a float; from here on the window
    // holds it as the whole number.
    const int table = RoundToInt(game_.TableNumber);
    tableText_ = QString::number(table);
    SetHeadingTexts();
    setWindowTitle(Text(kWindowTitle[Language()]));
    // 3.
    LayOutScoresWindow(*this, settings_);
    const bool smallScreen = settings_.ScreenHeight < 600;
    Panel13->setVisible(!smallScreen);
    Panel14->setVisible(smallScreen);
    static_cast<RaisedPanel*>(Panel14)->colorScheme = settings_.ColorScheme;
    SetColour(NameBox, QPalette::Base, NameBoxColour(settings_.ColorScheme));
    SetColour(NameBox, QPalette::Text, kYellow);
    Image10->setPixmap(QPixmap::fromImage(PaintListArea(settings_.ColorScheme)));
    Image6->setPixmap(QPixmap::fromImage(
        PaintScoresBanner(settings_.ColorScheme, Image6->width(), Image6->height())));
    if (!Image2->isHidden()) {
        Image2->setPixmap(QPixmap::fromImage(
            PaintScoresBackground(settings_.ColorScheme, Image2->width(), Image2->height())));
    }
    // 4.
    BitBtn1->setText(Text(kOkCaption[Language()]));
    // 5.
    if (!afterGame) {
        game_.StartLevel = 1;
        game_.LevelScore = 0;
    }
    AdjustScoresWindowForMode(*this, settings_, afterGame);
    // 6, 7, 8. The lists as the file holds them now, with what other copies of the game
    // in the same folder have saved since.
    CheckScreen();
    FitHeading();
    if (const DataFileResult refreshed = dataFile_.Refresh(); !refreshed.ok) {
        std::cerr << "Quorelin: " << refreshed.message << '\n';
    }
    FillAndInsert(table, game_.LevelScore, game_.StartLevel);
}

void HighScoreWindow::CheckScreen() {
    if (dialogs_.currentScreenHeight() < settings_.ScreenHeight) {
        dialogOpen_ = true;
        dialogs_.warnScreenChanged(Text(kScreenChanged));
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
        FitIntoCell(NameFields[i]);
        NameFields[i]->show();
        ScoreLabels[i]->setText(QString::number(entry.score()));
        ScoreLabels[i]->adjustSize();
        ScoreLabels[i]->move(ScoreLabelLeft(rank, entry.score(), ScoresGridDX),
                             ScoreLabels[i]->y());
        LevelLabels[i]->setText(QString::number(entry.level()));
        FitIntoCell(LevelLabels[i]);
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
    FitIntoCell(NameFields[i]);
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
    dialogs_.reportSaveError(Text(kEntryNotSaved[Language()])
                                 .arg(QString::fromStdString(DescribeProblem(saved, Language()))));
    dialogOpen_ = false;
}

void HighScoreWindow::StoreBeforeTheEnd() {
    const QList<uint> typed = NameBox->text().toUcs4();
    working_.StoreEntry(std::u32string(typed.begin(), typed.end()), dataFile_.store());
}

bool HighScoreWindow::AskLeaveWithoutName(bool closeRequest) {
    // The warning is ours: its taking the activation is not the window's deactivation.
    dialogOpen_ = true;
    const bool leave =
        dialogs_.askLeaveWithoutName(Text(kEmptyNameWarning[Language()]), closeRequest);
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
