// SPDX-License-Identifier: GPL-3.0-or-later
// Dealing and the round clock: each Clock tick deals one number until seven are on the
// board, then moves the round clock one step (or, with music, to the share of the piece
// still to play) until it has run out.
#include "play/MainForm.h"

#include "core/Game.h"
#include "core/Numbers.h"

#include "platform/MusicDevice.h"
#include "platform/Services.h"
#include "platform/Timer.h"
#include "core/Target.h"

void MainForm::ClockTick()
{
    if (DealtCount < core::DealSize)
        dealNextNumber();
    else
        runRoundClock();
}

void MainForm::dealNextNumber()
{
    const int k = DealtCount;
    OrigNumber[k].caption = core::numberText(core::dealNumber(k, services.random));
    redrawCell(Shape[k], OrigNumber[k]);
    DealtCount = std::int16_t(k + 1);
    if (DealtCount == core::DealSize) {
        for (int i = 0; i < core::DealSize; ++i)
            OrigText[i] = OrigNumber[i].caption;
        Clock->stop();
        RndTotal->start();
    }
}

void MainForm::runRoundClock()
{
    // The round clock stands still while a player answers, and never runs in practice.
    if (Answering || game_.practice)
        return;
    if (game_.musicOn && !MusicPlaying) {
        services.music.play();
        MusicPlaying = true;
    }
    if (game_.clockPosition <= 0) {
        // The round is over: nothing of this tick may touch the board or the music again.
        EndRound();
        return;
    }
    // A stall found on this tick still fills the dial's gap once.
    const bool fillGap = game_.musicOn;
    if (game_.musicOn)
        MusicTick();
    else
        --game_.clockPosition;
    DrawClockDial(game_.clockPosition, fillGap);
    BuzzersOpen = true;
}
