// Gallery pages of the high-score window: browse and after-game mode (with a name being
// typed) for every screen class and window mode, in two languages and both schemes.
#include <QApplication>
#include <iostream>

#include "scores/high_score_window.h"
#include "scores/scores_layout.h"
#include "tools/gallery.h"

namespace quorelin::gallery {
namespace {

struct Row {
    int score;
    const char* name;  // Windows-1252 bytes
    int level;
};

// A list that shows every width of score, a long name, a 1252 letter and a name that
// came from another alphabet.
HighScoreList SampleList() {
    const Row rows[12] = {{65535, "Wonderkind Wiebe", 21},
                          {12040, "Anna-Lena", 19},
                          {3150, "Pietje Puk", 14},
                          {1000, "Zo\xEB", 12},
                          {640, "????? Iva", 9},
                          {125, "Jan Klaasen", 7},
                          {99, "Mohammed", 5},
                          {64, "Abcdefghijklmnopqrst", 4},
                          {40, "Lotte", 3},
                          {12, "Sven", 2},
                          {5, "Kees", 1},
                          {0, "", 1}};
    HighScoreList list{};
    for (std::size_t i = 0; i < list.size(); ++i) {
        list[i].setScore(static_cast<std::uint16_t>(rows[i].score));
        list[i].setNameBytes(rows[i].name);
        list[i].setLevel(rows[i].level);
    }
    return list;
}

struct ScreenCase {
    int height;
    int width;
    int mode;
};

// Shows the window, gives it the screen class's size (a maximised window would take the
// offscreen screen's size), writes the picture and hides the window again.
bool Capture(HighScoreWindow& window, const Settings& settings, bool afterGame, const QString& dir,
             const QString& name) {
    if (afterGame) {
        window.ShowAfterGame();
        window.NameBox->setText(QStringLiteral("Marijke"));
    } else {
        window.ShowBrowse();
    }
    const ScoresWindowGeometry geometry = ComputeScoresWindowGeometry(settings);
    window.setWindowState(Qt::WindowNoState);
    window.setGeometry(geometry.left, geometry.top, geometry.width, geometry.height);
    QApplication::processEvents();
    const QString path = dir + "/" + name + ".png";
    const bool ok = window.grab().save(path);
    std::cout << (ok ? "wrote " : "FAILED ") << path.toStdString() << '\n';
    window.hide();
    return ok;
}

}  // namespace

bool RenderScores(const QString& dir) {
    Settings settings;
    GameState game;
    game.GameKind = 1;
    DataFile data("gallery-unused.dat");
    data.store().ReplaceList(7, SampleList());
    data.store().ReplaceList(20, SampleList());
    HighScoreWindow window(settings, game, data);
    HighScoreWindow::Dialogs dialogs;
    dialogs.askLeaveWithoutName = [](const QString&, bool) { return true; };
    dialogs.warnScreenChanged = [](const QString&) {};
    dialogs.currentScreenHeight = [] { return 10000; };
    window.SetDialogs(dialogs);

    bool ok = true;
    const ScreenCase screens[] = {{480, 640, 1}, {480, 640, 2},  {600, 800, 1},
                                  {600, 800, 2}, {768, 1024, 1}, {768, 1024, 2}};
    for (const ScreenCase& screen : screens) {
        settings.ScreenHeight = screen.height;
        settings.ScreenWidth = screen.width;
        settings.WindowMode = static_cast<std::uint8_t>(screen.mode);
        const QString where = QString("%1-mode%2").arg(screen.height).arg(screen.mode);
        // English in the Sophisticated scheme, German in the Simple one; table 20 gives
        // the longest heading.
        for (const auto& [language, scheme] : {std::pair{1, 2}, std::pair{5, 1}}) {
            settings.Language = static_cast<std::uint8_t>(language);
            settings.ColorScheme = static_cast<std::uint8_t>(scheme);
            const QString suffix = QString("-lang%1-scheme%2").arg(language).arg(scheme);
            game.TableNumber = 20;
            ok &= Capture(window, settings, false, dir, "scores-browse-" + where + suffix);
            // A result of 700 enters table 7's list at rank 5.
            game.TableNumber = 7;
            game.LevelScore = 700;
            game.StartLevel = 10;
            ok &= Capture(window, settings, true, dir, "scores-aftergame-" + where + suffix);
        }
    }
    return ok;
}

}  // namespace quorelin::gallery
