// SPDX-License-Identifier: GPL-3.0-or-later
// Dealing and the round clock: each clockTimer_ tick deals one number until seven are on the
// board, then moves the round clock one step (or, with music, to the share of the piece
// still to play) until it has run out.
#include "windows/play/PlayWindow.h"

#include "core/Game.h"
#include "core/NumberText.h"
#include "core/puzzle/Target.h"
#include "platform/audio/MusicDevice.h"
#include "platform/Services.h"
#include "platform/window/Timer.h"

void PlayWindow::advanceRound()
{
    if (round_.phase() == core::Round::Phase::Dealing)
        dealNextNumber();
    else
        runRoundClock();
}

void PlayWindow::dealNextNumber()
{
    round_.deal(core::dealNumber(round_.dealtCount(), services.random));
    showRound();
    if (round_.phase() == core::Round::Phase::Spin) {
        clockTimer_->stop();
        spinTimer_->start();
    }
}

void PlayWindow::runRoundClock()
{
    // The round clock stands still while a player answers, and never runs in practice.
    if (round_.isAnswering() || game_.practice)
        return;
    if (game_.musicOn && !state_.musicPlaying) {
        services.music.play();
        state_.musicPlaying = true;
    }
    if (game_.clockPosition <= 0) {
        // The round is over: nothing of this tick may touch the board or the music again.
        playSound(platform::GameSound::RoundOver);
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
    showPhones();
    round_.openBuzzers();
}
