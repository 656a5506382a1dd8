#pragma once
// The two narrow doors through which the game loop touches the world: the machine and
// window system (GameHost) and the painted play window (PlayView). The program fills
// them with the real clock, sleeps and painter; tests fill them with a virtual clock and
// a recorder, so a whole game replays in milliseconds.
#include <cstdint>

#include "game/rules.h"
#include "game/time_of_day.h"

namespace quorelin {

// What the game loop needs from the machine and the window system. The random source
// comes along because the rules draw their numbers from it.
class GameHost : public RandomSource {
public:
    ~GameHost() override = default;
    // The time of day: hour, minute, second and hundredths (0..100).
    virtual TimeOfDay Now() = 0;
    // Holds the game for a number of milliseconds; window messages wait meanwhile.
    virtual void SleepMs(unsigned ms) = 0;
    // Lets pending window messages run (keys, buttons, close, deactivation).
    virtual void Pump() = 0;
    // Between two polls of a wait: blocks for about a millisecond or until input
    // arrives, so that a running game does not keep a core busy.
    virtual void IdleWait() = 0;
};

// What the game loop paints or writes on the play window, one call per drawing
// operation. Rows and columns are those of the play field (columns 1..9, rows 1..19).
class PlayView {
public:
    virtual ~PlayView() = default;

    // The table heading and the label over the scheme picture, at every level's start.
    virtual void SetUpHeading(double tableNumber) = 0;

    // A number block at (col, row); also puts the running caption back on the pause
    // button when it shows anything else.
    virtual void DrawBlock(const Block& block, int col, int row) = 0;
    // A black rectangle over the whole cell pitch at (col, row).
    virtual void EraseCell(int col, int row) = 0;
    virtual void DrawSolved(int col, int row) = 0;
    virtual void DrawStone(int col, int row) = 0;
    // After a floor rise: the cells of rows 1..18 that are not empty, then the floor
    // bars of the raised rows.
    virtual void RedrawField(int raisedRows, const PlayField& field) = 0;
    // The preview of the next block.
    virtual void DrawPreview(const Block& next) = 0;

    // The three value panels. ShowStill(-1) shows the panel's text without a number.
    virtual void ShowLevel(int level) = 0;
    virtual void ShowScore(std::int32_t score) = 0;
    virtual void ShowStill(int columnsNeeded) = 0;

    // Level end: the bonus label (hidden when the tier is 0), the next-level label,
    // one blink of the next-level label (green or yellow), and hiding both labels.
    virtual void ShowBonus(std::int32_t timeTier) = 0;
    virtual void ShowNextLevel(int nextLevel) = 0;
    virtual void BlinkNextLevel(int nextLevel, bool green) = 0;
    virtual void HideLevelEndMessages() = 0;
    // Level end: a curtain bar over one field row, then the black wipe row by row and
    // finally over the whole field.
    virtual void DrawCurtainBar(int row) = 0;
    virtual void WipeRow(int row) = 0;
    virtual void WipeField() = 0;

    // Game over: the pause button becomes the proceed button (game-ended mark and
    // caption); the curtain step 1..9 (step n covers 2n rows, step 9 the whole field);
    // the key line and the "Game Over" panel; one blink colour of that panel
    // (yellow, or red / orange by colour scheme).
    virtual void MarkGameEnded() = 0;
    virtual void CloseCurtain(int step) = 0;
    virtual void ShowGameOver() = 0;
    virtual void BlinkGameOver(bool yellow) = 0;
};

}  // namespace quorelin
