// The main window's form: its panels and buttons at their design places, and where the
// window and its four panels stand in each screen case.
#include <QPixmap>
#include <array>

#include "game/rounding.h"
#include "game/screen_case.h"
#include "kit/widget_style.h"
#include "kit/window_frame.h"
#include "menus/main_pictures.h"
#include "menus/main_texts.h"
#include "menus/main_window.h"
#include "menus/place_rows.h"

namespace quorelin {
namespace {

// The standard colours of the table numbers that the kit does not name.
constexpr QColor kGreen(0, 128, 0), kOlive(128, 128, 0), kPurple(128, 0, 128), kTeal(0, 128, 128),
    kFuchsia(255, 0, 255);

// A table button: its design name, its place in the table panel and its number's colour.
struct TableButtonPlace {
    const char* name;
    QPoint place;
    QColor colour;
};
// Buttons 1 to 10 are large, 11 to 20 small; their sizes are the window's.
const std::array<TableButtonPlace, 20> kTableButtons{{
    {"BitBtn21", {30, 48}, kGreen},     {"BitBtn1", {30, 105}, kRed},
    {"BitBtn2", {30, 162}, kBlue},      {"BitBtn3", {30, 219}, kNavy},
    {"BitBtn4", {30, 272}, kTeal},      {"BitBtn16", {107, 48}, kPurple},
    {"BitBtn18", {107, 105}, kYellow},  {"BitBtn19", {107, 161}, kNavy},
    {"BitBtn20", {107, 217}, kFuchsia}, {"BitBtn22", {107, 273}, kMaroon},
    {"BitBtn23", {182, 49}, kNavy},     {"BitBtn24", {182, 73}, kPurple},
    {"BitBtn25", {182, 105}, kTeal},    {"BitBtn26", {182, 129}, kRed},
    {"BitBtn27", {182, 161}, kBlack},   {"BitBtn28", {182, 185}, kBlue},
    {"BitBtn29", {182, 217}, kGreen},   {"BitBtn30", {182, 241}, kMaroon},
    {"BitBtn31", {182, 273}, kOlive},   {"BitBtn32", {182, 297}, kRed},
}};

QFrame* MakePanel(QWidget* parent, const char* name, int width, int height) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->resize(width, height);
    SetBackground(panel, kNavy);
    // A click on a panel is the panel's own, not the window background's.
    panel->setAttribute(Qt::WA_NoMousePropagation);
    return panel;
}

}  // namespace

void MainWindow::BuildPanels(QWidget* central) {
    // 48 pixels on a 96-dpi screen.
    Label2 = MakeLabel(central, "Label2", {}, PointFont("VAG Rounded Thin", 36, true));
    Label3 = MakeLabel(central, "Label3", {}, PixelFont("MS Sans Serif", 16, true));
    Panel2 = MakePanel(central, "Panel2", 585, 89);
    Image5 = MakePicture(Panel2, "Image5", BannerPicture(563, 80), 12, 12);
    Label5 = MakeLabel(Panel2, "Label5", {96, 14}, PixelFont("VAG Rounded Thin", 48, true));
    for (QLabel* red : {Label2, Label3, Label5}) {
        SetColour(red, QPalette::WindowText, kRed);
    }
    for (QWidget* part : {static_cast<QWidget*>(Panel2), static_cast<QWidget*>(Image5),
                          static_cast<QWidget*>(Label5)}) {
        part->setMouseTracking(true);
    }

    Panel3 = MakePanel(central, "Panel3", 241, 377);
    MakePicture(Panel3, "Image1", TablePanelPicture(241, 369), 0, 8);
    Image4 = MakePicture(Panel3, "Image4", TitleStripPicture(225, 36), 8, 8);
    Image4->hide();
    for (int t = 1; t <= 20; ++t) {
        const TableButtonPlace& place = kTableButtons[static_cast<std::size_t>(t - 1)];
        const bool large = t <= 10;
        QPushButton* button = MakeButton(Panel3, place.name,
                                         QRect(place.place, large ? QSize(59, 49) : QSize(27, 24)));
        button->setText(QString::number(t));
        button->setFont(PixelFont("MS Sans Serif", large ? 32 : 13, true));
        SetColour(button, QPalette::ButtonText, place.colour);
        connect(button, &QPushButton::clicked, this, [this, t] { TableClick(t); });
        tableButtons_[static_cast<std::size_t>(t - 1)] = button;
    }

    Panel4 = MakePanel(central, "Panel4", 177, 241);
    MakePicture(Panel4, "Image2", CommandPanelPicture(147, 227), 8, 8);
    const auto command = [this](const char* name, int top, CommandGlyph glyph) {
        QPushButton* button = MakeButton(Panel4, name, QRect(28, top, 107, 27));
        button->setFont(PixelFont("Tahoma", 11));
        button->setIcon(QPixmap::fromImage(CommandGlyphPicture(glyph, 16)));
        SetColour(button, QPalette::ButtonText, kMaroon);
        return button;
    };
    BitBtn5 = command("BitBtn5", 29, CommandGlyph::Info);
    BitBtn6 = command("BitBtn6", 62, CommandGlyph::Sound);
    BitBtn17 = command("BitBtn17", 94, CommandGlyph::Music);
    BitBtn7 = command("BitBtn7", 126, CommandGlyph::Language);
    BitBtn9 = command("BitBtn9", 158, CommandGlyph::HighScores);
    BitBtn8 = command("BitBtn8", 190, CommandGlyph::Exit);
    BitBtn7->setToolTip(Text(main_texts::kLanguageButtonHint));
    // The music button's hint display starts off and follows the button only.
    BitBtn17->setProperty("showHint", false);
    connect(BitBtn5, &QPushButton::clicked, this, &MainWindow::InfoButtonClick);
    connect(BitBtn6, &QPushButton::clicked, this, &MainWindow::SoundButtonClick);
    connect(BitBtn17, &QPushButton::clicked, this, &MainWindow::MusicButtonClick);
    connect(BitBtn7, &QPushButton::clicked, this, &MainWindow::LanguageButtonClick);
    connect(BitBtn9, &QPushButton::clicked, this, &MainWindow::HighScoresClick);
    connect(BitBtn8, &QPushButton::clicked, this, &MainWindow::ExitClick);

    Panel1 = MakePanel(central, "Panel1", 89, 145);
    const auto language = [this](const char* name, int n) {
        QPushButton* button = MakeButton(Panel1, name, QRect(8, 4 + 28 * (n - 1), 75, 25));
        button->setText(Text(main_texts::kLanguageNames[static_cast<std::size_t>(n - 1)]));
        connect(button, &QPushButton::clicked, this, [this, n] { ChooseLanguage(n); });
        return button;
    };
    BitBtn10 = language("BitBtn10", 1);
    BitBtn11 = language("BitBtn11", 2);
    BitBtn12 = language("BitBtn12", 3);
    BitBtn13 = language("BitBtn13", 4);
    BitBtn15 = language("BitBtn15", 5);
    Panel1->hide();
}

namespace {

// The four panels (left, top) in the screen cases: 480 full, 480 partial, 600 full,
// 600 partial, 768 full, 768 partial.
constexpr std::array<PlaceRow<MainWindow>, 4> kPanelPlaces{{
    {Control<&MainWindow::Panel1>,  // language panel
     {{{544, 171}, {477, 125}, {640, 259}, {608, 227}, {746, 311}, {616, 251}}}},
    {Control<&MainWindow::Panel2>,  // banner
     {{{28, 1}, {80, 40}, {96, 32}, {72, 12}, {200, 60}, {80, 40}}}},
    {Control<&MainWindow::Panel3>,  // table buttons and picture
     {{{105, 75}, {64, 8}, {184, 152}, {152, 112}, {274, 212}, {144, 152}}}},
    {Control<&MainWindow::Panel4>,  // command column
     {{{379, 130}, {320, 52}, {464, 200}, {432, 166}, {562, 252}, {432, 222}}}},
}};

}  // namespace

void LayOutMainWindow(MainWindow& window, const Settings& settings) {
    const bool full = settings.WindowMode == 1;
    const int height = settings.ScreenHeight;
    window.Label5->hide();

    if (full) {
        SetFullScreenFrame(window, {settings.ScreenWidth, settings.ScreenHeight});
        window.Panel2->show();
        if (height == 480) {
            window.Panel2->resize(window.Panel2->width(), 80);
            QFont bold = window.Panel2->font();
            bold.setBold(true);
            window.Panel2->setFont(bold);
            window.Image4->show();
            window.Label5->show();
            window.Label2->hide();
            window.Image5->hide();
        }
    } else {
        // Outer size and place, frame and caption included.
        const bool tall = height > 600;
        const int h = RoundToInt(height * (tall ? 0.85 : 0.9));
        const int w = RoundToInt(settings.ScreenWidth * (tall ? 0.75 : 0.9));
        SetFramedOuterGeometry(
            window, QRect(RoundToInt((settings.ScreenWidth - w) / 2.0),
                          RoundToInt((height - h) / 2.0) - 10, w, h)
                        .translated(DesignAreaCorner(settings.ScreenWidth, settings.ScreenHeight)));
        if (height == 480) {
            window.Panel2->hide();
            window.Label2->hide();
            window.Image4->show();
        } else {
            window.Panel2->show();
        }
    }

    PlaceControls(window, kPanelPlaces, ScreenCaseFor(settings));

    // The title stands over the command column, shrunk until it fits a 147-pixel column.
    QLabel* title = window.Label2;
    const int above = settings.Language == 5 && height == 600 ? 42 : 60;
    title->adjustSize();
    for (int step = 0; step < 10 && title->width() > 142; ++step) {
        QFont font = title->font();
        font.setPointSizeF(font.pointSizeF() - 1);
        title->setFont(font);
        title->adjustSize();
    }
    title->move(RoundToInt((147 - title->width()) / 2.0) + window.Panel4->x(),
                window.Panel4->y() - above);
    window.Label3->move(window.Panel4->x() + 40, window.Panel4->y() + window.Panel4->height() + 4);
}

}  // namespace quorelin
