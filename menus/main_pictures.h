#pragma once
// The main window's pictures, drawn in code at the sizes its panels give them.
#include <QImage>

namespace quorelin {

// The product banner: a row of number blocks under the name.
QImage BannerPicture(int width = 563, int height = 80);

// The background of the table-button panel.
QImage TablePanelPicture(int width = 241, int height = 369);

// The background of the command-button column.
QImage CommandPanelPicture(int width = 147, int height = 227);

// A small name strip over the table buttons, for the screens too low for the banner.
QImage TitleStripPicture(int width = 225, int height = 36);

// The small pictures on the command buttons.
enum class CommandGlyph { Info, Sound, Music, Language, HighScores, Exit };
QImage CommandGlyphPicture(CommandGlyph glyph, int size = 16);

}  // namespace quorelin
