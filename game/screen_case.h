#pragma once
// The six screen cases that every layout table has a column for: the height class of
// the screen (480, 600 or 768 lines) in full-screen or partial-screen mode. Every table
// lists them in this one order.
#include <array>
#include <cstddef>

#include "game/state.h"

namespace quorelin {

enum class ScreenCase {
    Class480Full,
    Class480Partial,
    Class600Full,
    Class600Partial,
    Class768Full,
    Class768Partial,
};

inline constexpr std::array<ScreenCase, 6> kScreenCases{
    ScreenCase::Class480Full,    ScreenCase::Class480Partial, ScreenCase::Class600Full,
    ScreenCase::Class600Partial, ScreenCase::Class768Full,    ScreenCase::Class768Partial};

// The case of a height class and window mode: heights below 600 are the 480 class, below
// 768 the 600 class; window mode 1 is full screen, any other partial screen.
constexpr ScreenCase ScreenCaseFor(int screenHeight, int windowMode) {
    const int row = screenHeight < 600 ? 0 : screenHeight < 768 ? 2 : 4;
    return static_cast<ScreenCase>(row + (windowMode == 1 ? 0 : 1));
}
constexpr ScreenCase ScreenCaseFor(const Settings& settings) {
    return ScreenCaseFor(settings.ScreenHeight, settings.WindowMode);
}

constexpr int ScreenHeightOf(ScreenCase c) {
    return c < ScreenCase::Class600Full ? 480 : c < ScreenCase::Class768Full ? 600 : 768;
}
constexpr int ScreenWidthOf(ScreenCase c) {
    return c < ScreenCase::Class600Full ? 640 : c < ScreenCase::Class768Full ? 800 : 1024;
}
constexpr int WindowModeOf(ScreenCase c) {
    return static_cast<int>(c) % 2 == 0 ? 1 : 2;
}

// One value per screen case, in the order above: a row of a layout table.
template <class T>
using ByCase = std::array<T, kScreenCases.size()>;

template <class T>
constexpr const T& At(const ByCase<T>& row, ScreenCase c) {
    return row[static_cast<std::size_t>(c)];
}

// "Class480Full", for test names and messages.
constexpr const char* ScreenCaseName(ScreenCase c) {
    constexpr std::array<const char*, 6> kNames{"Class480Full", "Class480Partial",
                                                "Class600Full", "Class600Partial",
                                                "Class768Full", "Class768Partial"};
    return kNames[static_cast<std::size_t>(c)];
}

}  // namespace quorelin
