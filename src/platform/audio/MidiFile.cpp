// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/MidiFile.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace platform {

namespace {

constexpr int defaultTempo = 500000;  // microseconds to a quarter note: 120 beats a minute
constexpr long maxTicks = 1L << 40;   // beyond any real piece

// Reads bytes from a range, failing (and staying failed) at its end.
class Reader {
public:
    Reader(const char* begin, const char* end) : at_(begin), end_(end) {}

    bool ok() const { return ok_; }
    bool atEnd() const { return at_ >= end_; }
    const char* position() const { return at_; }

    std::uint32_t byte()
    {
        if (at_ >= end_) {
            ok_ = false;
            return 0;
        }
        return std::uint8_t(*at_++);
    }
    std::uint32_t bigEndian(int bytes)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i)
            value = value << 8 | byte();
        return value;
    }
    // At most four bytes of seven bits.
    std::uint32_t variableLength()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint32_t next = byte();
            value = value << 7 | (next & 0x7F);
            if (!(next & 0x80))
                return value;
        }
        ok_ = false;
        return 0;
    }
    void skip(std::uint32_t count)
    {
        if (std::uint32_t(end_ - at_) < count) {
            ok_ = false;
            at_ = end_;
            return;
        }
        at_ += count;
    }

private:
    const char* at_;
    const char* end_;
    bool ok_ = true;
};

constexpr int percussionChannel = 9;

// Walks one track's events; its length in ticks, or -1 when it is damaged. Tempo changes
// go into `tempos` by tick, the instruments picked and any bank select into `piece`.
long trackTicks(Reader track, std::map<long, int>& tempos, MidiPiece& piece)
{
    long tick = 0;
    std::uint32_t status = 0;
    while (track.ok() && !track.atEnd()) {
        tick += long(track.variableLength());
        if (tick > maxTicks)
            return -1;
        const std::uint32_t next = track.byte();
        if (next == 0xFF) {
            status = 0;  // a meta event ends running status
            const std::uint32_t type = track.byte();
            const std::uint32_t length = track.variableLength();
            if (type == 0x2F)
                return track.ok() ? tick : -1;
            if (type == 0x51 && length == 3) {
                const int tempo = int(track.bigEndian(3));
                if (tempo > 0)
                    tempos[tick] = tempo;
            } else {
                track.skip(length);
            }
            continue;
        }
        if (next == 0xF0 || next == 0xF7) {
            status = 0;
            track.skip(track.variableLength());
            continue;
        }
        if (next >= 0xF1)
            return -1;  // no other system message belongs in a file
        std::uint32_t first = next;
        if (next & 0x80) {
            status = next;
            first = track.byte();
        } else if (status == 0) {
            return -1;  // a data byte with no status to run on
        }
        // Programs and channel pressure carry one data byte, every other message two.
        const std::uint32_t kind = status & 0xF0;
        if (kind != 0xC0 && kind != 0xD0)
            track.byte();
        if (kind == 0xC0) {
            const bool drums = (status & 0x0F) == percussionChannel;
            piece.instruments.insert({drums ? 128 : 0, int(first & 0x7F)});
        }
        if (kind == 0xB0 && (first == 0 || first == 32))
            piece.selectsBanks = true;
    }
    // A track without its end event is damaged.
    return -1;
}

}  // namespace

std::optional<MidiPiece> readMidiPiece(const QByteArray& file)
{
    Reader reader(file.constData(), file.constData() + file.size());
    if (reader.bigEndian(4) != 0x4D546864)  // "MThd"
        return std::nullopt;
    const std::uint32_t headerLength = reader.bigEndian(4);
    reader.bigEndian(2);  // format
    const std::uint32_t trackCount = reader.bigEndian(2);
    const std::uint32_t division = reader.bigEndian(2);
    if (!reader.ok() || headerLength < 6 || trackCount == 0 || division == 0 || (division & 0x8000))
        return std::nullopt;
    reader.skip(headerLength - 6);

    std::map<long, int> tempos;
    MidiPiece piece;
    piece.instruments = {{0, 0}, {128, 0}};
    long ticks = 0;
    for (std::uint32_t found = 0; found < trackCount;) {
        const std::uint32_t id = reader.bigEndian(4);
        const std::uint32_t length = reader.bigEndian(4);
        const char* start = reader.position();
        reader.skip(length);
        if (!reader.ok())
            return std::nullopt;
        if (id != 0x4D54726B)  // not "MTrk": a chunk to pass over
            continue;
        const long trackLength = trackTicks(Reader(start, start + length), tempos, piece);
        if (trackLength < 0)
            return std::nullopt;
        ticks = std::max(ticks, trackLength);
        ++found;
    }

    // Seconds: each stretch between tempo changes at its own tempo.
    double seconds = 0;
    long from = 0;
    int tempo = defaultTempo;
    for (const auto& [at, next] : tempos) {
        if (at >= ticks)
            break;
        seconds += double(at - from) * tempo / division / 1e6;
        from = at;
        tempo = next;
    }
    seconds += double(ticks - from) * tempo / division / 1e6;
    piece.ticks = ticks;
    piece.seconds = seconds;
    return piece;
}

}  // namespace platform
