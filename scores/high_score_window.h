#pragma once
// The high-score window (design name FormHS): the twelve best results of one table, a
// game's result offered to them by the list rule of store/high_score_list.h, and the
// name entry.
//
// How the other windows open it (both read GameState when the window is shown):
//  - Browse, from the main window: set GameState::TableNumber (1..20), call ShowBrowse().
//    Browsing never enters anything and sets StartLevel to 1 and LevelScore to 0.
//  - After a game, from the play window when it hides at the end of a game (GameKind
//    1..4): leave the game's total in GameState::LevelScore, the level reached in
//    GameState::StartLevel and the table in GameState::TableNumber, call ShowAfterGame().
//  A plain show() follows GameState::AfterGame. Hiding the window, for whatever reason,
//  emits hidden(), after which the main window shows again.
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "game/state.h"
#include "store/data_file.h"
#include "store/high_score_list.h"

namespace quorelin {

// The heading fit: when `text` in `font` is wider than 220 pixels, the pixel size is
// lowered one at a time until the text is at most headingWidth - 4 wide, at most 30
// times. Returns the pixel size to use.
int FitHeadingFontSize(QFont font, const QString& text, int headingWidth);

class HighScoreWindow : public QWidget {
    Q_OBJECT
public:
    // What the window asks of the player and the screen. Tests replace them, so nothing
    // in a test is modal. An empty member keeps the standard behaviour.
    struct Dialogs {
        // The empty-name warning; true means leave (Yes, or OK for a close request).
        std::function<bool(const QString& message, bool closeRequest)> askLeaveWithoutName;
        // The "screen size has been changed" message box.
        std::function<void(const QString& message)> warnScreenChanged;
        // The screen's current height in pixels.
        std::function<int()> currentScreenHeight;
        // The message box that reports a failed save of a stored entry.
        std::function<void(const QString& message)> reportSaveError;
    };

    HighScoreWindow(Settings& settings, GameState& game, DataFile& dataFile);

    void SetDialogs(Dialogs dialogs);

    // Sets AfterGame to 0 and shows the list of GameState::TableNumber, with only the
    // close box among the window's border icons.
    void ShowBrowse();
    // Sets AfterGame to 1 and shows the table's list with LevelScore and StartLevel
    // offered to it.
    void ShowAfterGame();

    // The showing procedure runs here, before the window appears.
    void setVisible(bool visible) override;

    // The list in use (TableNumber rounded), the shown list with a pending entry, and the
    // pending entry's rank. EntryPending is true from the insert until the entry is
    // stored or the window hides.
    int ListIndex() const { return working_.ListIndex(); }
    const HighScoreList& WorkingCopy() const { return working_.List(); }
    bool EntryPending() const { return working_.EntryPending(); }
    int NewEntryRank() const { return working_.NewEntryRank(); }
    // The program is ending unasked (a termination signal, the end of the session): a
    // pending entry is stored with the name typed so far, or the default, without a
    // dialog and without a save, which the ending makes next.
    void StoreBeforeTheEnd();
    // The table number as text, as the headings show it.
    const QString& TableText() const { return tableText_; }

    int ScoresGridDX = 0;  // the list grid's move for the class and mode
    int ScoresGridDY = 0;

    // Controls, by their design names.
    QLabel* Image2;        // full-screen background picture
    QLabel* Image6;        // banner picture "HIGH SCORES"
    QLabel* Image10;       // list area, painted at every show
    QLabel* Panel13;       // big heading: prefix + TableText, "VAG Rounded Thin" bold yellow
    QLabel* Panel14;       // small heading, 480-line screens only
    QWidget* Panel15;      // bar of the twenty table buttons
    QPushButton* BitBtn1;  // OK, the default button
    QPushButton* BitBtn4;  // "X" in the top-right corner (full screen)
    QLabel* Label1;        // "Score" heading, left column
    QLabel* Label2;        // "Level" heading, left column
    QLabel* Label3;        // "Score" heading, right column
    QLabel* Label4;        // "Level" heading, right column
    // Rank labels "1".."12" (the design spells them Statictext1, statictext2..12).
    QLabel *Statictext1, *statictext2, *statictext3, *statictext4, *statictext5, *statictext6,
        *statictext7, *statictext8, *statictext9, *statictext10, *statictext11, *statictext12;
    // Name fields: a blank and the name, left-aligned, bold, yellow.
    QLabel *Panel1, *Panel2, *Panel3, *Panel4, *Panel5, *Panel6, *Panel7, *Panel8, *Panel9,
        *Panel10, *Panel11, *Panel12;
    // Score labels.
    QLabel *s1, *s2, *s3, *s4, *s5, *s6, *s7, *s8, *s9, *s10, *s11, *s12;
    // Level labels.
    QLabel *n1, *n2, *n3, *n4, *n5, *n6, *n7, *n8, *n9, *n10, *n11, *n12;
    // Name box: borderless, at most 17 characters, shown only while an entry is pending.
    QLineEdit* NameBox;
    // Hidden label that measures the big heading for the heading fit.
    QLabel* MeasureLabel;
    // Table buttons "1".."20" in Panel15 (index 0 is table 1).
    std::array<QPushButton*, 20> TableButtons{};

    // The same row controls by rank - 1, for code that walks the list.
    std::array<QLabel*, 12> RankLabels{};
    std::array<QLabel*, 12> NameFields{};
    std::array<QLabel*, 12> ScoreLabels{};
    std::array<QLabel*, 12> LevelLabels{};

signals:
    // The window has hidden, for whatever reason.
    void hidden();

public slots:
    // OK, "X", Escape and Enter: the empty-name warning, store the entry, hide.
    void ConfirmAndLeave();
    // The deactivate rule: store a pending entry (typed name or the default), hide.
    void FormDeactivate();
    // A table button in browse mode: show the list of table n (1..20).
    void TableButtonClick(int table);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void SetHeadingTexts();
    void CheckScreen();
    void FitHeading();
    void FillAndInsert(int table, std::int32_t score, std::int32_t level);
    void StoreEntry();
    void SaveStoredEntry();
    bool AskLeaveWithoutName(bool closeRequest);
    std::size_t Language() const;  // Language - 1, the index of the text tables

    Settings& settings_;
    GameState& game_;
    DataFile& dataFile_;
    Dialogs dialogs_;

    QString tableText_;
    WorkingList working_;      // the shown list and its pending entry
    bool dialogOpen_ = false;  // a warning of ours is up: it is not a deactivation
};

}  // namespace quorelin
