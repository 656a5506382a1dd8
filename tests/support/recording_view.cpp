#include "tests/support/recording_view.h"

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
    screen_.at(Index(col, row)) = Cell{block.number, block.colourClass};
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
    // Like the real view: the cells of rows 1..18 that hold something, then the floor bars.
    for (int row = 1; row <= 19; ++row) {
        for (int col = 1; col <= 9; ++col) {
            Cell& shown = screen_.at(Index(col, row));
            const Cell& cell = field.at(col, row);
            shown = row >= 20 - raisedRows             ? Cell{0, kFloor}
                    : row <= 18 && cell.kind != kEmpty ? cell
                                                       : shown;
        }
    }
    Log("RedrawField", {raisedRows});
}

}  // namespace quorelin::testing
