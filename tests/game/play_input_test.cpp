// The play window's input rule: which key, in which language, and which mouse button
// sets which flag, and how pausing, quitting and an ended game change the flags.
#include "game/play_input.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace quorelin {
namespace {

// The flags as letters: L R D E the moves and Escape, O any other key, H paused, U held
// up, S stopped, G the game-over screen left, W deactivated.
std::string Flags(const InputRequests& in) {
    const int flags[] = {in.MoveLeftRequest, in.MoveRightRequest, in.DropRequest, in.EscapeRequest,
                         in.OtherKeyRequest, in.Paused,           in.HeldUp,      in.StopGame,
                         in.LeaveGameOver,   in.WindowDeactivated};
    std::string letters;
    for (std::size_t i = 0; i < std::size(flags); ++i) {
        if (flags[i] == 1) {
            letters += "LRDEOHUSGW"[i];
        }
    }
    return letters;
}

// The flags a key press sets on a paused game, then what it leaves to the window:
// "+pause", "+panel", or "+other" (the running caption).
std::string KeyEffect(GameKey key, int language, bool gameEnded) {
    InputRequests input;
    input.Paused = 1;
    const KeyRole role = PressKey(input, key, language, gameEnded);
    constexpr std::array<const char*, 5> kRole{"", "+other", "+pause", "+panel", "+other+panel"};
    return Flags(input) + kRole[static_cast<std::size_t>(role)];
}

TEST(KeyRule, EachKeyHasItsEffectInEachLanguage) {
    // English, Spanish, Dutch, Frisian, German.
    const struct {
        GameKey key;
        std::array<const char*, 5> effect;
    } cases[] = {
        {GameKey::Left, {"LH", "LH", "LH", "LH", "LH"}},
        {GameKey::Right, {"RH", "RH", "RH", "RH", "RH"}},
        {GameKey::Down, {"DH", "DH", "DH", "DH", "DH"}},
        {GameKey::Escape, {"EH", "EH", "EH", "EH", "EH"}},
        {GameKey::Other, {"O+other", "O+other", "O+other", "O+other", "O+other"}},
        {GameKey::P, {"H+pause", "H+pause", "H+pause", "H+pause", "H+pause"}},
        {GameKey::I, {"H+panel", "H+panel", "H+panel", "H+panel", "H+panel"}},
        // Only the Frisian instructions button answers to Y; elsewhere it is also any key.
        {GameKey::Y,
         {"O+other+panel", "O+other+panel", "O+other+panel", "H+panel", "O+other+panel"}},
        {GameKey::X, {"HSG", "HSG", "HSG", "HSG", "HSG"}},
        // The exit captions of languages 2..5 have S as their accelerator.
        {GameKey::S, {"H", "HSG", "HSG", "HSG", "HSG"}},
    };
    for (const auto& c : cases) {
        for (int language = 1; language <= 5; ++language) {
            EXPECT_EQ(KeyEffect(c.key, language, false), c.effect[language - 1])
                << "key " << static_cast<int>(c.key) << " language " << language;
        }
    }
}

TEST(KeyRule, OnceTheGameHasEndedEveryKeyLeavesTheGameOverScreen) {
    EXPECT_EQ(KeyEffect(GameKey::S, 1, true), "HSG");
    EXPECT_EQ(KeyEffect(GameKey::Left, 1, true), "LHSG");
    EXPECT_EQ(KeyEffect(GameKey::P, 3, true), "HSG+pause");
}

TEST(PauseRule, APauseHoldsTheGameUpAndAnEndedGameOnlyLeavesItsScreen) {
    const struct {
        bool paused, ended;
        PauseChange change;
        const char* flags;
    } cases[] = {
        {false, false, PauseChange::Paused, "HU"},
        {true, false, PauseChange::Resumed, ""},
        {false, true, PauseChange::None, "SG"},
        {true, true, PauseChange::None, "HSG"},
    };
    for (const auto& c : cases) {
        InputRequests input;
        input.Paused = c.paused ? 1 : 0;
        EXPECT_EQ(TogglePause(input, c.ended), c.change) << c.paused << c.ended;
        EXPECT_EQ(Flags(input), c.flags) << c.paused << c.ended;
    }
}

TEST(PauseRule, ResumingEndsThePauseAndAnEndedGameLeavesItsScreen) {
    InputRequests input;
    Pause(input);
    Resume(input, false);
    EXPECT_EQ(Flags(input), "U");
    Resume(input, true);
    EXPECT_EQ(Flags(input), "USG");
}

TEST(WindowRule, DeactivationStopsAndANewShowForgetsTheGameBefore) {
    InputRequests input;
    Deactivate(input);
    EXPECT_EQ(Flags(input), "SW");
    input = InputRequests{1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    ForgetRequests(input);
    // Held up, stop and leave belong to the game, which clears them when it starts.
    EXPECT_EQ(Flags(input), "USG");
}

TEST(MouseRule, LeftAndRightMoveAndTheMiddleButtonDrops) {
    const std::pair<MouseButton, const char*> cases[] = {
        {MouseButton::Left, "L"},
        {MouseButton::Right, "R"},
        {MouseButton::Middle, "D"},
        {MouseButton::Other, ""},
    };
    for (const auto& [button, flags] : cases) {
        InputRequests input;
        PressMouseButton(input, button);
        EXPECT_EQ(Flags(input), flags) << static_cast<int>(button);
    }
}

}  // namespace
}  // namespace quorelin
