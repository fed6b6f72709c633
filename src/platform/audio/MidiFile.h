// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads what the music device needs to know of a Standard MIDI File before it plays it,
// from its bytes: how long it plays, in ticks (the unit the device counts its position in)
// and in seconds, and the instruments it picks. Nothing for anything that is not a
// well-formed MIDI file; no input, however damaged, is read beyond its end.

#include <QByteArray>

#include <compare>
#include <optional>
#include <set>

namespace platform {

// An instrument as a General MIDI soundfont holds it: bank 0 for the melodic channels,
// bank 128 for the drum kits of the percussion channel (the tenth).
struct MidiInstrument {
    int bank = 0;
    int program = 0;
    auto operator<=>(const MidiInstrument&) const = default;
};

struct MidiPiece {
    long ticks = 0;
    double seconds = 0;
    // Every instrument the piece can play: program 0 of each bank, which every channel
    // starts with, and every program a channel changes to.
    std::set<MidiInstrument> instruments;
    bool selectsBanks = false;  // a bank select makes the instruments' banks its own to choose
};

std::optional<MidiPiece> readMidiPiece(const QByteArray& file);

}  // namespace platform
