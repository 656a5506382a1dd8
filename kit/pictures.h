#pragma once
// Every picture of the game is drawn here in code, so it stays crisp at any size and
// the program ships no image files.
#include <QImage>

namespace quorelin {

// The program icon: a product block resting on its factor, 32 x 32.
QImage ProgramIcon(int size = 32);

// The product banner of the main window: a row of number blocks under the name.
QImage BannerPicture(int width = 563, int height = 80);

// The background of the main window's table-button panel.
QImage TablePanelPicture(int width = 241, int height = 369);

// The background of the main window's command-button column.
QImage CommandPanelPicture(int width = 147, int height = 227);

// A small name strip over the table buttons, for the screens too low for the banner.
QImage TitleStripPicture(int width = 225, int height = 36);

// The small pictures on the main window's command buttons.
enum class CommandGlyph { Info, Sound, Music, Language, HighScores, Exit };
QImage CommandGlyphPicture(CommandGlyph glyph, int size = 16);

// The marks on the level window's OK and Cancel buttons.
QImage OkMarkPicture(int size = 16);
QImage CancelMarkPicture(int size = 16);

// The how-to-play panel: its background, the rule of the table (a factor block under
// its product, with room for the "x N = " caption on the lower part) and the arrow keys.
QImage HowToPlayBackground(int width = 197, int height = 281);
QImage RulePicture(int table, int width = 116, int height = 73);
enum class ArrowKey { Left, Right, Down };
QImage ArrowKeyPicture(ArrowKey key, int size = 28);

}  // namespace quorelin
