// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/FluidSynthMusic.h"

#include "platform/audio/CutSoundFont.h"
#include "platform/audio/MidiFile.h"
#include "platform/DataFiles.h"

#include <QFile>

#include <fluidsynth.h>

#include <algorithm>

namespace platform {

namespace {

constexpr double normalGain = 0.6;

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
    quietFluidSynth();
    settings_ = new_fluid_settings();
    if (!audioDriver.isEmpty())
        fluid_settings_setstr(settings_, "audio.driver", audioDriver.toUtf8().constData());
    if (!audioFile.isEmpty())
        fluid_settings_setstr(settings_, "audio.file.name", audioFile.toUtf8().constData());
    // Light on the processor while a round runs: a few instruments at a time need no more than
    // half the usual sample rate and a modest polyphony, and no reverb or chorus; larger
    // audio periods mean fewer wake-ups (a stop lags by a few hundredths of a second).
    fluid_settings_setnum(settings_, "synth.sample-rate", 22050.0);
    fluid_settings_setint(settings_, "synth.polyphony", 48);
    fluid_settings_setint(settings_, "synth.reverb.active", 0);
    fluid_settings_setint(settings_, "synth.chorus.active", 0);
    fluid_settings_setint(settings_, "audio.period-size", 1024);
    // A tune uses a handful of the soundfont's instruments: only their samples are read, as the
    // tune picks them, not the whole font's (its samples took twice the file's size in memory).
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
}

FluidSynthMusic::~FluidSynthMusic()
{
    close();
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

    fluid_synth_system_reset(synth_);
    fluid_synth_set_gain(synth_, mute_ ? 0.0f : float(normalGain));
    player_ = new_fluid_player(synth_);
    if (!player_ || fluid_player_add_mem(player_, bytes->constData(), std::size_t(bytes->size())) == FLUID_FAILED) {
        close();
        return false;
    }
    driver_ = new_fluid_audio_driver(settings_, synth_);
    if (!driver_) {
        close();
        return false;
    }
    length_ = midi->ticks;
    return true;
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
    // The player runs in the audio driver's thread: with the driver gone first, nothing
    // touches the player as it is deleted.
    if (player_)
        fluid_player_stop(player_);
    if (driver_) {
        delete_fluid_audio_driver(driver_);
        driver_ = nullptr;
    }
    if (player_) {
        delete_fluid_player(player_);
        player_ = nullptr;
    }
    if (synth_)
        fluid_synth_all_sounds_off(synth_, -1);
    length_ = 0;
}

void FluidSynthMusic::setMute(bool mute)
{
    mute_ = mute;
    if (synth_)
        fluid_synth_set_gain(synth_, mute ? 0.0f : float(normalGain));
}

long FluidSynthMusic::position() const
{
    if (!player_)
        return 0;
    return std::min(long(fluid_player_get_current_tick(player_)), length_);
}

}  // namespace platform
