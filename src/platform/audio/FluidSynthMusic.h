// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The music device over FluidSynth: a General MIDI soundfont, a MIDI file player, and an
// audio driver that runs only while a piece is open. What FluidSynth 2.3 does not give
// directly is made good here: its player knows a piece's length only after it has run, so
// the length is read from the file at open(); a stopped player reads like a finished one,
// so "finished" is the position at or past the length; and a player deleted while it
// plays crashes, so close() stops it and removes the audio driver before the player.
// The event sounds play on channels the pieces leave free, scheduled by a FluidSynth
// sequencer in the audio thread. For them the audio runs with short periods, so that a sound
// is heard within a few hundredths of a second of its event: all along with a piece, and
// without one only from a sound to a second after it. A piece closed while a sound plays keeps
// its stopped player until the audio stops.

#include "platform/audio/MidiFile.h"
#include "platform/audio/MusicDevice.h"

#include <QString>
#include <QTimer>

#include <atomic>
#include <memory>
#include <set>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;
typedef struct _fluid_audio_driver_t fluid_audio_driver_t;
typedef struct _fluid_sequencer_t fluid_sequencer_t;
typedef struct _fluid_midi_event_t fluid_midi_event_t;

namespace platform {

class CutSoundFont;

class FluidSynthMusic final : public MusicDevice {
public:
    static QString defaultSoundFont();

    // `audioDriver` names FluidSynth's audio driver (empty: its own choice for the
    // desktop); `audioFile` is where its "file" driver writes, for machines without sound.
    explicit FluidSynthMusic(QString soundFont = defaultSoundFont(), const QString& audioDriver = {},
                             const QString& audioFile = {});
    ~FluidSynthMusic() override;
    FluidSynthMusic(const FluidSynthMusic&) = delete;
    FluidSynthMusic& operator=(const FluidSynthMusic&) = delete;

    void setDeviceType(const QString& type) override { deviceType_ = type; }
    void setFileName(const QString& fileName) override { fileName_ = fileName; }
    void setMute(bool mute) override;

    // Opens the file as a "Sequencer": the only device type there is.
    bool open() override;
    void play() override;
    void stop() override;
    void close() override;

    long length() const override { return length_; }
    long position() const override;

    bool openSounds() override;
    void playSound(GameSound sound) override;
    void closeSounds() override;

private:
    bool loadSynth(const MidiPiece& piece);
    int loadSoundFont(const MidiPiece& piece);
    void prepareSoundChannels();
    bool startAudio();
    void stopAudio();
    void soundsOver();  // a second after the last sound
    // The player's way into the synth: a muted piece plays on without a note.
    static int playEvent(void* music, fluid_midi_event_t* event);

    QString soundFont_;
    QString deviceType_;
    QString fileName_;
    std::atomic<bool> mute_ = false;  // read in the audio thread

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;  // made at the first open
    // The soundfont is loaded cut down to the instruments the pieces opened so far play, and
    // loaded again only when a piece plays one more; or whole, when it cannot be cut or a
    // piece selects banks of its own.
    int soundFontId_ = -1;
    std::set<MidiInstrument> instruments_;
    bool wholeSoundFont_ = false;
    std::unique_ptr<CutSoundFont> cut_;  // the cut loaded, if it is one
    fluid_player_t* player_ = nullptr;
    fluid_player_t* retiredPlayer_ = nullptr;  // a closed piece's, while the sounds' audio runs
    fluid_audio_driver_t* driver_ = nullptr;
    bool driverForSounds_ = false;  // started with the sounds' short periods
    long length_ = 0;
    bool soundsOpen_ = false;
    QTimer soundsSounding_;  // runs from a sound until a second after it
    fluid_sequencer_t* sequencer_ = nullptr;  // made at the first openSounds()
    short synthClient_ = -1;                 // the synth as the sequencer's destination
};

}  // namespace platform
