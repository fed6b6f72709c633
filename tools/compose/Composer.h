// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game's three round pieces, composed by rule: a four-chord loop over a bouncing bass,
// off-beat piano stabs, a ticking woodblock and hi-hat, and a mallet tune made of a short
// motif that follows the chords. Each piece lasts exactly as long as its difficulty's round.

#include <cstdint>
#include <string>
#include <vector>

namespace compose {

struct Piece {
    std::string file;       // "Zarvell.mid" and so on
    double seconds;         // how long it plays
    int bars;               // of 4/4; the tempo follows from seconds and bars
    int key;                // MIDI note of the key's tonic, major
    int lead;               // General MIDI program of the tune
    unsigned seed;          // the tune's choices
};

// Easy, Normal and Hard: 240 ticks of 647, 205 and 50 ms, the length of a silent round's clock.
const std::vector<Piece>& pieces();

constexpr int TicksPerQuarter = 480;

// The Standard MIDI File of a piece.
std::vector<std::uint8_t> compose(const Piece& piece);

}  // namespace compose
