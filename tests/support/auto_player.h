#pragma once
// A scripted player that finishes levels: it steers each block onto its factor (else the
// roomiest column without a number on top) and drops it; at game over it presses a key.
#include <vector>

#include "game/play_input.h"
#include "game/state.h"
#include "tests/support/recording_view.h"
#include "tests/support/sim_host.h"

namespace quorelin::testing {

class AutoPlayer {
public:
    AutoPlayer(SimHost& host, RecordingView& view, InputRequests& input, const GameState& state)
        : host_(host), view_(view), input_(input), state_(state) {}

    // Installs the player as the host's every-pump hook.
    void Attach() {
        host_.EveryPump([this] { OnPump(); });
    }
    // Presses Esc once the screen shows this level (0: never).
    void StopAtLevel(int level) { stopAtLevel_ = level; }
    // Steers the n-th block of the game into columns[n - 1] instead; 0 leaves it alone.
    void Aim(std::vector<int> columns) { aims_ = std::move(columns); }

    int keysPressed() const { return keysPressed_; }

private:
    void OnPump();
    // The column the falling block should land in; 0: leave it alone.
    int TargetColumn() const;
    void Press(GameKey key, bool gameEnded = false) {
        PressKey(input_, key, 1, gameEnded);
        ++keysPressed_;
    }

    SimHost& host_;
    RecordingView& view_;
    InputRequests& input_;
    const GameState& state_;
    std::vector<int> aims_;
    int stopAtLevel_ = 0;
    int sidewaysRow_ = -1, sidewaysBlock_ = -1, droppedBlock_ = -1;
    bool leftGameOver_ = false, stopped_ = false;
    int keysPressed_ = 0;
};

}  // namespace quorelin::testing
