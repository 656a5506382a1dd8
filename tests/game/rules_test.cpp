// The rules without the loop: the table game on a bare field with scripted numbers, the
// play window's key rule and the level window's typed level.
#include "game/rules.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "game/level_entry.h"
#include "game/play_input.h"
#include "game/rounding.h"

namespace quorelin {
namespace {

// Hands out scripted numbers, records the ranges asked for and counts the seedings.
struct ScriptedRandom : RandomSource {
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

// Logs every event, joined by "; "; an event at a cell shows the cell's kind at the moment
// of the call ("Wrong 5,18:0"), so a test sees that the field already holds the change.
struct Events : RuleEvents {
    std::string log;
    const PlayField* field = nullptr;

    void Add(const std::string& event) { log += (log.empty() ? "" : "; ") + event; }
    void At(const char* name, int col, int row) {
        Add(std::string(name) + " " + std::to_string(col) + "," + std::to_string(row) + ":" +
            std::to_string(field->at(col, row).kind));
    }
    void StonePlaced(int col, int row) override { At("Stone", col, row); }
    void FloorRaised(const PlayField&) override { Add("FloorRaised"); }
    void HeldUpPenalty(int col, int row) override { At("HeldUp", col, row); }
    void BombLanded(int col, int row) override { At("Bomb", col, row); }
    bool CorrectColumn(const PlayField&, int col, int row) override {
        At("Correct", col, row);
        return false;
    }
    void WrongColumn(int col, int row) override { At("Wrong", col, row); }
    void BandScored(int row, std::int32_t before) override {
        Add("Band " + std::to_string(row) + " from " + std::to_string(before));
    }
    void BandRowsMoved(const PlayField&, int row) override { Add("Moved " + std::to_string(row)); }
};

using Numbers = std::vector<std::int32_t>;
using Relief = std::array<std::int32_t, 5>;

Cell Num(std::int32_t n) {
    return Cell{n, ColourClass(n)};
}
const Cell kSolvedCell{1, kSolved};

// The rules of a table-3 game on a freshly reset field.
struct Game {
    Game() {
        events.field = &rules.Field();
        state.TableNumber = 3;
        rules.ResetField();
    }

    Cell& at(int col, int row) { return rules.Field().at(col, row); }
    void FillRow(int row, Cell cell) {
        for (int col = 1; col <= 9; ++col) {
            at(col, row) = cell;
        }
    }
    bool RowIs(int row, std::int32_t kind) {
        bool all = true;
        for (int col = 1; col <= 9; ++col) {
            all = all && at(col, row).kind == kind;
        }
        return all;
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
    // block of its own colour class, "?" anything else.
    std::string Column() {
        std::string shown;
        for (int row = 15; row <= 20; ++row) {
            const Cell& c = at(5, row);
            shown += std::string(row > 15 ? " " : "") + (c.kind == kSolved ? "=" : "");
            shown += c.kind == kEmpty                                      ? "."
                     : c.kind == kFloor                                    ? "#"
                     : c.kind == kSolved || c.kind == ColourClass(c.value) ? std::to_string(c.value)
                                                                           : "?";
        }
        return shown;
    }

    GameState state;
    InputRequests input;
    ScriptedRandom random;
    Events events;
    Rules rules{state, input, random, events};
};
struct RulesTest : ::testing::Test, Game {};

TEST(ColourClassTest, FirstMatchingDivisorDecides) {
    // 5 before 4 and 3, 4 before 3, 3 before 2.
    for (const auto& [n, colourClass] : std::vector<std::pair<int, int>>{
             {20, 5}, {15, 5}, {12, 6}, {8, 6}, {6, 2}, {9, 2}, {14, 3}, {1, 7}, {7, 7}}) {
        EXPECT_EQ(ColourClass(n), colourClass) << n;
    }
}

TEST_F(RulesTest, LevelSetUpSeedsTheRandomSourceAndStartsAfresh) {
    FillRow(7, Num(4));
    FillRow(20, Cell{});
    rules.level.CorrectColumns = rules.level.RaisedRows = state.LevelScore = 7;
    state.GameOver = input.HeldUp = 1;
    rules.ResetField();
    EXPECT_EQ(random.seeds, 2);  // here and as the game was made
    for (int row = 1; row <= 20; ++row) {
        EXPECT_TRUE(RowIs(row, row == 20 ? kFloor : kEmpty)) << row;
    }
    EXPECT_EQ((Numbers{rules.level.CorrectColumns, rules.level.RaisedRows, state.LevelScore,
                       state.GameOver, input.HeldUp}),
              Numbers(5, 0));
}

TEST_F(RulesTest, StoneRowsFollowTheLevelAndTheReliefOfItsBand) {
    const Relief none{}, full{2, 2, 2, 3, 3}, distinct{0, 1, 2, 3, 4}, beyond{0, 0, 0, 0, 8};
    const struct {
        Relief relief;
        int level, rows;
    } cases[] = {{none, 17, 0},     {none, 18, 1},     {none, 20, 3},     {none, 21, 5},
                 {none, 24, 5},     {none, 25, 7},     {none, 40, 8},     {none, 45, 8},
                 {full, 25, 5},     {full, 30, 5},     {full, 35, 5},     {full, 40, 5},
                 {full, 45, 5},     {distinct, 29, 7}, {distinct, 30, 6}, {distinct, 34, 6},
                 {distinct, 35, 5}, {distinct, 39, 5}, {distinct, 40, 5}, {distinct, 44, 5},
                 {distinct, 45, 4}, {beyond, 45, 0}};  // top row 20: nothing to place
    for (const auto& c : cases) {
        rules.game.StoneRelief = c.relief;
        rules.ResetField();
        rules.PlaceStones(c.level);
        for (int row = 1; row <= 19; ++row) {
            EXPECT_TRUE(RowIs(row, row > 19 - c.rows ? kStone : kEmpty))
                << "level " << c.level << " relief " << c.relief[4] << " row " << row;
        }
    }
    EXPECT_EQ(at(9, 16).value, 0);
    EXPECT_TRUE(events.log.ends_with("Stone 8,16:8; Stone 9,16:8"));  // each drawn once placed
}

TEST_F(RulesTest, NextNumberComesFromTheProductListOrThePlainRange) {
    // On an empty field a number is plain: k = 1 asks for 1..R, R by level.
    for (const auto& [level, range] : std::vector<std::pair<int, int>>{
             {20, 10}, {21, 11}, {29, 19}, {30, 5}, {31, 20}, {40, 29}, {41, 30}}) {
        random.asked.clear();
        random.script = {1, 4};
        const Block b = rules.PickNextBlock(level);
        EXPECT_EQ(random.asked, (std::vector<std::pair<int, int>>{{1, 9}, {1, range}})) << level;
        EXPECT_EQ(b.number * 10 + b.colourClass, 46);
    }
    // A new number is drawn again while it equals the falling one, four times at most.
    random.script = {1, 6, 1, 6, 1, 6, 1, 6, 1, 2};
    EXPECT_EQ(rules.PickNextBlockAfter(21, 6).number, 6);
    EXPECT_EQ(random.script.size(), 2u);
    random.script = {1, 6, 1, 3};
    EXPECT_EQ(rules.PickNextBlockAfter(21, 6).number, 3);

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
    // A product past 32 bits stays the largest number, a bomb.
    state.TableNumber = 20;
    at(9, 18) = Num(200'000'000);
    EXPECT_EQ(Draw({1}), (Numbers{std::numeric_limits<std::int32_t>::max()}));
}

// Each landing rule works on the field the step before left: the held-up penalty first,
// then bomb, correct and wrong column. Quick drops are checked through the loop, which
// knows the row the drop began in.
TEST(LandingTest, LandingRulesApplyInOrder) {
    const struct {
        const char* name;
        int heldUp;           // HeldUp before the landing
        std::string before;   // rows 15..19 of column 5, as Column() shows them
        std::int32_t number;  // lands in the lowest empty cell of column 5
        std::string log;
        std::string after;  // rows 15..20
        int raised, correct, score, heldUpAfter;
    } cases[] = {
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
    for (const auto& c : cases) {
        Game g;
        g.input.HeldUp = static_cast<std::uint8_t>(c.heldUp);
        std::istringstream before(c.before);
        std::string token;
        for (int r = 15; before >> token; ++r) {
            g.at(5, r) = token == "." ? Cell{} : Num(std::stoi(token));
        }
        int row = 19;
        while (g.at(5, row).kind != kEmpty) {
            --row;
        }
        g.rules.LandBlock(5, row, Block{c.number, ColourClass(c.number)}, kNoQuickDrop);
        EXPECT_EQ(g.events.log, c.log) << c.name;
        EXPECT_EQ(g.Column(), c.after) << c.name;
        EXPECT_TRUE(g.RowIs(20 - c.raised, kFloor)) << c.name;
        EXPECT_EQ((Numbers{g.rules.level.RaisedRows, g.rules.level.CorrectColumns,
                           g.state.LevelScore, g.input.HeldUp}),
                  (Numbers{c.raised, c.correct, c.score, c.heldUpAfter}))
            << c.name;
    }
}

TEST_F(RulesTest, FloorRisesMoveTheFieldUpUntilRowOneIsFull) {
    EXPECT_FALSE(rules.FieldFull());
    at(3, 19) = Num(4);
    at(3, 1) = Num(8);
    EXPECT_TRUE(rules.FieldFull());  // any block in row 1
    rules.RaiseFloor();
    EXPECT_EQ(at(3, 18).value, 4);
    EXPECT_EQ(at(3, 1).kind, kEmpty);  // lost over the top
    EXPECT_TRUE(RowIs(19, kFloor) && RowIs(20, kFloor));
    EXPECT_EQ(events.log, "FloorRaised");

    rules.ResetField();
    for (int rise = 1; rise <= 20; ++rise) {  // the 20th never writes above the field
        rules.RaiseFloor();
        EXPECT_TRUE(RowIs(std::max(1, 20 - rise), kFloor)) << rise;
        EXPECT_EQ(rules.FieldFull(), rise >= 19) << rise;
    }
    EXPECT_EQ(rules.level.RaisedRows, 20);
}

TEST_F(RulesTest, SolvedBandsAreClearedAndTheScanGoesOnOverTheChangedField) {
    rules.game.TotalScore = 30;
    state.LevelScore = 4;
    FillRow(12, kSolvedCell);
    for (int row = 16; row <= 19; ++row) {
        FillRow(row, kSolvedCell);
    }
    at(2, 15) = Num(5);
    at(6, 1) = Num(7);
    at(6, 2) = Num(8);
    rules.ClearSolvedBands(5);
    EXPECT_EQ(events.log, "Band 16 from 34; Moved 16; Band 18 from 42; Moved 18");
    EXPECT_EQ(state.LevelScore, 20);
    EXPECT_TRUE(RowIs(16, kSolved));  // row 12, moved down twice
    EXPECT_EQ(at(2, 19).value, 5);    // and the block from row 15, and those from rows 1, 2
    EXPECT_EQ((Numbers{at(6, 5).value, at(6, 6).value}), (Numbers{7, 8}));
    for (const int row : {1, 2, 3, 4, 18}) {
        EXPECT_EQ(at(6, row).kind, kEmpty) << row;
    }

    // The scan stops above the floor band, one row lower from level 18 on.
    rules.ResetField();
    events.log.clear();
    FillRow(18, kSolvedCell);
    FillRow(19, kSolvedCell);
    rules.level.RaisedRows = 1;
    rules.ClearSolvedBands(17);
    EXPECT_TRUE(events.log.empty());
    rules.ClearSolvedBands(18);
    EXPECT_EQ(events.log, "Band 18 from 30; Moved 18");
}

TEST(LevelTimeTest, TimeIsReadInRoundedHundredthsAndTheTierFallsWithTheSeconds) {
    EXPECT_EQ(RoundHalfEven(386.5), 386);
    EXPECT_EQ(RoundHalfEven(167.5), 168);
    // Hundredths are rounded milliseconds and reach 100.
    for (const auto& [ms, hundredths] :
         std::vector<std::pair<int, int>>{{994, 99}, {995, 100}, {985, 98}, {999, 100}}) {
        EXPECT_EQ(MakeTimeOfDay(0, 0, 0, ms).hundredths, hundredths) << ms;
    }
    const TimeOfDay t{13, 59, 58, 42};
    EXPECT_EQ(t.StampWithinHour(), (59 * 60 + 58) * 100 + 42);
    EXPECT_EQ(t.StampWithinDay(), (13 * 3600 + 59 * 60 + 58) * 100 + 42);

    EXPECT_EQ(ElapsedSeconds({10, 0, 0, 99}, {10, 1, 0, 0}), 60);  // hundredths ignored
    EXPECT_EQ(ElapsedSeconds({23, 59, 0, 0}, {0, 0, 30, 0}), 90);
    EXPECT_EQ(ElapsedSeconds({10, 0, 0, 0}, {11, 56, 40, 0}), 7000);
    EXPECT_EQ(ElapsedSeconds({10, 0, 0, 0}, {12, 0, 0, 0}), 7000);
    // Each level's tier in full up to 60 s, then linear down to 0 at 150 s (0.5 goes to 0).
    const std::vector<std::array<int, 3>> levelSecondsTier{
        {1, 60, 1},    {2, 60, 1},    {3, 60, 2},    {6, 60, 3},    {9, 60, 5},    {10, 60, 6},
        {11, 60, 8},   {12, 60, 12},  {13, 60, 20},  {19, 60, 80},  {20, 60, 100}, {29, 60, 100},
        {30, 60, 150}, {34, 60, 150}, {35, 60, 175}, {40, 60, 200}, {45, 60, 250}, {49, 60, 250},
        {50, 60, 300}, {20, 61, 99},  {1, 105, 1},   {20, 105, 50}, {1, 151, 0},   {20, 151, 0}};
    for (const auto& [level, seconds, tier] : levelSecondsTier) {
        EXPECT_EQ(TimeTierAfter(level, seconds), tier) << level << " after " << seconds;
    }
}

TEST_F(RulesTest, AFinishedLevelEarnsEmptyRowsPlusTier) {
    rules.level.CorrectColumns = 14;
    state.LevelScore = 20;
    EXPECT_FALSE(rules.LevelComplete(20, {10, 0, 0, 0}, {10, 0, 30, 0}));
    EXPECT_EQ(state.LevelScore, 20);

    rules.level.CorrectColumns = 15;
    ASSERT_TRUE(rules.LevelComplete(1, {10, 0, 0, 0}, {10, 0, 30, 0}));  // cleared by a band
    EXPECT_EQ(rules.Bonus().EmptyRows, 19);
    EXPECT_EQ(state.LevelScore, 20 + 19 + 1);

    state.LevelScore = 20;
    at(4, 19) = Num(2);
    at(4, 18) = kSolvedCell;                                              // 17 empty rows left
    ASSERT_TRUE(rules.LevelComplete(20, {23, 59, 0, 0}, {0, 0, 45, 0}));  // 105 s
    EXPECT_EQ((Numbers{rules.Bonus().ElapsedSeconds, rules.Bonus().EmptyRows,
                       rules.Bonus().TimeTier, state.LevelScore}),
              (Numbers{105, 17, 50, 20 + 17 + 50}));
}

TEST_F(RulesTest, SlowLevelsWithdrawTheReliefFromTheTopAndLowLevelsAllOfIt) {
    // A game keeps the relief of a band when it starts at 12, 13, 14, 15, 16 or higher.
    for (const auto& [start, relief] : std::vector<std::pair<int, Relief>>{
             {11, {}}, {12, {2, 0, 0, 0, 0}}, {15, {2, 2, 2, 3, 0}}, {16, {2, 2, 2, 3, 3}}}) {
        rules.StartGameValues(start);
        EXPECT_EQ(rules.game.StoneRelief, relief) << "start " << start;
    }
    rules.game.SlowLevelCount = 3;  // left from an earlier game
    rules.StartGameValues(16);
    rules.level.CorrectColumns = 15;
    const struct {
        int level, seconds, slowLevels;
        Relief relief;
    } steps[] = {{16, 100, 0, {2, 2, 2, 3, 3}},  {17, 101, 1, {2, 2, 2, 3, 0}},
                 {18, 3600, 2, {2, 2, 2, 0, 0}}, {19, 50, 2, {2, 2, 2, 0, 0}},
                 {20, 300, 3, {2, 2, 0, 0, 0}},  {21, 300, 4, {2, 0, 0, 0, 0}},
                 {22, 300, 5, {0, 0, 0, 0, 0}},  {23, 300, 6, {0, 0, 0, 0, 0}}};
    for (const auto& s : steps) {
        rules.LevelComplete(s.level, {10, 0, 0, 0},
                            {10 + s.seconds / 3600, s.seconds / 60 % 60, s.seconds % 60, 0});
        EXPECT_EQ(rules.game.SlowLevelCount, s.slowLevels) << "level " << s.level;
        EXPECT_EQ(rules.game.StoneRelief, s.relief) << "level " << s.level;
    }
    rules.StartGameValues(16);
    rules.LevelComplete(11, {}, {});
    EXPECT_EQ(rules.game.StoneRelief, (Relief{2, 2, 2, 3, 3}));
    rules.LevelComplete(10, {}, {});
    EXPECT_EQ(rules.game.StoneRelief, Relief{});
}

// The flags as letters: L R D E the moves and Escape, O any other key, H paused, U held
// up, S stopped, G the game-over screen left, W deactivated.
std::string Flags(const InputRequests& in) {
    const int flags[] = {in.MoveLeftRequest, in.MoveRightRequest, in.DropRequest, in.EscapeRequest,
                         in.OtherKeyRequest, in.Paused,           in.HeldUp,      in.StopGame,
                         in.LeaveGameOver,   in.WindowDeactivated};
    std::string letters;
    for (std::size_t i = 0; i < std::size(flags); ++i) {
        letters += flags[i] == 1 ? std::string(1, "LRDEOHUSGW"[i]) : "";
    }
    return letters;
}

// The flags a key press sets on a paused game in English, Spanish, Dutch, Frisian and
// German, then what it leaves to the window: "+pause", "+panel", or "+other" (the running
// caption); one effect when it is the same in all five.
std::string Effects(GameKey key, bool gameEnded = false) {
    std::string effects[5];
    for (int language = 1; language <= 5; ++language) {
        InputRequests input{.Paused = 1};
        const auto role = static_cast<std::size_t>(PressKey(input, key, language, gameEnded));
        effects[language - 1] =
            Flags(input) + std::array{"", "+other", "+pause", "+panel", "+other+panel"}[role];
    }
    const bool same = std::count(std::begin(effects), std::end(effects), effects[0]) == 5;
    return same ? effects[0]
                : effects[0] + " " + effects[1] + " " + effects[2] + " " + effects[3] + " " +
                      effects[4];
}

TEST(KeyRule, EachKeyHasItsEffectInEachLanguage) {
    const std::pair<GameKey, const char*> cases[] = {
        {GameKey::Left, "LH"},
        {GameKey::Right, "RH"},
        {GameKey::Down, "DH"},
        {GameKey::Escape, "EH"},
        {GameKey::Other, "O+other"},
        {GameKey::P, "H+pause"},
        {GameKey::I, "H+panel"},
        {GameKey::X, "HSG"},
        // Only the Frisian instructions button answers to Y; elsewhere it is also any key.
        {GameKey::Y, "O+other+panel O+other+panel O+other+panel H+panel O+other+panel"},
        // The exit captions of languages 2..5 have S as their accelerator.
        {GameKey::S, "H HSG HSG HSG HSG"}};
    for (const auto& [key, effect] : cases) {
        EXPECT_EQ(Effects(key), effect) << static_cast<int>(key);
    }
    // Once the game has ended, every key leaves the game-over screen.
    EXPECT_EQ(Effects(GameKey::S, true), "HSG");
    EXPECT_EQ(Effects(GameKey::Left, true), "LHSG");
    EXPECT_EQ(Effects(GameKey::P, true), "HSG+pause");
}

TEST(KeyRule, PauseButtonsMouseButtonsAndTheWindowSetTheirFlags) {
    using In = InputRequests;
    const struct {
        const char* name;
        In before;
        void (*act)(In&);
        const char* flags;
    } cases[] = {
        {"pause", {}, [](In& in) { TogglePause(in, false); }, "HU"},
        {"pause again", {.Paused = 1}, [](In& in) { TogglePause(in, false); }, ""},
        // Once the game has ended nothing is paused any more: it only leaves its screen.
        {"pause, ended", {}, [](In& in) { TogglePause(in, true); }, "SG"},
        {"pause again, ended", {.Paused = 1}, [](In& in) { TogglePause(in, true); }, "HSG"},
        {"resume", {.Paused = 1, .HeldUp = 1}, [](In& in) { Resume(in, false); }, "U"},
        {"resume, ended", {.Paused = 1}, [](In& in) { Resume(in, true); }, "SG"},
        {"deactivate", {}, [](In& in) { Deactivate(in); }, "SW"},
        // Held up, stop and leave belong to the game, which clears them when it starts.
        {"show again", {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, [](In& in) { ForgetRequests(in); }, "USG"},
        {"left button", {}, [](In& in) { PressMouseButton(in, MouseButton::Left); }, "L"},
        {"right button", {}, [](In& in) { PressMouseButton(in, MouseButton::Right); }, "R"},
        {"middle button", {}, [](In& in) { PressMouseButton(in, MouseButton::Middle); }, "D"},
        {"other button", {}, [](In& in) { PressMouseButton(in, MouseButton::Other); }, ""},
    };
    for (const auto& c : cases) {
        In input = c.before;
        c.act(input);
        EXPECT_EQ(Flags(input), c.flags) << c.name;
    }
    In input;
    EXPECT_EQ(TogglePause(input, false), PauseChange::Paused);
    EXPECT_EQ(TogglePause(input, false), PauseChange::Resumed);
    EXPECT_EQ(TogglePause(input, true), PauseChange::None);
}

TEST(LevelEntry, TheTypedLevelIsASignedNumberAndTheWarningFollowsTheRange) {
    EXPECT_EQ((std::vector{ParseLevel("+7"), ParseLevel("-9"), ParseLevel("07")}),
              (std::vector<std::optional<int>>{7, -9, 7}));
    for (const char* text : {"+", "7a", " 7", "1.", "1:", "$A", "--1", "99999999999"}) {
        EXPECT_EQ(ParseLevel(text), std::nullopt) << '"' << text << '"';
    }
    // An empty field warns only when it is accepted.
    const struct {
        const char* text;
        bool shownWhileTyping, shownWhenAccepted;
        std::optional<int> level;
    } cases[] = {{"1", false, false, 1},           {"20", false, false, 20},
                 {"+7", false, false, 7},          {"0", true, true, std::nullopt},
                 {"21", true, true, std::nullopt}, {"-5", true, true, std::nullopt},
                 {"ab", true, true, std::nullopt}, {"", false, true, std::nullopt}};
    for (const auto& [text, typing, accepted, level] : cases) {
        EXPECT_EQ(RangeWarningShown(text, EntryMoment::KeyReleased), typing) << '"' << text << '"';
        EXPECT_EQ(RangeWarningShown(text, EntryMoment::Accepting), accepted) << '"' << text << '"';
        EXPECT_EQ(ChosenLevel(text), level) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace quorelin
