#pragma once
// A play view for tests: logs every drawing call with the virtual time it came at, and
// keeps a model of what the field shows, so tests and scripted players can look at the
// screen the way a player would.
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

// What one field cell shows: kEmpty, a colour class with its number, kSolved, kStone or
// kFloor.
struct ShownCell {
    std::int32_t kind = kEmpty;
    std::int32_t number = 0;
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
    // The calls of that operation since the last ClearLog, logged or not.
    int Count(const std::string& op) const { return counts_.contains(op) ? counts_.at(op) : 0; }
    // The last call of that operation, or nullptr.
    const DrawCall* Last(std::string_view op) const;
    void ClearLog() {
        calls_.clear();
        counts_.clear();
    }

    const ShownCell& Shown(int col, int row) const { return screen_.at(Index(col, row)); }

    // The falling block as the screen shows it: the block drawn after each preview,
    // followed through its erase-and-draw steps.
    struct FallingView {
        bool active = false;
        Block block;
        int col = 0;
        int row = 0;
    };
    const FallingView& falling() const { return falling_; }
    int blocksEntered() const { return blocksEntered_; }
    int shownLevel() const { return shownLevel_; }
    int shownStill() const { return shownStill_; }
    bool gameOverShown() const { return Count("ShowGameOver") > 0; }
    int levelsCompleted() const { return Count("HideLevelEndMessages"); }

    void SetUpHeading(double table) override { Log("SetUpHeading", {static_cast<int>(table)}); }
    void DrawBlock(const Block& block, int col, int row) override;
    void EraseCell(int col, int row) override { Paint("EraseCell", col, row, {}); }
    void DrawSolved(int col, int row) override { Paint("DrawSolved", col, row, {kSolved, 0}); }
    void DrawStone(int col, int row) override { Paint("DrawStone", col, row, {kStone, 0}); }
    void RedrawField(int raisedRows, const PlayField& field) override;
    void DrawPreview(const Block& next) override {
        falling_.active = false;
        entryPending_ = true;
        Log("DrawPreview", {next.number, next.colourClass});
    }
    void ShowLevel(int level) override { Log("ShowLevel", {shownLevel_ = level}); }
    void ShowScore(std::int32_t score) override { Log("ShowScore", {score}); }
    void ShowStill(int columnsNeeded) override { Log("ShowStill", {shownStill_ = columnsNeeded}); }
    void ShowBonus(std::int32_t timeTier) override { Log("ShowBonus", {timeTier}); }
    void ShowNextLevel(int nextLevel) override { Log("ShowNextLevel", {nextLevel}); }
    void BlinkNextLevel(int nextLevel, bool green) override {
        Log("BlinkNextLevel", {nextLevel, green ? 1 : 0});
    }
    void HideLevelEndMessages() override { Log("HideLevelEndMessages", {}); }
    void DrawCurtainBar(int row) override { Log("DrawCurtainBar", {row}); }
    void WipeRow(int row) override;
    void WipeField() override {
        screen_.fill(ShownCell{});
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
    void Paint(std::string_view op, int col, int row, ShownCell shown) {
        screen_.at(Index(col, row)) = shown;
        falling_.active = falling_.active && shown.kind != kSolved;
        Log(op, {col, row});
    }
    static std::size_t Index(int col, int row);

    const SimHost& host_;
    bool logging_ = true;
    std::vector<DrawCall> calls_;
    std::map<std::string, int, std::less<>> counts_;
    std::array<ShownCell, 9 * 19> screen_{};
    FallingView falling_;
    bool entryPending_ = false;
    int blocksEntered_ = 0;
    int shownLevel_ = 0;
    int shownStill_ = -1;
};

}  // namespace quorelin::testing
