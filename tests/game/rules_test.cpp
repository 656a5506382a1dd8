#include "game/rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <sstream>
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
    void SeedFromClock() override {}
};

// Logs every event, joined by "; ", with the state of the cell it names at the moment
// of the call.
class RecordingEvents : public RuleEvents {
public:
    std::string log;
    int stones = 0;
    const PlayField* field = nullptr;

    void StonePlaced(int col, int row) override {
        ++stones;
        Add(At("Stone", col, row));
    }
    void FloorRaised(const PlayField&) override { Add("FloorRaised"); }
    void HeldUpPenalty(int col, int row) override { Add(At("HeldUp", col, row)); }
    void BombLanded(int col, int row) override { Add(At("Bomb", col, row)); }
    bool CorrectColumn(const PlayField&, int col, int row) override {
        Add(At("Correct", col, row));
        return false;
    }
    void WrongColumn(int col, int row) override { Add(At("Wrong", col, row)); }
    void BandScored(int row, std::int32_t before) override {
        Add("Band " + std::to_string(row) + " from " + std::to_string(before));
    }
    void BandRowsMoved(const PlayField&, int row) override { Add("Moved " + std::to_string(row)); }

private:
    void Add(const std::string& event) { log += (log.empty() ? "" : "; ") + event; }
    // "Name col,row:kind" so a test sees that the cell was already changed.
    std::string At(const char* name, int col, int row) const {
        return std::string(name) + " " + std::to_string(col) + "," + std::to_string(row) + ":" +
               std::to_string(field->at(col, row).kind);
    }
};

using Numbers = std::vector<std::int32_t>;
using Relief = std::array<std::int32_t, 5>;

Cell Num(std::int32_t n) {
    return Cell{n, ColourClass(n)};
}
const Cell kSolvedCell{1, kSolved};

TimeOfDay At(int h, int m, int s, int hundredths = 0) {
    return TimeOfDay{h, m, s, hundredths};
}

// The rules of a table-3 game on a freshly reset field.
struct Game {
    Game() : rules(state, input, random, events) {
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
    // The numbers PickNextBlock(1) draws until the random script is used up.
    Numbers Draw(std::deque<int> script) {
        random.script = std::move(script);
        Numbers drawn;
        while (!random.script.empty()) {
            drawn.push_back(rules.PickNextBlock(1).number);
        }
        return drawn;
    }
    // Rows 15..20 of column 5, top down: "." empty, "#" floor, "=n" solved, "n" a number
    // block of its own colour class ("?" for any other cell).
    std::string Column() {
        std::string shown;
        for (int row = 15; row <= 20; ++row) {
            const Cell& c = at(5, row);
            shown += row > 15 ? " " : "";
            // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about
            // "=" + std::to_string(...).
            if (c.kind == kSolved) {
                shown += '=';
            }
            shown += c.kind == kEmpty                                      ? "."
                     : c.kind == kFloor                                    ? "#"
                     : c.kind == kSolved || c.kind == ColourClass(c.value) ? std::to_string(c.value)
                                                                           : "?";
        }
        return shown;
    }
    // Fills rows 15..19 of column 5 from "." and numbers, as Column() shows them.
    void SetColumn(const std::string& shown) {
        std::istringstream in(shown);
        std::string token;
        for (int row = 15; row <= 19 && in >> token; ++row) {
            at(5, row) = token == "." ? Cell{} : Num(std::stoi(token));
        }
    }

    GameState state;
    InputRequests input;
    ScriptedRandom random;
    RecordingEvents events;
    Rules rules;
};

class RulesTest : public ::testing::Test, protected Game {};

// --- Cells and colours -----------------------------------------------------------

TEST(ColourClassTest, FirstMatchingDivisorDecides) {
    // 5 before 4 and 3, 4 before 3, 3 before 2.
    const std::vector<std::pair<int, int>> expected{{20, 5}, {15, 5}, {12, 6}, {8, 6}, {6, 2},
                                                    {9, 2},  {14, 3}, {1, 7},  {7, 7}};
    for (const auto& [n, colourClass] : expected) {
        EXPECT_EQ(ColourClass(n), colourClass) << n;
    }
}

// --- Stones ----------------------------------------------------------------------

TEST_F(RulesTest, StoneRowsFollowTheLevelAndTheReliefOfItsBand) {
    const Relief none{};
    const Relief full{2, 2, 2, 3, 3};
    const Relief distinct{0, 1, 2, 3, 4};  // tells the bands apart
    struct Case {
        Relief relief;
        int level;
        int rows;
    };
    const std::vector<Case> cases{
        {none, 17, 0},     {none, 18, 1},     {none, 20, 3},     {none, 21, 5},
        {none, 25, 7},     {none, 40, 8},     {none, 45, 8},     {full, 25, 5},
        {full, 30, 5},     {full, 35, 5},     {full, 40, 5},     {full, 45, 5},
        {distinct, 29, 7}, {distinct, 30, 6}, {distinct, 34, 6}, {distinct, 35, 5},
        {distinct, 39, 5}, {distinct, 40, 5}, {distinct, 44, 5}, {distinct, 45, 4}};
    for (const Case& c : cases) {
        rules.game.StoneRelief = c.relief;
        rules.ResetField();
        events.stones = 0;
        rules.PlaceStones(c.level);
        EXPECT_EQ(StoneRows(), c.rows)
            << "level " << c.level << " relief " << ::testing::PrintToString(c.relief);
        EXPECT_EQ(events.stones, 9 * c.rows) << "level " << c.level;
    }
    EXPECT_EQ(at(1, 19).value, 0);
    EXPECT_TRUE(events.log.ends_with("Stone 9,16:8"));  // drawn after it is placed

    rules.game.StoneRelief[kRelief45] = 8;  // top row 20: nothing to place
    rules.ResetField();
    events.stones = 0;
    rules.PlaceStones(45);
    EXPECT_EQ(StoneRows(), 0);
    EXPECT_EQ(events.stones, 0);
}

// --- Choosing numbers ------------------------------------------------------------

TEST_F(RulesTest, PlainRangeDependsOnTheLevel) {
    const std::vector<std::pair<int, int>> expected{{20, 10}, {21, 11}, {29, 19}, {30, 5},
                                                    {31, 20}, {40, 29}, {41, 30}};
    for (const auto& [level, range] : expected) {
        random.asked.clear();
        random.script = {1, 4};  // k = 1 on an empty field: a plain number
        const Block b = rules.PickNextBlock(level);
        EXPECT_EQ(random.asked, (std::vector<std::pair<int, int>>{{1, 9}, {1, range}})) << level;
        EXPECT_EQ(b.number, 4);
        EXPECT_EQ(b.colourClass, 6);
    }
}

TEST_F(RulesTest, NextNumberComesFromTheProductListOrThePlainRange) {
    // Solved blocks and stones give no products: every choice k is a plain number.
    at(3, 19) = Cell{7, kSolved};
    at(4, 19) = Cell{0, kStone};
    std::deque<int> script;
    for (int k = 1; k <= 9; ++k) {
        script.insert(script.end(), {k, 9});
    }
    EXPECT_EQ(Draw(script), Numbers(9, 9));

    // Seven blocks: the choices k = 1 and 2 stay plain.
    for (int col = 1; col <= 7; ++col) {
        at(col, 19) = Num(col);
    }
    EXPECT_EQ(Draw({1, 5, 2, 6, 3}), (Numbers{5, 6, 21}));

    // Eight blocks: k = 9 .. 2 give the entries in order, and k = 1 falls on the eighth.
    at(8, 19) = Num(8);
    EXPECT_EQ(Draw({9, 8, 7, 6, 5, 4, 3, 2, 1}), (Numbers{3, 6, 9, 12, 15, 18, 21, 24, 24}));

    // The list keeps the first nine found, column by column from the top: 100 above 9
    // pushes 9 out.
    at(9, 19) = Num(9);
    at(9, 18) = Num(100);
    EXPECT_EQ(Draw({1}), (Numbers{300}));
}

TEST_F(RulesTest, RepeatedPickAvoidsTheFallingNumberAtMostFourTimes) {
    random.script = {1, 6, 1, 6, 1, 3};
    EXPECT_EQ(rules.PickNextBlockAfter(1, 6).number, 3);
    EXPECT_TRUE(random.script.empty());

    random.script = {1, 6, 1, 6, 1, 6, 1, 6, 1, 2};
    EXPECT_EQ(rules.PickNextBlockAfter(1, 6).number, 6);  // the fourth pick stands
    EXPECT_EQ(random.script.size(), 2u);
}

TEST_F(RulesTest, RunawayProductsStayBombs) {
    state.TableNumber = 20;
    at(1, 19) = Num(200'000'000);
    EXPECT_EQ(rules.Product(200'000'000), std::numeric_limits<std::int32_t>::max());
    random.script = {9};
    EXPECT_TRUE(rules.PickNextBlock(1).IsBomb());
}

// --- Landing ---------------------------------------------------------------------

// Each landing rule works on the field the step before left: the held-up penalty first,
// then bomb, correct and wrong column. Quick drops are checked through the loop, which
// passes the row the drop began in.
TEST(LandingTest, LandingRulesApplyInOrder) {
    struct Case {
        const char* name;
        int heldUp;           // HeldUp before the landing
        std::string before;   // rows 15..19 of column 5, as Game::Column shows them
        std::int32_t number;  // lands in the lowest empty cell of column 5
        std::string log;
        std::string after;  // rows 15..20
        int raised;
        int correct;
        int score;
        int heldUpAfter;
    };
    const std::vector<Case> cases{
        {"on the floor", 0, ". . . . .", 4, "", ". . . . 4 #", 0, 0, 0, 0},
        {"on its factor, clearing the cell above", 0, ". . 1 . 4", 12, "Correct 5,18:9",
         ". . . =12 =4 #", 0, 1, 1, 0},
        {"wrong", 0, ". . . . 4", 7, "Wrong 5,18:0; FloorRaised", ". . . 4 # #", 1, 0, 0, 0},
        {"bomb on its factor", 0, ". . . . 333", 999, "Bomb 5,18:0; FloorRaised", ". . . 333 # #",
         1, 0, 0, 0},
        {"held up: rises first, neither scored nor removed", 1, ". . . . 4", 12,
         "HeldUp 5,18:6; FloorRaised", ". . 12 4 # #", 1, 0, 0, 0},
        {"held up too far from the fixed cells", 1, ". . . 5 2", 7, "Wrong 5,17:0; FloorRaised",
         ". . 5 2 # #", 1, 0, 0, 1},
        {"held-up bomb clears the cell below it", 1, ". . . . 4", 1000,
         "HeldUp 5,18:5; FloorRaised; Bomb 5,18:0; FloorRaised", ". 1000 . # # #", 2, 0, 0, 0},
        {"after a bomb's rise a block on a number block is wrong", 0, ". . . 7 4", 999,
         "Bomb 5,17:0; FloorRaised; Wrong 5,17:0; FloorRaised", ". . 4 # # #", 2, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Game g;
        g.input.HeldUp = static_cast<std::uint8_t>(c.heldUp);
        g.SetColumn(c.before);
        int row = 19;
        while (g.at(5, row).kind != kEmpty) {
            --row;
        }
        g.rules.LandBlock(5, row, Block{c.number, ColourClass(c.number)}, kNoQuickDrop);
        EXPECT_EQ(g.events.log, c.log) << c.name;
        EXPECT_EQ(g.Column(), c.after) << c.name;
        EXPECT_TRUE(g.RowIs(20 - c.raised, kFloor)) << c.name;
        EXPECT_EQ(g.rules.level.RaisedRows, c.raised) << c.name;
        EXPECT_EQ(g.rules.level.CorrectColumns, c.correct) << c.name;
        EXPECT_EQ(g.state.LevelScore, c.score) << c.name;
        EXPECT_EQ(g.input.HeldUp, c.heldUpAfter) << c.name;
    }
}

// --- Floor -----------------------------------------------------------------------

TEST_F(RulesTest, FloorRisesMoveTheFieldUpUntilRowOneIsFull) {
    EXPECT_FALSE(rules.FieldFull());
    at(3, 19) = Num(4);
    at(3, 1) = Num(8);
    EXPECT_TRUE(rules.FieldFull());  // any block in row 1
    rules.RaiseFloor();
    EXPECT_EQ(at(3, 18).value, 4);
    EXPECT_EQ(at(3, 1).kind, kEmpty);  // lost over the top
    EXPECT_TRUE(RowIs(19, kFloor));
    EXPECT_TRUE(RowIs(20, kFloor));
    EXPECT_EQ(events.log, "FloorRaised");

    rules.ResetField();
    for (int rise = 1; rise <= 20; ++rise) {  // the 20th never writes above the field
        rules.RaiseFloor();
        EXPECT_TRUE(RowIs(std::max(1, 20 - rise), kFloor)) << rise;
        EXPECT_EQ(rules.FieldFull(), rise >= 19) << rise;
    }
    EXPECT_EQ(rules.level.RaisedRows, 20);
}

// --- Bands -----------------------------------------------------------------------

TEST_F(RulesTest, SolvedBandsAreClearedAndTheScanGoesOnOverTheChangedField) {
    rules.game.TotalScore = 30;
    state.LevelScore = 4;
    FillRow(12, kSolvedCell);
    for (int row = 16; row <= 19; ++row) {
        FillRow(row, kSolvedCell);
    }
    at(2, 15) = Num(5);
    at(6, 1) = Num(7);
    rules.ClearSolvedBands(5);
    EXPECT_EQ(events.log, "Band 16 from 34; Moved 16; Band 18 from 42; Moved 18");
    EXPECT_EQ(state.LevelScore, 20);
    EXPECT_TRUE(RowIs(16, kSolved));  // row 12, moved down twice
    EXPECT_EQ(at(2, 19).value, 5);    // and the block from row 15
    EXPECT_EQ(at(2, 17).kind, kEmpty);
    EXPECT_EQ(at(6, 5).value, 7);  // from row 1, moved down twice
    EXPECT_EQ(at(6, 3).kind, kEmpty);
    EXPECT_TRUE(RowIs(18, kEmpty));
    EXPECT_TRUE(RowIs(1, kEmpty));
    EXPECT_TRUE(RowIs(2, kEmpty));
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

TEST(LevelTimeTest, ElapsedSecondsAndTheTierTheyLeave) {
    EXPECT_EQ(ElapsedSeconds(At(10, 0, 0, 99), At(10, 1, 0, 0)), 60);  // hundredths ignored
    EXPECT_EQ(ElapsedSeconds(At(23, 59, 0), At(0, 0, 30)), 90);
    EXPECT_EQ(ElapsedSeconds(At(10, 0, 0), At(11, 56, 40)), 7000);
    EXPECT_EQ(ElapsedSeconds(At(10, 0, 0), At(12, 0, 0)), 7000);

    // Each level's tier, kept in full up to 60 s.
    const std::vector<std::pair<int, int>> levelTier{
        {1, 1},    {2, 1},    {3, 2},    {4, 2},    {5, 3},    {6, 3},    {7, 4},    {8, 4},
        {9, 5},    {10, 6},   {11, 8},   {12, 12},  {13, 20},  {14, 30},  {15, 40},  {16, 50},
        {17, 60},  {18, 70},  {19, 80},  {20, 100}, {21, 100}, {29, 100}, {30, 150}, {34, 150},
        {35, 175}, {39, 175}, {40, 200}, {44, 200}, {45, 250}, {49, 250}, {50, 300}, {90, 300}};
    for (const auto& [level, tier] : levelTier) {
        EXPECT_EQ(TimeTierAfter(level, 60), tier) << level;
    }
    // Then linear down to 0 at 150 s.
    const std::vector<std::array<int, 3>> levelSecondsTier{
        {20, 61, 99}, {1, 105, 1}, {20, 105, 50},  // 0.5 goes to 0
        {20, 150, 0}, {1, 151, 0}, {20, 151, 0}};
    for (const auto& [level, seconds, tier] : levelSecondsTier) {
        EXPECT_EQ(TimeTierAfter(level, seconds), tier) << level << " after " << seconds;
    }
}

TEST_F(RulesTest, AFinishedLevelEarnsEmptyRowsPlusTier) {
    rules.level.CorrectColumns = 14;
    state.LevelScore = 20;
    EXPECT_FALSE(rules.LevelComplete(20, At(10, 0, 0), At(10, 0, 30)));
    EXPECT_EQ(state.LevelScore, 20);

    rules.level.CorrectColumns = 15;
    ASSERT_TRUE(rules.LevelComplete(1, At(10, 0, 0), At(10, 0, 30)));  // cleared by a band
    EXPECT_EQ(rules.Bonus().EmptyRows, 19);
    EXPECT_EQ(state.LevelScore, 20 + 19 + 1);

    state.LevelScore = 20;
    at(4, 19) = Num(2);
    at(4, 18) = kSolvedCell;                                            // 17 empty rows left
    ASSERT_TRUE(rules.LevelComplete(20, At(23, 59, 0), At(0, 0, 45)));  // 105 s
    EXPECT_EQ(rules.Bonus().ElapsedSeconds, 105);
    EXPECT_EQ(rules.Bonus().EmptyRows, 17);
    EXPECT_EQ(rules.Bonus().TimeTier, 50);
    EXPECT_EQ(state.LevelScore, 20 + 17 + 50);
}

TEST_F(RulesTest, SlowLevelsWithdrawTheReliefFromTheTopAndLowLevelsAllOfIt) {
    // A game keeps the relief of a band when it starts at 12, 13, 14, 15, 16 or higher.
    const std::vector<std::pair<int, Relief>> startRelief{
        {11, {}}, {12, {2, 0, 0, 0, 0}}, {15, {2, 2, 2, 3, 0}}, {16, {2, 2, 2, 3, 3}}};
    for (const auto& [start, relief] : startRelief) {
        rules.StartGameValues(start);
        EXPECT_EQ(rules.game.StoneRelief, relief) << "start " << start;
    }
    rules.game.SlowLevelCount = 3;  // left from an earlier game
    rules.StartGameValues(16);
    rules.level.CorrectColumns = 15;
    struct Step {
        int level;
        int seconds;
        int slowLevels;
        Relief relief;
    };
    const std::vector<Step> steps{{16, 100, 0, {2, 2, 2, 3, 3}},  {17, 101, 1, {2, 2, 2, 3, 0}},
                                  {18, 3600, 2, {2, 2, 2, 0, 0}}, {19, 50, 2, {2, 2, 2, 0, 0}},
                                  {20, 300, 3, {2, 2, 0, 0, 0}},  {21, 300, 4, {2, 0, 0, 0, 0}},
                                  {22, 300, 5, {0, 0, 0, 0, 0}}};
    for (const Step& s : steps) {
        rules.LevelComplete(s.level, At(10, 0, 0),
                            At(10 + s.seconds / 3600, s.seconds / 60 % 60, s.seconds % 60));
        EXPECT_EQ(rules.game.SlowLevelCount, s.slowLevels) << "level " << s.level;
        EXPECT_EQ(rules.game.StoneRelief, s.relief) << "level " << s.level;
    }

    rules.StartGameValues(16);
    rules.LevelComplete(11, At(10, 0, 0), At(10, 0, 30));
    EXPECT_EQ(rules.game.StoneRelief, (Relief{2, 2, 2, 3, 3}));
    rules.LevelComplete(10, At(10, 0, 0), At(10, 0, 30));
    EXPECT_EQ(rules.game.StoneRelief, (Relief{0, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace quorelin
