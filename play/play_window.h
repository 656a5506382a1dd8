#pragma once
// The play window ("playform"), where a game is played. Shown, it prepares its controls
// and starts the game loop from the message loop; the loop paints through the window's
// FieldPainter and pumps messages, and the window's key, mouse and button handlers only
// set the request flags the loop polls, by the input rule of game/play_input.h, and
// show their captions and the instructions panel. When the game returns the window hides
// itself and emits gameEnded(), after which the high-score window takes the result.
#include <QFrame>
#include <QLabel>
#include <QWidget>
#include <functional>
#include <memory>

#include "game/host.h"
#include "game/state.h"
#include "kit/window_frame.h"
#include "play/field_painter.h"
#include "play/play_widgets.h"

namespace quorelin {

class InstructionsPanel;
class ObservedView;
class QtGameHost;

class PlayWindow : public QWidget {
    Q_OBJECT
public:
    // host: the clock, pump and random source the game runs on; null means the real ones.
    PlayWindow(const Settings& settings, GameState& state, InputRequests& input,
               GameHost* host = nullptr);
    ~PlayWindow() override;

    // The design's client size.
    static constexpr int kDesignWidth = 984;
    static constexpr int kDesignHeight = 715;

    // Controls, by their design names (each also its object name).
    QLabel* Panel3;              // title; the game writes the table heading into it
    QLabel* Label23;             // hidden copy of the title, for measuring
    CanvasImage* Image1oud;      // empty image behind the title, passes mouse presses
    CanvasImage* Image7;         // box behind the three value panels
    QLabel* Panel5;              // level
    QLabel* Panel6;              // score
    QLabel* Panel8;              // columns still needed
    CanvasImage* Image13;        // box with a sunken window behind the preview
    QLabel* Panel7;              // caption above the preview
    QFrame* Panel1;              // holds the preview
    CanvasImage* Image2;         // preview of the next block
    CanvasImage* Image12;        // frame around the play field
    QFrame* Panel2;              // holds the play field
    CanvasImage* fieldBackdrop;  // the design's unnamed image behind the field
    CanvasImage* Image3;         // the play field
    CanvasImage* Image6;         // box behind the instructions and pause buttons
    CaptionButton* BitBtn3;      // instructions
    CaptionButton* BitBtn1;      // pause / proceed; Tag 3 once the game has ended
    CanvasImage* Image5;         // box behind the exit button
    CaptionButton* BitBtn2;      // exit
    CaptionButton* BitBtn4;      // small "X" exit in the corner
    CanvasImage* Image1;         // scheme picture, Simple
    CanvasImage* Image20;        // scheme picture, Sophisticated
    QLabel* Label19;             // table label over the scheme picture
    InstructionsPanel* Panel4;   // instructions panel
    QLabel* label1009;           // "Game Over"
    QLabel* label1008;           // "press any key" line
    QLabel* label1010;           // level end: time bonus
    QLabel* label1011;           // level end: next level

    // What the game loop paints through.
    FieldPainter& Painter() { return painter_; }
    // Every drawing call of the game is also reported to this view (null: none).
    void SetViewObserver(PlayView* observer);
    // True while the game loop runs inside the window.
    bool GameRunning() const { return gameRunning_; }

    // Shows the scheme pictures and the title's ground of the current ColorScheme.
    void ApplyColorScheme();
    // Where the main window stands: in partial-screen mode this window takes its size
    // from it, and opens maximised where the player maximised it.
    void SetMainWindowPlace(std::function<WindowPlace()> place) { mainPlace_ = std::move(place); }
    // The main window's place; nothing visible when none was given.
    WindowPlace MainWindowPlace() const { return mainPlace_ ? mainPlace_() : WindowPlace{}; }

    // The window's handlers, named as in its design.
    void FormShow();
    void FormHide();
    void FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void FormMouseDown(Qt::MouseButton button);
    void FormClick();
    void FormResize();
    void FormDeactivate();
    void FormClose();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn6Click();

    // The operations behind the handlers.
    void TogglePause();
    void ToggleInstructions();
    void QuitGame();
    void LeaveIfGameOver();
    void DrawFieldFrame();
    void DrawSideBoxes();

    void setVisible(bool visible) override;

signals:
    // The window has been shown for a game.
    void shown();
    // The window has hidden after a game: the result waits in GameState.
    void gameEnded();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void CreateControls();
    void SetCaptions();
    void SizeForScreenClass();
    void PlayOnIdle();
    // The running / paused caption of the pause button; the running one is left alone
    // once the game has ended.
    void ShowRunningCaption();
    void ShowPausedCaption();
    bool GameEnded() const { return BitBtn1->Tag == kGameEndedMark; }
    // The visible button whose accelerator is the letter, or null.
    CaptionButton* ButtonForAccelerator(QChar letter) const;
    // A mouse press or release on a control: true when the window took care of it.
    bool MouseOnControl(QObject* control, QMouseEvent* event);
    void LetMessagesRun();

    const Settings& settings_;
    GameState& state_;
    InputRequests& input_;
    std::function<WindowPlace()> mainPlace_;
    std::unique_ptr<QtGameHost> ownHost_;
    GameHost& host_;
    PlayControls controls_;
    FieldPainter painter_;
    std::unique_ptr<ObservedView> observed_;
    bool gameRunning_ = false;
    // The control a left button went down on, for telling a click.
    QObject* pressedOn_ = nullptr;
    // Controls whose mouse presses set requests, and those of them that also click.
    QList<QObject*> mouseDownControls_;
    QList<QObject*> clickControls_;
};

}  // namespace quorelin
