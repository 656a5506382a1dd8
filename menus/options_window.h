#pragma once
// The options window that greets the player at start-up in front of the main window. It
// offers class-room silence, the switch between full and partial screen, and Proceed.
// Proceed, any key, the close box and leaving the window for another one close it, and
// closing emits closed() once.
#include <QDialog>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <functional>

#include "game/state.h"

namespace quorelin {

class OptionsWindow : public QDialog {
    Q_OBJECT
public:
    // The silence and the mode switch change the settings and say so by their signals.
    explicit OptionsWindow(Settings& settings);

    // Shows the slow-start hint for a language 1..5 on the message line.
    void ShowSlowStartHint(int language);

    // The beep of sound switched on again (BeepIfSoundOn by default).
    void SetBeep(std::function<void()> beep) { beep_ = std::move(beep); }

    // Sets the title, the texts and the width for Language and the mode button for
    // WindowMode; runs each time the window is shown.
    void FormShow();
    // BitBtn1: class-room silence on, or off again.
    void SilenceClick();
    // BitBtn3: full screen to partial screen or back.
    void ScreenModeClick();

    QLabel* label1;   // slogan
    QFrame* Bevel2;   // rule under the slogan
    QLabel* Image2;   // picture
    QLabel* label11;  // version line
    QLabel* label3;   // text rows, top to bottom
    QLabel* label5;
    QLabel* label4;
    QLabel* label12;
    QLabel* label8;
    QLabel* label9;
    QLabel* label10;
    QLabel* label2;        // always empty
    QFrame* Bevel3;        // rule over the buttons
    QPushButton* BitBtn1;  // class-room silence
    QPushButton* BitBtn3;  // screen mode
    QPushButton* BitBtn2;  // Proceed
    QLabel* Label111;      // message line: slow-start hint or silence note, hidden until used
    QLabel* Label6;        // message line of the screen mode switch, hidden until used
    QLabel* Label7;        // the fixed note about sound and music

signals:
    // Class-room silence went on (true) or off: SoundEffects has changed.
    void silenceSwitched(bool silence);
    // WindowMode has changed; the main window is to be placed for it.
    void windowModeSwitched();
    // The window has closed, by whatever way; emitted once.
    void closed();

public slots:
    // Every way of closing ends here; Escape's dialog route too.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A label in the window's plain black type, at its design place.
    QLabel* PlainLabel(const char* name, int left, int top);
    std::array<QLabel*, 8> TextRows() const;
    // Any key but a bare modifier closes; returns whether the key was used.
    bool HandleKey(const QKeyEvent& key);
    void ShowMessage(QLabel* label, const char* text);
    void BringToFront();
    bool Settling() const;

    Settings& settings_;
    std::function<void()> beep_;
    bool closedOnce_ = false;
    // A mode switch hides, re-frames and shows the main window, which can take the
    // activation away for a moment: that is no leaving of this window.
    bool switching_ = false;
    QElapsedTimer switchEnded_;
};

// The hint shown when start-up was slow, for a language 1..5.
const char* SlowStartHint(int language);

}  // namespace quorelin
