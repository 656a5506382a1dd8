#pragma once
// Alt+letter in a window that has both a menu bar and command buttons: where a button and
// a menu title underline the same letter, one press presses the button, since that is
// the letter the child sees in front of them. The menus stay at hand from the keyboard:
// F10 opens the first menu, and Alt pressed and let go alone highlights the first title
// (the menu bar's own behaviour).
class QMainWindow;

namespace quorelin {

void GiveButtonsTheirLetters(QMainWindow& window);

}  // namespace quorelin
