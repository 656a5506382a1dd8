// The game loop on the simulated host: pacing, keys, pauses, hold-ups, stops and the
// end-of-level and end-of-game sequences.
#include "game/loop.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>
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
    // One argument of each of the first block's draws: 2 the column, 3 the row.
    std::vector<int> FirstBlockPath(std::size_t arg) const {
        std::vector<int> path;
        for (const DrawCall& step : StepsOfBlock(1)) {
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
    // level 1 (4000 ms) and 9 from level 19 on (108 ms). Readings are rounded hundredths,
    // so a step takes that within 10 ms either way.
    for (const auto& [level, stepMs] : {std::pair{1, 3980}, std::pair{19, 90}}) {
        Table t(level);
        t.QuitAtRow(5);
        t.Play();
        const std::vector<DrawCall> steps = t.StepsOfBlock(1);
        ASSERT_GE(steps.size(), 5u);
        for (std::size_t i = 1; i < 5; ++i) {
            EXPECT_EQ(steps[i].args[kRowArg], steps[i - 1].args[kRowArg] + 1);
            EXPECT_NEAR(steps[i].atMs - steps[i - 1].atMs, stepMs, 9) << "level " << level;
        }
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

TEST(Wait, AWaitHoldsTheGameUpOnlyWhenItRanOverByMoreThanAThirdOfASecond) {
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
        {"0.2 s over", 3900, 200, kNothing, 4000, 4101, 0},
        {"0.4 s over", 3900, 400, kNothing, 4000, 4301, 1},
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

TEST_F(WaitFixture, AWaitIdlesBetweenItsPolls) {
    WaitStep(host, input, 4000);
    const auto& c = host.counters();
    EXPECT_GE(c.idleWaits, 3960);
    // Two start stamps, the last poll and the end stamp go without an idle wait.
    EXPECT_EQ(c.nowCalls, c.idleWaits + 4);
    EXPECT_EQ(c.pumps, c.idleWaits + 1) << "every poll lets the window's messages run";
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

TEST(FallLoop, APauseDuringAFallCostsOneFloorRiseAndLiftsTheBlockOneRow) {
    Table t(1);
    bool paused = false;
    t.host.EveryPump([&] {
        if (!paused && t.view.falling().row == 3) {
            paused = true;
            t.host.After(1000, [&] { t.window.TogglePause(); });
            t.host.After(60000, [&] { t.window.OtherKey(); });
        }
    });
    t.QuitAtRow(6);
    t.Play();

    const std::vector<DrawCall> redraws = t.view.CallsOf("RedrawField");
    ASSERT_EQ(redraws.size(), 1u);
    EXPECT_EQ(redraws[0].args[0], 1);
    EXPECT_EQ(t.view.Shown(3, 19).kind, kFloor);
    // After the pause the block is drawn at row 3 again: it rose with the field.
    EXPECT_EQ(t.FirstBlockPath(kRowArg), (std::vector<int>{1, 2, 3, 3, 4, 5, 6}));
    // Nothing moved while the game was paused.
    const std::vector<DrawCall> steps = t.StepsOfBlock(1);
    EXPECT_GE(steps[3].atMs - steps[2].atMs, 60000);
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
        EXPECT_EQ(t.FirstBlockPath(kColumnArg), (std::vector<int>{5, 5, 4, 4, 4, 4}));
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
// until the field is full. The player presses a key 250 ms into the game-over screen,
// or the window is left once the game-over sequence has shown this many curtain steps.
std::unique_ptr<Table> PlayUntilFull(bool slowMachine, int deactivateAfterStep = -1) {
    auto t = std::make_unique<Table>(19);
    t->settings.SlowMachine = slowMachine ? 1 : 0;
    t->host.EveryPump([&table = *t, deactivateAfterStep, left = false]() mutable {
        if (table.view.gameOverShown() && !left) {
            left = true;
            table.host.At(table.TimeOf("ShowGameOver") + 250,
                          [&table] { table.window.OtherKey(); });
        }
        if (table.view.Count("MarkGameEnded") > 0 &&
            table.view.Count("CloseCurtain") == deactivateAfterStep) {
            table.window.Deactivate();
        }
    });
    t->Play();
    return t;
}

TEST(GameOver, AFullFieldEndsTheGameWithTheCurtainAndTheGameOverScreen) {
    // Normal: 3 blinks of 100 ms, 4 x (120 + 8), 300 + 8 + 420 + 8, 9 x (17 + 12), 300.
    // Slow machine: 3 x 100, 4 x (100 + 8), 180 + 8 + 300 + 8, no curtain sleeps, 300.
    for (const auto& [slow, sequenceMs] : {std::pair{false, 2109}, std::pair{true, 1528}}) {
        const auto t = PlayUntilFull(slow);
        EXPECT_EQ(t->state.GameOver, 1);
        EXPECT_EQ(t->state.StartLevel, 19) << "a lost level is not passed";
        const std::vector<DrawCall> curtain = t->view.CallsOf("CloseCurtain");
        ASSERT_EQ(curtain.size(), 9u);
        for (int step = 1; step <= 9; ++step) {
            EXPECT_EQ(curtain[static_cast<std::size_t>(step - 1)].args[0], step);
        }
        EXPECT_EQ(t->TimeOf("ShowGameOver") - t->TimeOf("MarkGameEnded"), sequenceMs) << slow;
        EXPECT_EQ(t->view.Last("ShowStill")->args[0], 0);
        // The screen was left at the first 100 ms check after the key.
        EXPECT_EQ(t->host.ElapsedMs() - t->TimeOf("ShowGameOver"), 300);
        EXPECT_EQ(t->input.LeaveGameOver, 0);
    }
}

TEST(GameOver, ALeftWindowCutsTheSequenceShortAndShowsNoGameOverScreen) {
    // Left right after the pause button changed, between curtain steps, and during the
    // last step: the sequence ends at the next check, the curtain step's 29 ms on.
    for (const int step : {0, 3, 9}) {
        const auto t = PlayUntilFull(false, step);
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
std::unique_ptr<Table> PlayTwoLevels(bool slowMachine = false) {
    auto t = std::make_unique<Table>(1, 4, 11);
    t->settings.SlowMachine = slowMachine ? 1 : 0;
    AutoPlayer player(t->host, t->view, t->input, t->state);
    player.GiveUpAt(2, 12);
    player.Attach();
    t->Play();
    return t;
}

TEST(WholeGame, AGameFromLevelOneToAFullFieldEndsWithTheTotalInLevelScore) {
    const auto t = PlayTwoLevels();
    EXPECT_EQ(t->state.GameOver, 1);
    EXPECT_EQ(t->state.StartLevel, 2);
    // The last score shown in level 1 is that level's points with its bonus; level 2
    // starts from there.
    std::int32_t levelOneScore = -1;
    std::int32_t levelTwoFirst = -1;
    std::int32_t lastShown = -1;
    bool inLevelTwo = false;
    for (const DrawCall& call : t->view.calls()) {
        inLevelTwo = inLevelTwo || (call.op == "ShowLevel" && call.args[0] == 2);
        if (call.op == "ShowScore") {
            lastShown = call.args[0];
            levelOneScore = inLevelTwo ? levelOneScore : lastShown;
            levelTwoFirst = inLevelTwo && levelTwoFirst < 0 ? lastShown : levelTwoFirst;
        }
    }
    EXPECT_GE(levelOneScore, 15);
    EXPECT_EQ(levelTwoFirst, levelOneScore);
    EXPECT_GE(t->state.LevelScore, levelOneScore + 3);
    // After the last score shown only the last block can have made a column.
    EXPECT_GE(t->state.LevelScore, lastShown);
    EXPECT_LE(t->state.LevelScore, lastShown + 1);
}

TEST(WholeGame, TheLevelEndCountsTheBonusUpBlinksAndWipesTheField) {
    for (const bool slow : {false, true}) {
        const auto t = PlayTwoLevels(slow);
        // The level end runs from "still 0" to the next level's heading.
        std::vector<std::int32_t> scores;
        std::vector<DrawCall> blinks;
        std::vector<int> wipes;
        int curtainBars = 0;
        std::int64_t startAt = -1;
        std::int64_t headingAt = -1;
        for (const DrawCall& call : t->view.calls()) {
            if (startAt < 0 && call.op == "ShowStill" && call.args[0] == 0) {
                startAt = call.atMs;
            } else if (startAt < 0) {
                continue;
            } else if (call.op == "SetUpHeading") {
                headingAt = call.atMs;
                break;
            }
            curtainBars += call.op == "DrawCurtainBar" ? 1 : 0;
            if (call.op == "ShowScore") {
                scores.push_back(call.args[0]);
            } else if (call.op == "BlinkNextLevel") {
                blinks.push_back(call);
            } else if (call.op == "WipeRow" || call.op == "WipeField") {
                wipes.push_back(call.op == "WipeRow" ? call.args[0] : 2);
            }
        }
        ASSERT_GE(headingAt, 0);
        // Bars over the empty rows, each counted up as a point, then over all 19 rows.
        // The level took over 150 s: the tier adds nothing.
        const int emptyRows = curtainBars - 19;
        EXPECT_EQ(t->view.Last("ShowBonus")->args[0], 0);
        ASSERT_EQ(scores.size(), static_cast<std::size_t>(1 + emptyRows));
        for (std::size_t i = 1; i < scores.size(); ++i) {
            EXPECT_EQ(scores[i], scores[i - 1] + 1);
        }
        // Eight blinks of "level 2", green 240 ms and yellow 260 ms.
        ASSERT_EQ(blinks.size(), 16u);
        for (std::size_t i = 0; i < blinks.size(); ++i) {
            EXPECT_EQ(blinks[i].args, (std::vector<std::int32_t>{2, i % 2 == 0 ? 1 : 0}));
            if (i > 0) {
                EXPECT_EQ(blinks[i].atMs - blinks[i - 1].atMs, i % 2 == 1 ? 240 : 260);
            }
        }
        std::vector<int> rowsDownToTwo(18);
        std::iota(rowsDownToTwo.rbegin(), rowsDownToTwo.rend(), 2);
        EXPECT_EQ(wipes, rowsDownToTwo);
        // A row's beat per empty row, 0.5 s, 19 curtain rows and one beat more, the blinks,
        // 18 rows wiped and 0.5 s of black field.
        const int rowMs = slow ? 1 : 20;
        const int curtainMs = slow ? 1 : 40;
        EXPECT_EQ(headingAt - startAt,
                  emptyRows * rowMs + 500 + 20 * curtainMs + 8 * 500 + 18 * rowMs + 500)
            << "slow " << slow;
    }
}

TEST(WholeGame, TheLoopIdlesInsteadOfSpinning) {
    const auto t = PlayTwoLevels();
    const auto& c = t->host.counters();
    EXPECT_GT(c.nowCalls, 10000);
    // Every clock poll of a wait is followed by an idle wait. Back-to-back reads come
    // only from the stamps around waits that a key ends at once (the scripted player
    // answers at the first pump); a wait that spun would read thousands.
    EXPECT_LE(c.mostReadsWithoutTime, 50);
    EXPECT_GE(c.idleWaits * 100, c.nowCalls * 90);
}

TEST(WholeGame, ASlowCorrectColumnAnimationHoldsTheGameUp) {
    // Every sleep 100 ms over keeps the animation within 0.80 s; 150 ms over does not.
    for (const unsigned overrun : {100u, 150u}) {
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
        EXPECT_EQ(t.view.Count("RedrawField"), overrun == 150u ? 1 : 0) << overrun;
    }
}

}  // namespace
}  // namespace quorelin
