// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/FluidSynthMusic.h"

#include "platform/audio/CutSoundFont.h"
#include "platform/audio/MidiFile.h"
#include "platform/DataFiles.h"

#include <QFile>

#include <fluidsynth.h>

#include <algorithm>
#include <span>
#include <utility>

namespace platform {

namespace {

constexpr double normalGain = 0.6;

// The event sounds play on the last three of the sixteen MIDI channels (FluidSynth's player
// overruns its tables with more), which the game's pieces leave free: they play on four of the
// first ten.
constexpr int pieceChannels = 13;
struct SoundVoice {
    int channel;
    MidiInstrument instrument;
};
constexpr SoundVoice squareLead{pieceChannels, {0, 80}};
constexpr SoundVoice trumpet{pieceChannels + 1, {0, 56}};
constexpr SoundVoice drums{pieceChannels + 2, {128, 0}};
constexpr SoundVoice soundVoices[] = {squareLead, trumpet, drums};

struct SoundNote {
    const SoundVoice* voice;
    short key;
    unsigned startMs;
    unsigned lengthMs;
};

// Each sound's notes: short, bright, and loud enough to be heard over the music.
// Buzz: two quick rising notes; Win: a trumpet's arpeggio and a cymbal; Refused: a low
// falling pair; TurnOver: three falling notes; RoundOver: a low chord on a cymbal and a drum.
constexpr SoundNote buzzNotes[] = {{&squareLead, 76, 0, 70}, {&squareLead, 83, 70, 80}};
constexpr SoundNote winNotes[] = {{&trumpet, 72, 0, 110},   {&trumpet, 76, 110, 110}, {&trumpet, 79, 220, 110},
                                  {&trumpet, 84, 330, 500}, {&drums, 49, 330, 500}};
constexpr SoundNote refusedNotes[] = {{&squareLead, 55, 0, 140}, {&squareLead, 49, 150, 260}};
constexpr SoundNote turnOverNotes[] = {{&squareLead, 67, 0, 180}, {&squareLead, 62, 200, 180},
                                       {&squareLead, 55, 400, 400}};
constexpr SoundNote roundOverNotes[] = {{&trumpet, 60, 0, 700}, {&trumpet, 67, 0, 700}, {&drums, 49, 0, 700},
                                        {&drums, 36, 0, 200}};

std::span<const SoundNote> soundNotes(GameSound sound)
{
    switch (sound) {
    case GameSound::Buzz: return buzzNotes;
    case GameSound::Win: return winNotes;
    case GameSound::Refused: return refusedNotes;
    case GameSound::TurnOver: return turnOverNotes;
    case GameSound::RoundOver: return roundOverNotes;
    }
    return {};
}

// Audio periods: long ones for music alone, which is lighter on the processor (a stop lags by
// a few hundredths of a second); two short ones for the event sounds, so that a buzz is heard
// some 30 ms after its key (scripts/measure: periods of 256 frames took 50 to 60 ms).
constexpr int musicPeriod = 1024, musicPeriods = 16;
constexpr int soundsPeriod = 128, soundsPeriods = 2;

// FluidSynth reports problems on the terminal; the game reports them to the player instead.
void quietFluidSynth()
{
    for (const int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
}

}  // namespace

QString FluidSynthMusic::defaultSoundFont()
{
    return QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2");
}

FluidSynthMusic::FluidSynthMusic(QString soundFont, const QString& audioDriver, const QString& audioFile)
    : soundFont_(std::move(soundFont))
{
    soundsSounding_.setSingleShot(true);
    soundsSounding_.callOnTimeout([this] { soundsOver(); });
    quietFluidSynth();
    settings_ = new_fluid_settings();
    if (!audioDriver.isEmpty())
        fluid_settings_setstr(settings_, "audio.driver", audioDriver.toUtf8().constData());
    if (!audioFile.isEmpty())
        fluid_settings_setstr(settings_, "audio.file.name", audioFile.toUtf8().constData());
    // Light on the processor while a round runs: a few instruments at a time need no more than
    // half the usual sample rate and a modest polyphony, and no reverb or chorus.
    fluid_settings_setnum(settings_, "synth.sample-rate", 22050.0);
    fluid_settings_setint(settings_, "synth.polyphony", 48);
    fluid_settings_setint(settings_, "synth.reverb.active", 0);
    fluid_settings_setint(settings_, "synth.chorus.active", 0);
    // A tune uses a handful of the soundfont's instruments: only their samples are read, as the
    // tune picks them, not the whole font's (its samples took twice the file's size in memory).
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
}

FluidSynthMusic::~FluidSynthMusic()
{
    soundsOpen_ = false;
    soundsSounding_.stop();
    close();
    if (sequencer_)
        delete_fluid_sequencer(sequencer_);
    if (synth_)
        delete_fluid_synth(synth_);
    delete_fluid_settings(settings_);
}

bool FluidSynthMusic::loadSynth(const MidiPiece& piece)
{
    const auto& wanted = piece.instruments;
    const bool cutHoldsPiece =
        !piece.selectsBanks && std::includes(instruments_.begin(), instruments_.end(), wanted.begin(), wanted.end());
    if (soundFontId_ >= 0 && (wholeSoundFont_ || cutHoldsPiece))
        return true;
    if (!QFile::exists(soundFont_))
        return false;
    if (!synth_) {
        synth_ = new_fluid_synth(settings_);
        if (!synth_)
            return false;
        fluid_synth_set_gain(synth_, float(normalGain));
        addCutSoundFontLoader(synth_);
    }
    // The soundfont loaded before goes first, so that two are never held at once.
    if (soundFontId_ >= 0)
        fluid_synth_sfunload(synth_, soundFontId_, 1);
    cut_.reset();
    soundFontId_ = loadSoundFont(piece);
    if (soundFontId_ == FLUID_FAILED) {
        delete_fluid_synth(synth_);
        synth_ = nullptr;
        soundFontId_ = -1;
        instruments_.clear();
        wholeSoundFont_ = false;
        return false;
    }
    return true;
}

int FluidSynthMusic::loadSoundFont(const MidiPiece& piece)
{
    if (!piece.selectsBanks && !wholeSoundFont_) {
        std::set<MidiInstrument> instruments = instruments_;
        instruments.insert(piece.instruments.begin(), piece.instruments.end());
        // The sounds' instruments are always in the cut; their samples are read only when the
        // sounds open and choose them.
        for (const SoundVoice& voice : soundVoices)
            instruments.insert(voice.instrument);
        auto cut = std::make_unique<CutSoundFont>(soundFont_, instruments);
        if (!cut->isEmpty()) {
            const int id = fluid_synth_sfload(synth_, cut->name().constData(), 1);
            if (id != FLUID_FAILED) {
                instruments_ = std::move(instruments);
                cut_ = std::move(cut);
                return id;
            }
        }
    }
    wholeSoundFont_ = true;
    return fluid_synth_sfload(synth_, QFile::encodeName(soundFont_).constData(), 1);
}

bool FluidSynthMusic::open()
{
    close();
    if (deviceType_ != QStringLiteral("Sequencer"))
        return false;
    // A round's piece is some kilobytes; a file of megabytes is not one.
    const auto bytes = readWholeFile(fileName_, 1 << 20);
    if (!bytes)
        return false;
    const auto midi = readMidiPiece(*bytes);
    if (!midi || midi->ticks == 0 || !loadSynth(*midi))
        return false;

    // A new piece starts with the audio stopped: the player made below is never touched by a
    // running driver before it is whole.
    stopAudio();
    fluid_synth_system_reset(synth_);
    prepareSoundChannels();
    player_ = new_fluid_player(synth_);
    if (!player_ || fluid_player_add_mem(player_, bytes->constData(), std::size_t(bytes->size())) == FLUID_FAILED ||
        fluid_player_set_playback_callback(player_, &FluidSynthMusic::playEvent, this) == FLUID_FAILED ||
        !startAudio()) {
        close();
        return false;
    }
    length_ = midi->ticks;
    return true;
}

int FluidSynthMusic::playEvent(void* music, fluid_midi_event_t* event)
{
    auto* self = static_cast<FluidSynthMusic*>(music);
    constexpr int noteOn = 0x90;
    if (self->mute_ && fluid_midi_event_get_type(event) == noteOn)
        return FLUID_OK;
    return fluid_synth_handle_midi_event(self->synth_, event);
}

bool FluidSynthMusic::startAudio()
{
    if (driver_ && driverForSounds_ == soundsOpen_)
        return true;
    stopAudio();
    fluid_settings_setint(settings_, "audio.period-size", soundsOpen_ ? soundsPeriod : musicPeriod);
    fluid_settings_setint(settings_, "audio.periods", soundsOpen_ ? soundsPeriods : musicPeriods);
    driver_ = new_fluid_audio_driver(settings_, synth_);
    driverForSounds_ = soundsOpen_;
    return driver_ != nullptr;
}

void FluidSynthMusic::stopAudio()
{
    // The player runs in the audio driver's thread: with the driver gone first, nothing
    // touches a player as it is deleted.
    if (driver_) {
        delete_fluid_audio_driver(driver_);
        driver_ = nullptr;
    }
    if (retiredPlayer_) {
        delete_fluid_player(retiredPlayer_);
        retiredPlayer_ = nullptr;
    }
}

void FluidSynthMusic::prepareSoundChannels()
{
    if (!soundsOpen_)
        return;
    const int font = soundFontId_;
    for (const SoundVoice& voice : soundVoices) {
        fluid_synth_set_channel_type(synth_, voice.channel,
                                     voice.instrument.bank == 128 ? CHANNEL_TYPE_DRUM : CHANNEL_TYPE_MELODIC);
        fluid_synth_program_select(synth_, voice.channel, unsigned(font), unsigned(voice.instrument.bank),
                                   unsigned(voice.instrument.program));
        fluid_synth_cc(synth_, voice.channel, 7, 127);  // full volume
    }
}

bool FluidSynthMusic::openSounds()
{
    if (soundsOpen_)
        return true;
    if (!loadSynth(MidiPiece{}))
        return false;
    if (!sequencer_) {
        sequencer_ = new_fluid_sequencer2(0);
        synthClient_ = sequencer_ ? fluid_sequencer_register_fluidsynth(sequencer_, synth_) : FLUID_FAILED;
        if (synthClient_ == FLUID_FAILED) {
            if (sequencer_)
                delete_fluid_sequencer(sequencer_);
            sequencer_ = nullptr;
            return false;
        }
    }
    soundsOpen_ = true;
    prepareSoundChannels();
    // Tried now, so that a missing sound device is found at once, not at the first sound.
    if (!startAudio()) {
        closeSounds();
        return false;
    }
    if (!player_)
        stopAudio();
    return true;
}

void FluidSynthMusic::playSound(GameSound sound)
{
    // Without a piece the audio runs only from a sound until a second after it: an audio
    // stream of short periods left running costs more of the processor than the music does.
    if (!soundsOpen_ || !startAudio())
        return;
    fluid_event_t* event = new_fluid_event();
    fluid_event_set_source(event, -1);
    fluid_event_set_dest(event, synthClient_);
    const unsigned now = fluid_sequencer_get_tick(sequencer_);
    unsigned end = 0;
    for (const SoundNote& note : soundNotes(sound)) {
        fluid_event_note(event, note.voice->channel, note.key, 120, note.lengthMs);
        fluid_sequencer_send_at(sequencer_, event, now + note.startMs, 1);
        end = std::max(end, note.startMs + note.lengthMs);
    }
    delete_fluid_event(event);
    soundsSounding_.start(int(end) + 1000);
}

void FluidSynthMusic::soundsOver()
{
    if (player_)
        return;
    stopAudio();
    fluid_synth_all_sounds_off(synth_, -1);
}

void FluidSynthMusic::closeSounds()
{
    if (!soundsOpen_)
        return;
    soundsOpen_ = false;
    soundsSounding_.stop();
    if (sequencer_)
        fluid_sequencer_remove_events(sequencer_, -1, synthClient_, -1);
    if (player_) {
        startAudio();  // the piece goes on with the music's longer periods
    } else {
        stopAudio();
        fluid_synth_all_sounds_off(synth_, -1);
    }
}

void FluidSynthMusic::play()
{
    if (player_ && position() < length_)
        fluid_player_play(player_);
}

void FluidSynthMusic::stop()
{
    if (player_)
        fluid_player_stop(player_);
}

void FluidSynthMusic::close()
{
    if (player_) {
        fluid_player_stop(player_);
        // While a sound plays on, the stopped player waits for the audio to stop (open()
        // stops it before it makes a player, so no other is waiting).
        if (soundsSounding_.isActive())
            retiredPlayer_ = std::exchange(player_, nullptr);
    }
    if (!soundsSounding_.isActive())
        stopAudio();
    if (player_) {
        delete_fluid_player(player_);
        player_ = nullptr;
    }
    if (synth_) {
        for (int channel = 0; channel < pieceChannels; ++channel)
            fluid_synth_all_sounds_off(synth_, channel);
    }
    length_ = 0;
}

void FluidSynthMusic::setMute(bool mute)
{
    mute_ = mute;
    if (mute && synth_) {
        for (int channel = 0; channel < pieceChannels; ++channel)
            fluid_synth_all_notes_off(synth_, channel);
    }
}

long FluidSynthMusic::position() const
{
    if (!player_)
        return 0;
    return std::min(long(fluid_player_get_current_tick(player_)), length_);
}

}  // namespace platform
