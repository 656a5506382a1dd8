#include "tests/support/auto_player.h"

#include <cstdlib>

#include "game/rounding.h"

namespace quorelin::testing {

AutoPlayer::AutoPlayer(SimHost& host, RecordingView& view, InputRequests& input,
                       const GameState& state)
    : host_(host), view_(view), input_(input), state_(state), window_(input) {}

void AutoPlayer::Attach() {
    host_.EveryPump([this] { OnPump(); });
}

const ShownCell* AutoPlayer::TopOf(int col, int* topRow) const {
    const auto& falling = view_.falling();
    for (int row = 1; row <= 19; ++row) {
        if (falling.active && col == falling.col && row == falling.row) {
            continue;
        }
        const ShownCell& cell = view_.Shown(col, row);
        if (cell.kind != kEmpty) {
            *topRow = row;
            return &cell;
        }
    }
    *topRow = 20;
    return nullptr;
}

int AutoPlayer::TargetColumn() const {
    const auto& falling = view_.falling();
    int best = 0;
    int bestTop = 0;
    for (int col = 1; col <= 9; ++col) {
        int top = 0;
        const ShownCell* cell = TopOf(col, &top);
        const bool numberOnTop = cell != nullptr && IsNumberBlock(cell->kind);
        if (numberOnTop &&
            RoundHalfEven(cell->number * state_.TableNumber) == falling.block.number) {
            return col;
        }
        // Otherwise the roomiest column where the block is not removed as wrong.
        if (!numberOnTop && top > bestTop) {
            best = col;
            bestTop = top;
        }
    }
    return best != 0 ? best : falling.col;
}

void AutoPlayer::OnPump() {
    if (view_.gameOverShown() && !leftGameOver_) {
        leftGameOver_ = true;
        window_.MarkGameEnded();
        window_.OtherKey();
        ++keysPressed_;
        return;
    }
    if (stopAtLevel_ > 0 && view_.shownLevel() >= stopAtLevel_ && !stopped_) {
        stopped_ = true;
        window_.Escape();
        ++keysPressed_;
        return;
    }
    if (giveUpLevel_ > 0 && view_.shownLevel() >= giveUpLevel_ &&
        view_.shownStill() <= giveUpStill_) {
        return;
    }
    const auto& falling = view_.falling();
    if (!falling.active || falling.row >= 19 ||
        view_.Shown(falling.col, falling.row + 1).kind != kEmpty) {
        return;
    }
    const bool anyRequest = input_.MoveLeftRequest || input_.MoveRightRequest ||
                            input_.DropRequest || input_.EscapeRequest || input_.OtherKeyRequest;
    if (anyRequest || droppedBlock_ == view_.blocksEntered()) {
        return;
    }
    const int target = TargetColumn();
    if (target == falling.col) {
        droppedBlock_ = view_.blocksEntered();
        window_.Down();
        ++keysPressed_;
        return;
    }
    // One sideways key per row: a second one during the move's own wait is swallowed.
    if (sidewaysBlock_ == view_.blocksEntered() && sidewaysRow_ == falling.row) {
        return;
    }
    const int neighbour = falling.col + (target < falling.col ? -1 : 1);
    if (view_.Shown(neighbour, falling.row).kind != kEmpty) {
        return;
    }
    sidewaysBlock_ = view_.blocksEntered();
    sidewaysRow_ = falling.row;
    if (target < falling.col) {
        window_.Left();
    } else {
        window_.Right();
    }
    ++keysPressed_;
}

}  // namespace quorelin::testing
