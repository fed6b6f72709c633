// SPDX-License-Identifier: GPL-3.0-or-later
// The round's music and the game's event sounds. With music on, the piece is the round
// clock: the dial shows the share of it still to play, and the round ends when it has played
// to its end. Music or sounds that cannot be opened, or music that stops moving, are a sound
// fault: the players are told once and the rest of the run is silent, music and sounds, the
// round going on with the silent clock.
#include "windows/play/PlayWindow.h"

#include "core/Game.h"
#include "core/GameFlow.h"
#include "core/NumberText.h"
#include "platform/audio/MusicDevice.h"
#include "platform/Services.h"
#include "platform/window/MessageBoxes.h"
#include "platform/window/Timer.h"

#include <algorithm>

namespace {

// One piece per difficulty: Easy, Normal, Hard.
constexpr const char* pieces[] = {"Zarvell.mid", "Zarvelm.mid", "Zarvels.mid"};
// Ticks in a row without the music moving the clock that make a stall.
constexpr int stallTicks = 10;

}  // namespace

void PlayWindow::openMusic()
{
    auto& music = services.music;
    // Practice rounds have no round clock and so no music. A piece left open by a game that
    // had music (the set-up window prepares a round before it stores the new choice) is
    // closed, or it would go on, muted, through a game without music.
    if (!game_.musicOn || game_.practice) {
        music.close();
    } else {
        const int piece = std::clamp<int>(game_.difficulty, 0, 2);
        music.setDeviceType(QStringLiteral("Sequencer"));
        music.setFileName(services.dataFolder + u'/' + QString::fromLatin1(pieces[piece]));
        state_.musicPiece = std::int16_t(piece);
        if (!music.open())
            soundFault();
    }
    state_.musicPlaying = false;
    // The event sounds, once open, sound until the game is over; none run in a game without.
    if (!game_.soundsOn)
        music.closeSounds();
    else if (!music.openSounds())
        soundFault();
}

void PlayWindow::playSound(platform::GameSound sound)
{
    if (game_.soundsOn)
        services.music.playSound(sound);
}

void PlayWindow::followMusic()
{
    const long length = services.music.length();
    const double left = length == 0 ? 0.0 : 1.0 - double(services.music.position()) / double(length);
    game_.clockPosition = std::int16_t(core::roundHalfEven(left * FullDial));

    if (game_.clockPosition != state_.stallPosition) {
        state_.stallCount = 0;
        state_.stallPosition = game_.clockPosition;
    } else if (++state_.stallCount == stallTicks) {
        soundFault();
    }
}

void PlayWindow::soundFault()
{
    services.messages.show(QStringLiteral("There appears to be a problem with the sound, music will now be disabled."),
                           QStringLiteral("Error"));
    game_.musicOn = false;
    game_.soundsOn = false;
    game_.soundFailed = true;
    // Music is off from here on, so no round's end would close the device.
    services.music.close();
    services.music.closeSounds();
}

void PlayWindow::resumeMusic()
{
    // Practice rounds have no round clock, and so no music.
    if (!game_.practice)
        services.music.play();
}
