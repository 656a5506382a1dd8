#pragma once
// The play window's input rule without the window: which key or mouse button sets which
// request, how a pause starts and ends, and how quitting, leaving the game-over screen
// and losing the window's activation set the flags the game polls. The play window
// calls these and only adds its own work (captions, the instructions panel, focus); the
// tests' scripted window calls the same, so a scripted player presses keys exactly as a
// real one does.
#include "game/state.h"

namespace quorelin {

// The keys the game tells apart. Letters are keys, not typed characters, so Shift makes
// no difference; every key without a role of its own (the Up arrow, digits, Tab, ...)
// is Other.
enum class GameKey { Left, Right, Down, Escape, P, I, Y, X, S, Other };

// What a key press leaves to the window once PressKey has set the flags.
enum class KeyRole {
    Done,                      // the flags say it all: a move, Escape, quitting, nothing
    OtherKey,                  // the other-key effect: the pause button reads "running"
    TogglePause,               // P: the window runs TogglePause
    ToggleInstructions,        // I, and Y in Frisian: opens or closes the panel
    OtherKeyThenInstructions,  // Y elsewhere: both of the above, in that order
};

// A key press in a language (1..5): sets the requests of the arrows and Escape, the
// other-key effect, or quits (X; S where the exit caption's accelerator is S, languages
// 2..5; in English S does nothing); then leaves an ended game's game-over screen.
KeyRole PressKey(InputRequests& input, GameKey key, int language, bool gameEnded);

// The other-key effect: ends a pause and asks the game to read a key.
void OtherKey(InputRequests& input);

// Starts a pause: the game waits, and the next moment it can costs a floor rise.
void Pause(InputRequests& input);
// Ends a pause (a click, the panel's close button, closing the instructions); an ended
// game leaves its game-over screen instead.
void Resume(InputRequests& input, bool gameEnded);

// What TogglePause did, for the window's caption.
enum class PauseChange { None, Paused, Resumed };
// The pause button and P. Once the game has ended nothing is paused any more: the press
// only leaves the game-over screen.
PauseChange TogglePause(InputRequests& input, bool gameEnded);

// The exit buttons, X, S and the close box: the game stops, and leaves its game-over
// screen if it shows it.
void QuitGame(InputRequests& input);
// After every press: once the game has ended, any press leaves its game-over screen.
void LeaveIfGameOver(InputRequests& input, bool gameEnded);
// The window lost its activation: the game stops at once, without its end animation.
void Deactivate(InputRequests& input);
// A new show forgets every request and pause of the game before.
void ForgetRequests(InputRequests& input);

enum class MouseButton { Left, Right, Middle, Other };
// A mouse button on a control of the field side: left and right move, middle drops.
void PressMouseButton(InputRequests& input, MouseButton button);

}  // namespace quorelin
