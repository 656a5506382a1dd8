#pragma once
// A row of a window's layout table: one control and its place in each screen case, in
// the order of ScreenCase (480 full, 480 partial, 600 full, 600 partial, 768 full,
// 768 partial).
#include <QPoint>
#include <QWidget>
#include <array>
#include <cstddef>

#include "game/screen_case.h"

namespace quorelin {

template <class Window>
struct PlaceRow {
    QWidget* (*control)(Window&);
    ByCase<QPoint> at;
};

// The control that a window's member names, as a row takes it: Control<&MainWindow::Panel1>.
template <auto member, class Window>
QWidget* Control(Window& window) {
    return window.*member;
}

// Moves every control of a table to its place in the screen case.
template <class Window, std::size_t rows>
void PlaceControls(Window& window, const std::array<PlaceRow<Window>, rows>& table,
                   ScreenCase screen) {
    for (const PlaceRow<Window>& row : table) {
        row.control(window)->move(At(row.at, screen));
    }
}

}  // namespace quorelin
