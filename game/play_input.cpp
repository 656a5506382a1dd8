#include "game/play_input.h"

namespace quorelin {

KeyRole PressKey(InputRequests& input, GameKey key, int language, bool gameEnded) {
    KeyRole role = KeyRole::Done;
    switch (key) {
        case GameKey::Left:
            input.MoveLeftRequest = 1;
            break;
        case GameKey::Right:
            input.MoveRightRequest = 1;
            break;
        case GameKey::Down:
            input.DropRequest = 1;
            break;
        case GameKey::Escape:
            input.EscapeRequest = 1;
            break;
        case GameKey::P:
            role = KeyRole::TogglePause;
            break;
        case GameKey::I:
            role = KeyRole::ToggleInstructions;
            break;
        case GameKey::Y:
            // Only the Frisian instructions button answers to Y; elsewhere Y is also an
            // ordinary key, which lets the game run on with the panel open.
            if (language == 4) {
                role = KeyRole::ToggleInstructions;
            } else {
                OtherKey(input);
                role = KeyRole::OtherKeyThenInstructions;
            }
            break;
        case GameKey::X:
            QuitGame(input);
            break;
        case GameKey::S:
            // The exit buttons of Spanish, Dutch, Frisian and German begin with S.
            if (language >= 2 && language <= 5) {
                QuitGame(input);
            }
            break;
        case GameKey::Other:
            OtherKey(input);
            role = KeyRole::OtherKey;
            break;
    }
    LeaveIfGameOver(input, gameEnded);
    return role;
}

void OtherKey(InputRequests& input) {
    input.Paused = 0;
    input.OtherKeyRequest = 1;
}

void Pause(InputRequests& input) {
    input.Paused = 1;
    input.HeldUp = 1;
}

void Resume(InputRequests& input, bool gameEnded) {
    input.Paused = 0;
    LeaveIfGameOver(input, gameEnded);
}

PauseChange TogglePause(InputRequests& input, bool gameEnded) {
    if (gameEnded) {
        LeaveIfGameOver(input, gameEnded);
        return PauseChange::None;
    }
    if (input.Paused == 0) {
        Pause(input);
        return PauseChange::Paused;
    }
    Resume(input, gameEnded);
    return PauseChange::Resumed;
}

void QuitGame(InputRequests& input) {
    input.LeaveGameOver = 1;
    input.StopGame = 1;
}

void LeaveIfGameOver(InputRequests& input, bool gameEnded) {
    if (gameEnded) {
        QuitGame(input);
    }
}

void Deactivate(InputRequests& input) {
    input.StopGame = 1;
    input.WindowDeactivated = 1;
}

void ForgetRequests(InputRequests& input) {
    input.WindowDeactivated = 0;
    input.Paused = 0;
    input.OtherKeyRequest = 0;
    input.MoveLeftRequest = 0;
    input.MoveRightRequest = 0;
    input.DropRequest = 0;
    input.EscapeRequest = 0;
}

void PressMouseButton(InputRequests& input, MouseButton button) {
    switch (button) {
        case MouseButton::Left:
            input.MoveLeftRequest = 1;
            break;
        case MouseButton::Right:
            input.MoveRightRequest = 1;
            break;
        case MouseButton::Middle:
            input.DropRequest = 1;
            break;
        case MouseButton::Other:
            break;
    }
}

}  // namespace quorelin
