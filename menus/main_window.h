#pragma once
// The main window: the hub with the table buttons, the command column, the language
// panel and the menu bar. It is the application's main window, whose closing ends the
// program. Exit saves the data file first and stays open when that fails; any other
// close saves too and, when that fails, asks whether to try again, quit without saving or
// stay, so the player is never trapped.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <array>
#include <cstdint>
#include <functional>
#include <random>

#include "game/state.h"
#include "store/data_file.h"

namespace quorelin {

// The three pages of the info window that its menu items open.
enum class InfoPage { About, GameInstructions, Disclaimer };

// The player's answer when closing the window could not save the data file.
enum class CloseAnswer { TryAgain, QuitWithoutSaving, Cancel };

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Settings& settings, GameState& game, DataFile& dataFile);

    // Replaces the message box that reports a failed save (tests answer it themselves).
    void SetErrorReporter(std::function<void(const QString&)> reporter) {
        reportError_ = std::move(reporter);
    }
    // Replaces the question asked when a close other than Exit cannot save (its text).
    void SetCloseQuestion(std::function<CloseAnswer(const QString&)> question) {
        askCloseQuestion_ = std::move(question);
    }
    // False once the player chose to quit without saving: the start-up's save after the
    // message loop must not write what the player chose to drop, nor fail a second time.
    bool FinalSaveWanted() const { return finalSaveWanted_; }
    // Replaces the "Warning" message box about a changed screen (title, text).
    void SetWarningReporter(std::function<void(const QString&, const QString&)> reporter) {
        reportWarning_ = std::move(reporter);
    }
    // The real screen height, read when the window shows and on every table command.
    void SetRealScreenHeight(std::function<int()> height) { realScreenHeight_ = std::move(height); }
    // The platform beep, called only when sound effects are on.
    void SetPlatformBeep(std::function<void()> beep) { platformBeep_ = std::move(beep); }
    // The pause of the music figure (PauseMs by default).
    void SetPause(std::function<void(std::uint32_t)> pause) { pause_ = std::move(pause); }

    // Sets the title, captions, menu texts and hints for the current language.
    void ApplyLanguage();
    // Asks for the info window (ShowInfoWindow).
    void ShowInfoWindow();
    // Warns about a changed screen, then asks for the level window for TableNumber.
    void OpenLevelChoice();
    // Class-room silence switched on or off: the sound and music switches are disabled
    // and show sound off, or are enabled again and show sound on, music off.
    void ApplyClassRoomSilence(bool silence);
    // WindowMode changed: the window is placed again for it.
    void ApplyWindowMode();
    // The play window's showing sets the banner counter to 0 and its hint on again.
    void RearmBannerHint();
    int BannerMoveCount() const { return bannerMoves_; }
    // Whether a control shows its hint when pointed at (its hint text may still be set).
    static bool HintShown(const QWidget* control);

    // The table button of table n (1..20).
    QPushButton* TableButton(int table) const {
        return tableButtons_.at(static_cast<std::size_t>(table - 1));
    }
    // The Game menu item of table n (1..20).
    QAction* GameItem(int table) const {
        return gameItems_.at(static_cast<std::size_t>(table - 1));
    }

    QLabel* Label2;  // big title: the word for tables
    QLabel* Label3;  // version
    QLabel* Label5;  // product text over the banner
    QFrame* Panel1;  // language panel (LanguagePanel)
    QFrame* Panel2;  // banner
    QFrame* Panel3;  // table buttons and their picture
    QFrame* Panel4;  // command column
    QLabel* Image4;  // name strip in the table panel, for low screens
    QLabel* Image5;  // banner picture

    QPushButton* BitBtn5;   // Info
    QPushButton* BitBtn6;   // sound switch
    QPushButton* BitBtn17;  // music switch
    QPushButton* BitBtn7;   // Language
    QPushButton* BitBtn9;   // High Scores
    QPushButton* BitBtn8;   // Exit
    QPushButton* BitBtn10;  // English
    QPushButton* BitBtn11;  // Spanish
    QPushButton* BitBtn12;  // Dutch
    QPushButton* BitBtn13;  // Frisian
    QPushButton* BitBtn15;  // German

    QAction* Game1;
    QAction* Color1;
    QAction* Simple1;
    QAction* Sophisticated1;
    QAction* Sound1;
    QAction* Soundeffecton1;
    QAction* Soundeffectsoff1;
    QAction* Musicon1;
    QAction* Musicoff1;
    QAction* Language1;
    QAction* Engels1;
    QAction* Espaol1;
    QAction* Nederlands1;
    QAction* Frysk1;
    QAction* Deutch1;
    QAction* HighScores1;
    QAction* Info1;
    QAction* About1;
    QAction* GameInstructions1;
    QAction* Disclaimer1;
    QAction* Exit1;

signals:
    // A table was chosen (TableNumber, GameKind set): the level window is to open.
    void levelChoiceRequested();
    // The High Scores command (TableNumber, GameKind, AfterGame set).
    void highScoresRequested();
    // The Info button: the info window is to open beside this window.
    void infoRequested();
    // An Info menu item: the info window is to open on that page.
    void infoPageRequested(InfoPage page);
    // ColorScheme changed: the play window's pictures follow it.
    void colorSchemeChanged();

public slots:
    // Table button or Game menu item n.
    void TableClick(int table);
    void HighScoresClick();
    void SoundButtonClick();
    void SoundOnItemClick();
    void SoundOffItemClick();
    void MusicButtonClick();
    void MusicOnItemClick();
    void MusicOffItemClick();
    void LanguageButtonClick();
    // Language button or menu item n: the panel stays open.
    void ChooseLanguage(int language);
    void SimpleClick();
    void SophisticatedClick();
    void InfoButtonClick();
    void InfoItemClick(InfoPage page);
    // Saves the data file and closes; a failed save is reported and the window stays.
    void ExitClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The panels and their buttons at their design places (main_layout.cpp).
    void BuildPanels(QWidget* central);
    void BuildMenus();
    int LanguageIndex() const;
    void SetSoundCaption(const char* frisianOn, const char* frisianOff, const char* germanOff);
    void SetMusicCaption();
    void PlayRisingFigure(int notes, std::uint32_t ms);
    void Beep();
    bool ScreenShrank() const;
    QPushButton* LanguageButton(int language) const;

    Settings& settings_;
    GameState& game_;
    DataFile& dataFile_;
    std::array<QPushButton*, 20> tableButtons_{};
    std::array<QAction*, 20> gameItems_{};
    QWidget* central_ = nullptr;
    // Room before the menu titles, so they start where the design area does.
    QWidget* menuIndent_ = nullptr;
    int bannerMoves_ = 0;
    std::mt19937 random_;
    std::function<void(const QString&)> reportError_;
    std::function<void(const QString&, const QString&)> reportWarning_;
    std::function<int()> realScreenHeight_;
    std::function<void()> platformBeep_;
    std::function<void(std::uint32_t)> pause_;
    bool saved_ = false;  // set by a successful Exit, so the close does not save again
    bool finalSaveWanted_ = true;
    std::function<CloseAnswer(const QString&)> askCloseQuestion_;
};

// Places the main window and its panels for the screen class and window mode.
void LayOutMainWindow(MainWindow& window, const Settings& settings);

}  // namespace quorelin
