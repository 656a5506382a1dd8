#pragma once
// The values every part of the program shares, grouped by owner. The entry point
// creates one instance of each and hands them on by reference; tests build their own.
#include <cstdint>

namespace quorelin {

// Settings fixed at start-up or changed by the menus.
struct Settings {
    std::uint8_t Language = 0;      // 1 English, 2 Spanish, 3 Dutch, 4 Frisian, 5 German
    std::uint8_t WindowMode = 0;    // 1 full screen, 2 partial screen
    std::uint8_t ColorScheme = 0;   // 1 Simple, 2 Sophisticated
    std::int32_t ScreenHeight = 0;  // screen class: 480, 600 or 768
    std::int32_t ScreenWidth = 0;   // screen class: 640, 800 or 1024
    std::uint8_t SoundEffects = 0;  // 1 on
    std::uint8_t MusicOn = 0;       // 1 on
    std::uint8_t SlowMachine = 0;   // 1 when start-up was slow: animations are shortened
};

// The game being chosen, played or shown.
struct GameState {
    double TableNumber = 0;       // whole number 1..20; products are rounded from it
    std::int32_t GameKind = 0;    // 1 once a table or a list has been chosen
    std::int32_t StartLevel = 0;  // chosen level; after a game the level reached
    std::int32_t LevelScore = 0;  // points of the level; after a game the game's total
    std::uint8_t AfterGame = 0;   // 1 when the high-score window follows a game
    std::uint8_t GameOver = 0;    // 1 when the game ended with a full field
};

// Flags the play window sets from keys and buttons and the game loop polls.
struct InputRequests {
    std::uint8_t MoveLeftRequest = 0;
    std::uint8_t MoveRightRequest = 0;
    std::uint8_t DropRequest = 0;
    std::uint8_t EscapeRequest = 0;
    std::uint8_t OtherKeyRequest = 0;
    std::uint8_t Paused = 0;
    std::uint8_t HeldUp = 0;
    std::uint8_t StopGame = 0;
    std::uint8_t LeaveGameOver = 0;
    std::uint8_t WindowDeactivated = 0;
};

}  // namespace quorelin
