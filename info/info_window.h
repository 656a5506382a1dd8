#pragma once
// The info window (Form2): a bar of page buttons over a light page panel that shows one
// of three fixed pages, About, Game Instructions or Disclaimer, in the current language.
// Every showing starts on About. A page button shows its page when it is clicked and when
// it receives the focus; Back, "X" and Escape only hide the window.
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QWidget>
#include <array>

#include "game/state.h"
#include "info/info_pages.h"

namespace quorelin {

class InfoWindow : public QWidget {
    Q_OBJECT
public:
    enum class Page { About, GameInstructions, Disclaimer };

    // Reads Language, ScreenHeight and WindowMode each time it is shown.
    explicit InfoWindow(const Settings& settings);

    // Places the bar and the page for the class and mode, sets the captions for Language,
    // then presses About. Runs on every showing.
    void FormShow();
    // Shows a page: its own picture, its button focused and black, all 31 lines and the
    // footer in the current language, and on Game Instructions the keys panel.
    void ShowPage(Page page);
    // Takes its frame, size and place for the class and mode (in partial screen at the
    // main window's outer rectangle `mainOuter`) and comes to the front, shown.
    void Open(const QRect& mainOuter);
    // Presses a page's button, as an Info menu item of the main window does.
    void PressPage(Page page);

    QPushButton* PageButton(Page page) const;
    Page CurrentPage() const { return page_; }
    // The width of the line font in percent: narrowed from 100 just so far that every
    // line of the page shown fits beside what stands right of it.
    int LineStretch() const { return lineFont_.stretch(); }
    // Everything below the frame scrolls where the window is smaller than its page.
    QScrollArea* ScrollBox() const { return scroll_; }
    // The bar is as wide as its design, or as the window where that is narrower.
    void FitBar();

    QFrame* Panel1;                                     // button bar
    QPushButton* BitBtn1;                               // About
    QPushButton* BitBtn2;                               // Game Instructions
    QPushButton* BitBtn3;                               // Disclaimer
    QPushButton* BitBtn4;                               // Back
    QPushButton* BitBtn5;                               // "X": as Back, full screen only
    QFrame* Panel2;                                     // page panel
    std::array<QLabel*, info_texts::kLineCount> Lines;  // text lines Label1..Label31
    QLabel* Label32;                                    // footer
    QLabel* Image1;                                     // About picture
    QLabel* Image2;                                     // Disclaimer picture
    QFrame* Panel3;                                     // keys panel, Game Instructions only
    QLabel* Image3;                                     // the rule of the table
    QLabel* Image4;                                     // left arrow key
    QLabel* Image5;                                     // right arrow key
    QLabel* Image6;                                     // down arrow key
    QLabel* Label33;                                    // left key's caption
    QLabel* Label34;                                    // right key's caption
    QLabel* Label35;                                    // down key's caption

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildBar(QWidget* canvas);
    void BuildPage(QWidget* canvas);
    void BuildKeysPanel();
    void SetButtonColours(Page page);
    void FitLineFont();
    int RoomFor(std::size_t line, int lineHeight) const;

    const Settings& settings_;
    QScrollArea* scroll_;
    QFont lineFont_;
    Page page_ = Page::About;
    bool showingPage_ = false;  // a page being shown moves the focus itself
};

}  // namespace quorelin
