#include "menus/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>
#include <chrono>
#include <iostream>

#include "game/language.h"
#include "game/sound_hooks.h"
#include "kit/keys.h"
#include "kit/platform.h"
#include "kit/text_fit.h"
#include "kit/widget_style.h"
#include "kit/window_frame.h"
#include "menus/main_texts.h"
#include "menus/menu_keys.h"
#include "store/data_file_texts.h"

namespace quorelin {
namespace {

using namespace main_texts;

QAction* MakeItem(QMenu* menu, const char* name, bool checkable = false) {
    auto* item = menu->addAction(QString());
    item->setObjectName(name);
    item->setCheckable(checkable);
    return item;
}

QAction* MakeMenu(QMenuBar* bar, const char* name) {
    auto* menu = bar->addMenu(QString());
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu->menuAction();
}

// The question after a failed save on close; every other way out of the box (Escape, the
// box's own close, a dialog ended by the program's end) counts as Cancel.
CloseAnswer AskOnFailedClose(QWidget* parent, const QString& text, std::size_t language) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Quorelin"), text, QMessageBox::NoButton,
                    parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* again = box.addButton(Text(kTryAgainCaption[language]), QMessageBox::AcceptRole);
    QPushButton* quit =
        box.addButton(Text(kQuitWithoutSavingCaption[language]), QMessageBox::DestructiveRole);
    box.addButton(Text(kCancelCaption[language]), QMessageBox::RejectRole);
    box.setDefaultButton(again);
    box.exec();
    if (box.clickedButton() == again) {
        return CloseAnswer::TryAgain;
    }
    return box.clickedButton() == quit ? CloseAnswer::QuitWithoutSaving : CloseAnswer::Cancel;
}

// Empty room at the start of the menu bar; the bar sizes it by its size hint.
class MenuIndent : public QWidget {
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return minimumSize(); }
};

}  // namespace

MainWindow::MainWindow(Settings& settings, GameState& game, DataFile& dataFile)
    : settings_(settings),
      game_(game),
      dataFile_(dataFile),
      random_(static_cast<std::mt19937::result_type>(
          std::chrono::steady_clock::now().time_since_epoch().count())) {
    setObjectName("Form1");
    setWindowTitle(Text(kWindowTitle[0]));
    central_ = new QWidget(this);
    central_->setObjectName("Form1Client");
    SetBackground(central_, kNavy);
    setCentralWidget(central_);
    BuildPanels(central_);
    BuildMenus();
    MoveOntoStage(*central_);

    reportError_ = [this](const QString& message) {
        QMessageBox::critical(this, "Quorelin", message);
    };
    reportWarning_ = [this](const QString& title, const QString& text) {
        QMessageBox::warning(this, title, text, QMessageBox::Ok);
    };
    askCloseQuestion_ = [this](const QString& text) {
        return AskOnFailedClose(this, text, static_cast<std::size_t>(LanguageIndex()));
    };
    realScreenHeight_ = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen != nullptr ? screen->size().height() : 0;
    };
    platformBeep_ = [] { QApplication::beep(); };
    pause_ = [](std::uint32_t ms) { PauseMs(ms); };

    // The window sees every key first, and a click on its background closes the panel.
    installEventFilter(this);
    central_->installEventFilter(this);
    for (QWidget* child : central_->findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
    ApplyLanguage();
    GiveButtonsTheirLetters(*this);
}

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");

    Game1 = MakeMenu(bar, "Game1");
    for (int t = 1; t <= 20; ++t) {
        QAction* item = Game1->menu()->addAction(QString::number(t));
        item->setObjectName(QString("Game%1Item").arg(t));
        connect(item, &QAction::triggered, this, [this, t] { TableClick(t); });
        gameItems_[static_cast<std::size_t>(t - 1)] = item;
    }

    Color1 = MakeMenu(bar, "Color1");
    Simple1 = MakeItem(Color1->menu(), "Simple1", true);
    Sophisticated1 = MakeItem(Color1->menu(), "Sophisticated1", true);
    connect(Simple1, &QAction::triggered, this, &MainWindow::SimpleClick);
    connect(Sophisticated1, &QAction::triggered, this, &MainWindow::SophisticatedClick);

    Sound1 = MakeMenu(bar, "Sound1");
    Soundeffecton1 = MakeItem(Sound1->menu(), "Soundeffecton1", true);
    Soundeffectsoff1 = MakeItem(Sound1->menu(), "Soundeffectsoff1", true);
    Musicon1 = MakeItem(Sound1->menu(), "Musicon1", true);
    Musicoff1 = MakeItem(Sound1->menu(), "Musicoff1", true);
    connect(Soundeffecton1, &QAction::triggered, this, &MainWindow::SoundOnItemClick);
    connect(Soundeffectsoff1, &QAction::triggered, this, &MainWindow::SoundOffItemClick);
    connect(Musicon1, &QAction::triggered, this, &MainWindow::MusicOnItemClick);
    connect(Musicoff1, &QAction::triggered, this, &MainWindow::MusicOffItemClick);

    Language1 = MakeMenu(bar, "Language1");
    Engels1 = MakeItem(Language1->menu(), "Engels1");
    Espaol1 = MakeItem(Language1->menu(), "Espaol1");
    Nederlands1 = MakeItem(Language1->menu(), "Nederlands1");
    Frysk1 = MakeItem(Language1->menu(), "Frysk1");
    Deutch1 = MakeItem(Language1->menu(), "Deutch1");
    const std::array<QAction*, 5> languages{Engels1, Espaol1, Nederlands1, Frysk1, Deutch1};
    for (int n = 1; n <= 5; ++n) {
        QAction* item = languages[static_cast<std::size_t>(n - 1)];
        item->setText(Text(kLanguageNames[static_cast<std::size_t>(n - 1)]));
        connect(item, &QAction::triggered, this, [this, n] { ChooseLanguage(n); });
    }

    HighScores1 = bar->addAction(QString());
    HighScores1->setObjectName("HighScores1");
    connect(HighScores1, &QAction::triggered, this, &MainWindow::HighScoresClick);

    Info1 = MakeMenu(bar, "Info1");
    About1 = MakeItem(Info1->menu(), "About1");
    GameInstructions1 = MakeItem(Info1->menu(), "GameInstructions1");
    Disclaimer1 = MakeItem(Info1->menu(), "Disclaimer1");
    connect(About1, &QAction::triggered, this, [this] { InfoItemClick(InfoPage::About); });
    connect(GameInstructions1, &QAction::triggered, this,
            [this] { InfoItemClick(InfoPage::GameInstructions); });
    connect(Disclaimer1, &QAction::triggered, this,
            [this] { InfoItemClick(InfoPage::Disclaimer); });

    Exit1 = bar->addAction(QString());
    Exit1->setObjectName("Exit1");
    connect(Exit1, &QAction::triggered, this, &MainWindow::ExitClick);
}

int MainWindow::LanguageIndex() const {
    return static_cast<int>(quorelin::LanguageIndex(settings_.Language));
}

QPushButton* MainWindow::LanguageButton(int language) const {
    const std::array<QPushButton*, 5> buttons{BitBtn10, BitBtn11, BitBtn12, BitBtn13, BitBtn15};
    return buttons.at(static_cast<std::size_t>(language - 1));
}

void MainWindow::ApplyLanguage() {
    const auto i = static_cast<std::size_t>(LanguageIndex());
    setWindowTitle(Text(kWindowTitle[i]));

    Label2->setText(Text(kTitleText[i]));
    QFont titleFont = Label2->font();
    titleFont.setPointSize(i == 4 ? 28 : 36);
    Label2->setFont(titleFont);
    Label2->adjustSize();
    Label5->setText(Text(kBannerText[i]));
    Label5->move(i == 4 ? 60 : 96, Label5->y());
    // The rounded face we ship runs wider than the one the banner was made for: narrow
    // it rather than cut the product name off at the banner's edge.
    QFont bannerFont = Label5->font();
    bannerFont.setStretch(QFont::Unstretched);
    Label5->setFont(bannerFont);
    Label5->adjustSize();
    const int room = Panel2->width() - 8 - Label5->x();
    if (Label5->width() > room) {
        bannerFont.setStretch(std::max(50, 100 * room / Label5->width()));
        Label5->setFont(bannerFont);
        Label5->adjustSize();
    }
    Panel2->setToolTip(Label5->text());
    Label3->setText(Text(kVersionText[i]));
    Label3->adjustSize();
    if (settings_.ScreenHeight == 600) {
        const int above = i == 4 ? 42 : (i == 0 && settings_.WindowMode == 2 ? 50 : 60);
        Label2->move(Label2->x(), Panel4->y() - above);
    }

    BitBtn5->setText(Text(kInfoCaption[i]));
    BitBtn6->setText(Text(settings_.SoundEffects == 1 ? kSoundOnCaption[i] : kSoundOffCaption[i]));
    FitText(BitBtn6);
    BitBtn17->setText(Text(settings_.MusicOn == 1 ? kMusicOnCaption[i] : kMusicOffCaption[i]));
    FitText(BitBtn17);
    BitBtn7->setText(Text(kLanguageCaption[i]));
    BitBtn9->setText(Text(kHighScoresCaption[i]));
    FitText(BitBtn9);
    BitBtn8->setText(Text(kExitCaption[i]));

    // Captions spread over the menu bar with leading blanks, except on the lowest screens.
    const bool tall = settings_.ScreenHeight == 600 || settings_.ScreenHeight == 768;
    const std::array<QAction*, 7> titles{Game1,       Color1, Sound1, Language1,
                                         HighScores1, Info1,  Exit1};
    for (std::size_t k = 0; k < titles.size(); ++k) {
        titles[k]->setText(Text((tall ? kMenuTitlesTall : kMenuTitlesShort)[i][k]));
    }
    const std::array<QAction*, 9> items{About1,           GameInstructions1, Disclaimer1,
                                        Simple1,          Sophisticated1,    Soundeffecton1,
                                        Soundeffectsoff1, Musicon1,          Musicoff1};
    for (std::size_t k = 0; k < items.size(); ++k) {
        items[k]->setText(Text(kMenuItems[i][k]));
    }

    for (int t = 1; t <= 20; ++t) {
        const char* start = kTableHintStart[i];
        TableButton(t)->setToolTip(start == nullptr ? QString()
                                                    : Text(start) + QString::number(t) + " ");
    }
    BitBtn17->setToolTip(Text(kMusicHint[i]));
    for (int n = 1; n <= 5; ++n) {
        if (const char* hint = kLanguageHints[i][static_cast<std::size_t>(n - 1)]) {
            LanguageButton(n)->setToolTip(Text(hint));
        }
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous()) {
        return;  // restored from the task bar: not a new showing
    }
    bannerMoves_ = 0;
    if (ScreenShrank() && settings_.Language == 1) {
        reportWarning_("Warning", Text(kShownWarning));
    }
    Soundeffecton1->setChecked(settings_.SoundEffects == 1);
    Soundeffectsoff1->setChecked(settings_.SoundEffects != 1);
    Musicon1->setChecked(settings_.MusicOn == 1);
    Musicoff1->setChecked(settings_.MusicOn != 1);
    Simple1->setChecked(settings_.ColorScheme == 1);
    Sophisticated1->setChecked(settings_.ColorScheme != 1);
    ApplyLanguage();
    Panel1->hide();
}

bool MainWindow::ScreenShrank() const {
    return realScreenHeight_() < settings_.ScreenHeight;
}

void MainWindow::Beep() {
    if (settings_.SoundEffects == 1) {
        platformBeep_();
    }
}

bool MainWindow::HintShown(const QWidget* control) {
    const QVariant shown = control->property("showHint");
    return !shown.isValid() || shown.toBool();
}

void MainWindow::RearmBannerHint() {
    bannerMoves_ = 0;
    Panel2->setProperty("showHint", true);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ToolTip:
            // A control whose hint display is off swallows its hint; controls without a
            // hint of their own pass the event on to their panel.
            if (auto* widget = qobject_cast<QWidget*>(watched);
                widget != nullptr && !HintShown(widget)) {
                return true;
            }
            break;
        case QEvent::MouseMove:
            // Moves over the banner's picture and text climb to the banner, which counts
            // them: those parts track the mouse too, or their moves would not arise.
            if (watched == Panel2 && ++bannerMoves_ >= 4) {
                Panel2->setProperty("showHint", false);
            }
            break;
        case QEvent::Resize:
            // The menu titles spread over the design area with the rest of the window.
            if (watched == this) {
                const int margin = DesignAreaOffset(*this).x();
                if (menuIndent_ == nullptr && margin > 0) {
                    menuIndent_ = new MenuIndent(menuBar());
                }
                if (menuIndent_ != nullptr) {
                    // Set again, so the bar lays its titles out for the new width.
                    menuIndent_->setFixedSize(margin, 1);
                    menuIndent_->setVisible(margin > 0);
                    menuBar()->setCornerWidget(menuIndent_, Qt::TopLeftCorner);
                }
            }
            break;
        case QEvent::MouseButtonPress:
            if (watched == central_) {
                Panel1->hide();
            }
            break;
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            // Alt+letter reaches the accelerators; any other key closes the open panel.
            if (Panel1->isVisible() && !IsModifierOnly(key->key()) &&
                !(key->modifiers() & Qt::AltModifier)) {
                Panel1->hide();
                BitBtn7->setFocus();
                return true;
            }
            break;
        }
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::TableClick(int table) {
    game_.TableNumber = table;
    OpenLevelChoice();
}

void MainWindow::OpenLevelChoice() {
    if (ScreenShrank()) {
        reportWarning_("Warning", Text(kTableWarning));
    }
    game_.GameKind = 1;
    Panel1->hide();
    emit levelChoiceRequested();
}

void MainWindow::HighScoresClick() {
    game_.TableNumber = std::uniform_int_distribution<int>(1, 20)(random_);
    Panel1->hide();
    game_.GameKind = 1;
    game_.AfterGame = 0;
    emit highScoresRequested();
}

// The sound commands write the captions of ApplyLanguage, except where a command has
// its own Frisian or German spelling.
void MainWindow::SetSoundCaption(const char* frisianOn, const char* frisianOff,
                                 const char* germanOff) {
    const auto i = static_cast<std::size_t>(LanguageIndex());
    const char* caption = settings_.SoundEffects == 1 ? kSoundOnCaption[i] : kSoundOffCaption[i];
    if (i == 3 && settings_.SoundEffects == 1 && frisianOn != nullptr) {
        caption = frisianOn;
    } else if (i == 3 && settings_.SoundEffects != 1 && frisianOff != nullptr) {
        caption = frisianOff;
    } else if (i == 4 && settings_.SoundEffects != 1 && germanOff != nullptr) {
        caption = germanOff;
    }
    BitBtn6->setText(Text(caption));
    FitText(BitBtn6);
}

void MainWindow::SoundButtonClick() {
    Panel1->hide();
    settings_.SoundEffects = settings_.SoundEffects == 1 ? 0 : 1;
    SetSoundCaption(kFrisianSoundOn, kFrisianSoundOff, nullptr);
    Beep();
}

void MainWindow::SoundOnItemClick() {
    settings_.SoundEffects = 1;
    Panel1->hide();
    Soundeffecton1->setChecked(true);
    Soundeffectsoff1->setChecked(false);
    SetSoundCaption(kFrisianSoundOn, nullptr, nullptr);
    Beep();
}

void MainWindow::SoundOffItemClick() {
    settings_.SoundEffects = 0;
    Panel1->hide();
    Soundeffectsoff1->setChecked(true);
    Soundeffecton1->setChecked(false);
    SetSoundCaption(nullptr, nullptr, kGermanSoundOff);
}

void MainWindow::SetMusicCaption() {
    const auto i = static_cast<std::size_t>(LanguageIndex());
    const char* caption = settings_.MusicOn == 1 ? kMusicOnCaption[i] : kMusicOffCaption[i];
    if (i == 3 && settings_.MusicOn != 1) {
        caption = kFrisianMusicOff;
    }
    BitBtn17->setText(Text(caption));
    FitText(BitBtn17);
}

// The rising figure is made of silent tones, so only its pauses are felt.
void MainWindow::PlayRisingFigure(int notes, std::uint32_t ms) {
    if (settings_.SoundEffects != 1) {
        return;
    }
    for (int i = 1; i <= notes; ++i) {
        StartTone(static_cast<std::uint16_t>(500 + 60 * i));
        pause_(ms);
        StopTone();
    }
}

void MainWindow::MusicButtonClick() {
    Panel1->hide();
    if (settings_.MusicOn != 0) {
        BitBtn17->setProperty("showHint", false);
        settings_.MusicOn = 0;
    } else {
        settings_.MusicOn = 1;
        BitBtn17->setProperty("showHint", true);
        PlayRisingFigure(4, 30);
    }
    SetMusicCaption();
}

void MainWindow::MusicOnItemClick() {
    Musicon1->setChecked(true);
    Musicoff1->setChecked(false);
    Panel1->hide();
    settings_.MusicOn = 1;
    PlayRisingFigure(5, 50);
    SetMusicCaption();
}

void MainWindow::MusicOffItemClick() {
    Musicoff1->setChecked(true);
    Musicon1->setChecked(false);
    Panel1->hide();
    settings_.MusicOn = 0;
    SetMusicCaption();
}

void MainWindow::LanguageButtonClick() {
    Panel1->show();
    Panel1->raise();
    LanguageButton(LanguageIndex() + 1)->setFocus();
}

void MainWindow::ChooseLanguage(int language) {
    settings_.Language = static_cast<std::uint8_t>(language);
    ApplyLanguage();
}

void MainWindow::SimpleClick() {
    settings_.ColorScheme = 1;
    Simple1->setChecked(true);
    Sophisticated1->setChecked(false);
    emit colorSchemeChanged();
}

void MainWindow::SophisticatedClick() {
    settings_.ColorScheme = 2;
    Sophisticated1->setChecked(true);
    Simple1->setChecked(false);
    emit colorSchemeChanged();
}

void MainWindow::InfoButtonClick() {
    Panel1->hide();
    ShowInfoWindow();
}

void MainWindow::InfoItemClick(InfoPage page) {
    Panel1->hide();
    emit infoPageRequested(page);
}

void MainWindow::ShowInfoWindow() {
    emit infoRequested();
}

void MainWindow::ApplyClassRoomSilence(bool silence) {
    const auto i = static_cast<std::size_t>(LanguageIndex());
    BitBtn6->setEnabled(!silence);
    BitBtn17->setEnabled(!silence);
    Soundeffecton1->setEnabled(!silence);
    Musicon1->setEnabled(!silence);
    Soundeffecton1->setChecked(!silence);
    Musicon1->setChecked(!silence);
    Soundeffectsoff1->setChecked(silence);
    Musicoff1->setChecked(silence);
    if (silence) {
        BitBtn6->setText(Text(kSilencedSoundCaption[i]));
        FitText(BitBtn6);
        return;
    }
    BitBtn6->setText(Text(kUnsilencedSoundCaption[i]));
    FitText(BitBtn6);
    BitBtn17->setText(Text(kUnsilencedMusicCaption[i]));
    FitText(BitBtn17);
}

void MainWindow::ApplyWindowMode() {
    // Back to partial screen the window is framed again, which only a hidden window takes.
    if (settings_.WindowMode == 1) {
        LayOutMainWindow(*this, settings_);
        return;
    }
    hide();
    LayOutMainWindow(*this, settings_);
    show();
}

void MainWindow::ExitClick() {
    const DataFileResult result = dataFile_.SaveDataFile(settings_);
    if (!result.ok) {
        std::cerr << "Quorelin: " << result.message << '\n';
        reportError_(QString::fromStdString(
            DescribeProblem(result, static_cast<std::size_t>(LanguageIndex()))));
        return;
    }
    saved_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing by the close box, Alt+F4 or the desktop keeps the results too: save as Exit
    // does. A failure must not trap the player, so they choose how to go on.
    while (!saved_) {
        const DataFileResult result = dataFile_.SaveDataFile(settings_);
        if (result.ok) {
            break;
        }
        std::cerr << "Quorelin: " << result.message << '\n';
        const auto language = static_cast<std::size_t>(LanguageIndex());
        const CloseAnswer answer =
            askCloseQuestion_(Text(kCloseNotSaved[language])
                                  .arg(QString::fromStdString(DescribeProblem(result, language))));
        if (answer == CloseAnswer::QuitWithoutSaving) {
            finalSaveWanted_ = false;
            break;
        }
        if (answer == CloseAnswer::Cancel) {
            event->ignore();
            return;
        }
    }
    event->accept();
    QCoreApplication::quit();
}

}  // namespace quorelin
