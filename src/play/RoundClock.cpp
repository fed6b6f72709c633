// SPDX-License-Identifier: GPL-3.0-or-later
// Dealing and the round clock: each clockTimer_ tick deals one number until seven are on the
// board, then moves the round clock one step (or, with music, to the share of the piece
// still to play) until it has run out.
#include "play/PlayWindow.h"

#include "core/Game.h"
#include "core/Numbers.h"

#include "platform/MusicDevice.h"
#include "platform/Services.h"
#include "platform/Timer.h"
#include "core/Target.h"

void PlayWindow::advanceRound()
{
    if (round_.dealtCount < core::DealSize)
        dealNextNumber();
    else
        runRoundClock();
}

void PlayWindow::dealNextNumber()
{
    const int k = round_.dealtCount;
    board_.dealtNumbers[k].caption = core::numberText(core::dealNumber(k, services.random));
    redrawCell(board_.dealtTiles[k], board_.dealtNumbers[k]);
    round_.dealtCount = std::int16_t(k + 1);
    if (round_.dealtCount == core::DealSize) {
        for (int i = 0; i < core::DealSize; ++i)
            round_.dealtTexts[i] = board_.dealtNumbers[i].caption;
        clockTimer_->stop();
        spinTimer_->start();
    }
}

void PlayWindow::runRoundClock()
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
        endRound();
        return;
    }
    // A stall found on this tick still fills the dial's gap once.
    const bool fillGap = game_.musicOn;
    if (game_.musicOn)
        followMusic();
    else
        --game_.clockPosition;
    drawClockDial(game_.clockPosition, fillGap);
    round_.buzzersOpen = true;
}
