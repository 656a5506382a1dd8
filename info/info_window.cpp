#include "info/info_window.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "game/language.h"
#include "info/info_layout.h"
#include "info/info_pictures.h"
#include "info/info_texts.h"
#include "kit/pictures.h"
#include "kit/widget_style.h"
#include "kit/window_frame.h"

namespace quorelin {
namespace {

using namespace info_texts;

constexpr QSize kBarSize{649, 27};
constexpr QSize kPageSize{531, 533};
constexpr QSize kKeysPanelSize{153, 213};
constexpr int kKeyIconSize = 22;
// The narrowest the line font may become, and the room kept free right of a line.
constexpr int kNarrowestStretch = 50;
constexpr int kLineGap = 4;

const PageLines& LinesOf(InfoWindow::Page page, std::size_t language) {
    switch (page) {
        case InfoWindow::Page::About:
            return kAboutPage[language];
        case InfoWindow::Page::GameInstructions:
            return kGameInstructionsPage[language];
        case InfoWindow::Page::Disclaimer:
            break;
    }
    return kDisclaimerPage[language];
}

// The width a label gives a line of text in the font.
int LineWidth(const QFontMetrics& metrics, const QString& text) {
    return metrics.boundingRect(QRect(0, 0, 4000, 100), Qt::AlignLeft, text).width();
}

}  // namespace

InfoWindow::InfoWindow(const Settings& settings) : settings_(settings) {
    setObjectName("Form2");
    setWindowTitle(Text(kWindowTitle[0]));
    SetBackground(this, kNavy);

    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setWidgetResizable(true);
    SetBackground(scroll_->viewport(), kNavy);
    auto* canvas = new QWidget;
    SetBackground(canvas, kNavy);
    scroll_->setWidget(canvas);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(scroll_);

    // The bar is built after the page, so it stands in front of the page's upper edge.
    BuildPage(canvas);
    BuildBar(canvas);
    scroll_->viewport()->installEventFilter(this);
    hide();
}

void InfoWindow::BuildBar(QWidget* canvas) {
    Panel1 = new QFrame(canvas);
    Panel1->setObjectName("Panel1");
    Panel1->resize(kBarSize);
    SetBackground(Panel1, kNavy);
    const auto button = [this](QWidget* parent, const char* name) {
        auto* b = MakeButton(parent, name, {});
        b->setFont(PointFont("MS Serif", 7));
        b->installEventFilter(this);
        return b;
    };
    BitBtn1 = button(Panel1, "BitBtn1");
    BitBtn2 = button(Panel1, "BitBtn2");
    BitBtn3 = button(Panel1, "BitBtn3");
    BitBtn4 = button(Panel1, "BitBtn4");
    BitBtn5 = button(canvas, "BitBtn5");
    BitBtn5->setText(Text(kCloseCaption));
    connect(BitBtn1, &QPushButton::clicked, this, [this] { ShowPage(Page::About); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { ShowPage(Page::GameInstructions); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { ShowPage(Page::Disclaimer); });
    connect(BitBtn4, &QPushButton::clicked, this, &QWidget::hide);
    connect(BitBtn5, &QPushButton::clicked, this, &QWidget::hide);
}

void InfoWindow::BuildPage(QWidget* canvas) {
    Panel2 = new QFrame(canvas);
    Panel2->setObjectName("Panel2");
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setLineWidth(2);
    Panel2->resize(kPageSize);
    SetBackground(Panel2, kPaleYellow);
    for (std::size_t n = 0; n < Lines.size(); ++n) {
        auto* line = new QLabel(Panel2);
        line->setObjectName(QString("Label%1").arg(n + 1));
        SetColour(line, QPalette::WindowText, kBlack);
        Lines[n] = line;
    }
    Label32 = new QLabel(Panel2);
    Label32->setObjectName("Label32");
    Label32->setFont(PixelFont("MS Serif", 9, false, true));
    SetColour(Label32, QPalette::WindowText, kBlack);
    Image1 = MakePicture(Panel2, "Image1", RunningBlockPicture(), 52, 420);
    Image2 = MakePicture(Panel2, "Image2", JusticeBoxPicture(), 40, 300);
    BuildKeysPanel();
}

void InfoWindow::BuildKeysPanel() {
    Panel3 = new QFrame(Panel2);
    Panel3->setObjectName("Panel3");
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel3->setLineWidth(1);
    Panel3->setGeometry(QRect(QPoint(356, 20), kKeysPanelSize));
    SetBackground(Panel3, kPaleYellow);
    Image3 = MakePicture(Panel3, "Image3", KeysRulePicture(), 8, 6);
    Image4 = MakePicture(Panel3, "Image4", ArrowKeyPicture(ArrowKey::Left, kKeyIconSize), 6, 160);
    Image5 = MakePicture(Panel3, "Image5", ArrowKeyPicture(ArrowKey::Right, kKeyIconSize), 78, 160);
    Image6 = MakePicture(Panel3, "Image6", ArrowKeyPicture(ArrowKey::Down, kKeyIconSize), 6, 188);
    // The captions break between words where a language needs two lines.
    const auto caption = [this](const char* name, const QRect& place) {
        QLabel* label = MakeLabel(Panel3, name, place.topLeft(), PointFont("MS Sans Serif", 7));
        label->resize(place.size());
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        SetColour(label, QPalette::WindowText, kBlack);
        return label;
    };
    Label33 = caption("Label33", QRect(30, 156, 46, 23));
    Label34 = caption("Label34", QRect(102, 156, 49, 23));
    Label35 = caption("Label35", QRect(30, 188, 70, 23));
}

QPushButton* InfoWindow::PageButton(Page page) const {
    switch (page) {
        case Page::About:
            return BitBtn1;
        case Page::GameInstructions:
            return BitBtn2;
        case Page::Disclaimer:
            break;
    }
    return BitBtn3;
}

void InfoWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // In full screen on a larger screen the page keeps its design size in the middle.
    const QPoint margin = DesignAreaOffset(*this);
    layout()->setContentsMargins(margin.x(), margin.y(), margin.x(), margin.y());
}

void InfoWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window given back by the window system (restored, uncovered) keeps its page.
    if (!event->spontaneous()) {
        FormShow();
    }
}

void InfoWindow::FormShow() {
    const std::size_t i = LanguageIndex(settings_.Language);
    LayOutInfoWindow(*this, settings_);
    setWindowTitle(Text(kWindowTitle[i]));
    BitBtn1->setText(Text(kAboutCaption[i]));
    BitBtn2->setText(Text(kGameInstructionsCaption[i]));
    BitBtn3->setText(Text(kDisclaimerCaption[i]));
    BitBtn4->setText(Text(kBackCaption[i]));
    scroll_->verticalScrollBar()->setValue(0);
    scroll_->horizontalScrollBar()->setValue(0);
    PressPage(Page::About);
}

void InfoWindow::Open(const QRect& mainOuter) {
    PlaceInfoWindow(*this, settings_, mainOuter);
    show();
    raise();
    activateWindow();
}

void InfoWindow::PressPage(Page page) {
    PageButton(page)->click();
}

void InfoWindow::ShowPage(Page page) {
    showingPage_ = true;
    page_ = page;
    const std::size_t i = LanguageIndex(settings_.Language);
    const bool instructions = page == Page::GameInstructions;

    // 1. Only the page's own picture; the keys panel on Game Instructions.
    Image1->setVisible(page == Page::About);
    Image2->setVisible(page == Page::Disclaimer);
    Panel3->setVisible(instructions);
    Image3->setVisible(instructions);

    // 2. The page's button: focused and black. On 480 lines the Spanish Game
    // Instructions caption is shortened while its own page is shown.
    if (settings_.ScreenHeight < 600 && i == 1) {
        BitBtn2->setText(
            Text(instructions ? kShortSpanishInstructions : kGameInstructionsCaption[i]));
    }
    SetButtonColours(page);
    PageButton(page)->setFocus(Qt::OtherFocusReason);

    // 3. Every line and the footer, empty ones included, so nothing of the page before
    // remains; an empty line takes no room.
    const PageLines& lines = LinesOf(page, i);
    for (std::size_t n = 0; n < Lines.size(); ++n) {
        Lines[n]->setText(Text(lines[n]));
        Lines[n]->setVisible(lines[n][0] != '\0');
    }
    Label32->setText(Text(kFooter[i]));
    Label32->adjustSize();
    if (instructions) {
        Label33->setText(Text(kLeftKey[i]));
        Label34->setText(Text(kRightKey[i]));
        Label35->setText(Text(kDownKey[i]));
    }
    FitLineFont();
    showingPage_ = false;
}

void InfoWindow::SetButtonColours(Page page) {
    for (const Page each : {Page::About, Page::GameInstructions, Page::Disclaimer}) {
        QPushButton* button = PageButton(each);
        button->setFont(PointFont("MS Serif", 7));
        SetColour(button, QPalette::ButtonText, each == page ? kBlack : kNavy);
    }
}

// The design's line face is narrower than the open face that stands in for it: the lines
// keep their height and are narrowed only as far as the page needs.
void InfoWindow::FitLineFont() {
    QFont font = PointFont("MS Sans Serif", 8);
    for (int stretch = 100; stretch >= kNarrowestStretch; --stretch) {
        font.setStretch(stretch);
        const QFontMetrics metrics(font);
        bool fits = true;
        for (std::size_t n = 0; n < Lines.size() && fits; ++n) {
            fits = LineWidth(metrics, Lines[n]->text()) <= RoomFor(n, metrics.height());
        }
        if (fits) {
            break;
        }
    }
    lineFont_ = font;
    for (QLabel* line : Lines) {
        line->setFont(font);
        line->adjustSize();
    }
}

// The room of a line up to the page's bevel, or up to the keys panel where it stands
// beside it.
int InfoWindow::RoomFor(std::size_t line, int lineHeight) const {
    const QLabel* label = Lines.at(line);
    int right = Panel2->contentsRect().right() + 1;
    const QRect keys = Panel3->geometry();
    if (Panel3->isVisibleTo(Panel2) && label->y() < keys.bottom() + 1 &&
        label->y() + lineHeight > keys.top()) {
        right = keys.left();
    }
    return right - kLineGap - label->x();
}

void InfoWindow::FitBar() {
    const int width =
        settings_.WindowMode == 1 ? settings_.ScreenWidth : scroll_->viewport()->width();
    Panel1->resize(std::clamp(width - Panel1->x(), 0, kBarSize.width()), kBarSize.height());
}

// Escape reaches the window from whichever control has the focus, none of which takes it.
void InfoWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

// A page button that receives the focus shows its page; the bar follows the window's
// width.
bool InfoWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_->viewport()) {
        if (event->type() == QEvent::Resize) {
            FitBar();
        }
        return false;
    }
    if (event->type() == QEvent::FocusIn && !showingPage_) {
        for (const Page page : {Page::About, Page::GameInstructions, Page::Disclaimer}) {
            if (watched == PageButton(page)) {
                ShowPage(page);
            }
        }
    }
    return false;
}

}  // namespace quorelin
