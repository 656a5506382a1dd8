#pragma once
// The pale-yellow instructions panel of the play window: the keys, the rule of the table
// being played and a worked example drawn as a column of two blocks.
#include <QFont>
#include <QFrame>
#include <QString>
#include <functional>

#include "game/state.h"

class QLabel;
class QPushButton;

namespace quorelin {

// The rule as a formula with the table number, e.g. "block under x 7 = block above".
QString RuleFormula(int language, int table);

// The worked example of a table: 3 on the lower block, 3 x table on the upper one.
struct InstructionsExample {
    QString lower;     // Label21, always "3"
    QString upper;     // Label22, the product
    QString equation;  // Label20, " 3 x 7 = 21" with its leading blank
};
InstructionsExample ExampleFor(int table);

// A one-digit product sits under the lower number instead of at its own place.
bool IsOneDigitProduct(int table);

// A panel font as the fitting sees it: design face or "Small Fonts", size in points.
struct FittedFont {
    bool smallFonts = false;
    int points = 0;
    bool operator==(const FittedFont&) const = default;
};

// The smallest size the fitting lowers a font to, so that repeated shows of a text
// that never fits cannot shrink it into nothing.
inline constexpr int kSmallestFittedPoints = 1;

// Fits a font: when the texts don't fit, switch to "Small Fonts" and lower the size one
// point at a time, at most four times, until they do. A fitted font is never enlarged.
FittedFont FitFont(FittedFont current, const std::function<bool(const FittedFont&)>& fits);

// Pixel height of a size in points on the 96-dpi screens the panel was designed for.
int PixelsForPoints(int points);

// The real font for a fitted one, based on the design face.
QFont PanelFontFor(const FittedFont& fitted, const char* designFace, bool bold);

// The instructions panel, "Panel4". Its controls carry their design names; the play
// window places, shows and hides it and connects the close button BitBtn5.
class InstructionsPanel : public QFrame {
    Q_OBJECT
public:
    InstructionsPanel(const Settings& settings, QWidget* parent = nullptr);

    // Fills the texts for the current language and the given table, fits the fonts,
    // and shows the panel.
    void ShowFor(int table);
    // Shows the example column of the current ColorScheme.
    void ShowSchemePicture();

    QLabel* Label1;  // heading, own font
    QLabel* Label2;  // controls text, two lines
    QLabel* Label3;
    QLabel* Image4;   // left arrow key
    QLabel* Label4;   // meaning of the left arrow
    QLabel* Image9;   // right arrow key
    QLabel* Label5;   // meaning of the right arrow
    QLabel* Image10;  // down arrow key
    QLabel* Label6;   // meaning of the down arrow
    QLabel* Label7;   // the rule, two lines and a formula
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;  // heading of the example
    QLabel* Image8;   // example column, Simple scheme
    QLabel* Image11;  // example column, Sophisticated scheme
    QLabel* Label22;  // number on the upper block of the example
    QLabel* Label21;  // number on the lower block of the example
    QLabel* Label20;  // the example as an equation
    QLabel* Label11;  // empty line
    QLabel* Label12;  // the extra rule, three lines
    QLabel* Label13;
    QLabel* Label14;
    QPushButton* BitBtn5;  // "X": closes the panel

private:
    void FitPanelFont();
    void FitHeadingFont();
    void SizeLabelsToText();

    const Settings& settings_;
    FittedFont panelFont_;
    FittedFont headingFont_;
};

}  // namespace quorelin
