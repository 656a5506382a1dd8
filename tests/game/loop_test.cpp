// The game loop on the simulated host: pacing, keys, pauses, hold-ups, stops and the
// end-of-level and end-of-game sequences.
#include "game/loop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <memory>
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
        settings.Language = 1;
        settings.WindowMode = 1;
        settings.ColorScheme = 1;
        settings.ScreenHeight = 768;
        settings.ScreenWidth = 1024;
        state.TableNumber = table;
        state.GameKind = 1;
        state.StartLevel = startLevel;
        host.SetClock(10, 0, 0);
        host.SetTimeLimitMs(6LL * 60 * 60 * 1000);
    }

    void Play() { PlayGame(host, view, settings, state, input); }

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

    Settings settings;
    GameState state;
    InputRequests input;
    SimHost host;
    RecordingView view{host};
    ScriptedWindow window{input};
};

int RowOf(const DrawCall& drawBlock) {
    return drawBlock.args[3];
}
int ColumnOf(const DrawCall& drawBlock) {
    return drawBlock.args[2];
}

// ---------------------------------------------------------------- pacing of the fall

// A wait ends at the first clock reading, in hundredths, past (ms - 24) / 10; with the
// hundredths rounded that is within 10 ms either side of that many hundredths.
void ExpectFallPace(int level) {
    Table t(level);
    t.host.EveryPump([&] {
        if (t.view.falling().row >= 5) {
            t.window.Quit();
        }
    });
    t.Play();
    const std::vector<DrawCall> steps = t.StepsOfBlock(1);
    ASSERT_GE(steps.size(), 5u);
    const int hundredths = (StepDelay(level) - 24) / 10 + 1;
    for (std::size_t i = 1; i < 5; ++i) {
        EXPECT_EQ(RowOf(steps[i]), RowOf(steps[i - 1]) + 1);
        const std::int64_t gap = steps[i].atMs - steps[i - 1].atMs;
        EXPECT_GT(gap, hundredths * 10 - 10) << "level " << level << " row " << RowOf(steps[i]);
        EXPECT_LT(gap, hundredths * 10 + 10) << "level " << level << " row " << RowOf(steps[i]);
    }
    EXPECT_EQ(t.view.Count("RedrawField"), 0);
}

TEST(FallPace, BlockTakesAboutFourSecondsPerRowAtLevelOne) {
    EXPECT_EQ(StepDelay(1), 4000);
    ExpectFallPace(1);
}

TEST(FallPace, BlockTakesAboutATenthOfASecondPerRowFromLevelNineteen) {
    EXPECT_EQ(StepDelay(18), 110);
    EXPECT_EQ(StepDelay(19), 108);
    EXPECT_EQ(StepDelay(42), 108);
    ExpectFallPace(19);
}

// ---------------------------------------------------------------- WaitStep

struct WaitFixture : ::testing::Test {
    WaitFixture() { host.SetClock(10, 0, 0); }
    SimHost host;
    InputRequests input;
    ScriptedWindow window{input};
};

TEST_F(WaitFixture, AWaitThatRunsLessThanAThirdOfASecondOverHoldsNothingUp) {
    host.At(3900, [&] { host.SleepMs(200); });  // a window dragged for 0.2 s
    WaitStep(host, input, 4000);
    EXPECT_GE(host.ElapsedMs(), 4100);
    EXPECT_EQ(input.HeldUp, 0);
}

TEST_F(WaitFixture, AWaitThatRunsMoreThanAThirdOfASecondOverHoldsTheGameUp) {
    host.At(3900, [&] { host.SleepMs(400); });
    WaitStep(host, input, 4000);
    EXPECT_EQ(input.HeldUp, 1);
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

TEST_F(WaitFixture, AStopEndsTheWaitWithoutAHoldUp) {
    host.At(500, [&] {
        host.SleepMs(900);
        window.Quit();
    });
    WaitStep(host, input, 1100);
    EXPECT_LT(host.ElapsedMs(), 1500);
    EXPECT_EQ(input.HeldUp, 0);
}

TEST_F(WaitFixture, AClockThatGoesBackwardsEndsTheWaitWithoutAHoldUp) {
    host.SetClock(10, 30, 0);
    host.At(1500, [&] {
        host.SleepMs(3000);     // long enough over to count as a hold-up...
        host.JumpClock(-5000);  // ...but the clock was set back meanwhile
    });
    WaitStep(host, input, 2000);
    EXPECT_EQ(host.ElapsedMs(), 4501);
    EXPECT_EQ(input.HeldUp, 0);
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

TEST(Requests, KeysAreReadInOrderLeftRightDropEscapeOtherAndAllCleared) {
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
}

TEST(Requests, APendingRequestEndsAPauseAndAnEmptyOneDoesNot) {
    SimHost host;
    InputRequests input;
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
        if (t.view.falling().row >= 6) {
            t.window.Quit();
        }
    });
    t.Play();

    const std::vector<DrawCall> redraws = t.view.CallsOf("RedrawField");
    ASSERT_EQ(redraws.size(), 1u);
    EXPECT_EQ(redraws[0].args[0], 1);
    EXPECT_EQ(t.view.Shown(3, 19).kind, kFloor);
    // Rows as drawn: 1, 2, 3, then after the pause 3 again (the block rose with the
    // field), 4, 5, 6.
    std::vector<int> rows;
    for (const DrawCall& step : t.StepsOfBlock(1)) {
        rows.push_back(RowOf(step));
    }
    EXPECT_EQ(rows, (std::vector<int>{1, 2, 3, 3, 4, 5, 6}));
    // Nothing moved while the game was paused.
    const std::vector<DrawCall> steps = t.StepsOfBlock(1);
    EXPECT_GE(steps[3].atMs - steps[2].atMs, 60000);
}

// A sideways key, and 50 ms later a second one: the block moves once, one column left.
void ExpectOneMoveAfterTwoQuickPresses(bool secondIsRight) {
    Table t(1);
    bool pressed = false;
    std::int64_t secondPress = 0;
    t.host.EveryPump([&] {
        if (!pressed && t.view.falling().row == 2) {
            pressed = true;
            t.host.After(500, [&] { t.window.Left(); });
            t.host.After(550, [&] {
                if (secondIsRight) {
                    t.window.Right();
                } else {
                    t.window.Left();
                }
                secondPress = t.host.ElapsedMs();
            });
        }
        if (t.view.falling().row >= 5) {
            t.window.Quit();
        }
    });
    t.Play();

    const std::vector<DrawCall> steps = t.StepsOfBlock(1);
    ASSERT_GE(steps.size(), 4u);
    std::vector<int> columns;
    for (const DrawCall& step : steps) {
        columns.push_back(ColumnOf(step));
    }
    EXPECT_EQ(columns, (std::vector<int>{5, 5, 4, 4, 4, 4}));
    // The second press only ended the move's wait: the block fell on at once.
    EXPECT_EQ(RowOf(steps[3]), 3);
    EXPECT_EQ(steps[3].atMs, secondPress);
}

TEST(FallLoop, TwoQuickSidewaysPressesMoveTheBlockOnce) {
    ExpectOneMoveAfterTwoQuickPresses(false);
    ExpectOneMoveAfterTwoQuickPresses(true);
}

// The pumps after a fall step's wait: the wait's own last poll, then the fall loop's
// check for a move, then its check before stepping down. A drop that arrives at that
// last check is read by the fall loop itself and only steers the block on.
int RowsFallenAtOnceAfterADropAtPump(int pumpInARow) {
    Table t(1);
    bool pressed = false;
    std::int64_t pressedAt = -1;
    t.host.EveryPump([&] {
        if (!pressed && t.view.falling().row == 2 && t.host.counters().pumpsInARow == pumpInARow) {
            pressed = true;
            pressedAt = t.host.ElapsedMs();
            t.window.Down();
        }
        if (t.view.falling().row >= 5 || t.host.ElapsedMs() > 30000) {
            t.window.Quit();
        }
    });
    t.Play();
    int rows = 0;
    for (const DrawCall& step : t.StepsOfBlock(1)) {
        rows += step.atMs == pressedAt ? 1 : 0;
    }
    return rows;
}

TEST(FallLoop, ADropKeyReadByTheFallLoopItselfDoesNotDrop) {
    EXPECT_EQ(RowsFallenAtOnceAfterADropAtPump(3), 1);
}

TEST(FallLoop, ADropKeyThatReachesTheMoveCheckDrops) {
    EXPECT_EQ(RowsFallenAtOnceAfterADropAtPump(2), 17);
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
// until the field is full. The player presses a key on the game-over screen.
std::unique_ptr<Table> PlayUntilFull(bool slowMachine, std::function<void(Table&)> script = {}) {
    auto t = std::make_unique<Table>(19);
    t->settings.SlowMachine = slowMachine ? 1 : 0;
    bool left = false;
    Table& table = *t;
    t->host.EveryPump([&table, left]() mutable {
        if (table.view.gameOverShown() && !left) {
            left = true;
            const std::int64_t shown = table.view.Last("ShowGameOver")->atMs;
            table.host.At(shown + 250, [&table] { table.window.OtherKey(); });
        }
    });
    if (script) {
        script(table);
    }
    t->Play();
    return t;
}

std::int64_t TimeOf(const Table& t, std::string_view op) {
    const DrawCall* call = t.view.Last(op);
    return call == nullptr ? -1 : call->atMs;
}

TEST(GameOver, AFullFieldEndsTheGameWithTheCurtainAndTheGameOverScreen) {
    const auto t = PlayUntilFull(false);
    EXPECT_EQ(t->state.GameOver, 1);
    EXPECT_EQ(t->state.StartLevel, 19) << "a lost level is not passed";
    const std::vector<DrawCall> curtain = t->view.CallsOf("CloseCurtain");
    ASSERT_EQ(curtain.size(), 9u);
    for (int step = 1; step <= 9; ++step) {
        EXPECT_EQ(curtain[static_cast<std::size_t>(step - 1)].args[0], step);
    }
    // 3 blinks of 100 ms, 4 x (120 + 8), 300 + 8 + 420 + 8, 9 x (17 + 12), 300.
    EXPECT_EQ(TimeOf(*t, "ShowGameOver") - TimeOf(*t, "MarkGameEnded"), 2109);
    EXPECT_EQ(t->view.Last("ShowStill")->args[0], 0);
    // The screen was left at the first 100 ms check after the key.
    EXPECT_EQ(t->host.ElapsedMs() - TimeOf(*t, "ShowGameOver"), 300);
    EXPECT_EQ(t->input.LeaveGameOver, 0);
}

TEST(GameOver, ASlowMachineShortensTheGameOverSequence) {
    const auto t = PlayUntilFull(true);
    // 3 x 100, 4 x (100 + 8), 180 + 8 + 300 + 8, no curtain sleeps, 300.
    EXPECT_EQ(TimeOf(*t, "ShowGameOver") - TimeOf(*t, "MarkGameEnded"), 1528);
}

TEST(GameOver, ADeactivatedWindowEndsTheSequenceRightAfterThePauseButtonChanges) {
    const auto t = PlayUntilFull(false, [](Table& table) {
        table.host.EveryPump([&table] {
            if (table.view.Count("MarkGameEnded") > 0) {
                table.window.Deactivate();
            }
        });
    });
    EXPECT_EQ(t->state.GameOver, 1);
    EXPECT_EQ(t->view.calls().back().op, "MarkGameEnded");
    EXPECT_EQ(t->host.ElapsedMs(), TimeOf(*t, "MarkGameEnded"));
}

TEST(GameOver, ADeactivationDuringTheCurtainEndsItBetweenSteps) {
    const auto t = PlayUntilFull(false, [](Table& table) {
        table.host.EveryPump([&table] {
            const DrawCall* step = table.view.Last("CloseCurtain");
            if (step != nullptr && step->args[0] == 3) {
                table.window.Deactivate();
            }
        });
    });
    EXPECT_EQ(t->view.Count("CloseCurtain"), 3);
    EXPECT_EQ(t->view.Count("ShowGameOver"), 0);
}

// ---------------------------------------------------------------- whole games

// Level 1 played well, then level 2 given up after three columns, so the field fills.
std::unique_ptr<Table> PlayTwoLevels() {
    auto t = std::make_unique<Table>(1, 4, 11);
    auto player = std::make_shared<AutoPlayer>(t->host, t->view, t->input, t->state);
    player->GiveUpAt(2, 12);
    player->Attach();
    t->Play();
    return t;
}

TEST(WholeGame, AGameFromLevelOneToAFullFieldEndsWithTheTotalInLevelScore) {
    const auto t = PlayTwoLevels();
    EXPECT_EQ(t->state.GameOver, 1);
    EXPECT_EQ(t->state.StartLevel, 2);
    // The last score shown in level 1 is that level's points with its bonus.
    std::int32_t levelOneScore = -1;
    std::int32_t lastShown = -1;
    bool inLevelTwo = false;
    for (const DrawCall& call : t->view.calls()) {
        if (call.op == "ShowLevel" && call.args[0] == 2) {
            inLevelTwo = true;
        }
        if (call.op == "ShowScore") {
            lastShown = call.args[0];
            if (!inLevelTwo) {
                levelOneScore = call.args[0];
            }
        }
    }
    EXPECT_GE(levelOneScore, 15);
    EXPECT_GE(t->state.LevelScore, levelOneScore + 3);
    // After the last score shown only the last block can have made a column.
    EXPECT_GE(t->state.LevelScore, lastShown);
    EXPECT_LE(t->state.LevelScore, lastShown + 1);
}

TEST(WholeGame, TheLevelEndCountsTheBonusUpAndWipesTheField) {
    const auto t = PlayTwoLevels();
    const std::vector<DrawCall>& calls = t->view.calls();
    const auto blinkAt = std::find_if(calls.begin(), calls.end(),
                                      [](const DrawCall& c) { return c.op == "BlinkNextLevel"; });
    ASSERT_NE(blinkAt, calls.end());
    const auto start =
        std::find_if(std::make_reverse_iterator(blinkAt), calls.rend(),
                     [](const DrawCall& c) { return c.op == "ShowStill" && c.args[0] == 0; });
    ASSERT_NE(start, calls.rend());
    const auto heading = std::find_if(blinkAt, calls.end(),
                                      [](const DrawCall& c) { return c.op == "SetUpHeading"; });
    ASSERT_NE(heading, calls.end());

    int curtainBars = 0;
    std::vector<std::int32_t> scores;
    std::vector<DrawCall> blinks;
    std::vector<int> wipes;
    std::int32_t tier = -1;
    for (auto it = start.base() - 1; it != heading; ++it) {
        if (it->op == "DrawCurtainBar") {
            ++curtainBars;
        } else if (it->op == "ShowScore") {
            scores.push_back(it->args[0]);
        } else if (it->op == "BlinkNextLevel") {
            blinks.push_back(*it);
        } else if (it->op == "WipeRow") {
            wipes.push_back(it->args[0]);
        } else if (it->op == "WipeField") {
            wipes.push_back(2);
        } else if (it->op == "ShowBonus") {
            tier = it->args[0];
        }
    }
    const int emptyRows = curtainBars - 19;
    ASSERT_GE(emptyRows, 0);
    ASSERT_GE(tier, 0);
    // The score counts up one point per empty row and one per point of the tier.
    ASSERT_EQ(scores.size(), static_cast<std::size_t>(1 + emptyRows + tier));
    for (std::size_t i = 1; i < scores.size(); ++i) {
        EXPECT_EQ(scores[i], scores[i - 1] + 1);
    }
    // Eight blinks, green 240 ms and yellow 260 ms.
    ASSERT_EQ(blinks.size(), 16u);
    for (std::size_t i = 0; i < blinks.size(); ++i) {
        EXPECT_EQ(blinks[i].args[0], 2);
        EXPECT_EQ(blinks[i].args[1], i % 2 == 0 ? 1 : 0);
        if (i > 0) {
            EXPECT_EQ(blinks[i].atMs - blinks[i - 1].atMs, i % 2 == 1 ? 240 : 260);
        }
    }
    std::vector<int> expectedWipes;
    for (int row = 19; row >= 2; --row) {
        expectedWipes.push_back(row);
    }
    EXPECT_EQ(wipes, expectedWipes);
    // The field is left black for 0.5 s before the next level.
    EXPECT_EQ(heading->atMs - TimeOf(*t, "WipeField") - 20, 500);
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
