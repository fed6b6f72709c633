// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

// The game's event sounds: a few notes each, played over the music.
enum class GameSound { Buzz, Win, Refused, TurnOver, RoundOver };

// The MIDI sequencer the play window plays its round music on. Length and position are
// in the same unit. Commands sent while nothing is open have no effect and report nothing.
// Its calls mirror the MIDI device of the desktop the game expects: a device type (only
// "Sequencer" opens), a file name, then open, play, stop and close.
// The same synth plays the event sounds, on channels of their own: they sound from
// openSounds() to closeSounds(), whether a piece is open or not, muted or not.
class MusicDevice {
public:
    virtual ~MusicDevice() = default;

    virtual void setDeviceType(const QString& type) = 0;
    virtual void setFileName(const QString& fileName) = 0;
    virtual void setMute(bool mute) = 0;

    // Opens the piece at its start; false when it cannot be played (a missing or damaged
    // file, no soundfont, no sound device), and then nothing is open.
    virtual bool open() = 0;
    virtual void play() = 0;
    virtual void stop() = 0;  // keeps the position: a later play() goes on from there
    virtual void close() = 0;

    virtual long length() const = 0;  // 0 while nothing is open
    virtual long position() const = 0;

    // Starts the synth's audio for the event sounds; false when it cannot (no soundfont, no
    // sound device), and then nothing runs for them. Opening them again does nothing.
    virtual bool openSounds() = 0;
    virtual void playSound(GameSound sound) = 0;  // no effect unless the sounds are open
    virtual void closeSounds() = 0;               // the audio stops unless a piece is open
};

// A device that opens nothing, for programs that never play music.
class SilentMusicDevice final : public MusicDevice {
public:
    void setDeviceType(const QString&) override {}
    void setFileName(const QString&) override {}
    void setMute(bool) override {}
    bool open() override { return false; }
    void play() override {}
    void stop() override {}
    void close() override {}
    long length() const override { return 0; }
    long position() const override { return 0; }
    bool openSounds() override { return false; }
    void playSound(GameSound) override {}
    void closeSounds() override {}
};

}  // namespace platform
