// SPDX-License-Identifier: GPL-3.0-or-later
#include "MidiWriter.h"

#include <algorithm>

namespace compose {

namespace {

enum Order { setUp, noteOff, noteOn };

void putVariableLength(std::vector<std::uint8_t>& out, unsigned long value)
{
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = std::uint8_t(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1)
        out.push_back(std::uint8_t(groups[--count] | 0x80));
    out.push_back(groups[0]);
}

void putBigEndian(std::vector<std::uint8_t>& out, unsigned long value, int bytes)
{
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out.push_back(std::uint8_t((value >> shift) & 0xFF));
}

}  // namespace

void MidiWriter::add(long tick, int order, std::vector<std::uint8_t> data)
{
    events_.push_back({tick, order, std::move(data)});
}

void MidiWriter::tempo(long tick, int microsecondsPerQuarter)
{
    const auto t = unsigned(microsecondsPerQuarter);
    add(tick, setUp, {0xFF, 0x51, 0x03, std::uint8_t(t >> 16), std::uint8_t(t >> 8), std::uint8_t(t)});
}

void MidiWriter::program(long tick, int channel, int instrument)
{
    add(tick, setUp, {std::uint8_t(0xC0 | channel), std::uint8_t(instrument)});
}

void MidiWriter::controller(long tick, int channel, int number, int value)
{
    add(tick, setUp, {std::uint8_t(0xB0 | channel), std::uint8_t(number), std::uint8_t(value)});
}

void MidiWriter::note(long tick, long length, int channel, int key, int velocity)
{
    add(tick, noteOn, {std::uint8_t(0x90 | channel), std::uint8_t(key), std::uint8_t(velocity)});
    add(tick + length, noteOff, {std::uint8_t(0x80 | channel), std::uint8_t(key), 0});
}

std::vector<std::uint8_t> MidiWriter::bytes(long endTick) const
{
    std::vector<Event> sorted = events_;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Event& a, const Event& b) { return a.tick != b.tick ? a.tick < b.tick : a.order < b.order; });
    std::vector<std::uint8_t> track;
    long now = 0;
    for (const Event& event : sorted) {
        putVariableLength(track, unsigned(event.tick - now));
        track.insert(track.end(), event.data.begin(), event.data.end());
        now = event.tick;
    }
    putVariableLength(track, unsigned(std::max(0L, endTick - now)));
    track.insert(track.end(), {0xFF, 0x2F, 0x00});

    std::vector<std::uint8_t> file{'M', 'T', 'h', 'd'};
    putBigEndian(file, 6, 4);
    putBigEndian(file, 0, 2);  // format 0
    putBigEndian(file, 1, 2);  // one track
    putBigEndian(file, unsigned(ticksPerQuarter_), 2);
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    putBigEndian(file, track.size(), 4);
    file.insert(file.end(), track.begin(), track.end());
    return file;
}

}  // namespace compose
