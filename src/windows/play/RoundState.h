// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace play {

// What the play window keeps of a round beside the round itself (core::Round): its
// animations, its music and its dial. Whole numbers are 16-bit, as the game keeps them.
struct RoundState {
    static constexpr std::int16_t noMusicPiece = 3;

    std::int16_t animationTicks = 0;      // ticks of the spin and of the flashes
    bool musicPlaying = false;            // the round's music has been started
    std::int16_t musicPiece = noMusicPiece;  // the difficulty whose music is open
    std::int16_t stallCount = 0;          // music stall detection
    std::int16_t stallPosition = 0;
    std::int16_t lastDrawnPosition = 0;   // the clock position the dial was last painted for
    bool dialShown = false;               // the dial is on the board (from the clock's first step)

    bool operator==(const RoundState&) const = default;
};

}  // namespace play
