// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The moves from one window of the game to the next. A window asks for them; the program,
// which alone knows every window, carries them out, so no window knows another.

#include "core/puzzle/Target.h"

namespace platform {
struct Services;
}

namespace core {

struct Game;

class GameFlow {
public:
    virtual ~GameFlow() = default;

    virtual void showTitle() = 0;       // the game's front door, after "End Game"
    virtual void showAbout() = 0;       // modal, over the title window
    virtual void showSetUp() = 0;       // "Play!"
    virtual void showRules() = 0;       // modal, over the set-up window
    virtual void startRound() = 0;      // the play window, its round prepared
    // Modal, over the play window: one way from the numbers dealt to `target`.
    virtual void showSolution(const Deal& deal, int target) = 0;
    virtual void showRoundTable() = 0;  // after every round
    virtual void showFinalTable() = 0;  // after the last round's table
};

// What every window is given: the platform's services, the game, and the way on.
struct WindowContext {
    platform::Services& services;
    Game& game;
    GameFlow& flow;
};

}  // namespace core
