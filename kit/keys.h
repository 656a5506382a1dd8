#pragma once
// Key rules shared by the windows that take every key themselves.
#include <Qt>

namespace quorelin {

// Keys that only modify another key; pressed on their own they are no key press of the
// game, so Alt can still become Alt+letter.
inline bool IsModifierOnly(int key) {
    switch (key) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_Hyper_L:
        case Qt::Key_Hyper_R:
            return true;
        default:
            return false;
    }
}

}  // namespace quorelin
