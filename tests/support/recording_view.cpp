#include "tests/support/recording_view.h"

#include <stdexcept>

namespace quorelin::testing {

int RecordingView::Count(std::string_view op) const {
    int n = 0;
    for (const DrawCall& call : calls_) {
        n += call.op == op ? 1 : 0;
    }
    return n;
}

std::vector<DrawCall> RecordingView::CallsOf(std::string_view op) const {
    std::vector<DrawCall> out;
    for (const DrawCall& call : calls_) {
        if (call.op == op) {
            out.push_back(call);
        }
    }
    return out;
}

const DrawCall* RecordingView::Last(std::string_view op) const {
    for (auto it = calls_.rbegin(); it != calls_.rend(); ++it) {
        if (it->op == op) {
            return &*it;
        }
    }
    return nullptr;
}

const ShownCell& RecordingView::Shown(int col, int row) const {
    return screen_[Index(col, row)];
}

std::size_t RecordingView::Index(int col, int row) {
    if (col < 1 || col > 9 || row < 1 || row > 19) {
        throw std::out_of_range("outside the visible field");
    }
    return static_cast<std::size_t>((row - 1) * 9 + (col - 1));
}

void RecordingView::Log(std::string_view op, std::vector<std::int32_t> args) {
    if (logging_) {
        calls_.push_back(DrawCall{std::string(op), std::move(args), host_.ElapsedMs()});
    }
}

void RecordingView::SetUpHeading(double tableNumber) {
    Log("SetUpHeading", {static_cast<std::int32_t>(tableNumber)});
}

void RecordingView::DrawBlock(const Block& block, int col, int row) {
    Log("DrawBlock", {block.number, block.colourClass, col, row});
    Cell(col, row) = ShownCell{block.colourClass, block.number};
    if (entryPending_) {
        entryPending_ = false;
        falling_ = FallingView{true, block, col, row};
        ++blocksEntered_;
    } else if (lastWasFallingErase_ && block.number == falling_.block.number) {
        falling_.col = col;
        falling_.row = row;
    }
    lastWasFallingErase_ = false;
}

void RecordingView::EraseCell(int col, int row) {
    Log("EraseCell", {col, row});
    Cell(col, row) = ShownCell{};
    lastWasFallingErase_ = falling_.active && col == falling_.col && row == falling_.row;
}

void RecordingView::DrawSolved(int col, int row) {
    Log("DrawSolved", {col, row});
    Cell(col, row) = ShownCell{kSolved, 0};
    falling_.active = false;
    lastWasFallingErase_ = false;
}

void RecordingView::DrawStone(int col, int row) {
    Log("DrawStone", {col, row});
    Cell(col, row) = ShownCell{kStone, 0};
    lastWasFallingErase_ = false;
}

void RecordingView::RedrawField(int raisedRows, const PlayField& field) {
    Log("RedrawField", {raisedRows});
    for (int row = 1; row <= 18; ++row) {
        for (int col = 1; col <= 9; ++col) {
            const quorelin::Cell& cell = field.at(col, row);
            if (cell.kind != kEmpty) {
                Cell(col, row) = ShownCell{cell.kind, cell.value};
            }
        }
    }
    for (int k = 1; k <= raisedRows && 20 - k >= 1; ++k) {
        for (int col = 1; col <= 9; ++col) {
            Cell(col, 20 - k) = ShownCell{kFloor, 0};
        }
    }
    lastWasFallingErase_ = false;
}

void RecordingView::DrawPreview(const Block& next) {
    Log("DrawPreview", {next.number, next.colourClass});
    falling_.active = false;
    entryPending_ = true;
    lastWasFallingErase_ = false;
}

void RecordingView::ShowLevel(int level) {
    Log("ShowLevel", {level});
    shownLevel_ = level;
}

void RecordingView::ShowScore(std::int32_t score) {
    Log("ShowScore", {score});
}
void RecordingView::ShowStill(int columnsNeeded) {
    Log("ShowStill", {columnsNeeded});
    shownStill_ = columnsNeeded;
}
void RecordingView::ShowBonus(std::int32_t timeTier) {
    Log("ShowBonus", {timeTier});
}
void RecordingView::ShowNextLevel(int nextLevel) {
    Log("ShowNextLevel", {nextLevel});
}

void RecordingView::BlinkNextLevel(int nextLevel, bool green) {
    Log("BlinkNextLevel", {nextLevel, green ? 1 : 0});
}

void RecordingView::HideLevelEndMessages() {
    Log("HideLevelEndMessages", {});
    ++levelsCompleted_;
}
void RecordingView::DrawCurtainBar(int row) {
    Log("DrawCurtainBar", {row});
}

void RecordingView::WipeRow(int row) {
    Log("WipeRow", {row});
    for (int col = 1; col <= 9; ++col) {
        Cell(col, row) = ShownCell{};
    }
}

void RecordingView::WipeField() {
    Log("WipeField", {});
    screen_.fill(ShownCell{});
    falling_.active = false;
}

void RecordingView::MarkGameEnded() {
    Log("MarkGameEnded", {});
    falling_.active = false;
}

void RecordingView::CloseCurtain(int step) {
    Log("CloseCurtain", {step});
}

void RecordingView::ShowGameOver() {
    Log("ShowGameOver", {});
    gameOverShown_ = true;
}

void RecordingView::BlinkGameOver(bool yellow) {
    Log("BlinkGameOver", {yellow ? 1 : 0});
}

}  // namespace quorelin::testing
