#include "game/rules.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace quorelin {
namespace {

// Hands out scripted numbers and records the ranges asked for.
class ScriptedRandom : public RandomSource {
public:
    std::deque<int> script;
    std::vector<std::pair<int, int>> asked;
    int seeds = 0;

    int RandomInt(int lo, int hi) override {
        asked.emplace_back(lo, hi);
        if (script.empty()) {
            ADD_FAILURE() << "random script exhausted";
            return lo;
        }
        const int n = script.front();
        script.pop_front();
        return n;
    }
    void SeedFromClock() override { ++seeds; }
};

// Logs every event with the state of the cell it names at the moment of the call.
class RecordingEvents : public RuleEvents {
public:
    std::vector<std::string> log;
    bool correctColumnWasSlow = false;
    const PlayField* field = nullptr;

    void StonePlaced(int col, int row) override { log.push_back(At("Stone", col, row)); }
    void FloorRaised(const PlayField&) override { log.push_back("FloorRaised"); }
    void HeldUpPenalty(int col, int row) override { log.push_back(At("HeldUp", col, row)); }
    void BombLanded(int col, int row) override { log.push_back(At("Bomb", col, row)); }
    bool CorrectColumn(const PlayField&, int col, int row) override {
        log.push_back(At("Correct", col, row));
        return correctColumnWasSlow;
    }
    void WrongColumn(int col, int row) override { log.push_back(At("Wrong", col, row)); }
    void BandScored(int row, std::int32_t before) override {
        log.push_back("Band " + std::to_string(row) + " from " + std::to_string(before));
    }
    void BandRowsMoved(const PlayField&, int row) override {
        log.push_back("Moved " + std::to_string(row));
    }

private:
    // "Name col,row:kind" so a test sees that the cell was already changed.
    std::string At(const char* name, int col, int row) const {
        return std::string(name) + " " + std::to_string(col) + "," + std::to_string(row) + ":" +
               std::to_string(field->at(col, row).kind);
    }
};

Cell Num(std::int32_t n) {
    return Cell{n, ColourClass(n)};
}
Block BlockOf(std::int32_t n) {
    return Block{n, ColourClass(n)};
}
const Cell kSolvedCell{1, kSolved};

class RulesTest : public ::testing::Test {
protected:
    RulesTest() : rules(state, input, random, events) {
        events.field = &rules.Field();
        state.TableNumber = 3;
        rules.ResetField();
        events.log.clear();
    }

    Cell& at(int col, int row) { return rules.Field().at(col, row); }
    void FillRow(int row, Cell cell) {
        for (int col = 1; col <= PlayField::kColumns; ++col) {
            at(col, row) = cell;
        }
    }
    bool RowIs(int row, std::int32_t kind) {
        for (int col = 1; col <= PlayField::kColumns; ++col) {
            if (at(col, row).kind != kind) {
                return false;
            }
        }
        return true;
    }
    // Rows of stones, checking that they form one band from row 19 upwards.
    int StoneRows() {
        int rows = 0;
        while (rows < 19 && RowIs(19 - rows, kStone)) {
            ++rows;
        }
        for (int row = 1; row <= 19 - rows; ++row) {
            EXPECT_TRUE(RowIs(row, kEmpty)) << "row " << row;
        }
        return rows;
    }

    GameState state;
    InputRequests input;
    ScriptedRandom random;
    RecordingEvents events;
    Rules rules;
};

using Log = std::vector<std::string>;

// --- Cells and colours -----------------------------------------------------------

TEST(ColourClassTest, FirstMatchingDivisorDecides) {
    EXPECT_EQ(ColourClass(20), 5);  // by 5 before 4
    EXPECT_EQ(ColourClass(15), 5);  // by 5 before 3
    EXPECT_EQ(ColourClass(12), 6);  // by 4 before 3
    EXPECT_EQ(ColourClass(8), 6);
    EXPECT_EQ(ColourClass(6), 2);  // by 3 before 2
    EXPECT_EQ(ColourClass(9), 2);
    EXPECT_EQ(ColourClass(14), 3);
    EXPECT_EQ(ColourClass(1), 7);
    EXPECT_EQ(ColourClass(7), 7);
}

TEST_F(RulesTest, ResetFieldStartsTheLevelAfresh) {
    at(4, 7) = Num(5);
    rules.level.CorrectColumns = 9;
    rules.level.RaisedRows = 3;
    state.LevelScore = 12;
    state.GameOver = 1;
    input.HeldUp = 1;
    const int seedsBefore = random.seeds;
    rules.ResetField();
    for (int row = 1; row <= 19; ++row) {
        EXPECT_TRUE(RowIs(row, kEmpty)) << "row " << row;
    }
    EXPECT_TRUE(RowIs(20, kFloor));
    EXPECT_EQ(rules.level.CorrectColumns, 0);
    EXPECT_EQ(rules.level.RaisedRows, 0);
    EXPECT_EQ(state.LevelScore, 0);
    EXPECT_EQ(state.GameOver, 0);
    EXPECT_EQ(input.HeldUp, 0);
    EXPECT_EQ(random.seeds, seedsBefore + 1);
}

// --- Stones ----------------------------------------------------------------------

TEST_F(RulesTest, StoneRowsFollowTheLevel) {
    rules.StartGameValues(1);  // no relief
    const std::vector<std::pair<int, int>> expected{{17, 0}, {18, 1}, {20, 3}, {21, 5},
                                                    {25, 7}, {40, 8}, {45, 8}};
    for (const auto& [level, rows] : expected) {
        rules.ResetField();
        events.log.clear();
        rules.PlaceStones(level);
        EXPECT_EQ(StoneRows(), rows) << "level " << level;
        EXPECT_EQ(events.log.size(), static_cast<std::size_t>(9 * rows)) << "level " << level;
    }
    EXPECT_EQ(at(1, 19).value, 0);
    EXPECT_EQ(events.log.back(), "Stone 9,12:8");  // drawn after it is placed
}

TEST_F(RulesTest, StoneReliefLowersTheStonesOfItsBand) {
    rules.StartGameValues(16);  // all five reliefs
    for (const int level : {25, 30, 35, 40, 45}) {
        rules.ResetField();
        rules.PlaceStones(level);
        EXPECT_EQ(StoneRows(), 5) << "level " << level;
    }
    rules.game.StoneRelief[kRelief45] = 8;  // top row 20: nothing to place
    rules.ResetField();
    events.log.clear();
    rules.PlaceStones(45);
    EXPECT_EQ(StoneRows(), 0);
    EXPECT_TRUE(events.log.empty());
}

// --- Choosing numbers ------------------------------------------------------------

TEST_F(RulesTest, PlainRangeDependsOnTheLevel) {
    const std::vector<std::pair<int, int>> expected{{20, 10}, {21, 11}, {29, 19}, {30, 5},
                                                    {31, 20}, {40, 29}, {41, 30}};
    for (const auto& [level, range] : expected) {
        random.asked.clear();
        random.script = {1, 4};  // k = 1 on an empty field: a plain number
        const Block b = rules.PickNextBlock(level);
        ASSERT_EQ(random.asked.size(), 2u);
        EXPECT_EQ(random.asked[0], std::make_pair(1, 9));
        EXPECT_EQ(random.asked[1], std::make_pair(1, range)) << "level " << level;
        EXPECT_EQ(b.number, 4);
        EXPECT_EQ(b.colourClass, 6);
    }
}

TEST_F(RulesTest, EmptyFieldAlwaysGivesAPlainNumber) {
    at(3, 19) = Cell{7, kSolved};  // solved blocks and stones give no products
    at(4, 19) = Cell{0, kStone};
    for (int k = 1; k <= 9; ++k) {
        random.script = {k, 9};
        EXPECT_EQ(rules.PickNextBlock(1).number, 9) << "k " << k;
    }
    EXPECT_TRUE(random.script.empty());
}

TEST_F(RulesTest, EightBlocksAlwaysGiveAProduct) {
    // Scanned column by column, each from the top: the entries are 3 x 1..8.
    at(1, 18) = Num(1);
    at(1, 19) = Num(2);
    for (int col = 3; col <= 8; ++col) {
        at(col, 19) = Num(col);
    }
    for (int k = 9; k >= 2; --k) {
        random.script = {k};
        EXPECT_EQ(rules.PickNextBlock(1).number, 3 * (9 - k + 1)) << "k " << k;
    }
    random.script = {1};  // the ninth choice falls on entry 7 again
    const Block b = rules.PickNextBlock(1);
    EXPECT_EQ(b.number, 24);
    EXPECT_EQ(b.colourClass, 6);
    EXPECT_TRUE(random.script.empty());
}

TEST_F(RulesTest, SevenBlocksLeaveTwoChoicesPlain) {
    for (int col = 1; col <= 7; ++col) {
        at(col, 19) = Num(col);
    }
    random.script = {1, 5, 2, 6, 3};
    EXPECT_EQ(rules.PickNextBlock(1).number, 5);
    EXPECT_EQ(rules.PickNextBlock(1).number, 6);
    EXPECT_EQ(rules.PickNextBlock(1).number, 21);
}

TEST_F(RulesTest, ProductListKeepsTheFirstNineFound) {
    for (int col = 1; col <= 9; ++col) {
        at(col, 19) = Num(col);
    }
    at(9, 18) = Num(100);  // found before (9, 19): pushes 9 out of the list
    random.script = {1};
    EXPECT_EQ(rules.PickNextBlock(1).number, 300);
}

TEST_F(RulesTest, RepeatedPickAvoidsTheFallingNumberAtMostFourTimes) {
    random.script = {1, 6, 1, 6, 1, 3};
    EXPECT_EQ(rules.PickNextBlockAfter(1, 6).number, 3);
    EXPECT_TRUE(random.script.empty());

    random.script = {1, 6, 1, 6, 1, 6, 1, 6, 1, 2};
    EXPECT_EQ(rules.PickNextBlockAfter(1, 6).number, 6);  // the fourth pick stands
    EXPECT_EQ(random.script.size(), 2u);
}

// --- Landing ---------------------------------------------------------------------

TEST_F(RulesTest, BlockOnTheFloorStaysAsNumberBlock) {
    rules.LandBlock(5, 19, BlockOf(4));
    EXPECT_EQ(at(5, 19).value, 4);
    EXPECT_EQ(at(5, 19).kind, 6);
    EXPECT_TRUE(events.log.empty());
}

TEST_F(RulesTest, ProductOnItsFactorMakesACorrectColumn) {
    at(5, 19) = Num(4);
    at(5, 17) = Num(1);  // the cell above a correct column is cleared
    rules.LandBlock(5, 18, BlockOf(12));
    EXPECT_EQ(at(5, 18).kind, kSolved);
    EXPECT_EQ(at(5, 18).value, 12);
    EXPECT_EQ(at(5, 19).kind, kSolved);
    EXPECT_EQ(at(5, 19).value, 4);
    EXPECT_EQ(at(5, 17).kind, kEmpty);
    EXPECT_EQ(rules.level.CorrectColumns, 1);
    EXPECT_EQ(state.LevelScore, 1);
    EXPECT_EQ(rules.level.RaisedRows, 0);
    EXPECT_EQ(input.HeldUp, 0);
    EXPECT_EQ(events.log, (Log{"Correct 5,18:9"}));
}

TEST_F(RulesTest, TableOneMatchesEqualNumbers) {
    state.TableNumber = 1;
    at(2, 19) = Num(7);
    rules.LandBlock(2, 18, BlockOf(7));
    EXPECT_EQ(rules.level.CorrectColumns, 1);
}

TEST_F(RulesTest, QuickDropOfMoreThanThreeRowsEarnsAPoint) {
    const std::vector<std::pair<int, int>> dropStartToScore{{14, 2}, {15, 1}, {kNoQuickDrop, 1}};
    for (const auto& [start, score] : dropStartToScore) {
        rules.ResetField();
        at(5, 19) = Num(4);
        rules.LandBlock(5, 18, BlockOf(12), start);
        EXPECT_EQ(state.LevelScore, score) << "start " << start;
    }
}

TEST_F(RulesTest, SlowCorrectColumnAnimationHoldsTheGameUp) {
    events.correctColumnWasSlow = true;
    at(5, 19) = Num(4);
    rules.LandBlock(5, 18, BlockOf(12));
    EXPECT_EQ(input.HeldUp, 1);
}

TEST_F(RulesTest, CorrectColumnInRowOneTouchesNothingAbove) {
    for (int row = 3; row <= 19; ++row) {
        at(5, row) = kSolvedCell;
    }
    at(5, 2) = Num(4);
    rules.LandBlock(5, 1, BlockOf(12));
    EXPECT_EQ(at(5, 1).kind, kSolved);
    EXPECT_EQ(at(5, 2).kind, kSolved);
    EXPECT_TRUE(rules.FieldFull());
}

TEST_F(RulesTest, WrongBlockIsRemovedAndRaisesTheFloor) {
    at(5, 19) = Num(4);
    rules.LandBlock(5, 18, BlockOf(7));
    EXPECT_EQ(events.log, (Log{"Wrong 5,18:0", "FloorRaised"}));
    EXPECT_EQ(rules.level.RaisedRows, 1);
    EXPECT_EQ(at(5, 18).value, 4);  // the factor moved up with the field
    EXPECT_EQ(at(5, 17).kind, kEmpty);
    EXPECT_TRUE(RowIs(19, kFloor));
    EXPECT_EQ(rules.level.CorrectColumns, 0);
}

TEST_F(RulesTest, BombIsRemovedEvenOnItsFactor) {
    at(5, 19) = Num(333);  // 333 x 3 = 999
    rules.LandBlock(5, 18, BlockOf(999));
    EXPECT_EQ(events.log, (Log{"Bomb 5,18:0", "FloorRaised"}));
    EXPECT_EQ(rules.level.CorrectColumns, 0);
    EXPECT_EQ(at(5, 18).value, 333);
    EXPECT_EQ(at(5, 17).kind, kEmpty);
    EXPECT_EQ(rules.level.RaisedRows, 1);
}

TEST_F(RulesTest, HeldUpLandingRisesFirstSoTheBlockIsNeitherScoredNorRemoved) {
    input.HeldUp = 1;
    at(5, 19) = Num(4);
    rules.LandBlock(5, 18, BlockOf(12));
    EXPECT_EQ(events.log, (Log{"HeldUp 5,18:6", "FloorRaised"}));
    EXPECT_EQ(input.HeldUp, 0);
    EXPECT_EQ(at(5, 17).value, 12);
    EXPECT_TRUE(IsNumberBlock(at(5, 17).kind));
    EXPECT_EQ(at(5, 18).value, 4);
    EXPECT_TRUE(IsNumberBlock(at(5, 18).kind));
    EXPECT_EQ(rules.level.CorrectColumns, 0);
    EXPECT_EQ(state.LevelScore, 0);
}

TEST_F(RulesTest, HeldUpWaitsForABlockNearTheFixedCells) {
    input.HeldUp = 1;
    at(5, 19) = Num(2);
    at(5, 18) = Num(5);  // two number blocks: the landing is too far from the floor
    rules.LandBlock(5, 17, BlockOf(7));
    EXPECT_EQ(input.HeldUp, 1);
    EXPECT_EQ(events.log, (Log{"Wrong 5,17:0", "FloorRaised"}));
}

TEST_F(RulesTest, HeldUpBombClearsTheCellBelowItInstead) {
    input.HeldUp = 1;
    at(5, 19) = Num(4);
    rules.LandBlock(5, 18, BlockOf(1000));
    EXPECT_EQ(events.log, (Log{"HeldUp 5,18:5", "FloorRaised", "Bomb 5,18:0", "FloorRaised"}));
    EXPECT_EQ(rules.level.RaisedRows, 2);
    EXPECT_EQ(at(5, 16).value, 1000);   // the bomb itself stays, lifted twice
    EXPECT_EQ(at(5, 17).kind, kEmpty);  // its factor 4 is gone
    EXPECT_TRUE(RowIs(18, kFloor));
}

TEST_F(RulesTest, AfterABombRiseABlockOnANumberBlockIsRemovedAsWrong) {
    // A held-up landing leaves 7 resting on 4; a bomb then lands on the 7.
    at(5, 19) = Num(4);
    input.HeldUp = 1;
    rules.LandBlock(5, 18, BlockOf(7));
    ASSERT_EQ(at(5, 17).value, 7);
    events.log.clear();
    rules.LandBlock(5, 16, BlockOf(999));
    EXPECT_EQ(events.log, (Log{"Bomb 5,16:0", "FloorRaised", "Wrong 5,16:0", "FloorRaised"}));
    EXPECT_EQ(rules.level.RaisedRows, 3);
    EXPECT_EQ(at(5, 16).value, 4);
    EXPECT_EQ(at(5, 15).kind, kEmpty);
    EXPECT_TRUE(RowIs(17, kFloor));
}

TEST_F(RulesTest, RunawayProductsStayBombs) {
    state.TableNumber = 20;
    at(1, 19) = Num(200'000'000);
    EXPECT_EQ(rules.Product(200'000'000), std::numeric_limits<std::int32_t>::max());
    random.script = {9};
    EXPECT_TRUE(rules.PickNextBlock(1).IsBomb());
}

// --- Floor -----------------------------------------------------------------------

TEST_F(RulesTest, FloorRiseMovesTheFieldUp) {
    at(3, 19) = Num(4);
    at(3, 1) = Num(8);  // lost over the top
    rules.RaiseFloor();
    EXPECT_EQ(at(3, 18).value, 4);
    EXPECT_EQ(at(3, 1).kind, kEmpty);
    EXPECT_TRUE(RowIs(19, kFloor));
    EXPECT_TRUE(RowIs(20, kFloor));
    EXPECT_EQ(events.log, (Log{"FloorRaised"}));
}

TEST_F(RulesTest, FloorReachingRowOneFillsTheField) {
    EXPECT_FALSE(rules.FieldFull());
    for (int i = 0; i < 18; ++i) {
        rules.RaiseFloor();
    }
    EXPECT_TRUE(RowIs(2, kFloor));
    EXPECT_FALSE(rules.FieldFull());
    rules.RaiseFloor();
    EXPECT_TRUE(RowIs(1, kFloor));
    EXPECT_TRUE(rules.FieldFull());
    rules.RaiseFloor();  // one more never writes above the field
    EXPECT_EQ(rules.level.RaisedRows, 20);
    EXPECT_TRUE(rules.FieldFull());
}

TEST_F(RulesTest, AnyBlockInRowOneFillsTheField) {
    at(9, 1) = Num(3);
    EXPECT_TRUE(rules.FieldFull());
}

// --- Bands -----------------------------------------------------------------------

TEST_F(RulesTest, SolvedBandIsClearedAndTheRowsAboveDropTwo) {
    rules.game.TotalScore = 30;
    state.LevelScore = 4;
    FillRow(18, kSolvedCell);
    FillRow(19, kSolvedCell);
    at(2, 17) = Num(5);
    at(3, 16) = Num(6);
    rules.ClearSolvedBands(5);
    EXPECT_EQ(state.LevelScore, 12);
    EXPECT_EQ(events.log, (Log{"Band 18 from 34", "Moved 18"}));
    EXPECT_EQ(at(2, 19).value, 5);
    EXPECT_EQ(at(3, 18).value, 6);
    EXPECT_EQ(at(2, 17).kind, kEmpty);
    EXPECT_TRUE(RowIs(1, kEmpty));
    EXPECT_TRUE(RowIs(2, kEmpty));
}

TEST_F(RulesTest, BandScanGoesOnOverTheChangedField) {
    FillRow(12, kSolvedCell);
    for (int row = 16; row <= 19; ++row) {
        FillRow(row, kSolvedCell);
    }
    rules.ClearSolvedBands(5);
    EXPECT_EQ(events.log, (Log{"Band 16 from 0", "Moved 16", "Band 18 from 8", "Moved 18"}));
    EXPECT_EQ(state.LevelScore, 16);
    EXPECT_TRUE(RowIs(16, kSolved));  // row 12, moved down twice
    EXPECT_TRUE(RowIs(18, kEmpty));
    EXPECT_TRUE(RowIs(19, kEmpty));
}

TEST_F(RulesTest, BandScanStopsAboveTheFloorBand) {
    FillRow(18, kSolvedCell);
    FillRow(19, kSolvedCell);
    rules.level.RaisedRows = 1;  // scans to row 17 below level 18
    rules.ClearSolvedBands(17);
    EXPECT_TRUE(events.log.empty());
    rules.ClearSolvedBands(18);  // one row further with stones
    EXPECT_EQ(state.LevelScore, 8);
}

// --- Level end -------------------------------------------------------------------

TimeOfDay At(int h, int m, int s, int hundredths = 0) {
    return TimeOfDay{h, m, s, hundredths};
}

TEST(LevelTimeTest, ElapsedSecondsIgnoreHundredthsCrossMidnightAndAreCapped) {
    EXPECT_EQ(ElapsedSeconds(At(10, 0, 0, 99), At(10, 1, 0, 0)), 60);
    EXPECT_EQ(ElapsedSeconds(At(23, 59, 0), At(0, 0, 30)), 90);
    EXPECT_EQ(ElapsedSeconds(At(10, 0, 0), At(11, 56, 40)), 7000);
    EXPECT_EQ(ElapsedSeconds(At(10, 0, 0), At(12, 0, 0)), 7000);
}

TEST(LevelTimeTest, TierFallsFromSixtyToOneHundredFiftySeconds) {
    EXPECT_EQ(TimeTierAfter(1, 60), 1);
    EXPECT_EQ(TimeTierAfter(20, 60), 100);
    EXPECT_EQ(TimeTierAfter(20, 61), 99);
    EXPECT_EQ(TimeTierAfter(1, 105), 1);  // 0.5 goes to 0
    EXPECT_EQ(TimeTierAfter(20, 105), 50);
    EXPECT_EQ(TimeTierAfter(20, 150), 0);
    EXPECT_EQ(TimeTierAfter(1, 151), 0);
    EXPECT_EQ(TimeTierAfter(20, 151), 0);
}

TEST(LevelTimeTest, TierTableByLevel) {
    const std::vector<std::pair<int, int>> expected{
        {2, 1},    {3, 2},    {9, 5},    {10, 6},   {11, 8},   {12, 12},  {14, 30},  {19, 80},
        {20, 100}, {29, 100}, {30, 150}, {35, 175}, {44, 200}, {45, 250}, {49, 250}, {50, 300}};
    for (const auto& [level, tier] : expected) {
        EXPECT_EQ(TimeTier(level), tier) << "level " << level;
    }
}

TEST_F(RulesTest, LevelNeedsFifteenColumns) {
    rules.level.CorrectColumns = 14;
    state.LevelScore = 20;
    EXPECT_FALSE(rules.LevelComplete(1, At(10, 0, 0), At(10, 0, 30)));
    EXPECT_EQ(state.LevelScore, 20);
}

TEST_F(RulesTest, LevelBonusIsEmptyRowsPlusTier) {
    rules.level.CorrectColumns = 15;
    state.LevelScore = 20;
    at(4, 19) = Num(2);
    at(4, 18) = kSolvedCell;                                            // 17 empty rows left
    ASSERT_TRUE(rules.LevelComplete(20, At(23, 59, 0), At(0, 0, 45)));  // 105 s
    EXPECT_EQ(rules.Bonus().ElapsedSeconds, 105);
    EXPECT_EQ(rules.Bonus().EmptyRows, 17);
    EXPECT_EQ(rules.Bonus().TimeTier, 50);
    EXPECT_EQ(state.LevelScore, 20 + 17 + 50);
}

TEST_F(RulesTest, SlowLevelsWithdrawTheReliefFromTheTop) {
    rules.StartGameValues(16);
    rules.level.CorrectColumns = 15;
    using Relief = std::array<std::int32_t, 5>;
    rules.LevelComplete(16, At(10, 0, 0), At(10, 1, 40));  // 100 s: not slow
    EXPECT_EQ(rules.game.SlowLevelCount, 0);
    EXPECT_EQ(rules.game.StoneRelief, (Relief{2, 2, 2, 3, 3}));
    rules.LevelComplete(17, At(10, 0, 0), At(10, 1, 41));
    EXPECT_EQ(rules.game.SlowLevelCount, 1);
    EXPECT_EQ(rules.game.StoneRelief, (Relief{2, 2, 2, 3, 0}));
    rules.LevelComplete(18, At(10, 0, 0), At(11, 0, 0));
    EXPECT_EQ(rules.game.StoneRelief, (Relief{2, 2, 2, 0, 0}));
    rules.LevelComplete(19, At(10, 0, 0), At(10, 0, 50));  // fast: count stays 2
    EXPECT_EQ(rules.game.StoneRelief, (Relief{2, 2, 2, 0, 0}));
    for (int i = 0; i < 3; ++i) {
        rules.LevelComplete(20 + i, At(10, 0, 0), At(10, 5, 0));
    }
    EXPECT_EQ(rules.game.SlowLevelCount, 5);
    EXPECT_EQ(rules.game.StoneRelief, (Relief{0, 0, 0, 0, 0}));
}

TEST_F(RulesTest, CompletingALowLevelRemovesAllRelief) {
    using Relief = std::array<std::int32_t, 5>;
    rules.StartGameValues(16);
    rules.level.CorrectColumns = 15;
    rules.LevelComplete(11, At(10, 0, 0), At(10, 0, 30));
    EXPECT_EQ(rules.game.StoneRelief, (Relief{2, 2, 2, 3, 3}));
    rules.LevelComplete(10, At(10, 0, 0), At(10, 0, 30));
    EXPECT_EQ(rules.game.StoneRelief, (Relief{0, 0, 0, 0, 0}));
}

TEST_F(RulesTest, StartLevelDecidesTheReliefsOfTheGame) {
    using Relief = std::array<std::int32_t, 5>;
    const std::vector<std::pair<int, Relief>> expected{
        {11, {0, 0, 0, 0, 0}}, {12, {2, 0, 0, 0, 0}}, {14, {2, 2, 2, 0, 0}},
        {15, {2, 2, 2, 3, 0}}, {16, {2, 2, 2, 3, 3}}, {20, {2, 2, 2, 3, 3}}};
    for (const auto& [start, relief] : expected) {
        rules.game.SlowLevelCount = 3;
        rules.game.TotalScore = 50;
        rules.StartGameValues(start);
        EXPECT_EQ(rules.game.StoneRelief, relief) << "start " << start;
        EXPECT_EQ(rules.game.SlowLevelCount, 0);
        EXPECT_EQ(rules.game.TotalScore, 0);
    }
}

}  // namespace
}  // namespace quorelin
