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
    if (round_.dealtCount < core::DealSize)
        dealNextNumber();
    else
        runRoundClock();
}

void MainForm::dealNextNumber()
{
    const int k = round_.dealtCount;
    board_.dealtNumbers[k].caption = core::numberText(core::dealNumber(k, services.random));
    redrawCell(board_.dealtTiles[k], board_.dealtNumbers[k]);
    round_.dealtCount = std::int16_t(k + 1);
    if (round_.dealtCount == core::DealSize) {
        for (int i = 0; i < core::DealSize; ++i)
            round_.dealtTexts[i] = board_.dealtNumbers[i].caption;
        Clock->stop();
        RndTotal->start();
    }
}

void MainForm::runRoundClock()
{
    // The round clock stands still while a player answers, and never runs in practice.
    if (round_.answering || game_.practice)
        return;
    if (game_.musicOn && !round_.musicPlaying) {
        services.music.play();
        round_.musicPlaying = true;
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
    round_.buzzersOpen = true;
}
