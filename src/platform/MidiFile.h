// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads how long a Standard MIDI File plays, from its bytes: in ticks (the unit the music
// device counts its position in) and in seconds. Nothing for anything that is not a
// well-formed MIDI file; no input, however damaged, is read beyond its end.

#include <QByteArray>

#include <optional>

namespace platform {

struct MidiLength {
    long ticks = 0;
    double seconds = 0;
};

std::optional<MidiLength> readMidiLength(const QByteArray& file);

}  // namespace platform
