// SPDX-License-Identifier: GPL-3.0-or-later
// The round's music. With music on, the piece is the round clock: the dial shows the share
// of it still to play.
#include "play/MainForm.h"

#include "platform/MusicDevice.h"
#include "platform/Services.h"
#include "platform/Timer.h"
#include "shell/Program.h"

#include <algorithm>

namespace {

// One piece per difficulty: Easy, Normal, Hard.
constexpr const char* pieces[] = {"Zarvell.mid", "Zarvelm.mid", "Zarvels.mid"};

}  // namespace

void MainForm::OpenMusic()
{
    // The device reads its position twice per clock tick, so that every tick sees it move.
    auto& music = services.music;
    music.setUpdateInterval(int(Program::roundHalfEven(Clock->interval() / 2.0)));
    if (Program::MusicOn) {
        const int piece = std::clamp<int>(Program::Difficulty, 0, 2);
        music.setDeviceType(QStringLiteral("Sequencer"));
        music.setFileName(services.appDir + u'/' + QString::fromLatin1(pieces[piece]));
        music.open();
        MusicPiece = std::int16_t(piece);
    }
    MusicPlaying = false;
}

std::int16_t MainForm::musicClockPosition() const
{
    const long length = services.music.length();
    if (length == 0)
        return 0;
    const double left = 1.0 - double(services.music.position()) / double(length);
    return std::int16_t(Program::roundHalfEven(left * FullDial));
}
