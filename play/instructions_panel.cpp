#include "play/instructions_panel.h"

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <utility>

#include "game/language.h"
#include "game/rounding.h"

namespace quorelin {
namespace {

constexpr std::array<InstructionsTexts, 5> kTexts{{
    {"Instructions", "Manoeuvre the falling blocks with the ",
     "mouse or the arrow-keys:", "to the left", "to the right", "drop quickly",
     "Make columns of two blocks,", "in such a way that:", "block under x ", " = block above",
     "For example:", "Extra rule: it is not allowed", "to make multiplications larger",
     "then 999  (\"bombs\" will fall then)."},
    {"Instrucciones", "Mueve los bloques que caen con ",
     "el ratón o las flechas:", "a la izquierda", "a la derecha", "caer rápido ",
     "Haz columnas de dos bloques,", "así que:", "bloque abajo x ", " = bloque ariba",
     "Por ejemplo:", "Regla extra: no se pueden hacer  ", "multiplicaciones mayores de 999",
     "(entonces caerán \"bombas\")."},
    {"Instructies", "Beweeg de vallende blokjes met de",
     "muis of de pijltjestoetsen:", "naar links", "naar rechts ", "snel naar beneden",
     "Maak kolommen van 2 blokjes,", "waarbij moet gelden:", "onderste blokje x ",
     " = bovenste blokje", "Bijvoorbeeld:", "Extra regel: je mag geen ",
     "rekensommen maken groter dan", "999  (er vallen dan \"bommen\")."},
    {"Ynstruksjes", "Stjoer de fallende blokjes mei de", "mûs of de pylkjetoetsen: ", "nei lofts",
     "nei rjochts", "hurd nei ûnderen", "Meitsje kolommen fan twa blokjes,",
     "op sa´n foet dat:", "ûnderste blokje x ", " = boppeste blokje",
     "Bygelyks:", "Ekstra regel: meist net rekkensommen ", "meitsje dy´t grutter binne as 999  .",
     "(oars sillen dêr \"bommen\" fallen  ."},
    {"Anweisungen", "Manövriere die fallende Blöcke mit der ",
     "Maus oder den Pfeil-Tasten:", "nach links", "nach rechts", "schnell hinunter",
     "Mache Säulen von zwei Blöcke.", "Die Werte müssen korrespondieren wie:", "block unten x ",
     " = block oben", "Zum Beispiel:", "Extra Regel: Es ist nicht erlaubt,",
     "Multiplikationen größer als 999 zu", "machen. "},
}};

constexpr const char* kPanelFace = "MS Sans Serif";
constexpr int kPanelPoints = 8;     // 11 pixels
constexpr int kHeadingPoints = 10;  // 13 pixels, bold
constexpr int kHeadingLimit = 168;
constexpr int kMostFittingSteps = 4;
const QColor kPanelColour(255, 255, 221);
const QColor kNavy(0, 0, 128);

// One example block: light outline, face, and a two-pixel dark edge right and below,
// like the blocks on the play field.
void DrawExampleBlock(QPainter& p, const QRect& r, const QColor& light, const QColor& face,
                      const QColor& dark, bool shaded) {
    p.fillRect(r, light);
    const QRect inner = r.adjusted(2, 2, -2, -2);
    if (shaded) {
        QLinearGradient g(inner.topLeft(), inner.bottomLeft());
        g.setColorAt(0, face.lighter(125));
        g.setColorAt(1, face.darker(115));
        p.fillRect(inner, g);
    } else {
        p.fillRect(inner, face);
    }
    const int left = r.left(), top = r.top(), right = r.right(), bottom = r.bottom();
    const QPolygon shadow({QPoint(left, bottom), QPoint(right, bottom), QPoint(right, top),
                           QPoint(right - 1, top + 1), QPoint(right - 1, bottom - 1),
                           QPoint(left + 1, bottom - 1)});
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawPolygon(shadow);
}

// The column of the worked example, 20 x 38: a block for the product on a block for 3.
// The numbers are the panel's own labels, laid over the picture.
QPixmap ExampleColumnPicture(bool sophisticated) {
    QImage image(20, 38, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const QRect upper(0, 0, 20, 18);
    const QRect lower(0, 19, 20, 19);
    if (sophisticated) {
        DrawExampleBlock(p, upper, QColor(248, 230, 197), QColor(210, 146, 26), QColor(101, 70, 12),
                         true);
        DrawExampleBlock(p, lower, QColor(220, 220, 255), QColor(35, 208, 239), QColor(71, 71, 104),
                         true);
    } else {
        DrawExampleBlock(p, upper, Qt::white, QColor(255, 255, 0), QColor(128, 128, 128), false);
        DrawExampleBlock(p, lower, Qt::white, QColor(0, 255, 255), QColor(128, 128, 128), false);
    }
    return QPixmap::fromImage(image);
}

enum class ArrowDirection { Left, Right, Down };

// A grey key cap with a black arrow, the size of the control it fills.
QPixmap ArrowKeyPicture(int width, int height, ArrowDirection direction) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    const QRect key(0, 0, width, height);
    p.fillRect(key, QColor(64, 64, 64));
    p.fillRect(key.adjusted(0, 0, -1, -1), Qt::white);
    p.fillRect(key.adjusted(1, 1, -1, -1), QColor(128, 128, 128));
    p.fillRect(key.adjusted(1, 1, -2, -2), QColor(224, 224, 224));
    p.fillRect(key.adjusted(2, 2, -3, -3), QColor(192, 192, 192));

    // The arrow is drawn pointing right around the key's centre, then turned.
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(width / 2.0 - 0.5, height / 2.0 - 0.5);
    if (direction == ArrowDirection::Left) {
        p.rotate(180);
    } else if (direction == ArrowDirection::Down) {
        p.rotate(90);
    }
    const QPolygonF arrow({QPointF(-6, -1.5), QPointF(1, -1.5), QPointF(1, -5), QPointF(6, 0),
                           QPointF(1, 5), QPointF(1, 1.5), QPointF(-6, 1.5)});
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(arrow);
    return QPixmap::fromImage(image);
}

QLabel* MakeLabel(QWidget* panel, const char* name, int left, int top) {
    auto* label = new QLabel(panel);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->move(left, top);
    return label;
}

QLabel* MakeImage(QWidget* panel, const char* name, const QRect& place, const QPixmap& picture) {
    auto* image = new QLabel(panel);
    image->setObjectName(name);
    image->setGeometry(place);
    image->setPixmap(picture);
    return image;
}

int TextWidth(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text);
}

}  // namespace

const InstructionsTexts& InstructionsTextsFor(int language) {
    return kTexts[LanguageIndex(language)];
}

QString RuleFormula(int language, double tableNumber) {
    const InstructionsTexts& texts = InstructionsTextsFor(language);
    return QString::fromUtf8(texts.Label9Prefix) + QString::number(RoundHalfEven(tableNumber)) +
           QString::fromUtf8(texts.Label9Suffix);
}

InstructionsExample ExampleFor(double tableNumber) {
    const QString table = QString::number(RoundHalfEven(tableNumber));
    const QString product = QString::number(RoundHalfEven(3 * tableNumber));
    return {QStringLiteral("3"), product, " 3 x " + table + " = " + product};
}

bool IsOneDigitProduct(double tableNumber) {
    return 3 * tableNumber < 9.9;
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
    return static_cast<int>(RoundHalfEven(points * 96.0 / 72.0));
}

QFont PanelFontFor(const FittedFont& fitted, const char* designFace, bool bold) {
    QFont font(fitted.smallFonts ? QStringLiteral("Small Fonts") : QString(designFace));
    font.setPixelSize(PixelsForPoints(fitted.points));
    font.setBold(bold);
    return font;
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
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kPanelColour);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
    setFont(PanelFontFor(panelFont_, kPanelFace, false));

    Label1 = MakeLabel(this, "Label1", 12, 4);
    Label1->setFont(PanelFontFor(headingFont_, kPanelFace, true));
    Label2 = MakeLabel(this, "Label2", 12, 28);
    Label3 = MakeLabel(this, "Label3", 12, 48);
    Image4 = MakeImage(this, "Image4", QRect(12, 68, 25, 21),
                       ArrowKeyPicture(25, 21, ArrowDirection::Left));
    Label4 = MakeLabel(this, "Label4", 40, 72);
    Image9 = MakeImage(this, "Image9", QRect(108, 68, 21, 21),
                       ArrowKeyPicture(21, 21, ArrowDirection::Right));
    Label5 = MakeLabel(this, "Label5", 136, 72);
    Image10 = MakeImage(this, "Image10", QRect(12, 92, 21, 25),
                        ArrowKeyPicture(21, 25, ArrowDirection::Down));
    Label6 = MakeLabel(this, "Label6", 40, 96);
    Label7 = MakeLabel(this, "Label7", 12, 128);
    Label8 = MakeLabel(this, "Label8", 12, 148);
    Label9 = MakeLabel(this, "Label9", 12, 168);
    Label10 = MakeLabel(this, "Label10", 12, 192);
    Image8 = MakeImage(this, "Image8", QRect(90, 192, 20, 38), ExampleColumnPicture(false));
    Image11 = MakeImage(this, "Image11", QRect(91, 192, 20, 38), ExampleColumnPicture(true));
    // Created after the pictures so that the numbers lie on top of the blocks.
    Label22 = MakeLabel(this, "Label22", 94, 195);
    Label21 = MakeLabel(this, "Label21", 97, 214);
    Label20 = MakeLabel(this, "Label20", 120, 208);
    Label11 = MakeLabel(this, "Label11", 12, 220);
    Label12 = MakeLabel(this, "Label12", 12, 244);
    Label13 = MakeLabel(this, "Label13", 12, 268);
    Label14 = MakeLabel(this, "Label14", 12, 292);

    BitBtn5 = new QPushButton(QStringLiteral("X"), this);
    BitBtn5->setObjectName("BitBtn5");
    BitBtn5->setGeometry(185, 1, 19, 17);
    BitBtn5->setFocusPolicy(Qt::NoFocus);  // keys belong to the play window
    QFont closeFont(QStringLiteral("Small Fonts"));
    closeFont.setPixelSize(9);
    closeFont.setBold(true);
    BitBtn5->setFont(closeFont);
    QPalette closeColours = BitBtn5->palette();
    closeColours.setColor(QPalette::ButtonText, kNavy);
    BitBtn5->setPalette(closeColours);

    ShowSchemePicture();
}

void InstructionsPanel::ShowFor(double tableNumber) {
    for (QLabel* label : {Label11, Label12, Label13, Label14}) {
        label->clear();
    }
    const InstructionsExample example = ExampleFor(tableNumber);
    Label21->setText(example.lower);
    Label22->setText(example.upper);
    // Stays under the lower number for the rest of the run, like the design's label did.
    if (IsOneDigitProduct(tableNumber)) {
        Label22->move(Label21->x(), Label22->y());
    }
    Label20->setText(example.equation);
    ShowSchemePicture();
    show();

    const InstructionsTexts& texts = InstructionsTextsFor(settings_.Language);
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
        label->setText(QString::fromUtf8(text));
    }
    Label9->setText(RuleFormula(settings_.Language, tableNumber));

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
