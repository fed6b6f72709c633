// SPDX-License-Identifier: GPL-3.0-or-later
#include "Composer.h"

#include "MidiWriter.h"

#include <array>
#include <cmath>
#include <random>

namespace compose {

namespace {

constexpr int bar = 4 * TicksPerQuarter;
constexpr int eighth = TicksPerQuarter / 2;

// General MIDI channels and sounds.
constexpr int leadChannel = 0, bassChannel = 1, pianoChannel = 2, drumChannel = 9;
constexpr int electricBass = 33, electricPiano = 4;
constexpr int kick = 36, snare = 38, closedHat = 42, crash = 49, highBlock = 76, lowBlock = 77;

constexpr std::array<int, 7> majorScale{0, 2, 4, 5, 7, 9, 11};

// Four-bar chord loops, as scale degrees (0 is the tonic chord).
constexpr std::array<std::array<int, 4>, 4> loops{{
    {0, 5, 3, 4},  // I vi IV V: the main loop
    {1, 4, 0, 5},  // ii V I vi
    {3, 4, 2, 5},  // IV V iii vi
    {3, 4, 0, 0},  // IV V I I: the close
}};

// The order of the loops over a piece; the last four bars always close it.
int loopFor(int section, int sections)
{
    if (section == sections - 1)
        return 3;
    constexpr int order[] = {0, 0, 1, 0, 2, 1, 0, 2};
    return order[section % 8];
}

// The pitch of scale step `step` (any whole number) above the tonic `key`.
int scalePitch(int key, int step)
{
    const int octave = int(std::floor(step / 7.0));
    return key + 12 * octave + majorScale[std::size_t(step - 7 * octave)];
}

struct Motif {
    std::vector<int> onsets;   // in eighths within two bars
    std::vector<int> lengths;  // in eighths
    std::vector<int> shape;    // steps relative to the chord's root, in scale steps
};

// A two-bar rhythm and contour, varied by the piece's seed.
Motif makeMotif(std::mt19937& random)
{
    Motif motif;
    int at = 0;
    while (at < 15) {
        const int length = std::uniform_int_distribution<int>(1, 3)(random) == 3 ? 2 : 1;
        motif.onsets.push_back(at);
        motif.lengths.push_back(length);
        // Mostly chord tones (0, 2, 4, 7), now and then a step between them.
        constexpr int tones[] = {0, 2, 4, 7, 4, 2, 1, 3, 5};
        motif.shape.push_back(tones[std::uniform_int_distribution<int>(0, 8)(random)]);
        at += length + (std::uniform_int_distribution<int>(0, 4)(random) == 0 ? 1 : 0);
    }
    return motif;
}

void writeDrums(MidiWriter& midi, long start, bool lastBar, bool sectionStart)
{
    if (sectionStart)
        midi.note(start, eighth, drumChannel, crash, 70);
    for (int beat = 0; beat < 4; ++beat) {
        const long at = start + beat * TicksPerQuarter;
        if (lastBar && beat > 0)
            break;
        // The clock: tick, tock, tick, tock.
        midi.note(at, eighth, drumChannel, beat % 2 == 0 ? highBlock : lowBlock, beat == 0 ? 100 : 84);
        midi.note(at, eighth / 2, drumChannel, closedHat, 72);
        midi.note(at + eighth, eighth / 2, drumChannel, closedHat, 50);
        if (beat == 0 || beat == 2)
            midi.note(at, eighth, drumChannel, kick, 96);
        if (beat == 1)
            midi.note(at + eighth, eighth, drumChannel, kick, 70);
        if (beat == 1 || beat == 3)
            midi.note(at, eighth, drumChannel, snare, 58);
    }
    if (lastBar)
        midi.note(start, bar / 2, drumChannel, crash, 96);
}

void writeBass(MidiWriter& midi, long start, int root, bool lastBar)
{
    if (lastBar) {
        midi.note(start, bar - eighth, bassChannel, root, 100);
        return;
    }
    // Root, root again off the beat, the fifth, the octave: a bounce under the tune.
    midi.note(start, TicksPerQuarter - 40, bassChannel, root, 100);
    midi.note(start + 3 * eighth, eighth - 20, bassChannel, root, 80);
    midi.note(start + 2 * TicksPerQuarter, TicksPerQuarter - 40, bassChannel, root + 7, 92);
    midi.note(start + 3 * TicksPerQuarter, TicksPerQuarter - 40, bassChannel, root + 12, 86);
}

void writePiano(MidiWriter& midi, long start, const std::array<int, 3>& chord, bool lastBar)
{
    if (lastBar) {
        for (const int key : chord)
            midi.note(start, bar - eighth, pianoChannel, key, 84);
        return;
    }
    // Short chords off the beat.
    for (int beat = 0; beat < 4; ++beat)
        for (const int key : chord)
            midi.note(start + beat * TicksPerQuarter + eighth, eighth - 60, pianoChannel, key, 66);
}

}  // namespace

const std::vector<Piece>& pieces()
{
    static const std::vector<Piece> all{
        {"Zarvell.mid", 240 * 0.647, 80, 60, 11, 1},  // Easy: vibraphone in C
        {"Zarvelm.mid", 240 * 0.205, 28, 65, 12, 2},  // Normal: marimba in F
        {"Zarvels.mid", 240 * 0.050, 8, 67, 13, 3},   // Hard: xylophone in G
    };
    return all;
}

std::vector<std::uint8_t> compose(const Piece& piece)
{
    MidiWriter midi(TicksPerQuarter);
    const long end = long(piece.bars) * bar;
    midi.tempo(0, int(std::lround(piece.seconds * 1e6 / (piece.bars * 4))));
    midi.program(0, leadChannel, piece.lead);
    midi.program(0, bassChannel, electricBass);
    midi.program(0, pianoChannel, electricPiano);
    midi.controller(0, pianoChannel, 7, 80);  // the piano sits behind the tune

    std::mt19937 random(piece.seed);
    Motif motif = makeMotif(random);
    const int sections = (piece.bars + 3) / 4;
    for (int barIndex = 0; barIndex < piece.bars; ++barIndex) {
        const int section = barIndex / 4;
        const int degree = loops[std::size_t(loopFor(section, sections))][std::size_t(barIndex % 4)];
        const bool lastBar = barIndex == piece.bars - 1;
        const long start = long(barIndex) * bar;
        const std::array<int, 3> chord{scalePitch(piece.key, degree), scalePitch(piece.key, degree + 2),
                                       scalePitch(piece.key, degree + 4)};
        writeDrums(midi, start, lastBar, barIndex % 8 == 0);
        writeBass(midi, start, scalePitch(piece.key - 24, degree), lastBar);
        writePiano(midi, start, chord, lastBar);

        // A new motif every eight bars, so the tune keeps moving; the last bar rings out.
        if (barIndex % 8 == 0 && barIndex > 0)
            motif = makeMotif(random);
        if (lastBar) {
            midi.note(start, bar - eighth, leadChannel, scalePitch(piece.key + 12, 0), 100);
            continue;
        }
        const int half = barIndex % 2;  // which bar of the two-bar motif
        for (std::size_t i = 0; i < motif.onsets.size(); ++i) {
            const int onset = motif.onsets[i] - 8 * half;
            if (onset < 0 || onset >= 8)
                continue;
            const long length = std::min(long(motif.lengths[i]) * eighth, long(8 - onset) * eighth) - 30;
            const int key = scalePitch(piece.key + 12, degree + motif.shape[i]);
            midi.note(start + onset * eighth, length, leadChannel, key, onset % 2 == 0 ? 96 : 80);
        }
    }
    return midi.bytes(end);
}

}  // namespace compose
