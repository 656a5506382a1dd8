#pragma once
// The game loop: plays a game level after level, block after block, paced by the time
// of day. It runs in the window's own thread and keeps the window alive by pumping its
// messages at fixed points; the window talks back only through the request flags.
#include <cstdint>

#include "game/host.h"
#include "game/rules.h"
#include "game/state.h"

namespace quorelin {

// The code a set request flag turns into.
enum InputKey : int {
    kKeyEscape = 27,
    kKeyOther = 32,
    kKeyLeft = 75,
    kKeyRight = 77,
    kKeyDrop = 80,
    kKeyNone = 219,
};

// The nominal pause between two fall steps at a level, in milliseconds.
int StepDelay(int level);

// Lets pending messages run; when one of the five requests is set, ends a pause and
// answers true.
bool InputPending(GameHost& host, InputRequests& input);

// The key of the first set request (left, right, drop, escape, else other); clears all
// five requests.
int ReadInputKey(InputRequests& input);

// Waits one fall step of ms milliseconds on the clock, returning early on input, on a
// stop or on a clock that went backwards. A pause holds the wait. A wait that ran more
// than 0.30 s over its length sets HeldUp.
void WaitStep(GameHost& host, InputRequests& input, int ms);

// Plays one game from state.StartLevel until the field is full or StopGame is set;
// leaves the game's total in LevelScore and the level reached in StartLevel.
void PlayGame(GameHost& host, PlayView& view, const Settings& settings, GameState& state,
              InputRequests& input);

// One game in play: the rules, the falling block, and the animations the rules ask for.
class GameLoop : private RuleEvents {
public:
    GameLoop(GameHost& host, PlayView& view, const Settings& settings, GameState& state,
             InputRequests& input);

    void PlayGame();
    // Plays one level: blocks until the level is complete, the field is full or the
    // game is stopped.
    void PlayLevel(int level);

private:
    // The block in the air and what the player last asked of it.
    struct Falling {
        Block block;
        int col = 5;
        int row = 1;
        int key = kKeyNone;
        int dropStartRow = kNoQuickDrop;
    };

    bool BelowIsEmpty() const;
    // One step down when the cell below is still empty; else the block has landed.
    // Returns true when it landed.
    bool MoveDown(bool wait);
    // True when the level must return (a stop).
    bool FallLoop();
    void HandleMove();
    void HoldUpDuringFall();
    void LevelEndSequence(int level);
    void GameOverSequence();

    // RuleEvents: the animations and redraws the rules trigger.
    void StonePlaced(int col, int row) override;
    void FloorRaised(const PlayField& field) override;
    void HeldUpPenalty(int col, int row) override;
    void BombLanded(int col, int row) override;
    bool CorrectColumn(const PlayField& field, int col, int row) override;
    void WrongColumn(int col, int row) override;
    void BandScored(int row, std::int32_t shownScoreBefore) override;
    void BandRowsMoved(const PlayField& field, int row) override;

    // A sleep that a slow machine skips.
    void AnimationSleep(unsigned ms, bool keepOnSlowMachine);
    bool Slow() const { return settings_.SlowMachine == 1; }
    void Tone(std::uint16_t frequency);

    GameHost& host_;
    PlayView& view_;
    const Settings& settings_;
    GameState& state_;
    InputRequests& input_;
    Rules rules_;
    Falling falling_;
    int stepDelay_ = 0;
    TimeOfDay levelStart_;
};

}  // namespace quorelin
