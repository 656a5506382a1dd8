#pragma once
// The level window: asks for the start level, typed into a small field or picked with
// the mouse from a column of twenty levels, and starts the game in the play window.
// Cancelling it, or leaving it for another window, hands back to the main window.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <array>
#include <functional>

#include "game/level_entry.h"
#include "game/state.h"
#include "kit/window_frame.h"

namespace quorelin {

class LevelWindow : public QWidget {
    Q_OBJECT
public:
    // What hiding the window means: still open without a choice, or a level was taken.
    enum ChoiceState { kOpen = 1, kChosen = 2 };

    LevelWindow(Settings& settings, GameState& game);

    // Where the main window stands: a partial-screen level window takes its place.
    void SetMainWindowPlace(std::function<WindowPlace()> place) { mainPlace_ = std::move(place); }
    // The platform beep, called only when sound effects are on.
    void SetPlatformBeep(std::function<void()> beep) { platformBeep_ = std::move(beep); }

    // Prepares the window for TableNumber and shows it: texts, layout, the scheme's
    // colour, the rule picture, and in full-screen mode the raised frame.
    void Open();
    // Texts for Language and the table the window was opened for, fitted to their places.
    void SetLevelWindowTexts();
    // Places the window and its controls for the screen class and window mode.
    void LayOutLevelWindow();
    // The window's and the how-to-play panel's background.
    void SetFaceColour(const QColor& colour);
    // Shows the rule picture and its two caption lines.
    void ShowRulePicture();
    // Draws a raised frame once on the window's surface; a later repaint removes it.
    void DrawLevelFrame(int x1, int y1, int x2, int y2);
    // The OK button's action: starts the typed level or warns.
    void AcceptTypedLevel();
    // Cancel, Escape and "X": no level, back to the main window.
    void Cancel();

    int choiceState() const { return choiceState_; }
    // The quick chooser's label of level n (1..20), named Label100 .. Label2000.
    QLabel* LevelLabel(int level) const {
        return levelLabels_.at(static_cast<std::size_t>(level - 1));
    }

    QLabel* Label1;        // prompt
    QFrame* Panel3;        // table title panel
    QLabel* Label8;        // table title
    QLineEdit* Edit1;      // typed level
    QLabel* Panel1;        // range warning
    QPushButton* BitBtn1;  // OK
    QPushButton* BitBtn2;  // Cancel
    QPushButton* BitBtn4;  // how to play
    QPushButton* BitBtn5;  // small "X", full screen only
    QFrame* Panel4;        // quick chooser
    QLabel* Label2;        // quick chooser heading
    QFrame* Shape1;        // box around the column
    QFrame* Shape2;        // column of levels
    QFrame* Panel2;        // how-to-play panel
    QLabel* Label4;        // rule, first line
    QLabel* Label5;        // rule, second line
    QLabel* Image19;       // rule picture
    QLabel* Label11;       // "x N = " on the rule picture
    QLabel* Image4;        // left arrow key
    QLabel* Label3;        // "to the left"
    QLabel* Image5;        // right arrow key
    QLabel* Label6;        // "to the right"
    QLabel* Image6;        // down arrow key
    QLabel* Label7;        // "quickly down"

signals:
    // A level was chosen; StartLevel holds it, and the game is to start.
    void levelChosen();
    // The window closed without a choice: cancel, Escape, "X" or leaving it.
    void closedWithoutChoice();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildChooser();
    void BuildHowToPlay();
    int LanguageIndex() const;
    // Shows or hides the range warning for the text in the field.
    void UpdateWarning(EntryMoment moment);
    void StartChosenLevel(int level);
    void FitTableTitle();
    // TableNumber holds a whole number; it is rounded once, as the window takes it.
    void TakeTableNumber();

    Settings& settings_;
    GameState& game_;
    std::function<WindowPlace()> mainPlace_;
    std::function<void()> platformBeep_;
    std::array<QLabel*, 20> levelLabels_{};
    int table_ = 0;  // the table the window is open for
    int choiceState_ = kOpen;
    bool framePending_ = false;
    QRect frame_;
};

// The raised frame of the level window, 3 pixels wide around the rectangle: light on
// the left and top, dark on the right and bottom, with stepped corners.
void PaintLevelFrame(QPainter& painter, int x1, int y1, int x2, int y2, int colorScheme);

}  // namespace quorelin
