// The rules without the loop: the table game on a bare field with scripted numbers, the
// play window's key rule and the level window's typed level.
#include "game/rules.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "game/level_entry.h"
#include "game/play_input.h"

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

// Logs the bands the rules clear, with the score shown before each.
struct Events : NullRuleEvents {
    std::string log;
    void BandScored(int row, std::int32_t before) override {
        log += "Band " + std::to_string(row) + " from " + std::to_string(before) + "; ";
    }
    void BandRowsMoved(const PlayField&, int row) override {
        log += "Moved " + std::to_string(row) + "; ";
    }
};

using Numbers = std::vector<std::int32_t>;
using Relief = std::array<std::int32_t, 5>;

const auto Num = [](std::int32_t n) { return Cell{n, ColourClass(n)}; };
const Cell kSolvedCell{1, kSolved};

// The rules of a table-3 game on a freshly reset field.
struct RulesTest : ::testing::Test {
    RulesTest() {
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
    GameState state;
    InputRequests input;
    ScriptedRandom random;
    Events events;
    Rules rules{state, input, random, events};
};

TEST_F(RulesTest, LevelSetUpSeedsTheRandomSourceAndStartsAfresh) {
    FillRow(7, Num(4));
    FillRow(20, Cell{});
    rules.level.CorrectColumns = rules.level.RaisedRows = state.LevelScore = 7;
    state.GameOver = input.HeldUp = 1;
    rules.ResetField();
    for (int row = 1; row <= 20; ++row) {
        EXPECT_TRUE(RowIs(row, row == 20 ? kFloor : kEmpty)) << row;
    }
    EXPECT_EQ((Numbers{random.seeds, rules.level.CorrectColumns, rules.level.RaisedRows,
                       state.LevelScore, state.GameOver, input.HeldUp}),
              (Numbers{2, 0, 0, 0, 0, 0}));  // seeded here and as the game was made
}

TEST_F(RulesTest, StoneRowsFollowTheLevelAndTheReliefOfItsBand) {
    const Relief none{}, full{2, 2, 2, 3, 3}, distinct{0, 1, 2, 3, 4}, beyond{0, 0, 0, 0, 8};
    // The relief, the level, the stone rows from row 19 up.
    const std::tuple<Relief, int, int> cases[] = {
        {none, 17, 0},     {none, 18, 1},     {none, 20, 3},     {none, 21, 5},
        {none, 24, 5},     {none, 25, 7},     {none, 40, 8},     {full, 25, 5},
        {full, 45, 5},     {distinct, 29, 7}, {distinct, 30, 6}, {distinct, 34, 6},
        {distinct, 35, 5}, {distinct, 39, 5}, {distinct, 40, 5}, {distinct, 44, 5},
        {distinct, 45, 4}, {beyond, 45, 0}};  // top row 20: nothing to place
    for (const auto& [relief, level, rows] : cases) {
        rules.game.StoneRelief = relief;
        rules.ResetField();
        rules.PlaceStones(level);
        for (int row = 1; row <= 19; ++row) {
            EXPECT_TRUE(RowIs(row, row > 19 - rows ? kStone : kEmpty))
                << "level " << level << " relief " << relief[4] << " row " << row;
        }
    }
}

TEST_F(RulesTest, NextNumberComesFromTheProductListOrThePlainRange) {
    // The colour class is decided by 5, then 4, 3 and 2.
    for (const auto& [n, colourClass] : std::vector<std::pair<int, int>>{
             {20, 5}, {15, 5}, {12, 6}, {8, 6}, {6, 2}, {9, 2}, {14, 3}, {1, 7}, {7, 7}}) {
        EXPECT_EQ(ColourClass(n), colourClass) << n;
    }
    // On an empty field a number is plain: k = 1 asks for 1..R, R by level.
    for (const auto& [level, range] : std::vector<std::pair<int, int>>{
             {20, 10}, {21, 11}, {29, 19}, {30, 5}, {31, 20}, {40, 29}, {41, 30}}) {
        random.asked.clear();
        random.script = {1, 4};
        EXPECT_EQ(rules.PickNextBlock(level).colourClass, 6);
        EXPECT_EQ(random.asked, (std::vector<std::pair<int, int>>{{1, 9}, {1, range}})) << level;
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
    EXPECT_EQ(Draw({1, 9, 2, 9, 3, 9, 4, 9, 5, 9, 6, 9, 7, 9, 8, 9, 9, 9}), Numbers(9, 9));
    // Seven blocks: the choices k = 1 and 2 stay plain.
    for (int col = 1; col <= 7; ++col) {
        at(col, 19) = Num(col);
    }
    EXPECT_EQ(Draw({1, 5, 2, 6, 3}), (Numbers{5, 6, 21}));
    // Eight blocks: k = 9 .. 2 give the entries in order, and k = 1 falls on the eighth.
    at(8, 19) = Num(8);
    EXPECT_EQ(Draw({9, 8, 7, 6, 5, 4, 3, 2, 1}), (Numbers{3, 6, 9, 12, 15, 18, 21, 24, 24}));
    // The list keeps the first nine found, column by column from the top: 100 above 9
    // pushes 9 out. A product past 32 bits stays the largest number, a bomb.
    at(9, 19) = Num(9);
    at(9, 18) = Num(100);
    EXPECT_EQ(Draw({1}), (Numbers{300}));
    state.TableNumber = 20;
    at(9, 18) = Num(200'000'000);
    EXPECT_EQ(Draw({1}), (Numbers{std::numeric_limits<std::int32_t>::max()}));
}

TEST_F(RulesTest, FloorRisesMoveTheFieldUpUntilRowOneIsFull) {
    at(3, 19) = Num(4);
    at(3, 1) = Num(8);
    EXPECT_TRUE(rules.FieldFull());  // any block in row 1
    rules.RaiseFloor();
    EXPECT_EQ((Numbers{at(3, 18).value, at(3, 1).kind}), (Numbers{4, kEmpty}));  // lost at top
    at(3, 18) = Cell{};
    for (int rise = 2; rise <= 20; ++rise) {  // the 20th never writes above the field
        rules.RaiseFloor();
        EXPECT_TRUE(RowIs(std::max(1, 20 - rise), kFloor)) << rise;
        EXPECT_EQ(rules.FieldFull(), rise >= 19) << rise;
    }
}

TEST_F(RulesTest, SolvedBandsAreClearedAndTheScanGoesOnOverTheChangedField) {
    rules.game.TotalScore = 30;
    state.LevelScore = 4;
    for (const int row : {12, 16, 17, 18, 19}) {
        FillRow(row, kSolvedCell);
    }
    at(2, 15) = Num(5);
    at(6, 1) = Num(7);
    at(6, 2) = Num(8);
    rules.ClearSolvedBands(5);
    EXPECT_EQ(events.log, "Band 16 from 34; Moved 16; Band 18 from 42; Moved 18; ");
    EXPECT_EQ(state.LevelScore, 20);
    EXPECT_TRUE(RowIs(16, kSolved));  // row 12, moved down twice, the block from row 15 and
    EXPECT_EQ((Numbers{at(2, 19).value, at(6, 5).value, at(6, 6).value}),  // those of rows 1, 2
              (Numbers{5, 7, 8}));
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
    EXPECT_EQ(events.log, "Band 18 from 30; Moved 18; ");
}

TEST(LevelTimeTest, TheTierFallsWithTheSecondsTheLevelTook) {
    EXPECT_EQ(MakeTimeOfDay(0, 0, 0, 995).hundredths, 100);  // rounded milliseconds
    // Whole seconds, hundredths ignored, across midnight, at most 7000.
    EXPECT_EQ((Numbers{ElapsedSeconds({10, 0, 0, 99}, {10, 1, 0, 0}),
                       ElapsedSeconds({23, 59, 0, 0}, {0, 0, 30, 0}),
                       ElapsedSeconds({10, 0, 0, 0}, {12, 0, 0, 0})}),
              (Numbers{60, 90, 7000}));
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

TEST_F(RulesTest, AFinishedLevelEarnsEmptyRowsPlusTierAndSlowLevelsWithdrawTheRelief) {
    rules.level.CorrectColumns = 14;
    state.LevelScore = 20;
    EXPECT_FALSE(rules.LevelComplete(20, {10, 0, 0, 0}, {10, 0, 30, 0}));
    rules.level.CorrectColumns = 15;
    ASSERT_TRUE(rules.LevelComplete(1, {10, 0, 0, 0}, {10, 0, 30, 0}));  // cleared by a band
    EXPECT_EQ((Numbers{rules.Bonus().EmptyRows, state.LevelScore}), (Numbers{19, 20 + 19 + 1}));
    at(4, 19) = Num(2);
    at(4, 18) = kSolvedCell;                                              // 17 empty rows left
    ASSERT_TRUE(rules.LevelComplete(20, {23, 59, 0, 0}, {0, 0, 45, 0}));  // 105 s
    EXPECT_EQ((Numbers{rules.Bonus().ElapsedSeconds, rules.Bonus().EmptyRows,
                       rules.Bonus().TimeTier, state.LevelScore}),
              (Numbers{105, 17, 50, 40 + 17 + 50}));

    // A game keeps the relief of a band when it starts at 12, 13, 14, 15, 16 or higher.
    for (const auto& [start, relief] : std::vector<std::pair<int, Relief>>{
             {11, {}}, {12, {2, 0, 0, 0, 0}}, {15, {2, 2, 2, 3, 0}}, {16, {2, 2, 2, 3, 3}}}) {
        rules.StartGameValues(start);
        EXPECT_EQ(rules.game.StoneRelief, relief) << "start " << start;
    }
    // Each level over 100 s withdraws the relief of one more band from the top (the level,
    // its seconds, the slow levels so far, the relief left); any level up to 10 all of it.
    rules.game.SlowLevelCount = 3;  // left from an earlier game
    rules.StartGameValues(16);
    const std::tuple<int, int, int, Relief> steps[] = {
        {16, 100, 0, {2, 2, 2, 3, 3}},  {17, 101, 1, {2, 2, 2, 3, 0}},
        {18, 3600, 2, {2, 2, 2, 0, 0}}, {19, 50, 2, {2, 2, 2, 0, 0}},
        {20, 300, 3, {2, 2, 0, 0, 0}},  {21, 300, 4, {2, 0, 0, 0, 0}},
        {22, 300, 5, {0, 0, 0, 0, 0}},  {23, 300, 6, {0, 0, 0, 0, 0}}};
    for (const auto& [level, seconds, slowLevels, relief] : steps) {
        rules.LevelComplete(level, {10, 0, 0, 0},
                            {10 + seconds / 3600, seconds / 60 % 60, seconds % 60, 0});
        EXPECT_EQ(rules.game.SlowLevelCount, slowLevels) << "level " << level;
        EXPECT_EQ(rules.game.StoneRelief, relief) << "level " << level;
    }
    rules.StartGameValues(16);
    rules.LevelComplete(11, {}, {});
    EXPECT_EQ(rules.game.StoneRelief, (Relief{2, 2, 2, 3, 3}));
    rules.LevelComplete(10, {}, {});
    EXPECT_EQ(rules.game.StoneRelief, Relief{});
}

// The flags a key press sets on a paused game in English, Spanish, Dutch, Frisian and
// German, as letters (L R D E the moves and Escape, O any other key, H paused, U held up, S
// stopped, G the game-over screen left), and what it leaves to the window: "+pause",
// "+panel", or "+other" (the running caption); one effect when all five are the same.
std::string Effects(GameKey key, bool gameEnded = false) {
    std::string effects[5];
    for (int language = 1; language <= 5; ++language) {
        InputRequests in{.Paused = 1};
        const auto role = static_cast<std::size_t>(PressKey(in, key, language, gameEnded));
        const int flags[] = {in.MoveLeftRequest, in.MoveRightRequest, in.DropRequest,
                             in.EscapeRequest,   in.OtherKeyRequest,  in.Paused,
                             in.HeldUp,          in.StopGame,         in.LeaveGameOver};
        for (std::size_t i = 0; i < std::size(flags); ++i) {
            effects[language - 1] += flags[i] == 1 ? std::string(1, "LRDEOHUSG"[i]) : "";
        }
        effects[language - 1] += std::array{"", "+other", "+pause", "+panel", "+other+panel"}[role];
    }
    const bool same = std::count(std::begin(effects), std::end(effects), effects[0]) == 5;
    return same ? effects[0]
                : effects[0] + " " + effects[1] + " " + effects[2] + " " + effects[3] + " " +
                      effects[4];
}

TEST(KeyRule, EachKeyHasItsEffectInEachLanguage) {
    // Only the Frisian instructions button answers to Y; elsewhere it is also any key. The
    // exit captions of languages 2..5 have S as their accelerator.
    std::string all;
    for (const GameKey key :
         {GameKey::Left, GameKey::Right, GameKey::Down, GameKey::Escape, GameKey::Other, GameKey::P,
          GameKey::I, GameKey::X, GameKey::Y, GameKey::S}) {
        all += Effects(key) + " | ";
    }
    EXPECT_EQ(all,
              "LH | RH | DH | EH | O+other | H+pause | H+panel | HSG | O+other+panel O+other+panel "
              "O+other+panel H+panel O+other+panel | H HSG HSG HSG HSG | ");
    // Once the game has ended, every key leaves the game-over screen.
    EXPECT_EQ(Effects(GameKey::S, true) + " " + Effects(GameKey::Left, true) + " " +
                  Effects(GameKey::P, true),
              "HSG LHSG HSG+pause");
    // A new showing starts with no key of the last game waiting: a stale drop would drop
    // the first block unasked.
    InputRequests stale{1, 1, 1, 1, 1, 1, 0, 0, 0, 1};
    ForgetRequests(stale);
    EXPECT_EQ(stale.MoveLeftRequest + stale.MoveRightRequest + stale.DropRequest +
                  stale.EscapeRequest + stale.OtherKeyRequest + stale.Paused +
                  stale.WindowDeactivated,
              0);
}

TEST(LevelEntry, TheTypedLevelIsASignedNumberAndTheWarningFollowsTheRange) {
    // The warning while typing and when accepted, and the level chosen; an empty field
    // warns only when it is accepted.
    const std::tuple<const char*, bool, bool, std::optional<int>> cases[] = {
        {"1", false, false, 1},  {"20", false, false, 20}, {"+7", false, false, 7},
        {"07", false, false, 7}, {"0", true, true, {}},    {"21", true, true, {}},
        {"-5", true, true, {}},  {"", false, true, {}},    {"7a", true, true, {}},
        {"1:", true, true, {}},  {"--1", true, true, {}},  {"99999999999", true, true, {}}};
    for (const auto& [text, typing, accepted, level] : cases) {
        EXPECT_EQ((std::tuple{RangeWarningShown(text, EntryMoment::KeyReleased),
                              RangeWarningShown(text, EntryMoment::Accepting), ChosenLevel(text)}),
                  (std::tuple{typing, accepted, level}))
            << '"' << text << '"';
    }
}

}  // namespace
}  // namespace quorelin
