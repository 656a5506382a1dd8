#include "game/loop.h"

#include <array>

#include "game/sound_hooks.h"

namespace quorelin {

namespace {

constexpr std::int32_t kHundredthsPerHour = 60 * 60 * 100;
constexpr std::int32_t kHundredthsPerDay = 24 * kHundredthsPerHour;

// Pitches of the (silent) tone hooks.
constexpr std::uint16_t kCorrectTone = 880;
constexpr std::uint16_t kWrongTone = 220;
constexpr std::uint16_t kHoldUpTone = 150;
constexpr std::uint16_t kBombTone = 100;
constexpr std::uint16_t kBombEchoTone = 300;
constexpr std::uint16_t kBandTone = 1200;

// Allowance for the time a fall step spends outside its wait.
constexpr int kWaitAllowanceMs = 24;
// A wait that ran this many hundredths over its length holds the game up.
constexpr int kHoldUpHundredths = 30;
// A correct-column animation longer than this many hundredths holds the game up.
constexpr std::int32_t kSlowAnimationHundredths = 80;

bool AnyRequest(const InputRequests& input) {
    return input.MoveLeftRequest == 1 || input.MoveRightRequest == 1 || input.DropRequest == 1 ||
           input.EscapeRequest == 1 || input.OtherKeyRequest == 1;
}

}  // namespace

int StepDelay(int level) {
    static constexpr std::array<int, 18> kDelays{4000, 3000, 2000, 1500, 1100, 800, 600, 500, 400,
                                                 360,  320,  290,  260,  230,  200, 170, 140, 110};
    if (level < 1) {
        return kDelays[0];
    }
    if (level > static_cast<int>(kDelays.size())) {
        return 108;
    }
    return kDelays[static_cast<std::size_t>(level - 1)];
}

bool InputPending(GameHost& host, InputRequests& input) {
    host.Pump();
    if (AnyRequest(input)) {
        input.Paused = 0;
        return true;
    }
    return false;
}

int ReadInputKey(InputRequests& input) {
    int key = kKeyOther;
    if (input.MoveLeftRequest == 1) {
        key = kKeyLeft;
    } else if (input.MoveRightRequest == 1) {
        key = kKeyRight;
    } else if (input.DropRequest == 1) {
        key = kKeyDrop;
    } else if (input.EscapeRequest == 1) {
        key = kKeyEscape;
    }
    input.MoveLeftRequest = 0;
    input.MoveRightRequest = 0;
    input.DropRequest = 0;
    input.EscapeRequest = 0;
    input.OtherKeyRequest = 0;
    return key;
}

void WaitStep(GameHost& host, InputRequests& input, int ms) {
    const TimeOfDay start = host.Now();
    const std::int32_t t0 = start.StampWithinHour();
    const TimeOfDay first = host.Now();
    const std::int32_t t1 = first.StampWithinHour();
    for (;;) {
        const TimeOfDay now = host.Now();
        std::int32_t t = now.StampWithinHour();
        if (now.hour != first.hour) {
            t += kHundredthsPerHour;
        }
        const std::int32_t d = t - t1;
        // A clock that went backwards or a stop ends the wait with no hold-up check.
        if (d < 0 || input.StopGame == 1) {
            return;
        }
        if (InputPending(host, input)) {
            break;
        }
        // A pause holds the wait; InputPending keeps the window alive meanwhile.
        if (d * 10 > ms - kWaitAllowanceMs && input.Paused == 0) {
            break;
        }
        host.IdleWait();
    }
    const TimeOfDay end = host.Now();
    const double limit = t0 + (ms - kWaitAllowanceMs) / 10.0 + kHoldUpHundredths;
    if (end.hour == start.hour && end.StampWithinHour() > limit) {
        input.HeldUp = 1;
    }
}

void PlayGame(GameHost& host, PlayView& view, const Settings& settings, GameState& state,
              InputRequests& input) {
    GameLoop loop(host, view, settings, state, input);
    loop.PlayGame();
}

GameLoop::GameLoop(GameHost& host, PlayView& view, const Settings& settings, GameState& state,
                   InputRequests& input)
    : host_(host),
      view_(view),
      settings_(settings),
      state_(state),
      input_(input),
      rules_(state, input, host, *this) {}

void GameLoop::PlayGame() {
    input_.StopGame = 0;
    rules_.StartGameValues(state_.StartLevel);
    rules_.game.TotalScore = 0;
    state_.GameOver = 0;
    state_.LevelScore = 0;
    input_.HeldUp = 0;
    do {
        levelStart_ = host_.Now();
        input_.HeldUp = 0;
        PlayLevel(state_.StartLevel);
        // A stopped level counts as played: its points stay and the level goes up.
        if (state_.GameOver != 1) {
            ++state_.StartLevel;
        }
        rules_.game.TotalScore += state_.LevelScore;
    } while (state_.GameOver != 1 && input_.StopGame != 1);
    state_.LevelScore = rules_.game.TotalScore;
}

void GameLoop::PlayLevel(int level) {
    view_.SetUpHeading(state_.TableNumber);
    if (input_.StopGame == 1) {
        return;
    }
    rules_.ResetField();
    Block next = rules_.PickNextBlock(level);
    rules_.PlaceStones(level);
    for (;;) {
        rules_.ClearSolvedBands(level);
        if (rules_.FieldFull()) {
            GameOverSequence();
            state_.GameOver = 1;
            return;
        }
        if (rules_.LevelComplete(level, levelStart_, host_.Now())) {
            LevelEndSequence(level);
            return;
        }
        view_.ShowLevel(level);
        view_.ShowScore(state_.LevelScore + rules_.game.TotalScore);
        host_.Pump();
        stepDelay_ = StepDelay(level);

        falling_ = Falling{};
        falling_.block = next;
        next = rules_.PickNextBlockAfter(level, falling_.block.number);
        view_.DrawPreview(next);
        view_.ShowStill(kColumnsPerLevel - rules_.level.CorrectColumns);

        view_.DrawBlock(falling_.block, falling_.col, falling_.row);
        WaitStep(host_, input_, stepDelay_);
        falling_.key = kKeyNone;
        if (FallLoop()) {
            return;
        }
        rules_.LandBlock(falling_.col, falling_.row, falling_.block, falling_.dropStartRow);
    }
}

bool GameLoop::BelowIsEmpty() const {
    return rules_.Field().at(falling_.col, falling_.row + 1).kind == kEmpty;
}

bool GameLoop::MoveDown(bool wait) {
    if (!BelowIsEmpty()) {
        return true;
    }
    ++falling_.row;
    view_.EraseCell(falling_.col, falling_.row - 1);
    view_.DrawBlock(falling_.block, falling_.col, falling_.row);
    if (wait) {
        WaitStep(host_, input_, stepDelay_);
    }
    return false;
}

bool GameLoop::FallLoop() {
    bool landed = false;
    do {
        if (BelowIsEmpty()) {
            if (InputPending(host_, input_)) {
                HandleMove();
            }
            if (input_.StopGame == 1) {
                return true;
            }
            const bool steering =
                falling_.key == kKeyLeft || falling_.key == kKeyRight || falling_.key == kKeyDrop;
            if (!steering && !InputPending(host_, input_)) {
                landed = MoveDown(true);
            } else {
                // Keys read here only steer the next pass: a drop read here does not
                // drop, and repeated sideways keys are swallowed.
                do {
                    if (InputPending(host_, input_)) {
                        falling_.key = ReadInputKey(input_);
                        if (falling_.key == kKeyEscape) {
                            input_.StopGame = 1;
                            return true;
                        }
                    }
                } while ((falling_.key == kKeyLeft || falling_.key == kKeyRight) &&
                         InputPending(host_, input_));
                landed = MoveDown(!InputPending(host_, input_));
            }
        } else {
            landed = true;
        }
        if (input_.HeldUp == 1 && !landed && BelowIsEmpty()) {
            HoldUpDuringFall();
        }
    } while (!landed && falling_.row != 19);
    return false;
}

void GameLoop::HandleMove() {
    // A stop that arrived together with a key is kept: clearing it here would let the
    // game run on in a window that was closed or left.
    falling_.key = ReadInputKey(input_);
    if (falling_.key == kKeyEscape) {
        input_.StopGame = 1;
        return;
    }
    const PlayField& field = rules_.Field();
    if (falling_.key == kKeyLeft && falling_.col > 1 &&
        field.at(falling_.col - 1, falling_.row).kind == kEmpty) {
        view_.EraseCell(falling_.col, falling_.row);
        --falling_.col;
        view_.DrawBlock(falling_.block, falling_.col, falling_.row);
        host_.Pump();
        WaitStep(host_, input_, stepDelay_);
        // A second sideways key during the wait only ends it; a drop still drops.
        if (InputPending(host_, input_)) {
            falling_.key = ReadInputKey(input_);
        }
        if (falling_.key != kKeyDrop) {
            falling_.key = kKeyNone;
        }
    }
    if (falling_.key == kKeyRight && falling_.col < PlayField::kColumns &&
        field.at(falling_.col + 1, falling_.row).kind == kEmpty) {
        view_.EraseCell(falling_.col, falling_.row);
        ++falling_.col;
        view_.DrawBlock(falling_.block, falling_.col, falling_.row);
        WaitStep(host_, input_, stepDelay_);
        if (InputPending(host_, input_)) {
            falling_.key = ReadInputKey(input_);
        }
        if (falling_.key != kKeyDrop) {
            falling_.key = kKeyNone;
        }
    }
    if (falling_.key == kKeyDrop) {
        falling_.dropStartRow = falling_.row;
        while (BelowIsEmpty()) {
            view_.EraseCell(falling_.col, falling_.row);
            ++falling_.row;
            view_.DrawBlock(falling_.block, falling_.col, falling_.row);
        }
    }
}

void GameLoop::HoldUpDuringFall() {
    for (int step = 1; step <= 10; ++step) {
        Tone(kHoldUpTone);
        if (step == 3) {
            view_.EraseCell(falling_.col, falling_.row);
        }
        AnimationSleep(1, step == 3);
    }
    StopTone();
    rules_.RaiseFloor();
    // The block rises with the field; it is drawn again at its next step down.
    if (falling_.row > 1) {
        --falling_.row;
    }
    input_.HeldUp = 0;
}

void GameLoop::LevelEndSequence(int level) {
    const LevelBonus& bonus = rules_.Bonus();
    const std::int32_t score =
        state_.LevelScore - bonus.EmptyRows - bonus.TimeTier + rules_.game.TotalScore;
    const unsigned rowSleep = Slow() ? 1 : 20;

    view_.ShowStill(0);
    view_.ShowScore(score);
    for (int i = 1; i <= bonus.EmptyRows; ++i) {
        view_.DrawCurtainBar(i);
        host_.SleepMs(rowSleep);
        view_.ShowScore(score + i);
        host_.Pump();
    }
    StopTone();
    host_.SleepMs(500);

    const bool largeFullScreen =
        settings_.ScreenWidth == 1024 && settings_.ScreenHeight == 768 && settings_.WindowMode == 1;
    const unsigned curtainSleep = Slow() ? 1 : 40;
    for (int row = 1; row <= 19; ++row) {
        view_.DrawCurtainBar(row);
        if (largeFullScreen || bonus.EmptyRows > 5) {
            view_.ShowNextLevel(level + 1);
        }
        if (largeFullScreen || bonus.EmptyRows > 3) {
            view_.ShowBonus(bonus.TimeTier);
        }
        host_.Pump();
        host_.Pump();
        host_.SleepMs(curtainSleep);
    }
    host_.SleepMs(curtainSleep);

    StopTone();
    const std::int32_t tier = bonus.TimeTier;
    const std::int32_t base = score + bonus.EmptyRows;
    for (std::int32_t i = 1; i <= tier; ++i) {
        view_.ShowScore(base + i);
        if (Slow()) {
            continue;
        }
        if (tier < 20) {
            host_.SleepMs(20);
            host_.SleepMs(1);
            host_.SleepMs(1);
        } else if (i % 4 == 0) {
            // Large tiers count faster, and the largest fastest.
            if (tier < 40) {
                host_.SleepMs(20);
                host_.SleepMs(1);
                host_.SleepMs(1);
            } else {
                host_.SleepMs(1);
                host_.SleepMs(1);
                host_.SleepMs(1);
            }
        }
    }

    StopTone();
    view_.ShowBonus(tier);
    for (int blink = 1; blink <= 8; ++blink) {
        view_.BlinkNextLevel(level + 1, true);
        host_.Pump();
        host_.SleepMs(240);
        view_.BlinkNextLevel(level + 1, false);
        host_.Pump();
        host_.SleepMs(260);
    }

    view_.HideLevelEndMessages();
    host_.Pump();
    for (int row = 19; row >= 2; --row) {
        if (row == 2) {
            view_.WipeField();
        } else {
            view_.WipeRow(row);
        }
        host_.Pump();
        host_.SleepMs(rowSleep);
    }
    host_.Pump();
    StopTone();
    host_.SleepMs(500);
}

void GameLoop::GameOverSequence() {
    input_.LeaveGameOver = 0;
    input_.Paused = 0;
    input_.HeldUp = 0;
    view_.MarkGameEnded();
    host_.Pump();
    if (input_.WindowDeactivated == 1) {
        return;
    }

    for (int blink = 1; blink <= 3; ++blink) {
        view_.ShowStill(0);
        host_.SleepMs(100);
        view_.ShowStill(-1);
    }
    view_.ShowStill(0);

    if (input_.WindowDeactivated != 1) {
        const unsigned beat = Slow() ? 100 : 120;
        for (const unsigned ms : {beat, 8u, beat, 8u, beat, 8u, beat, 8u}) {
            host_.SleepMs(ms);
        }
    }
    if (input_.WindowDeactivated != 1) {
        const std::array<unsigned, 4> tail = Slow() ? std::array<unsigned, 4>{180, 8, 300, 8}
                                                    : std::array<unsigned, 4>{300, 8, 420, 8};
        for (const unsigned ms : tail) {
            host_.SleepMs(ms);
        }
    }

    for (int step = 1; step <= 9; ++step) {
        if (input_.WindowDeactivated == 1) {
            return;
        }
        view_.CloseCurtain(step);
        if (!Slow()) {
            host_.SleepMs(17);
            host_.SleepMs(12);
            host_.Pump();
        } else if (step == 9) {
            host_.Pump();
        }
    }
    // A window left during the last curtain step shows no game-over screen either.
    if (input_.WindowDeactivated == 1) {
        return;
    }

    host_.SleepMs(300);
    view_.ShowGameOver();
    for (bool yellow = true;; yellow = !yellow) {
        view_.BlinkGameOver(yellow);
        bool leave = false;
        for (int i = 0; i < 4 && !leave; ++i) {
            host_.SleepMs(100);
            leave = input_.LeaveGameOver == 1 || InputPending(host_, input_);
        }
        if (leave) {
            break;
        }
    }
    input_.LeaveGameOver = 0;
}

void GameLoop::StonePlaced(int col, int row) {
    view_.DrawStone(col, row);
}

void GameLoop::FloorRaised(const PlayField& field) {
    view_.RedrawField(rules_.level.RaisedRows, field);
}

void GameLoop::HeldUpPenalty(int /*col*/, int /*row*/) {
    for (int step = 1; step <= 10; ++step) {
        Tone(kHoldUpTone);
        AnimationSleep(1, step == 3);
    }
    StopTone();
}

void GameLoop::BombLanded(int col, int row) {
    for (int i = 0; i < 5; ++i) {
        Tone(kBombTone);
        host_.SleepMs(1);
        Tone(kBombEchoTone);
        host_.SleepMs(1);
    }
    StopTone();
    Tone(kBombTone);
    host_.SleepMs(1);
    Tone(kBombEchoTone);
    host_.SleepMs(1);
    view_.EraseCell(col, row);
    StopTone();
}

bool GameLoop::CorrectColumn(const PlayField& /*field*/, int col, int row) {
    const TimeOfDay before = host_.Now();
    for (int step = 1; step <= 6; ++step) {
        Tone(kCorrectTone);
        if (step == 3) {
            view_.DrawSolved(col, row);
            view_.DrawSolved(col, row + 1);
        }
        if (step == 6 && row > 1) {
            view_.EraseCell(col, row - 1);
        }
        AnimationSleep(1, step == 6);
    }
    StopTone();
    const TimeOfDay after = host_.Now();
    std::int32_t later = after.StampWithinDay();
    if (after.hour < before.hour) {
        later += kHundredthsPerDay;
    }
    return later - before.StampWithinDay() > kSlowAnimationHundredths;
}

void GameLoop::WrongColumn(int col, int row) {
    for (int step = 1; step <= 10; ++step) {
        Tone(kWrongTone);
        if (step == 3) {
            view_.EraseCell(col, row);
            host_.Pump();
        }
        AnimationSleep(1, step == 3);
    }
    StopTone();
}

void GameLoop::BandScored(int /*row*/, std::int32_t shownScoreBefore) {
    for (std::int32_t i = 1; i <= 8; ++i) {
        Tone(kBandTone);
        view_.ShowScore(shownScoreBefore + i);
        host_.SleepMs(Slow() ? 3 : 30);
    }
    StopTone();
}

void GameLoop::BandRowsMoved(const PlayField& field, int row) {
    for (int t = row + 1; t >= 3; --t) {
        for (int col = 1; col <= PlayField::kColumns; ++col) {
            const Cell& cell = field.at(col, t);
            if (cell.kind == kEmpty) {
                view_.EraseCell(col, t);
            } else if (cell.kind == kSolved) {
                view_.DrawSolved(col, t);
            } else if (cell.kind == kStone) {
                view_.DrawStone(col, t);
            } else {
                view_.DrawBlock(Block{cell.value, cell.kind}, col, t);
            }
        }
    }
    for (int t = 1; t <= 2; ++t) {
        for (int col = 1; col <= PlayField::kColumns; ++col) {
            view_.EraseCell(col, t);
        }
    }
}

void GameLoop::AnimationSleep(unsigned ms, bool keepOnSlowMachine) {
    if (!Slow() || keepOnSlowMachine) {
        host_.SleepMs(ms);
    }
}

void GameLoop::Tone(std::uint16_t frequency) {
    ToneIfSoundOn(settings_, frequency);
}

}  // namespace quorelin
