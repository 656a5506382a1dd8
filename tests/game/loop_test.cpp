// The game loop on the simulated host: pacing, keys, pauses, hold-ups, stops, the
// animations and the end-of-level and end-of-game sequences.
#include "game/loop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "game/play_input.h"
#include "tests/support/auto_player.h"
#include "tests/support/recording_view.h"
#include "tests/support/sim_host.h"

namespace quorelin {
namespace {

using testing::DrawCall;
using Calls = std::vector<DrawCall>;
using Ints = std::vector<int>;

Settings Screen(int width, int height, std::uint8_t mode, std::uint8_t slow = 0) {
    return {.WindowMode = mode, .ScreenHeight = height, .ScreenWidth = width, .SlowMachine = slow};
}

// One game on a 1024 x 768 full screen, and what a scripted window does to it.
struct Game {
    explicit Game(int startLevel, double table = 3, std::uint32_t seed = 7) : host(seed) {
        state.TableNumber = table;
        state.StartLevel = startLevel;
        host.SetClock(10, 0, 0);
        host.SetTimeLimitMs(6LL * 60 * 60 * 1000);
    }
    void Play() { PlayGame(host, view, settings, state, input); }

    void Left() { PressKey(input, GameKey::Left, 1, false); }
    void Right() { PressKey(input, GameKey::Right, 1, false); }
    void Down() { PressKey(input, GameKey::Down, 1, false); }
    void Esc() { PressKey(input, GameKey::Escape, 1, false); }
    void Other() { PressKey(input, GameKey::Other, 1, view.Count("MarkGameEnded") > 0); }
    void Pause() { TogglePause(input, false); }
    void PauseHalfAMinute() {
        Pause();
        host.At(30000, [this] { Left(); });
    }
    void Quit() { QuitGame(input); }
    void Stall() { host.SleepMs(1000); }  // the window is dragged for a second
    // Any key now, and two pumps on another while the window is dragged.
    void OtherNowAndStalled() {
        Other();
        stalledKeyAt = host.counters().pumps + 2;
    }
    void SetClockBack() { host.SetClock(10, 29, 59, 500); }
    void PutClockForward() { host.SetClock(11, 30, 5); }
    void NearMidnight() { host.SetClock(23, 59, 59, 997); }
    void NearNoon() { host.SetClock(11, 59, 59, 997); }

    // An act once block n falls at a row: then, at the pump-th pump without a wait, or later.
    using Act = void (Game::*)();
    struct KeyAt {
        int block, row;
        Act act;
        int pump = 0, afterMs = 0;
    };
    void Script(const std::vector<KeyAt>& keys) {
        host.EveryPump([this] {
            if (host.counters().pumps == stalledKeyAt) {
                Other();
                Stall();
            }
        });
        for (const KeyAt& k : keys) {
            host.EveryPump([this, k, done = false]() mutable {
                const auto& falling = view.falling();
                if (done || view.blocksEntered() != k.block || !falling.active ||
                    falling.row != k.row || (k.pump > 0 && host.counters().pumpsInARow != k.pump)) {
                    return;
                }
                done = true;
                const auto act = [this, k] { actedAt = host.ElapsedMs(), (this->*k.act)(); };
                k.afterMs > 0 ? host.After(k.afterMs, act) : act();
            });
        }
    }
    void QuitAtBlock(int n) {
        host.EveryPump([this, n] { view.blocksEntered() >= n ? Quit() : void(); });
    }

    // The draws of the falling n-th block of the game.
    Calls StepsOfBlock(int n) const {
        Calls steps;
        int previews = 0;
        for (const DrawCall& call : view.calls()) {
            previews += call.op == "DrawPreview" ? 1 : 0;
            if (call.op == "DrawBlock" && previews == n &&
                (steps.empty() || call.args[0] == steps[0].args[0])) {
                steps.push_back(call);
            }
        }
        return steps;
    }
    std::int64_t TimeOf(std::string_view op) const { return view.Last(op)->atMs; }

    Settings settings = Screen(1024, 768, 1);
    GameState state;
    InputRequests input;
    testing::SimHost host;
    testing::RecordingView view{host};
    std::int64_t actedAt = -1, stalledKeyAt = -1;
};
using KeyAt = Game::KeyAt;

TEST(FallPace, ABlockFallsARowPerStepOfItsLevel) {
    // A wait ends at the first clock reading past (StepDelay - 24) / 10 hundredths.
    const std::vector<std::pair<int, int>> levelDelayMs{
        {1, 4000}, {2, 3000}, {3, 2000}, {4, 1500}, {5, 1100}, {6, 800},  {7, 600},
        {8, 500},  {9, 400},  {10, 360}, {11, 320}, {12, 290}, {13, 260}, {14, 230},
        {15, 200}, {16, 170}, {17, 140}, {18, 110}, {19, 108}, {30, 108}};
    for (const auto& [level, delayMs] : levelDelayMs) {
        EXPECT_EQ(StepDelay(level), delayMs) << level;
        Game g(level);
        g.Script({{1, 5, &Game::Quit}});
        g.Play();
        const Calls steps = g.StepsOfBlock(1);
        ASSERT_EQ(steps.size(), 5u);
        EXPECT_NEAR(steps[4].atMs - steps[0].atMs, 4 * ((delayMs - 24) / 10 + 1) * 10, 9) << level;
        EXPECT_EQ(g.view.Count("DrawStone"), 9 * (level < 18 ? 0 : level == 30 ? 5 : level - 17));
    }
}

TEST(Wait, AWaitEndsOnTimeOnInputOrOnAStopAndHoldsTheGameUpWhenItRanOver) {
    // The clock; when the machine is busy (a window dragged), how long, and what is done;
    // the wait, its end, whether it held the game up: 4274 ms read 427, under 397.6 + 30.
    const std::tuple<int, int, int, std::int64_t, unsigned, Game::Act, int, int, int> cases[] = {
        {10, 30, 0, 3900, 373, nullptr, 4000, 4274, 0},
        {10, 30, 0, 3900, 374, nullptr, 4000, 4275, 1},
        {10, 30, 0, 500, 900, &Game::Quit, 1100, 1401, 0},
        {10, 30, 0, 1500, 3000, &Game::SetClockBack, 2000, 4501, 0},
        {10, 30, 0, 1500, 0, &Game::PutClockForward, 2000, 1501, 0},
        {10, 59, 58, 0, 0, nullptr, 4000, 3975, 0},
        {10, 0, 0, 700, 0, &Game::Left, 4000, 700, 0},
        {10, 0, 0, 1000, 0, &Game::PauseHalfAMinute, 4000, 30000, 1},
    };
    for (const auto& [hour, minute, second, atMs, stallMs, act, waitMs, endsAtMs, heldUp] : cases) {
        Game g(1);
        g.host.SetClock(hour, minute, second);
        g.host.At(atMs, [&] {
            g.host.SleepMs(stallMs);
            act ? (g.*act)() : void();
        });
        WaitStep(g.host, g.input, waitMs);
        EXPECT_EQ((Ints{static_cast<int>(g.host.ElapsedMs()), g.input.HeldUp, g.input.Paused}),
                  (Ints{endsAtMs, heldUp, 0}));
    }
}

// Level 17 of table 2, blocks 3, 6, 5 unless dealt otherwise: unsteered, the 3 lands at
// (5, 19) and the 6 makes a correct column on it. The game stops as block 4 comes in.
std::unique_ptr<Game> Replay(const std::vector<KeyAt>& keys, std::vector<int> deal = {3, 6, 5},
                             std::uint8_t slow = 0, unsigned sleepOverrunMs = 0) {
    auto g = std::make_unique<Game>(17, 2);
    g->settings.SlowMachine = slow;
    g->host.SetSleepOverrunMs(sleepOverrunMs);
    g->host.Deal(std::move(deal));
    g->Script(keys);
    g->QuitAtBlock(4);
    g->Play();
    EXPECT_EQ((Ints{g->state.StartLevel, g->state.GameOver}), (Ints{18, 0})) << "stopped";
    return g;
}

TEST(FallLoop, KeysSteerTheBlockAtTheRightMoments) {
    const auto L = &Game::Left, R = &Game::Right, D = &Game::Down, O = &Game::Other;
    const auto P = &Game::Pause, E = &Game::Esc, Q = &Game::Quit;
    // The block's draws, how many at the last act, where it was drawn last.
    const struct {
        int block;
        std::vector<KeyAt> keys;
        std::string outcome;
        std::vector<int> deal = {3, 6, 5};
    } cases[] = {
        // A pause costs a rise during the fall, or at row 18 one that lifts it off the 3.
        {2, {{2, 2, P}, {2, 2, O, 0, 1000}}, "18/0 5,17; score 1, rises 1"},
        {2, {{2, 18, P}, {2, 18, O, 0, 1000}}, "18/0 5,18; score 0, rises 2"},
        // Held up on the lifted 6, a block is too far from the floor to pay; a bomb on it is
        // followed by a rise for the 6, wrong there; a held-up bomb on the 3 clears the 3.
        {3,
         {{2, 18, P}, {2, 18, O, 0, 1000}, {3, 16, P}, {3, 16, O, 0, 1000}},
         "16/0 5,16; score 0, rises 2"},
        {3, {{2, 18, P}, {2, 18, O, 0, 1000}}, "16/0 5,16; score 0, rises 3", {3, 6, 999}},
        {3, {{2, 18, P}, {2, 18, O, 0, 1000}}, "15/0 5,15; score 0, rises 3", {3, 999, 5}},
        // A sideways move needs an empty cell in the block's own row.
        {3, {{3, 1, R}, {3, 17, L}}, "19/2 5,17; score 1, rises 0"},
        {3, {{3, 1, L}, {3, 17, R}}, "19/2 5,17; score 1, rises 0"},
        {3, {{3, 1, L}, {3, 18, R}}, "20/2 4,19; score 1, rises 0"},
        {3, {{3, 1, R}, {3, 2, R}, {3, 3, R}, {3, 4, R}, {3, 5, R}}, "23/2 9,19; score 1, rises 0"},
        // A second sideways key during a move's wait only ends the wait.
        {2, {{2, 2, L}, {2, 2, R, 0, 50}}, "20/1 4,19; score 0, rises 1"},
        // A quick drop of more than three rows earns a point more.
        {2, {{2, 14, D}}, "18/5 5,18; score 2, rises 0"},
        {2, {{2, 15, D}}, "18/4 5,18; score 1, rises 0"},
        // At its 2nd pump after a wait the loop asks for a move; at its 3rd it reads keys: a
        // drop falls on, Esc stops, and a key pending at the step skips the wait and a stall.
        {2, {{2, 2, D, 2}}, "18/16 5,18; score 2, rises 0"},
        {2, {{2, 2, D, 3}}, "18/1 5,18; score 1, rises 0"},
        {2, {{2, 2, E, 3}}, "stopped, 2/0 5,2; score 0, rises 0"},
        {2, {{2, 2, &Game::OtherNowAndStalled, 3}}, "18/0 5,18; score 1, rises 0"},
        // A stop wins over a key that comes with it, and the stopped level's points count.
        {3, {{3, 2, L}, {3, 2, Q}}, "stopped, 3/2 4,2; score 1, rises 0"},
    };
    for (const auto& c : cases) {
        const auto g = Replay(c.keys, c.deal);
        const Calls steps = g->StepsOfBlock(c.block);
        std::ostringstream out;
        out << (g->host.ElapsedMs() == g->actedAt ? "stopped, " : "") << steps.size() << "/"
            << std::count_if(steps.begin(), steps.end(),
                             [&](const DrawCall& s) { return s.atMs == g->actedAt; })
            << " " << steps.back().args[2] << "," << steps.back().args[3] << "; score "
            << g->state.LevelScore << ", rises " << g->view.Count("RedrawField");
        EXPECT_EQ(out.str(), c.outcome);
    }
}

TEST(FallLoop, EachLandingAnimationKeepsItsPace) {
    // The 6, 7 or 999 dropped onto the 3, held up and dropped, or held up falling: the
    // field's calls after the key. A slow machine keeps the bomb's sleeps, of others one.
    const auto D = &Game::Down, P = &Game::Pause, O = &Game::Other;
    const std::vector<KeyAt> drop{{2, 2, D}}, heldUp{{2, 2, P, 2}, {2, 2, O, 2}, {2, 2, D, 2}},
        paused{{2, 2, P}, {2, 2, O}};
    const std::tuple<int, const std::vector<KeyAt>&, std::uint8_t, std::string> cases[] = {
        {6, drop, 0, "DrawSolved@2 DrawSolved@2 EraseCell@5 DrawBlock@6"},
        {6, drop, 1, "DrawSolved@0 DrawSolved@0 DrawBlock@1"},
        {7, drop, 0, "EraseCell@2 RedrawField@10 DrawBlock@10"},
        {7, drop, 1, "RedrawField@1 DrawBlock@1"},
        {999, drop, 0, "EraseCell@12 RedrawField@12 DrawBlock@12"},
        {999, drop, 1, "EraseCell@12 RedrawField@12 DrawBlock@12"},
        {6, heldUp, 0, "RedrawField@10 DrawBlock@10"},
        {6, heldUp, 1, "RedrawField@1 DrawBlock@1"},
        {6, paused, 0, "EraseCell@2 RedrawField@10 EraseCell@10 DrawBlock@10"},
        {6, paused, 1, "RedrawField@1 EraseCell@1 DrawBlock@1"},
    };
    for (const auto& [number, keys, slow, expected] : cases) {
        const auto g = Replay(keys, {3, number, 5}, slow);
        std::string timeline;
        for (const DrawCall& call : g->view.calls()) {
            const auto t = call.atMs - g->actedAt;
            const bool step = call.op == "DrawBlock" || call.op == "EraseCell";
            if (t >= 0 && t <= 50 &&
                (step ? t > 0 : call.op == "DrawSolved" || call.op == "RedrawField")) {
                timeline += (timeline.empty() ? "" : " ") + call.op + "@" + std::to_string(t);
            }
        }
        EXPECT_EQ(timeline, expected) << number << " slow " << +slow << " keys " << keys.size();
    }
    // A correct column's animation over 0.80 s by the clock, across noon or midnight, holds
    // the game up: six 1 ms sleeps 132 ms over each take 0.798 s, 135 ms over 0.816 s.
    const std::tuple<Game::Act, unsigned, int> slowMachines[] = {
        {&Game::NearNoon, 0, 0}, {&Game::NearMidnight, 132, 0}, {&Game::NearMidnight, 135, 1}};
    for (const auto& [clock, overrunMs, rises] : slowMachines) {
        const auto g = Replay({{2, 2, clock}, {2, 2, D}}, {3, 6, 5}, 0, overrunMs);
        EXPECT_EQ((Ints{g->view.Count("DrawSolved"), g->view.Count("RedrawField")}),
                  (Ints{2, rises}));
    }
}

TEST(GameOver, AFullFieldEndsTheGameWithTheCurtainAndTheGameOverScreen) {
    // Level 19, every block a 7 on the one before, until the floor pushes the first into row
    // 1 and the player pauses. 3 x 100 ms, 4 x (120 + 8), 300 + 8 + 420 + 8, 9 x (17 + 12),
    // 300 (slow: 100, 180, 300, no curtain sleeps); "Game Over" blinks until a 100 ms check
    // sees a key, or LeaveGameOver of the exit button (which ended the game before, too).
    // Slow; left the window after a curtain step; left the screen after ms, by the button.
    const std::tuple<std::uint8_t, int, std::int64_t, bool, std::string> cases[] = {
        {0, -1, 250, false, "still 0-10-10-10, curtain 123456789 +2109 ms, blinks 1 +300 ms"},
        {1, -1, 250, false, "still 0-10-10-10, curtain 123456789 +1528 ms, blinks 1 +300 ms"},
        {0, -1, 850, true, "still 0-10-10-10, curtain 123456789 +2109 ms, blinks 101 +1000 ms"},
        {0, 0, 0, false, "still , curtain  +0 ms after MarkGameEnded"},
        {0, 3, 0, false, "still 0-10-10-10, curtain 123 +29 ms after CloseCurtain"},
        {0, 9, 0, false, "still 0-10-10-10, curtain 123456789 +29 ms after CloseCurtain"},
    };
    for (const auto& [slow, deactivateAfterStep, leaveAfterMs, byExitButton, outcome] : cases) {
        Game g(19, 2);
        g.host.Deal({7});
        g.settings.SlowMachine = slow;
        g.input.LeaveGameOver = g.input.StopGame = byExitButton;
        g.view.onCall = [&](const DrawCall& call) {
            if (call.op == "RedrawField" && g.view.Shown(5, 1).kind != kEmpty) {
                g.Pause();
            } else if (call.op == "ShowGameOver") {
                g.host.After(leaveAfterMs, [&] { byExitButton ? g.Quit() : g.Other(); });
            } else if (call.op == (deactivateAfterStep != 0 ? "CloseCurtain" : "MarkGameEnded") &&
                       (call.args.empty() || call.args[0] == deactivateAfterStep)) {
                Deactivate(g.input);
            }
        };
        g.Play();
        // The first numbers of an operation's calls since the game ended, run together.
        const auto values = [&g](const char* op) {
            std::string all;
            for (const DrawCall& call : g.view.CallsOf(op)) {
                all += call.atMs < g.TimeOf("MarkGameEnded") ? "" : std::to_string(call.args[0]);
            }
            return all;
        };
        std::ostringstream out;
        out << "still " << values("ShowStill") << ", curtain " << values("CloseCurtain");
        if (g.view.gameOverShown()) {
            out << " +" << g.TimeOf("ShowGameOver") - g.TimeOf("MarkGameEnded") << " ms, blinks "
                << values("BlinkGameOver") << " +" << g.host.ElapsedMs() - g.TimeOf("ShowGameOver")
                << " ms";
        } else {
            out << " +" << g.host.ElapsedMs() - g.view.calls().back().atMs << " ms after "
                << g.view.calls().back().op;
        }
        EXPECT_EQ(out.str(), outcome);
        // A lost level is not passed, and the game leaves no pause behind.
        EXPECT_EQ((Ints{g.view.Count("RedrawField"), g.state.GameOver, g.state.StartLevel,
                        g.input.LeaveGameOver, g.input.Paused, g.input.HeldUp}),
                  (Ints{16, 1, 19, 0, 0, 0}));
    }
}

// A level of table 2 played well: nine pairs n, 2n (a band), bombs (floor rises), six pairs;
// it ends within a minute with 17 - bombs empty rows. The game stops at the next level.
std::unique_ptr<Game> PlayLevelOfPairs(int level, int bombs, const Settings& settings) {
    std::vector<int> deal;
    for (int pair = 0; pair < 15; ++pair) {
        for (int bomb = 0; pair == 9 && bomb < bombs; ++bomb) {
            deal.push_back(999 + bomb);
        }
        const int n = std::array{1, 3, 2, 5, 4}[pair % 5];
        deal.insert(deal.end(), {n, 2 * n});
    }
    auto g = std::make_unique<Game>(level, 2);
    g->settings = settings;
    g->host.Deal(deal);
    testing::AutoPlayer player(g->host, g->view, g->input, g->state);
    player.StopAtLevel(level + 1);
    player.Attach();
    g->Play();
    return g;
}

TEST(LevelEnd, TheScoreCountsUpThroughBandEmptyRowsAndTierWithLabelsByScreen) {
    // A point and a bar per empty row (20 ms), 0.5 s, 19 bars (40 ms) + 1 with the labels (at
    // 1024 x 768 full screen both, else "next" with over 5 empty rows, the bonus over 3); the
    // tier 22 ms a point below 20, every fourth below 40, 3 ms every fourth from 40; 8 blinks
    // of 500 ms; the wipe, 20 ms a row; 0.5 s. Slow: 1 ms for 20 or 40, none at the tier.
    const std::tuple<int, Settings, int, std::string> cases[] = {
        {12, Screen(1024, 768, 1), 14, "counts 15, tier 12; bars 22, next 19, bonus 20; 6484 ms"},
        {13, Screen(1024, 768, 2), 14, "counts 23, tier 20; bars 22, next 0, bonus 1; 6330 ms"},
        {15, Screen(640, 768, 1), 12, "counts 45, tier 40; bars 24, next 0, bonus 20; 6290 ms"},
        {16, Screen(800, 600, 1, 1), 11, "counts 56, tier 50; bars 25, next 19, bonus 20; 5044 ms"},
    };
    for (const auto& [level, screen, bombs, outcome] : cases) {
        const auto g = PlayLevelOfPairs(level, bombs, screen);
        const Calls& calls = g->view.calls();
        // The ninth pair's band shows its 8 points one at a time, 30 ms apart (3 ms slow).
        const auto band = std::adjacent_find(calls.begin(), calls.end(), [](auto& a, auto& b) {
            return a.op == "ShowScore" && b.op == "ShowScore";
        });
        ASSERT_NE(band, calls.end());
        EXPECT_EQ((Ints{(band + 7)->args[0] - band->args[0],
                        static_cast<int>((band + 7)->atMs - band->atMs)}),
                  (Ints{7, screen.SlowMachine ? 21 : 210}));
        const auto begin = std::find_if(band, calls.end(), [](auto& call) {
            return call.op == "ShowStill" && call.args[0] == 0;
        });
        ASSERT_NE(begin, calls.end());
        // The next level starts from the score counted up to.
        std::vector<std::int32_t> scores;
        for (auto call = begin; call != calls.end(); ++call) {
            call->op == "ShowScore" ? scores.push_back(call->args[0]) : void();
        }
        EXPECT_EQ(g->state.LevelScore, scores.back());
        const auto& view = g->view;
        std::ostringstream out;
        out << "counts " << scores.back() - scores.front() << ", tier "
            << view.Last("ShowBonus")->args[0] << "; bars " << view.Count("DrawCurtainBar")
            << ", next " << view.Count("ShowNextLevel") << ", bonus " << view.Count("ShowBonus")
            << "; " << g->TimeOf("SetUpHeading") - begin->atMs << " ms";
        EXPECT_EQ(out.str(), outcome);
        // 8 blinks of the next level, green then yellow; rows 19 to 3 wiped, then the field.
        EXPECT_EQ((Ints{view.Count("BlinkNextLevel"), view.Last("BlinkNextLevel")->args[0] - level,
                        view.Last("BlinkNextLevel")->args[1], view.Count("WipeRow"),
                        view.CallsOf("WipeRow")[0].args[0], view.Count("WipeField")}),
                  (Ints{16, 1, 0, 17, 19, 1}));
        // A wait idles between its polls: reads come back to back only when a key ends it.
        const auto& counters = g->host.counters();
        EXPECT_LE(counters.mostReadsWithoutTime, 50);
        EXPECT_GE(counters.idleWaits * 100, counters.nowCalls * 90);
    }
}

TEST(LevelEnd, ABandIsClearedBeforeTheFullFieldEndsTheGame) {
    // Pairs n, 2n beside the middle column's 15, a block on column 1's pair; 15 bombs lift
    // them to rows 3, 4 and 2. The 30, held up at row 2, lifts the block into row 1 and then
    // completes the band, which, cleared first, takes the block down: the game goes on.
    Game g(1, 2);
    g.host.Deal({1,   2,    3,   6,    4,   8,    5,   10,   7,   14,   9,   18,
                 11,  22,   13,  26,   17,  15,   999, 1000, 999, 1000, 999, 1000,
                 999, 1000, 999, 1000, 999, 1000, 999, 1000, 999, 30,   1});
    testing::AutoPlayer player(g.host, g.view, g.input, g.state);
    player.Aim({1, 1, 2, 2, 3, 3, 4, 4, 6, 6, 7, 7, 8, 8, 9, 9, 1,
                5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 0});
    player.Attach();
    g.Script({{34, 2, &Game::Pause}, {34, 2, &Game::Other}});
    g.QuitAtBlock(35);
    g.Play();
    // Nine columns, eight of them by quick drops, and the band; the game did not end.
    EXPECT_EQ((Ints{g.state.LevelScore, g.view.Count("RedrawField"), g.state.GameOver}),
              (Ints{9 + 8 + 8, 15 + 1, 0}));
}

}  // namespace
}  // namespace quorelin
