#pragma once
// A scripted player that plays well enough to finish levels: it looks at the screen at
// every pump, steers each block onto the block it is the product of (else onto a column
// with no number block on top) and drops it there. On the game-over screen it presses a
// key. Used by the long replay tests and the replay benchmark.
#include <cstdint>

#include "game/state.h"
#include "tests/support/recording_view.h"
#include "tests/support/sim_host.h"

namespace quorelin::testing {

class AutoPlayer {
public:
    AutoPlayer(SimHost& host, RecordingView& view, InputRequests& input, const GameState& state);

    // Installs the player as the host's every-pump hook.
    void Attach();
    // Presses Esc once the screen shows this level (0: never).
    void StopAtLevel(int level) { stopAtLevel_ = level; }
    // Stops steering (and lets blocks fall where they fall) once the screen shows this
    // level with at most stillNeeded columns to go.
    void GiveUpAt(int level, int stillNeeded) {
        giveUpLevel_ = level;
        giveUpStill_ = stillNeeded;
    }

    int keysPressed() const { return keysPressed_; }

private:
    void OnPump();
    // The column the falling block should land in.
    int TargetColumn() const;
    // The number block on top of a column (the falling block not counted), or null.
    const ShownCell* TopOf(int col, int* topRow) const;

    SimHost& host_;
    RecordingView& view_;
    InputRequests& input_;
    const GameState& state_;
    ScriptedWindow window_;
    int stopAtLevel_ = 0;
    int giveUpLevel_ = 0;
    int giveUpStill_ = 0;
    int sidewaysRow_ = -1;
    int sidewaysBlock_ = -1;
    int droppedBlock_ = -1;
    bool leftGameOver_ = false;
    bool stopped_ = false;
    int keysPressed_ = 0;
};

}  // namespace quorelin::testing
