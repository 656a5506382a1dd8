#pragma once
// The rules of the table game on its 9 x 20 field: what a cell holds, how the next
// number is chosen, what a landing block does, floor rises, solved bands, the level
// bonus. No clock and no drawing here: the loop hands in the times and the random
// source, and every change that must be shown is reported through RuleEvents at the
// moment the rule makes it.
#include <array>
#include <cstdint>
#include <limits>

#include "game/state.h"
#include "game/time_of_day.h"

namespace quorelin {

// What a cell holds. A number block's kind is its colour class (2, 3, 5, 6, 7).
enum CellKind : std::int32_t {
    kEmpty = 0,
    kMultipleOf3 = 2,  // colour class of a multiple of 3 (not of 4 or 5)
    kEvenNumber = 3,   // colour class of an even number (not of 3, 4 or 5)
    kFloor = 4,
    kMultipleOf5 = 5,  // colour class of a multiple of 5
    kMultipleOf4 = 6,  // colour class of a multiple of 4 (not of 5)
    kOtherNumber = 7,  // colour class of any other number (1, 7, 11, ...)
    kStone = 8,
    kSolved = 9,
};

// True for the five colour classes, i.e. a cell holding a number block.
bool IsNumberBlock(std::int32_t kind);
// True for floor, stone and solved: cells that never move by themselves.
bool IsFixed(std::int32_t kind);

struct Cell {
    std::int32_t value = 0;
    std::int32_t kind = kEmpty;
};

// 9 columns (1..9, left to right) by 20 rows (1..20, top to bottom); 1-based access.
class PlayField {
public:
    static constexpr int kColumns = 9;
    static constexpr int kRows = 20;

    Cell& at(int col, int row);
    const Cell& at(int col, int row) const;
    // True when 1 <= col <= 9 and 1 <= row <= 20.
    static bool Contains(int col, int row);

private:
    std::array<Cell, kColumns * kRows> cells_{};
};

// A block's number is a bomb from this value on.
inline constexpr std::int32_t kBombNumber = 999;

// The falling block or the next block: a number and its colour class.
struct Block {
    std::int32_t number = 0;
    std::int32_t colourClass = kEmpty;
    bool IsBomb() const { return number >= kBombNumber; }
};

// 5 for multiples of 5, then 6 for multiples of 4, 2 for multiples of 3, 3 for even
// numbers, 7 for the rest. n >= 1.
std::int32_t ColourClass(std::int32_t n);

// The range 1..R of plain (non-product) numbers at a level.
std::int32_t PlainNumberRange(int level);

// The top stone row of a level for the given relief values, or 0 when the level has
// no stones. A result above 19 means no stones either.
int TopStoneRow(int level, const std::array<std::int32_t, 5>& stoneRelief);

// The time tier P of a completed level before any time deduction.
std::int32_t TimeTier(int level);
// Tier P after the elapsed seconds: full up to 60 s, linear down to 0 at 150 s.
std::int32_t TimeTierAfter(int level, std::int32_t elapsedSeconds);
// Whole seconds from start to end, hundredths ignored, across midnight, capped at 7000.
std::int32_t ElapsedSeconds(const TimeOfDay& start, const TimeOfDay& end);

// Uniform random numbers; the host seeds it from the clock at each level set-up.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual int RandomInt(int lo, int hi) = 0;  // uniform, both ends included
    virtual void SeedFromClock() = 0;
};

// What the rules ask the loop to show, called at the exact point the rule makes the
// change. Each call comes after the field already holds the change it reports.
class RuleEvents {
public:
    virtual ~RuleEvents() = default;
    // A stone was placed at (col, row): draw it as a stone.
    virtual void StonePlaced(int col, int row) = 0;
    // The floor rose one row: redraw the whole field.
    virtual void FloorRaised(const PlayField& field) = 0;
    // A held-up landing is about to cost a floor rise: the hold-up animation (the
    // rise itself follows with FloorRaised).
    virtual void HeldUpPenalty(int col, int row) = 0;
    // A bomb landed at (col, row) and that cell was emptied: the bomb animation that
    // erases it (a floor rise follows).
    virtual void BombLanded(int col, int row) = 0;
    // The block at (col, row) made a correct column: (col, row) and (col, row + 1) are
    // solved and (col, row - 1), when row > 1, is empty. Runs the correct-column
    // animation; returns true when it took longer than 0.80 s (a hold-up).
    virtual bool CorrectColumn(const PlayField& field, int col, int row) = 0;
    // A wrong block at (col, row) was removed: the wrong-column animation that erases
    // it (a floor rise follows).
    virtual void WrongColumn(int col, int row) = 0;
    // A band of solved rows (row, row + 1) is complete: count the score display up
    // from shownScoreBefore + 1 to shownScoreBefore + 8 (shownScoreBefore is
    // LevelScore + TotalScore before the band's 8 points). The rows move after this.
    virtual void BandScored(int row, std::int32_t shownScoreBefore) = 0;
    // The band at (row, row + 1) was removed: rows 3..row + 1 now hold what lay two
    // rows higher; redraw them and erase rows 1 and 2.
    virtual void BandRowsMoved(const PlayField& field, int row) = 0;
};

// Shows nothing; the correct-column animation never holds the game up.
class NullRuleEvents : public RuleEvents {
public:
    void StonePlaced(int, int) override {}
    void FloorRaised(const PlayField&) override {}
    void HeldUpPenalty(int, int) override {}
    void BombLanded(int, int) override {}
    bool CorrectColumn(const PlayField&, int, int) override { return false; }
    void WrongColumn(int, int) override {}
    void BandScored(int, std::int32_t) override {}
    void BandRowsMoved(const PlayField&, int) override {}
};

// Indexes of StoneRelief: the level bands 25-29, 30-34, 35-39, 40-44, 45 and up.
enum StoneReliefBand : int {
    kRelief25 = 0,
    kRelief30 = 1,
    kRelief35 = 2,
    kRelief40 = 3,
    kRelief45 = 4,
};

// Values of the level being played; ResetField starts them afresh.
struct LevelState {
    PlayField Field;
    std::int32_t CorrectColumns = 0;  // correct columns made in this level
    std::int32_t RaisedRows = 0;      // floor rises in this level
};

// Values that last one game; StartGameValues starts them afresh.
struct GameValues {
    std::array<std::int32_t, 5> StoneRelief{};  // indexed by StoneReliefBand
    std::int32_t SlowLevelCount = 0;            // completed levels that took more than 100 s
    std::int32_t TotalScore = 0;                // points of the levels finished before this one
};

// How the last completed level earned its bonus (EmptyRows + TimeTier), for the
// level-end display.
struct LevelBonus {
    std::int32_t ElapsedSeconds = 0;
    std::int32_t EmptyRows = 0;
    std::int32_t TimeTier = 0;  // P after the time deduction
};

// Marks a landing that did not come by a quick drop.
inline constexpr int kNoQuickDrop = std::numeric_limits<int>::max();

// A correct column of a quick drop that started more than this many rows higher
// earns an extra point.
inline constexpr int kQuickDropBonusRows = 3;

// Columns a level needs.
inline constexpr std::int32_t kColumnsPerLevel = 15;

// The rules of one game, acting on the shared game state (TableNumber, LevelScore,
// GameOver) and input flags (HeldUp).
class Rules {
public:
    Rules(GameState& game, InputRequests& input, RandomSource& random, RuleEvents& events);

    LevelState level;
    GameValues game;

    PlayField& Field() { return level.Field; }
    const PlayField& Field() const { return level.Field; }

    // Per-game values at the start of a game: no slow levels, no total, and the stone
    // relief of each band unless the game starts below level 12, 13, 14, 15, 16.
    void StartGameValues(int startLevel);

    // Level set-up: GameOver and HeldUp cleared, the random source seeded, rows 1..19
    // empty, row 20 floor, CorrectColumns, RaisedRows and LevelScore 0.
    void ResetField();

    // Fills rows TopStoneRow(level)..19 with stones (none below level 18).
    void PlaceStones(int level);

    // A new number with its colour class, from the products of the number blocks on
    // the field or from 1..PlainNumberRange(level).
    Block PickNextBlock(int level);
    // PickNextBlock repeated while the number equals the falling block's number, at
    // most 4 picks in all; the fourth stands even when equal.
    Block PickNextBlockAfter(int level, std::int32_t fallingNumber);

    // The block comes to rest at (col, row): store, held-up penalty, bomb, correct
    // column, wrong column, each on the field the previous step left.
    // quickDropStartRow: the row at which its quick drop started, or kNoQuickDrop.
    void LandBlock(int col, int row, const Block& block, int quickDropStartRow = kNoQuickDrop);

    // One floor rise: everything moves up a row, a new floor row at 20 - RaisedRows.
    void RaiseFloor();

    // Removes full bands of solved pairs, 8 points each.
    void ClearSolvedBands(int level);

    // True when row 1 holds anything: the game is over.
    bool FieldFull() const;

    // False below 15 correct columns. Otherwise the level is done: slow-level count
    // and stone relief are updated, the bonus EmptyRows + P is added to LevelScore
    // and described by Bonus(), and true is returned.
    bool LevelComplete(int level, const TimeOfDay& start, const TimeOfDay& end);
    const LevelBonus& Bonus() const { return bonus_; }

    // Number of rows among 1..19 whose nine cells are all empty.
    std::int32_t EmptyRows() const;

    // value x TableNumber, rounded half to even (held within 32 bits).
    std::int32_t Product(std::int32_t value) const;

private:
    // Rows 1..19 empty, row 20 floor.
    void ResetFieldCells();

    GameState& state_;
    InputRequests& input_;
    RandomSource& random_;
    RuleEvents& events_;
    LevelBonus bonus_;
};

}  // namespace quorelin
