// Gallery page of the play window: a game in progress, paused with the instructions
// open, the level end and the game over, per colour scheme and in several languages.
#include <QPixmap>
#include <iostream>

#include "game/rules.h"
#include "play/play_layout.h"
#include "play/play_window.h"
#include "tools/gallery.h"

namespace quorelin::gallery {
namespace {

// A field in mid-game: blocks of every colour class, solved columns, stones, a bomb and
// one floor row.
PlayField MidGameField() {
    PlayField field;
    const auto put = [&](int col, int row, std::int32_t value, std::int32_t kind) {
        field.at(col, row) = Cell{value, kind};
    };
    for (int col = 1; col <= PlayField::kColumns; ++col) {
        put(col, 18, 0, kStone);
        if (col % 3 != 0) {
            put(col, 17, 0, kStone);
        }
    }
    put(1, 16, 4, kMultipleOf4);
    put(1, 15, 28, kMultipleOf4);
    put(2, 16, 0, kSolved);
    put(2, 15, 0, kSolved);
    put(3, 17, 6, kMultipleOf3);
    put(3, 16, 42, kMultipleOf3);
    put(4, 16, 10, kEvenNumber);
    put(5, 16, 35, kMultipleOf5);
    put(6, 16, 7, kOtherNumber);
    put(6, 15, 49, kOtherNumber);
    put(6, 14, 343, kOtherNumber);
    put(7, 16, 2, kEvenNumber);
    put(8, 16, 1001, kOtherNumber);
    put(9, 17, 15, kMultipleOf5);
    return field;
}

bool Write(PlayWindow& window, const QString& dir, const QString& name) {
    const QString path = dir + "/" + name + ".png";
    const bool ok = window.grab().save(path);
    std::cout << (ok ? "wrote " : "FAILED ") << path.toStdString() << '\n';
    return ok;
}

// The four moments of a game in one scheme, language, screen class and window mode.
bool RenderGame(int colorScheme, int language, double table, const QString& dir,
                int screenHeight = 768, int windowMode = 1) {
    Settings settings;
    settings.Language = static_cast<std::uint8_t>(language);
    settings.ColorScheme = static_cast<std::uint8_t>(colorScheme);
    settings.WindowMode = static_cast<std::uint8_t>(windowMode);
    settings.ScreenHeight = screenHeight;
    settings.ScreenWidth = screenHeight == 480 ? 640 : screenHeight == 600 ? 800 : 1024;
    GameState state;
    state.TableNumber = table;
    state.GameKind = 1;
    InputRequests input;
    // Never shown, so no game starts: the painter is driven by hand.
    PlayWindow window(settings, state, input);
    LayOutPlayWindow(window, settings);
    window.FormShow();
    if (windowMode == 1) {
        // Maximised on whatever screen the gallery runs on: drawn at the class's size.
        window.setWindowState(Qt::WindowNoState);
        window.resize(settings.ScreenWidth, settings.ScreenHeight);
    }
    FieldPainter& painter = window.Painter();
    const QString tag = QString("%1-%2-scheme%3-lang%4")
                            .arg(screenHeight)
                            .arg(windowMode == 1 ? "full" : "partial")
                            .arg(colorScheme)
                            .arg(language);

    painter.SetUpHeading(table);
    painter.ShowLevel(3);
    painter.ShowScore(47);
    painter.ShowStill(9);
    painter.DrawPreview(Block{1400, kMultipleOf5});
    painter.RedrawField(1, MidGameField());
    painter.DrawBlock(Block{21, kMultipleOf3}, 5, 6);
    bool ok = Write(window, dir, "play-midgame-" + tag);

    window.ToggleInstructions();
    ok &= Write(window, dir, "play-paused-instructions-" + tag);
    window.BitBtn6Click();

    for (int row = 1; row <= 19; ++row) {
        painter.DrawCurtainBar(row);
    }
    painter.ShowStill(0);
    painter.ShowNextLevel(4);
    painter.ShowBonus(12);
    painter.BlinkNextLevel(4, true);
    ok &= Write(window, dir, "play-level-end-" + tag);
    painter.HideLevelEndMessages();

    painter.WipeField();
    painter.RedrawField(3, MidGameField());
    painter.MarkGameEnded();
    painter.CloseCurtain(9);
    painter.ShowGameOver();
    painter.BlinkGameOver(false);
    ok &= Write(window, dir, "play-game-over-" + tag);
    return ok;
}

}  // namespace

bool RenderPlay(const QString& dir) {
    // Every screen class and window mode, then every language and scheme at 1024 x 768.
    bool ok = true;
    int language = 1;
    for (int height : {480, 600, 768}) {
        for (int mode : {1, 2}) {
            ok &= RenderGame(1 + language % 2, language, 6 + language, dir, height, mode);
            language = language % 5 + 1;
        }
    }
    ok &= RenderGame(1, 1, 7, dir);
    ok &= RenderGame(2, 1, 12, dir);
    ok &= RenderGame(1, 2, 3, dir);
    ok &= RenderGame(2, 3, 9, dir);
    ok &= RenderGame(1, 4, 15, dir);
    ok &= RenderGame(2, 5, 20, dir);
    return ok;
}

}  // namespace quorelin::gallery
