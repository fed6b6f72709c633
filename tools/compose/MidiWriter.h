// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writes a Standard MIDI File of format 0: one track, events placed by absolute tick.

#include <cstdint>
#include <vector>

namespace compose {

class MidiWriter {
public:
    explicit MidiWriter(int ticksPerQuarter) : ticksPerQuarter_(ticksPerQuarter) {}

    void tempo(long tick, int microsecondsPerQuarter);
    void program(long tick, int channel, int instrument);
    void controller(long tick, int channel, int number, int value);
    // A note from `tick` lasting `length` ticks.
    void note(long tick, long length, int channel, int key, int velocity);
    // The file's bytes; the track ends at `endTick`.
    std::vector<std::uint8_t> bytes(long endTick) const;

private:
    struct Event {
        long tick;
        int order;  // at one tick: set-up first, then note-offs, then note-ons
        std::vector<std::uint8_t> data;
    };
    void add(long tick, int order, std::vector<std::uint8_t> data);

    int ticksPerQuarter_;
    std::vector<Event> events_;
};

}  // namespace compose
