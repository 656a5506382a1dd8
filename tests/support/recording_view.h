#pragma once
// A play view for tests: logs every drawing call with its virtual time and keeps a model
// of the field, so tests and scripted players look at the screen as a player would.
#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "game/host.h"
#include "tests/support/sim_host.h"

namespace quorelin::testing {

struct DrawCall {
    std::string op;                  // the PlayView operation, e.g. "DrawBlock"
    std::vector<std::int32_t> args;  // its numbers in order (a block gives number, class)
    std::int64_t atMs = 0;           // elapsed virtual time of the call
};

class RecordingView : public PlayView {
public:
    explicit RecordingView(const SimHost& host) : host_(host) {}

    // Off: calls are no longer logged (the screen model still follows them).
    void SetLogging(bool on) { logging_ = on; }
    // Called with every call as it is made, logged or not, after the model took it in.
    std::function<void(const DrawCall&)> onCall;

    const std::vector<DrawCall>& calls() const { return calls_; }
    std::vector<DrawCall> CallsOf(std::string_view op) const;
    // The calls of that operation made so far, logged or not.
    int Count(const std::string& op) const { return counts_.contains(op) ? counts_.at(op) : 0; }
    // The last call of that operation, or nullptr.
    const DrawCall* Last(std::string_view op) const;
    void ClearLog() { calls_.clear(); }

    // What a field cell shows: a number block's value and colour class, or a kind alone.
    const Cell& Shown(int col, int row) const { return screen_.at(Index(col, row)); }

    // The falling block as the screen shows it: the block drawn after each preview,
    // followed through its erase-and-draw steps.
    struct FallingView {
        bool active = false;
        Block block;
        int col = 0, row = 0;
    };
    const FallingView& falling() const { return falling_; }
    int blocksEntered() const { return blocksEntered_; }
    int shownLevel() const { return shownLevel_; }
    bool gameOverShown() const { return Count("ShowGameOver") > 0; }
    int levelsCompleted() const { return Count("HideLevelEndMessages"); }

    void SetUpHeading(double table) override { Log("SetUpHeading", {static_cast<int>(table)}); }
    void DrawBlock(const Block& block, int col, int row) override;
    void EraseCell(int col, int row) override { Paint("EraseCell", col, row, {}); }
    void DrawSolved(int col, int row) override { Paint("DrawSolved", col, row, {0, kSolved}); }
    void DrawStone(int col, int row) override { Paint("DrawStone", col, row, {0, kStone}); }
    void RedrawField(int raisedRows, const PlayField& field) override;
    void DrawPreview(const Block& next) override {
        falling_.active = false;
        entryPending_ = true;
        Log("DrawPreview", {next.number, next.colourClass});
    }
    void ShowLevel(int level) override { Log("ShowLevel", {shownLevel_ = level}); }
    void ShowScore(std::int32_t score) override { Log("ShowScore", {score}); }
    void ShowStill(int columnsNeeded) override { Log("ShowStill", {columnsNeeded}); }
    void ShowBonus(std::int32_t timeTier) override { Log("ShowBonus", {timeTier}); }
    void ShowNextLevel(int nextLevel) override { Log("ShowNextLevel", {nextLevel}); }
    void BlinkNextLevel(int nextLevel, bool green) override {
        Log("BlinkNextLevel", {nextLevel, green ? 1 : 0});
    }
    void HideLevelEndMessages() override { Log("HideLevelEndMessages", {}); }
    void DrawCurtainBar(int row) override { Log("DrawCurtainBar", {row}); }
    void WipeRow(int row) override {
        std::fill_n(screen_.begin() + static_cast<std::ptrdiff_t>(Index(1, row)), 9, Cell{});
        Log("WipeRow", {row});
    }
    void WipeField() override {
        screen_.fill(Cell{});
        falling_.active = false;
        Log("WipeField", {});
    }
    void MarkGameEnded() override {
        falling_.active = false;
        Log("MarkGameEnded", {});
    }
    void CloseCurtain(int step) override { Log("CloseCurtain", {step}); }
    void ShowGameOver() override { Log("ShowGameOver", {}); }
    void BlinkGameOver(bool yellow) override { Log("BlinkGameOver", {yellow ? 1 : 0}); }

private:
    void Log(std::string_view op, std::vector<std::int32_t> args);
    // Logs a call that paints one cell; a solved block ends the fall on screen.
    void Paint(std::string_view op, int col, int row, Cell shown) {
        screen_.at(Index(col, row)) = shown;
        falling_.active = falling_.active && shown.kind != kSolved;
        Log(op, {col, row});
    }
    static std::size_t Index(int col, int row) {
        return static_cast<std::size_t>((row - 1) * 9 + col - 1);
    }

    const SimHost& host_;
    bool logging_ = true;
    std::vector<DrawCall> calls_;
    std::map<std::string, int, std::less<>> counts_;
    std::array<Cell, 9 * 19> screen_{};
    FallingView falling_;
    bool entryPending_ = false;
    int blocksEntered_ = 0, shownLevel_ = 0;
};

}  // namespace quorelin::testing
