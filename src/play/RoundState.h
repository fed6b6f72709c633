// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Clock.h"

#include <QString>

#include <array>
#include <cstdint>

namespace play {

// The play window's own state, beside the board's captions. Whole numbers are 16-bit and an
// index of -1 means "none", as the game keeps them.
struct RoundState {
    static constexpr std::int16_t noMusicPiece = 3;

    std::int16_t dealtCount = 0;          // numbers dealt so far this round, 0..7
    std::array<QString, 7> dealtTexts;      // the dealt numbers, kept for restoring the board
    bool buzzersOpen = false;             // buzzes are accepted
    bool answering = false;               // a player is answering
    std::int16_t answeringPlayer = -1;
    std::array<std::int16_t, 6> turnsTaken{};  // answers each player has started this round
    std::int16_t cancelCount = 0;         // cancels in the current answer
    platform::Moment answerStart{};       // when the answer time began,
    platform::Moment lastSelection{};     // and the answering player's last selection
    std::int16_t firstSource = -1;        // where the working row's numbers came from:
    std::int16_t secondSource = -1;       // 0..6 a dealt tile, 7..9 a made tile
    std::int16_t winningSlot = -1;        // the made slot that equalled the target
    std::int16_t animationTicks = 0;           // ticks of the spin and of the flashes
    bool buzzFlashDone = false;           // the flash at the start of an answer has finished
    bool musicPlaying = false;            // the round's music has been started
    std::int16_t musicPiece = noMusicPiece;  // the difficulty whose music is open
    std::int16_t stallCount = 0;          // music stall detection
    std::int16_t stallPosition = 0;
    std::int16_t lastDrawnPosition = 0;   // the clock position the dial was last painted for
    bool dialShown = false;               // the dial is on the board (from the clock's first step)

    bool operator==(const RoundState&) const = default;
};

}  // namespace play
