#include "play/instructions_panel.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <utility>

#include "game/rounding.h"
#include "kit/widget_style.h"
#include "play/play_pictures.h"
#include "play/play_texts.h"

namespace quorelin {
namespace {

constexpr const char* kPanelFace = "MS Sans Serif";
constexpr int kPanelPoints = 8;     // 11 pixels
constexpr int kHeadingPoints = 10;  // 13 pixels, bold
constexpr int kHeadingLimit = 168;
constexpr int kMostFittingSteps = 4;

// A line of the panel: plain text in the panel's own font, which the fitting shrinks.
QLabel* MakeLine(QWidget* panel, const char* name, int left, int top) {
    auto* label = new QLabel(panel);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->move(left, top);
    return label;
}

int TextWidth(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text);
}

const play_texts::InstructionsTexts& TextsFor(int language) {
    return play_texts::kInstructions[play_texts::Lang(language)];
}

}  // namespace

QString RuleFormula(int language, int table) {
    const play_texts::InstructionsTexts& texts = TextsFor(language);
    return Text(texts.Label9Prefix) + QString::number(table) + Text(texts.Label9Suffix);
}

InstructionsExample ExampleFor(int table) {
    const QString product = QString::number(3 * table);
    return {QStringLiteral("3"), product, " 3 x " + QString::number(table) + " = " + product};
}

bool IsOneDigitProduct(int table) {
    return 3 * table < 9.9;
}

FittedFont FitFont(FittedFont current, const std::function<bool(const FittedFont&)>& fits) {
    if (fits(current)) {
        return current;
    }
    current.smallFonts = true;
    for (int step = 0; step < kMostFittingSteps && current.points > kSmallestFittedPoints; ++step) {
        --current.points;
        if (fits(current)) {
            break;
        }
    }
    return current;
}

int PixelsForPoints(int points) {
    return RoundToInt(points * 96.0 / 72.0);
}

QFont PanelFontFor(const FittedFont& fitted, const char* designFace, bool bold) {
    return PixelFont(fitted.smallFonts ? "Small Fonts" : designFace, PixelsForPoints(fitted.points),
                     bold);
}

InstructionsPanel::InstructionsPanel(const Settings& settings, QWidget* parent)
    : QFrame(parent),
      settings_(settings),
      panelFont_{false, kPanelPoints},
      headingFont_{false, kHeadingPoints} {
    setObjectName("Panel4");
    resize(205, 321);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    SetBackground(this, kPaleYellow);
    SetColour(this, QPalette::WindowText, kBlack);
    setFont(PanelFontFor(panelFont_, kPanelFace, false));

    Label1 = MakeLine(this, "Label1", 12, 4);
    Label1->setFont(PanelFontFor(headingFont_, kPanelFace, true));
    Label2 = MakeLine(this, "Label2", 12, 28);
    Label3 = MakeLine(this, "Label3", 12, 48);
    Image4 = MakePicture(this, "Image4", ArrowKeyCapPicture(25, 21, ArrowKey::Left), 12, 68);
    Label4 = MakeLine(this, "Label4", 40, 72);
    Image9 = MakePicture(this, "Image9", ArrowKeyCapPicture(21, 21, ArrowKey::Right), 108, 68);
    Label5 = MakeLine(this, "Label5", 136, 72);
    Image10 = MakePicture(this, "Image10", ArrowKeyCapPicture(21, 25, ArrowKey::Down), 12, 92);
    Label6 = MakeLine(this, "Label6", 40, 96);
    Label7 = MakeLine(this, "Label7", 12, 128);
    Label8 = MakeLine(this, "Label8", 12, 148);
    Label9 = MakeLine(this, "Label9", 12, 168);
    Label10 = MakeLine(this, "Label10", 12, 192);
    Image8 = MakePicture(this, "Image8", ExampleColumnPicture(false), 90, 192);
    Image11 = MakePicture(this, "Image11", ExampleColumnPicture(true), 91, 192);
    // Created after the pictures so that the numbers lie on top of the blocks.
    Label22 = MakeLine(this, "Label22", 94, 195);
    Label21 = MakeLine(this, "Label21", 97, 214);
    Label20 = MakeLine(this, "Label20", 120, 208);
    Label11 = MakeLine(this, "Label11", 12, 220);
    Label12 = MakeLine(this, "Label12", 12, 244);
    Label13 = MakeLine(this, "Label13", 12, 268);
    Label14 = MakeLine(this, "Label14", 12, 292);

    BitBtn5 = MakeButton(this, "BitBtn5", {185, 1, 19, 17});
    BitBtn5->setText(QStringLiteral("X"));
    BitBtn5->setFocusPolicy(Qt::NoFocus);  // keys belong to the play window
    BitBtn5->setFont(PixelFont("Small Fonts", 9, true));
    SetColour(BitBtn5, QPalette::ButtonText, kNavy);

    ShowSchemePicture();
}

void InstructionsPanel::ShowFor(int table) {
    for (QLabel* label : {Label11, Label12, Label13, Label14}) {
        label->clear();
    }
    const InstructionsExample example = ExampleFor(table);
    Label21->setText(example.lower);
    Label22->setText(example.upper);
    // Stays under the lower number for the rest of the run, like the design's label did.
    if (IsOneDigitProduct(table)) {
        Label22->move(Label21->x(), Label22->y());
    }
    Label20->setText(example.equation);
    ShowSchemePicture();
    show();

    const play_texts::InstructionsTexts& texts = TextsFor(settings_.Language);
    const std::pair<QLabel*, const char*> captions[] = {
        {Label1, texts.Label1},   {Label2, texts.Label2},
        {Label3, texts.Label3},   {Label4, texts.Label4},
        {Label5, texts.Label5},   {Label6, texts.Label6},
        {Label7, texts.Label7},   {Label8, texts.Label8},
        {Label10, texts.Label10}, {Label11, ""},
        {Label12, texts.Label12}, {Label13, texts.Label13},
        {Label14, texts.Label14},
    };
    for (const auto& [label, text] : captions) {
        label->setText(Text(text));
    }
    Label9->setText(RuleFormula(settings_.Language, table));

    FitPanelFont();
    FitHeadingFont();
    SizeLabelsToText();
}

// The picture of the example follows the colour scheme.
void InstructionsPanel::ShowSchemePicture() {
    const bool sophisticated = settings_.ColorScheme == 2;
    Image8->setVisible(!sophisticated);
    Image11->setVisible(sophisticated);
}

// Every line must stay inside the panel; the panel's labels share its font.
void InstructionsPanel::FitPanelFont() {
    const std::pair<const QLabel*, int> limits[] = {
        {Label2, 185},  {Label3, 185},  {Label7, 185},  {Label8, 185},
        {Label9, 185},  {Label11, 185}, {Label12, 185}, {Label13, 185},
        {Label14, 185}, {Label5, 62},   {Label20, 74},  {Label10, 72},
    };
    panelFont_ = FitFont(panelFont_, [&](const FittedFont& fitted) {
        const QFont font = PanelFontFor(fitted, kPanelFace, false);
        return std::all_of(std::begin(limits), std::end(limits), [&](const auto& limit) {
            return TextWidth(font, limit.first->text()) <= limit.second;
        });
    });
    setFont(PanelFontFor(panelFont_, kPanelFace, false));
}

void InstructionsPanel::FitHeadingFont() {
    headingFont_ = FitFont(headingFont_, [&](const FittedFont& fitted) {
        return TextWidth(PanelFontFor(fitted, kPanelFace, true), Label1->text()) <= kHeadingLimit;
    });
    Label1->setFont(PanelFontFor(headingFont_, kPanelFace, true));
}

// Labels are exactly as wide as their text, trailing blanks included.
void InstructionsPanel::SizeLabelsToText() {
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->pixmap().isNull()) {
            const QFontMetrics metrics(label->font());
            label->resize(metrics.horizontalAdvance(label->text()), metrics.height());
        }
    }
}

}  // namespace quorelin
