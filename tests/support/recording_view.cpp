#include "tests/support/recording_view.h"

#include <algorithm>
#include <stdexcept>

namespace quorelin::testing {

std::vector<DrawCall> RecordingView::CallsOf(std::string_view op) const {
    std::vector<DrawCall> out;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(out),
                 [op](const DrawCall& c) { return c.op == op; });
    return out;
}

const DrawCall* RecordingView::Last(std::string_view op) const {
    const auto it = std::find_if(calls_.rbegin(), calls_.rend(),
                                 [op](const DrawCall& c) { return c.op == op; });
    return it == calls_.rend() ? nullptr : &*it;
}

std::size_t RecordingView::Index(int col, int row) {
    if (col < 1 || col > 9 || row < 1 || row > 19) {
        throw std::out_of_range("outside the visible field");
    }
    return static_cast<std::size_t>((row - 1) * 9 + (col - 1));
}

void RecordingView::Log(std::string_view op, std::vector<std::int32_t> args) {
    DrawCall call{std::string(op), std::move(args), host_.ElapsedMs()};
    ++counts_[call.op];
    if (onCall) {
        onCall(call);
    }
    if (logging_) {
        calls_.push_back(std::move(call));
    }
}

void RecordingView::DrawBlock(const Block& block, int col, int row) {
    screen_.at(Index(col, row)) = ShownCell{block.colourClass, block.number};
    // The first block after a preview is the falling one; later draws of its number
    // until it lands are its steps.
    if (entryPending_ || (falling_.active && block.number == falling_.block.number)) {
        blocksEntered_ += entryPending_ ? 1 : 0;
        entryPending_ = false;
        falling_ = FallingView{true, block, col, row};
    }
    Log("DrawBlock", {block.number, block.colourClass, col, row});
}

void RecordingView::RedrawField(int raisedRows, const PlayField& field) {
    // Like the real view, only the cells that hold something are painted.
    for (int row = 1; row <= 18; ++row) {
        for (int col = 1; col <= 9; ++col) {
            const Cell& cell = field.at(col, row);
            if (cell.kind != kEmpty) {
                screen_.at(Index(col, row)) = ShownCell{cell.kind, cell.value};
            }
        }
    }
    for (int row = std::max(1, 20 - raisedRows); row <= 19; ++row) {
        for (int col = 1; col <= 9; ++col) {
            screen_.at(Index(col, row)) = ShownCell{kFloor, 0};
        }
    }
    Log("RedrawField", {raisedRows});
}

void RecordingView::WipeRow(int row) {
    for (int col = 1; col <= 9; ++col) {
        screen_.at(Index(col, row)) = ShownCell{};
    }
    Log("WipeRow", {row});
}

}  // namespace quorelin::testing
