// The game loop on the simulated host: pacing, keys, pauses, hold-ups, stops and the
// end-of-level and end-of-game sequences.
#include "game/loop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/support/auto_player.h"
#include "tests/support/recording_view.h"
#include "tests/support/sim_host.h"

namespace quorelin {
namespace {

using testing::AutoPlayer;
using testing::DrawCall;
using testing::RecordingView;
using testing::ScriptedWindow;
using testing::SimHost;

// One game's worth of shared values, host and view.
struct Table {
    explicit Table(int startLevel, double table = 3, std::uint32_t seed = 7) : host(seed) {
        settings.WindowMode = 1;
        settings.ScreenHeight = 768;
        settings.ScreenWidth = 1024;
        state.TableNumber = table;
        state.StartLevel = startLevel;
        host.SetClock(10, 0, 0);
        host.SetTimeLimitMs(6LL * 60 * 60 * 1000);
    }

    void Play() { PlayGame(host, view, settings, state, input); }
    // Runs the action once, at the first pump at which the n-th block of the game is
    // shown falling at that row.
    void AtRow(int block, int row, std::function<void()> action) {
        host.EveryPump([this, block, row, action = std::move(action), done = false]() mutable {
            if (!done && view.blocksEntered() == block && view.falling().active &&
                view.falling().row == row) {
                done = true;
                action();
            }
        });
    }
    // Stops the game as its n-th block comes in.
    void QuitAtBlock(int n) {
        host.EveryPump([this, n] {
            if (view.blocksEntered() >= n) {
                window.Quit();
            }
        });
    }
    // Stops the game once the first block has fallen to this row.
    void QuitAtRow(int row) {
        host.EveryPump([this, row] {
            if (view.falling().row >= row) {
                window.Quit();
            }
        });
    }

    // The falling block's draws of the n-th block of the game (1-based).
    std::vector<DrawCall> StepsOfBlock(int n) const {
        std::vector<DrawCall> steps;
        int previews = 0;
        for (const DrawCall& call : view.calls()) {
            if (call.op == "DrawPreview") {
                ++previews;
            } else if (call.op == "DrawBlock" && previews == n &&
                       (steps.empty() || call.args[0] == steps.front().args[0])) {
                steps.push_back(call);
            }
        }
        return steps;
    }
    // One argument of each of the n-th block's draws: 2 the column, 3 the row.
    std::vector<int> PathOfBlock(int n, std::size_t arg) const {
        std::vector<int> path;
        for (const DrawCall& step : StepsOfBlock(n)) {
            path.push_back(step.args[arg]);
        }
        return path;
    }
    std::int64_t TimeOf(std::string_view op) const {
        const DrawCall* call = view.Last(op);
        return call == nullptr ? -1 : call->atMs;
    }

    Settings settings;
    GameState state;
    InputRequests input;
    SimHost host;
    RecordingView view{host};
    ScriptedWindow window{input};
};

constexpr std::size_t kColumnArg = 2;
constexpr std::size_t kRowArg = 3;

// ---------------------------------------------------------------- pacing of the fall

TEST(FallPace, ABlockFallsARowPerWaitOfItsLevel) {
    // A wait ends at the first clock reading past (StepDelay - 24) / 10 hundredths: 398 at
    // level 1 (4000 ms), 9 from level 18 on (110 and 108 ms). Readings are rounded
    // hundredths, so four steps take four times that within 10 ms.
    const std::vector<std::pair<int, int>> levelDelayMs{
        {1, 4000}, {2, 3000}, {3, 2000}, {4, 1500}, {5, 1100}, {6, 800},  {7, 600},
        {8, 500},  {9, 400},  {10, 360}, {11, 320}, {12, 290}, {13, 260}, {14, 230},
        {15, 200}, {16, 170}, {17, 140}, {18, 110}, {19, 108}, {30, 108}};
    for (const auto& [level, delayMs] : levelDelayMs) {
        Table t(level);
        t.QuitAtRow(5);
        t.Play();
        const std::vector<DrawCall> steps = t.StepsOfBlock(1);
        ASSERT_GE(steps.size(), 5u);
        for (std::size_t i = 1; i < 5; ++i) {
            EXPECT_EQ(steps[i].args[kRowArg], steps[i - 1].args[kRowArg] + 1);
        }
        const int stepMs = ((delayMs - 24) / 10 + 1) * 10;
        EXPECT_NEAR(steps[4].atMs - steps[0].atMs, 4 * stepMs, 9) << "level " << level;
        EXPECT_EQ(t.view.Count("RedrawField"), 0);
    }
}

// ---------------------------------------------------------------- WaitStep

struct WaitFixture : ::testing::Test {
    WaitFixture() { host.SetClock(10, 0, 0); }
    SimHost host;
    InputRequests input;
    ScriptedWindow window{input};
};

TEST(Wait, AWaitHoldsTheGameUpOnlyWhenItRanOverByMoreThanThreeTenthsOfASecond) {
    enum Then { kNothing, kStop, kClockBack };
    struct Case {
        const char* name;
        std::int64_t stallAtMs;
        unsigned stallMs;  // the window was dragged, or the machine busy, this long
        Then then;
        int waitMs;
        std::int64_t endsAtMs;
        int heldUp;
    };
    const std::vector<Case> cases{
        // A wait of 4000 ms holds the game up from 3976 + 300 ms on, in rounded hundredths:
        // 4274 ms reads 427, below the limit of 427.6, and 4275 ms reads 428.
        {"just under 0.30 s over", 3900, 373, kNothing, 4000, 4274, 0},
        {"0.30 s over", 3900, 374, kNothing, 4000, 4275, 1},
        {"a stop ends the wait", 500, 900, kStop, 1100, 1401, 0},
        {"a clock set back ends the wait", 1500, 3000, kClockBack, 2000, 4501, 0},
    };
    for (const Case& c : cases) {
        SimHost host;
        InputRequests input;
        ScriptedWindow window{input};
        host.SetClock(10, 30, 0);  // set back 5 s, the clock stays within the hour
        host.At(c.stallAtMs, [&] {
            host.SleepMs(c.stallMs);
            if (c.then == kStop) {
                window.Quit();
            } else if (c.then == kClockBack) {
                host.JumpClock(-5000);
            }
        });
        WaitStep(host, input, c.waitMs);
        EXPECT_EQ(host.ElapsedMs(), c.endsAtMs) << c.name;
        EXPECT_EQ(input.HeldUp, c.heldUp) << c.name;
    }
}

TEST_F(WaitFixture, APauseHoldsTheWaitUntilAKeyEndsIt) {
    host.At(1000, [&] { window.TogglePause(); });
    host.At(30000, [&] { window.OtherKey(); });
    WaitStep(host, input, 4000);
    EXPECT_EQ(host.ElapsedMs(), 30000);
    EXPECT_EQ(input.Paused, 0);
    EXPECT_EQ(input.OtherKeyRequest, 1) << "the key stays for the loop to read";
    EXPECT_EQ(input.HeldUp, 1);
}

TEST_F(WaitFixture, AWaitRunsOnAcrossTheHourAndMidnight) {
    for (const int hour : {10, 23}) {
        host.SetClock(hour, 59, 58, 0);
        const std::int64_t start = host.ElapsedMs();
        WaitStep(host, input, 4000);
        EXPECT_GT(host.ElapsedMs() - start, 3960) << hour;
        EXPECT_LT(host.ElapsedMs() - start, 3990) << hour;
        EXPECT_EQ(input.HeldUp, 0) << hour;
    }
}

// ---------------------------------------------------------------- requests

TEST(Requests, KeysAreReadLeftRightDropEscapeOtherAndAPendingOneEndsAPause) {
    InputRequests input;
    input.DropRequest = 1;
    input.EscapeRequest = 1;
    input.OtherKeyRequest = 1;
    EXPECT_EQ(ReadInputKey(input), kKeyDrop);
    EXPECT_EQ(input.EscapeRequest + input.OtherKeyRequest + input.DropRequest, 0);
    input.MoveRightRequest = 1;
    input.MoveLeftRequest = 1;
    EXPECT_EQ(ReadInputKey(input), kKeyLeft);
    input.EscapeRequest = 1;
    EXPECT_EQ(ReadInputKey(input), kKeyEscape);
    EXPECT_EQ(ReadInputKey(input), kKeyOther);

    SimHost host;
    input.Paused = 1;
    EXPECT_FALSE(InputPending(host, input));
    EXPECT_EQ(input.Paused, 1);
    input.MoveRightRequest = 1;
    EXPECT_TRUE(InputPending(host, input));
    EXPECT_EQ(input.Paused, 0);
    EXPECT_EQ(host.counters().pumps, 2);
}

// ---------------------------------------------------------------- the fall loop

// from, from + 1, ..., to (or downwards when to < from).
std::vector<int> Rows(int from, int to) {
    const int step = from <= to ? 1 : -1;
    std::vector<int> rows;
    for (int row = from; row != to + step; row += step) {
        rows.push_back(row);
    }
    return rows;
}

using Key = void (ScriptedWindow::*)();
struct KeyAt {
    int block;
    int row;
    Key key;
};

// Level 17 of table 2 with the blocks 3, 6, 5, 5, ...: unsteered, the 3 lands at (5, 19)
// and the 6 makes a correct column on it. The keys are pressed as the blocks pass rows.
std::unique_ptr<Table> DealThreeBlocks(const std::vector<KeyAt>& keys = {}) {
    auto t = std::make_unique<Table>(17, 2);
    t->host.Deal({3, 6, 5});
    for (const KeyAt& k : keys) {
        t->AtRow(k.block, k.row, [&table = *t, key = k.key] { (table.window.*key)(); });
    }
    return t;
}

TEST(FallLoop, APauseCostsOneFloorRiseDuringTheFallOrAtTheLanding) {
    // The 6 is paused for a second at a row. Above row 18 the field and the block rise at
    // once: the block is erased, and its next step down draws it in the same row again;
    // it still lands on the 3. At row 18 the cell below is taken, so the rise waits for
    // the landing, which lifts the 6 off the 3: it is neither scored nor removed.
    struct Case {
        int pauseAtRow;
        std::vector<int> rows;        // the rows the 6 is drawn at
        std::int32_t shownAfterRise;  // what the screen shows at (5, pauseAtRow) then
        std::int32_t score;
    };
    std::vector<int> liftedAtTwo = Rows(1, 17);
    liftedAtTwo.insert(liftedAtTwo.begin() + 2, 2);
    const std::vector<Case> cases{{2, liftedAtTwo, kEmpty, 1}, {18, Rows(1, 18), kMultipleOf3, 0}};
    for (const Case& c : cases) {
        const auto t = DealThreeBlocks();
        t->AtRow(2, c.pauseAtRow, [&table = *t] {
            table.window.TogglePause();
            table.host.After(1000, [&table] { table.window.OtherKey(); });
        });
        std::int32_t shown = -1;
        t->host.EveryPump([&table = *t, &shown, row = c.pauseAtRow] {
            if (shown < 0 && table.view.Count("RedrawField") > 0) {
                shown = table.view.Shown(5, row).kind;
            }
        });
        t->QuitAtBlock(3);
        t->Play();
        const std::vector<DrawCall> redraws = t->view.CallsOf("RedrawField");
        ASSERT_EQ(redraws.size(), 1u) << c.pauseAtRow;
        EXPECT_EQ(redraws[0].args[0], 1);
        EXPECT_EQ(t->view.Shown(3, 19).kind, kFloor);
        EXPECT_EQ(t->PathOfBlock(2, kRowArg), c.rows) << c.pauseAtRow;
        EXPECT_EQ(shown, c.shownAfterRise) << c.pauseAtRow;
        EXPECT_EQ(t->state.LevelScore, c.score) << c.pauseAtRow;
    }
}

TEST(FallLoop, ASidewaysKeyMovesTheBlockOnlyIntoAnEmptyCell) {
    // The 5 is steered around the solved column 3, 6 in column 5 and against the edges.
    struct Case {
        const char* name;
        std::vector<KeyAt> keys;
        int column;  // where the 5 lands, in row 19
    };
    const Key left = &ScriptedWindow::Left;
    const Key right = &ScriptedWindow::Right;
    const std::vector<Case> cases{
        {"against the solved column on the right", {{3, 1, left}, {3, 18, right}}, 4},
        {"against the solved column on the left", {{3, 1, right}, {3, 18, left}}, 6},
        {"against the left edge",
         {{3, 1, left}, {3, 2, left}, {3, 3, left}, {3, 4, left}, {3, 5, left}},
         1},
        {"against the right edge",
         {{3, 1, right}, {3, 2, right}, {3, 3, right}, {3, 4, right}, {3, 5, right}},
         9},
    };
    for (const Case& c : cases) {
        const auto t = DealThreeBlocks(c.keys);
        t->QuitAtBlock(4);
        t->Play();
        const std::vector<DrawCall> steps = t->StepsOfBlock(3);
        ASSERT_FALSE(steps.empty()) << c.name;
        EXPECT_EQ(steps.back().args, (std::vector<std::int32_t>{5, kMultipleOf5, c.column, 19}))
            << c.name;
        EXPECT_EQ(t->view.Shown(5, 18).kind, kSolved) << c.name;
    }
}

TEST(FallLoop, AQuickDropOfMoreThanThreeRowsEarnsAPointMore) {
    // The 6 is dropped onto the 3 from a row; it lands in row 18.
    for (const auto& [dropAtRow, score] : {std::pair{14, 2}, std::pair{15, 1}}) {
        const auto t = DealThreeBlocks({{2, dropAtRow, &ScriptedWindow::Down}});
        t->QuitAtBlock(3);
        t->Play();
        EXPECT_EQ(t->view.Shown(5, 18).kind, kSolved) << dropAtRow;
        EXPECT_EQ(t->state.LevelScore, score) << "dropped from row " << dropAtRow;
    }
}

TEST(FallLoop, TwoQuickSidewaysPressesMoveTheBlockOnce) {
    // Left, and 50 ms later left or right again: one column left, and the second press
    // only ends the move's wait, so the block falls on at once.
    for (const bool secondIsRight : {false, true}) {
        Table t(1);
        bool pressed = false;
        std::int64_t secondPress = 0;
        t.host.EveryPump([&] {
            if (!pressed && t.view.falling().row == 2) {
                pressed = true;
                t.host.After(500, [&] { t.window.Left(); });
                t.host.After(550, [&] {
                    secondIsRight ? t.window.Right() : t.window.Left();
                    secondPress = t.host.ElapsedMs();
                });
            }
        });
        t.QuitAtRow(5);
        t.Play();
        EXPECT_EQ(t.PathOfBlock(1, kColumnArg), (std::vector<int>{5, 5, 4, 4, 4, 4}));
        const std::vector<DrawCall> steps = t.StepsOfBlock(1);
        ASSERT_GE(steps.size(), 4u);
        EXPECT_EQ(steps[3].args[kRowArg], 3);
        EXPECT_EQ(steps[3].atMs, secondPress);
    }
}

TEST(FallLoop, ADropKeyReadByTheFallLoopItselfDoesNotDrop) {
    // The pumps after a fall step's wait: the wait's own last poll, then the fall loop's
    // check for a move (a drop there drops all 17 rows), then its check before stepping
    // down (a drop there is read by the fall loop and only steers the block on).
    for (const auto& [pumpInARow, rowsAtOnce] : {std::pair{2, 17}, std::pair{3, 1}}) {
        Table t(1);
        std::int64_t pressedAt = -1;
        t.host.EveryPump([&, pumpInARow = pumpInARow] {
            if (pressedAt < 0 && t.view.falling().row == 2 &&
                t.host.counters().pumpsInARow == pumpInARow) {
                pressedAt = t.host.ElapsedMs();
                t.window.Down();
            }
            if (t.host.ElapsedMs() > 30000) {
                t.window.Quit();
            }
        });
        t.QuitAtRow(5);
        t.Play();
        int rows = 0;
        for (const DrawCall& step : t.StepsOfBlock(1)) {
            rows += step.atMs == pressedAt ? 1 : 0;
        }
        EXPECT_EQ(rows, rowsAtOnce) << "drop at pump " << pumpInARow;
    }
}

TEST(FallLoop, AStopThatArrivesWithAKeyStillStopsTheGame) {
    Table t(1);
    t.host.At(9000, [&] {
        t.window.Left();
        t.window.Quit();
    });
    t.Play();
    EXPECT_LT(t.host.ElapsedMs(), 9100);
    EXPECT_EQ(t.state.StartLevel, 2);
}

// ---------------------------------------------------------------- stopping a game

TEST(Stop, EscEndsTheGameWithTheLevelsPointsCountedAndTheNextLevelReached) {
    Table t(3);
    bool escaped = false;
    std::int32_t shownScore = -1;
    // Esc as a block comes in, before the player steers it (a key pressed together
    // with another is lost, and one during a sideways move's wait is swallowed).
    t.host.EveryPump([&] {
        if (!escaped && t.view.shownStill() >= 0 && t.view.shownStill() <= 11) {
            escaped = true;
            shownScore = t.view.Last("ShowScore")->args[0];
            t.window.Escape();
        }
    });
    AutoPlayer player(t.host, t.view, t.input, t.state);
    player.Attach();
    t.Play();
    ASSERT_TRUE(escaped);
    EXPECT_GE(shownScore, 4);
    EXPECT_EQ(t.state.LevelScore, shownScore);
    EXPECT_EQ(t.state.StartLevel, 4);
    EXPECT_EQ(t.state.GameOver, 0);
    EXPECT_EQ(t.input.StopGame, 1);
    EXPECT_EQ(t.view.Count("MarkGameEnded"), 0);
}

// ---------------------------------------------------------------- the end of a game

// A game at level 19 with nobody steering: the blocks pile up in the middle column
// until the field is full. The player leaves the game-over screen a while after it is
// shown, with any key or with the exit button, or leaves the window once the game-over
// sequence has shown this many curtain steps.
struct Ending {
    bool slow = false;
    int deactivateAfterStep = -1;
    std::int64_t leaveAfterMs = 250;
    // The exit button only sets LeaveGameOver (and StopGame). The player used it to end
    // the game before as well, which left LeaveGameOver set.
    bool byExitButton = false;
};

std::unique_ptr<Table> PlayUntilFull(const Ending& ending) {
    auto t = std::make_unique<Table>(19);
    t->settings.SlowMachine = ending.slow ? 1 : 0;
    t->input.LeaveGameOver = ending.byExitButton ? 1 : 0;
    t->host.EveryPump([&table = *t, ending, left = false]() mutable {
        if (table.view.gameOverShown() && !left) {
            left = true;
            table.host.At(table.TimeOf("ShowGameOver") + ending.leaveAfterMs, [&table, ending] {
                ending.byExitButton ? table.window.Quit() : table.window.OtherKey();
            });
        }
        if (table.view.Count("MarkGameEnded") > 0 &&
            table.view.Count("CloseCurtain") == ending.deactivateAfterStep) {
            table.window.Deactivate();
        }
    });
    t->Play();
    return t;
}

TEST(GameOver, AFullFieldEndsTheGameWithTheCurtainAndTheGameOverScreen) {
    // Normal: 3 blinks of 100 ms, 4 x (120 + 8), 300 + 8 + 420 + 8, 9 x (17 + 12), 300.
    // Slow machine: 3 x 100, 4 x (100 + 8), 180 + 8 + 300 + 8, no curtain sleeps, 300.
    // "Game Over" then blinks yellow and red, 400 ms each, until a 100 ms check finds a
    // key or LeaveGameOver. The exit button, pressed at 850 ms, runs in the pump of the
    // check at 900 ms, which asks for keys only; the check at 1000 ms sees its flag.
    struct Case {
        Ending ending;
        std::int64_t sequenceMs;
        std::int64_t shownMs;
        std::vector<std::int32_t> blinks;  // 1 yellow, 0 red
    };
    const std::vector<Case> cases{
        {{.slow = false}, 2109, 300, {1}},
        {{.slow = true}, 1528, 300, {1}},
        {{.leaveAfterMs = 850, .byExitButton = true}, 2109, 1000, {1, 0, 1}}};
    for (const Case& c : cases) {
        const auto t = PlayUntilFull(c.ending);
        EXPECT_EQ(t->state.GameOver, 1);
        EXPECT_EQ(t->state.StartLevel, 19) << "a lost level is not passed";
        const std::vector<DrawCall> curtain = t->view.CallsOf("CloseCurtain");
        ASSERT_EQ(curtain.size(), 9u);
        for (int step = 1; step <= 9; ++step) {
            EXPECT_EQ(curtain[static_cast<std::size_t>(step - 1)].args[0], step);
        }
        EXPECT_EQ(t->TimeOf("ShowGameOver") - t->TimeOf("MarkGameEnded"), c.sequenceMs);
        // The still-needed display blinks 0 three times, then stays at 0.
        std::vector<std::int32_t> still;
        std::vector<std::int32_t> blinks;
        const std::int64_t endedAt = t->TimeOf("MarkGameEnded");
        for (const DrawCall& call : t->view.calls()) {
            if (call.atMs >= endedAt && call.op == "ShowStill") {
                still.push_back(call.args[0]);
            } else if (call.op == "BlinkGameOver") {
                blinks.push_back(call.args[0]);
            }
        }
        EXPECT_EQ(still, (std::vector<std::int32_t>{0, -1, 0, -1, 0, -1, 0}));
        EXPECT_EQ(blinks, c.blinks);
        EXPECT_EQ(t->host.ElapsedMs() - t->TimeOf("ShowGameOver"), c.shownMs);
        EXPECT_EQ(t->input.LeaveGameOver, 0);
    }
}

TEST(GameOver, ALeftWindowCutsTheSequenceShortAndShowsNoGameOverScreen) {
    // Left right after the pause button changed, between curtain steps, and during the
    // last step: the sequence ends at the next check, the curtain step's 29 ms on.
    for (const int step : {0, 3, 9}) {
        const auto t = PlayUntilFull({.deactivateAfterStep = step});
        EXPECT_EQ(t->state.GameOver, 1);
        EXPECT_EQ(t->view.Count("CloseCurtain"), step);
        EXPECT_EQ(t->view.Count("ShowGameOver"), 0) << step;
        const DrawCall& last = t->view.calls().back();
        EXPECT_EQ(last.op, step == 0 ? "MarkGameEnded" : "CloseCurtain") << step;
        EXPECT_EQ(t->host.ElapsedMs() - last.atMs, step == 0 ? 0 : 29) << step;
    }
}

// ---------------------------------------------------------------- whole games

// Level 1 played well, then level 2 given up after three columns, so the field fills.
std::unique_ptr<Table> PlayTwoLevels() {
    auto t = std::make_unique<Table>(1, 4, 11);
    AutoPlayer player(t->host, t->view, t->input, t->state);
    player.GiveUpAt(2, 12);
    player.Attach();
    t->Play();
    return t;
}

// ---------------------------------------------------------------- the end of a level

// A level of table 2 played by the scripted player with dealt blocks: nine pairs n, 2n,
// one per column from the left, which make a band; then bombs, each raising the floor a
// row; then six pairs more. So the level ends well within a minute with 17 - bombs empty
// rows. The game stops as the next level begins.
std::unique_ptr<Table> PlayLevelOfPairs(int level, int bombs, const Settings& settings) {
    static constexpr std::array<std::pair<int, int>, 5> kPairs{
        {{1, 2}, {3, 6}, {2, 4}, {5, 10}, {4, 8}}};
    std::vector<int> deal;
    for (int pair = 0; pair < 15; ++pair) {
        for (int bomb = 0; pair == 9 && bomb < bombs; ++bomb) {
            deal.push_back(999 + bomb);
        }
        const auto& [n, product] = kPairs[static_cast<std::size_t>(pair % 5)];
        deal.insert(deal.end(), {n, product});
    }
    auto t = std::make_unique<Table>(level, 2);
    t->settings = settings;
    t->host.Deal(deal);
    AutoPlayer player(t->host, t->view, t->input, t->state);
    player.StopAtLevel(level + 1);
    player.Attach();
    t->Play();
    return t;
}

Settings Screen(int width, int height, int mode, bool slow = false) {
    Settings settings;
    settings.ScreenWidth = width;
    settings.ScreenHeight = height;
    settings.WindowMode = static_cast<std::uint8_t>(mode);
    settings.SlowMachine = slow ? 1 : 0;
    return settings;
}

TEST(LevelEnd, TheScoreCountsUpThroughEmptyRowsAndTierWithLabelsByScreen) {
    // At 1024 x 768 full screen both labels show from the first curtain row; elsewhere
    // "next level" needs more than 5 empty rows and the bonus more than 3. The tier is
    // counted up with a wait of 22 ms after each point below 20, after every fourth point
    // below 40, and of 3 ms after every fourth point from 40 on; none on a slow machine.
    struct Case {
        int level;
        Settings screen;
        int bombs;
        int emptyRows;
        std::int32_t tier;
        bool nextLevelShown;
        bool bonusShown;
        int pointWaitMs;
        int countUpMs;
    };
    const std::vector<Case> cases{
        {12, Screen(1024, 768, 1), 14, 3, 12, true, true, 22, 12 * 22},
        {13, Screen(1024, 768, 2), 14, 3, 20, false, false, 22, 5 * 22},
        {15, Screen(640, 768, 1), 12, 5, 40, false, true, 3, 10 * 3},
        {16, Screen(800, 600, 1, true), 11, 6, 50, true, true, 0, 0},
    };
    for (const Case& c : cases) {
        const auto t = PlayLevelOfPairs(c.level, c.bombs, c.screen);
        const RecordingView& view = t->view;
        // The game stops at the next level's first block, so the log holds one level end,
        // which begins with "still 0".
        const auto begin = std::find_if(view.calls().begin(), view.calls().end(), [](auto& call) {
            return call.op == "ShowStill" && call.args[0] == 0;
        });
        ASSERT_NE(begin, view.calls().end()) << c.level;
        std::vector<std::int32_t> scores;
        std::vector<std::int64_t> times;
        for (auto call = begin; call != view.calls().end(); ++call) {
            if (call->op == "ShowScore") {
                scores.push_back(call->args[0]);
                times.push_back(call->atMs);
            }
        }
        // The score before the bonus, one point more per empty row and per tier point, and
        // the next level starting from there.
        ASSERT_FALSE(scores.empty());
        std::vector<std::int32_t> counted =
            Rows(scores.front(), scores.front() + c.emptyRows + c.tier);
        counted.push_back(counted.back());
        EXPECT_EQ(scores, counted) << c.level;
        EXPECT_EQ(t->state.LevelScore, counted.back());
        for (int point = 1; point < c.tier; ++point) {
            const std::size_t i = static_cast<std::size_t>(c.emptyRows + point);
            const bool waits = c.tier < 20 || point % 4 == 0;
            EXPECT_EQ(times[i + 1] - times[i], waits ? c.pointWaitMs : 0)
                << c.level << " point " << point;
        }
        EXPECT_EQ(view.Count("DrawCurtainBar"), c.emptyRows + 19) << c.level;
        EXPECT_EQ(view.Count("ShowNextLevel"), c.nextLevelShown ? 19 : 0) << c.level;
        EXPECT_EQ(view.Count("ShowBonus"), (c.bonusShown ? 19 : 0) + 1) << c.level;  // and after
        EXPECT_EQ(view.Last("ShowBonus")->args[0], c.tier);
        if (c.nextLevelShown) {
            EXPECT_EQ(view.Last("ShowNextLevel")->args[0], c.level + 1);
        }
        // Eight blinks of the next level, green 240 ms and yellow 260 ms.
        const std::vector<DrawCall> blinks = view.CallsOf("BlinkNextLevel");
        ASSERT_EQ(blinks.size(), 16u);
        for (std::size_t i = 0; i < blinks.size(); ++i) {
            EXPECT_EQ(blinks[i].args, (std::vector<std::int32_t>{c.level + 1, i % 2 == 0 ? 1 : 0}));
            if (i > 0) {
                EXPECT_EQ(blinks[i].atMs - blinks[i - 1].atMs, i % 2 == 1 ? 240 : 260);
            }
        }
        std::vector<int> wipes;
        for (const DrawCall& call : view.CallsOf("WipeRow")) {
            wipes.push_back(call.args[0]);
        }
        EXPECT_EQ(wipes, Rows(19, 3));
        EXPECT_EQ(view.Count("WipeField"), 1);
        // A row's beat per empty row, 0.5 s, 19 curtain rows and one beat more, the count-up,
        // the blinks, 18 rows wiped and 0.5 s of black field.
        const bool slow = c.screen.SlowMachine == 1;
        const int rowMs = slow ? 1 : 20;
        const int curtainMs = slow ? 1 : 40;
        EXPECT_EQ(
            t->TimeOf("SetUpHeading") - begin->atMs,
            c.emptyRows * rowMs + 500 + 20 * curtainMs + c.countUpMs + 8 * 500 + 18 * rowMs + 500)
            << c.level;
    }
}

TEST(LevelEnd, ABandCountsTheScoreUpPointByPoint) {
    // The ninth pair completes a band: its 8 points show one at a time, 30 ms apart (3 ms
    // on a slow machine), before the next block comes in with the score they reached.
    for (const bool slow : {false, true}) {
        const auto t = PlayLevelOfPairs(17, 0, Screen(1024, 768, 1, slow));
        const std::vector<DrawCall>& calls = t->view.calls();
        const auto isScore = [](const DrawCall& call) { return call.op == "ShowScore"; };
        // A block shows the score once, so the first scores in a row are the band's.
        const auto first = std::adjacent_find(
            calls.begin(), calls.end(),
            [&](const DrawCall& a, const DrawCall& b) { return isScore(a) && isScore(b); });
        ASSERT_NE(first, calls.end());
        const auto last = std::find_if_not(first, calls.end(), isScore) - 1;
        ASSERT_EQ(last - first, 7) << slow;
        for (auto call = first + 1; call <= last; ++call) {
            EXPECT_EQ(call->args[0], (call - 1)->args[0] + 1) << slow;
            EXPECT_EQ(call->atMs - (call - 1)->atMs, slow ? 3 : 30) << slow;
        }
        const auto next = std::find_if(last + 1, calls.end(), isScore);
        ASSERT_NE(next, calls.end());
        EXPECT_EQ(next->args[0], last->args[0]);
    }
}

TEST(WholeGame, AGameFromLevelOneToAFullFieldEndsWithTheTotalAndNeverSpins) {
    const auto t = PlayTwoLevels();
    EXPECT_EQ(t->state.GameOver, 1);
    EXPECT_EQ(t->state.StartLevel, 2);
    // The lost level's points count. After the last score shown, which holds level 1 and
    // the columns of level 2, only the last block can have made a column.
    const std::int32_t lastShown = t->view.Last("ShowScore")->args[0];
    EXPECT_GE(lastShown, 15 + 3);
    EXPECT_GE(t->state.LevelScore, lastShown);
    EXPECT_LE(t->state.LevelScore, lastShown + 1);

    const auto& c = t->host.counters();
    EXPECT_GT(c.nowCalls, 10000);
    // Every clock poll of a wait is followed by an idle wait. Back-to-back reads come
    // only from the stamps around waits that a key ends at once (the scripted player
    // answers at the first pump); a wait that spun would read thousands.
    EXPECT_LE(c.mostReadsWithoutTime, 50);
    EXPECT_GE(c.idleWaits * 100, c.nowCalls * 90);
}
TEST(WholeGame, ASlowCorrectColumnAnimationHoldsTheGameUp) {
    // Its six sleeps of 1 ms, each 132 ms over, take 0.798 s: no hold-up; 135 ms over
    // take 0.816 s, more than 0.80 s.
    for (const unsigned overrun : {132u, 135u}) {
        Table t(1, 4, 11);
        t.host.SetSleepOverrunMs(overrun);
        AutoPlayer player(t.host, t.view, t.input, t.state);
        player.Attach();
        int solvedBlock = 0;
        t.host.EveryPump([&] {
            if (solvedBlock == 0 && t.view.Count("DrawSolved") > 0) {
                solvedBlock = t.view.blocksEntered();
            }
            if (solvedBlock > 0 && t.view.blocksEntered() > solvedBlock &&
                t.view.falling().row >= 4) {
                t.window.Quit();
            }
        });
        t.Play();
        ASSERT_GT(solvedBlock, 0);
        EXPECT_EQ(t.view.Count("RedrawField"), overrun == 135u ? 1 : 0) << overrun;
    }
}

}  // namespace
}  // namespace quorelin
