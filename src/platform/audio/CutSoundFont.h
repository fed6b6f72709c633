// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A General MIDI soundfont cut down to the instruments a piece plays. FluidSynth builds its
// tables for every preset of the soundfont it loads, about 7 MB for Debian's TimGM6mb, where
// a piece plays four or five presets. A cut rewrites only the soundfont's preset data, the
// last part of the file: the presets asked for, the instruments they use, and every sample
// header as it was, so that no sample number changes and the samples themselves are read
// from the file where they are. FluidSynth reads the cut through file callbacks of a loader
// of ours: nothing is written to disk.

#include "platform/audio/MidiFile.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <set>

typedef struct _fluid_synth_t fluid_synth_t;

namespace platform {

// The preset data list of a soundfont (its "LIST" header and all), cut down to `presets` and
// the instruments they use. Nothing when the list is damaged or holds none of `presets`.
std::optional<QByteArray> cutPresetData(const QByteArray& presetData, const std::set<MidiInstrument>& presets);

// Gives `synth` the loader that reads cut soundfonts; FluidSynth's own loader still reads
// every other file.
void addCutSoundFontLoader(fluid_synth_t* synth);

// A cut of the soundfont at `path`, kept while this lives: its name loads it into a synth
// that has the loader above. Empty when the file cannot be cut (not a soundfont, or its
// preset data not last in the file): the file is then to be loaded whole.
class CutSoundFont {
public:
    CutSoundFont(const QString& path, const std::set<MidiInstrument>& presets);
    ~CutSoundFont();
    CutSoundFont(const CutSoundFont&) = delete;
    CutSoundFont& operator=(const CutSoundFont&) = delete;

    bool isEmpty() const { return name_.isEmpty(); }
    const QByteArray& name() const { return name_; }

private:
    QByteArray name_;
};

}  // namespace platform
