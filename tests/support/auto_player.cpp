#include "tests/support/auto_player.h"

#include <utility>

#include "game/rounding.h"

namespace quorelin::testing {

int AutoPlayer::TargetColumn() const {
    const auto& falling = view_.falling();
    const auto n = static_cast<std::size_t>(view_.blocksEntered());
    if (n >= 1 && n <= aims_.size()) {
        return aims_[n - 1];
    }
    int best = falling.col;
    int bestTop = 0;
    for (int col = 1; col <= 9; ++col) {
        // The top of the column, the falling block not counted.
        int top = 1;
        while (top <= 19 && (view_.Shown(col, top).kind == kEmpty ||
                             (falling.col == col && falling.row == top))) {
            ++top;
        }
        const bool numberOnTop = top <= 19 && IsNumberBlock(view_.Shown(col, top).kind);
        if (numberOnTop && RoundHalfEven(view_.Shown(col, top).value * state_.TableNumber) ==
                               falling.block.number) {
            return col;
        }
        // Otherwise the roomiest column where the block is not removed as wrong.
        if (!numberOnTop && top > bestTop) {
            best = col;
            bestTop = top;
        }
    }
    return best;
}

void AutoPlayer::OnPump() {
    if (view_.gameOverShown() && !std::exchange(leftGameOver_, true)) {
        return Press(GameKey::Other, true);
    }
    if (stopAtLevel_ > 0 && view_.shownLevel() >= stopAtLevel_ && !std::exchange(stopped_, true)) {
        return Press(GameKey::Escape);
    }
    const auto& falling = view_.falling();
    const bool anyRequest = input_.MoveLeftRequest || input_.MoveRightRequest ||
                            input_.DropRequest || input_.EscapeRequest || input_.OtherKeyRequest;
    if (!falling.active || falling.row >= 19 ||
        view_.Shown(falling.col, falling.row + 1).kind != kEmpty || anyRequest ||
        droppedBlock_ == view_.blocksEntered()) {
        return;
    }
    const int target = TargetColumn();
    if (target == falling.col) {
        droppedBlock_ = view_.blocksEntered();
        return Press(GameKey::Down);
    }
    // One sideways key per row: a second one during the move's own wait is swallowed.
    const int neighbour = falling.col + (target < falling.col ? -1 : 1);
    if (target == 0 || (sidewaysBlock_ == view_.blocksEntered() && sidewaysRow_ == falling.row) ||
        view_.Shown(neighbour, falling.row).kind != kEmpty) {
        return;
    }
    sidewaysBlock_ = view_.blocksEntered();
    sidewaysRow_ = falling.row;
    Press(target < falling.col ? GameKey::Left : GameKey::Right);
}

}  // namespace quorelin::testing
