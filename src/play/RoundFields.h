// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace play {

// The play window's own state, beside the board's captions. Whole numbers are 16-bit and an
// index of -1 means "none", as the game keeps them.
struct RoundFields {
    static constexpr std::int16_t NoMusicPiece = 3;

    std::int16_t DealtCount = 0;          // numbers dealt so far this round, 0..7
    std::array<QString, 7> OrigText;      // the dealt numbers, kept for restoring the board
    bool BuzzersOpen = false;             // buzzes are accepted
    bool Answering = false;               // a player is answering
    std::int16_t AnsweringPlayer = -1;
    std::array<std::int16_t, 6> TurnsTaken{};  // answers each player has started this round
    std::int16_t CancelCount = 0;         // cancels in the current answer
    double TurnStart = 0;                 // date-times: when the answer began,
    double LastAction = 0;                // and the answering player's last selection
    std::int16_t FirstSource = -1;        // where the working row's numbers came from:
    std::int16_t SecondSource = -1;       // 0..6 a dealt tile, 7..9 a made tile
    std::int16_t WinningSlot = -1;        // the made slot that equalled the target
    std::int16_t AnimTicks = 0;           // ticks of the spin and of the flashes
    bool BuzzFlashDone = false;           // the flash at the start of an answer has finished
    bool MusicPlaying = false;            // the round's music has been started
    std::int16_t MusicPiece = NoMusicPiece;  // the difficulty whose music is open
    std::int16_t StallCount = 0;          // music stall detection
    std::int16_t StallLast = 0;
    std::int16_t LastDrawnPosition = 0;   // the clock position the dial was last painted for

    bool operator==(const RoundFields&) const = default;
};

}  // namespace play
