#pragma once
// A play view for tests: logs every drawing call with the virtual time it came at, and
// keeps a model of what the field shows, so tests and scripted players can look at the
// screen the way a player would.
#include <array>
#include <cstdint>
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

// What one field cell shows: kEmpty, a colour class (number block), kSolved, kStone,
// kFloor; the number of a number block.
struct ShownCell {
    std::int32_t kind = kEmpty;
    std::int32_t number = 0;
};

class RecordingView : public PlayView {
public:
    explicit RecordingView(const SimHost& host) : host_(host) {}

    // Off: calls are no longer logged (the screen model still follows them).
    void SetLogging(bool on) { logging_ = on; }

    const std::vector<DrawCall>& calls() const { return calls_; }
    int Count(std::string_view op) const;
    std::vector<DrawCall> CallsOf(std::string_view op) const;
    // The last call of that operation, or nullptr.
    const DrawCall* Last(std::string_view op) const;
    void ClearLog() { calls_.clear(); }

    const ShownCell& Shown(int col, int row) const;

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
    bool gameOverShown() const { return gameOverShown_; }
    int levelsCompleted() const { return levelsCompleted_; }

    void SetUpHeading(double tableNumber) override;
    void DrawBlock(const Block& block, int col, int row) override;
    void EraseCell(int col, int row) override;
    void DrawSolved(int col, int row) override;
    void DrawStone(int col, int row) override;
    void RedrawField(int raisedRows, const PlayField& field) override;
    void DrawPreview(const Block& next) override;
    void ShowLevel(int level) override;
    void ShowScore(std::int32_t score) override;
    void ShowStill(int columnsNeeded) override;
    void ShowBonus(std::int32_t timeTier) override;
    void ShowNextLevel(int nextLevel) override;
    void BlinkNextLevel(int nextLevel, bool green) override;
    void HideLevelEndMessages() override;
    void DrawCurtainBar(int row) override;
    void WipeRow(int row) override;
    void WipeField() override;
    void MarkGameEnded() override;
    void CloseCurtain(int step) override;
    void ShowGameOver() override;
    void BlinkGameOver(bool yellow) override;

private:
    void Log(std::string_view op, std::vector<std::int32_t> args);
    static std::size_t Index(int col, int row);
    ShownCell& Cell(int col, int row) { return screen_[Index(col, row)]; }

    const SimHost& host_;
    bool logging_ = true;
    std::vector<DrawCall> calls_;
    std::array<ShownCell, 9 * 19> screen_{};
    FallingView falling_;
    bool entryPending_ = false;
    bool lastWasFallingErase_ = false;
    int blocksEntered_ = 0;
    int shownLevel_ = 0;
    int shownStill_ = -1;
    bool gameOverShown_ = false;
    int levelsCompleted_ = 0;
};

}  // namespace quorelin::testing
