// SPDX-License-Identifier: GPL-3.0-or-later
// Turns: while a player answers, each clockTimer_ tick asks the round whether the answer time
// or the idle time has run out, instead of moving the round clock. A turn ends on a limit, on
// too many cancels or on Give Up; the round then puts every dealt number back and opens the
// buzzers again. A turn ended by a limit counts as a stop, and enough stops disqualify the
// player for the game.
#include "windows/play/PlayWindow.h"

#include "core/Game.h"
#include "core/NumberText.h"
#include "platform/Clock.h"
#include "platform/Services.h"
#include "platform/window/MessageBoxes.h"
#include "platform/window/Timer.h"

void PlayWindow::tickClock()
{
    if (!round_.isAnswering())
        advanceRound();
    else if (const core::Round::Stop stop = round_.checkLimits(services.clock.now()))
        showStop(stop);
    else
        showScoreboard();  // the answer's time left
}

void PlayWindow::showStop(core::Round::Stop stop)
{
    using Limit = core::Round::Limit;
    if (stop.limit != Limit::Cancels)
        playSound(platform::GameSound::TurnOver);
    if (stop.limit == Limit::AnswerTime)
        services.messages.show(QStringLiteral("You've had enough time to answer."), QStringLiteral("Out of time"));
    else if (stop.limit == Limit::IdleTime)
        services.messages.show(QStringLiteral("I think you've had enough thinking time matey."),
                               QStringLiteral("Taken Too Long"));
    else
        services.messages.show(QStringLiteral("You don't know what you're doing, do you?"),
                               QStringLiteral("Cancelled Too Many Times"));
    if (stop.disqualified)
        services.messages.show(QStringLiteral("You have been stopped ") + core::numberText(game_.rules.stopsAllowed) +
                                   QStringLiteral(" times.  You are disqualified."),
                               QStringLiteral("Disqualification"));
    endTurn();
}

void PlayWindow::endTurn()
{
    // A turn can end while its buzz flash still runs (a limit reached while a message was
    // open, or quick cancels): the flash ends with it, or it would run on into the next turn.
    flashTimer_->stop();
    resetContenderColours();
    clockTimer_->start();
    buzzers_.startPolling();
    buzzerPoll_->start();
    state_.animationTicks = 0;
    showRound(true);
    if (game_.musicOn)
        resumeMusic();
}

void PlayWindow::giveUp()
{
    // Not while the round clock stands still (the quit question is open).
    if (clockTimer_->isEnabled() && round_.giveUp())
        endTurn();
}

void PlayWindow::cancelWorking()
{
    if (const core::Round::Stop stop = round_.cancel())
        showStop(stop);
    else
        showRound();
}
