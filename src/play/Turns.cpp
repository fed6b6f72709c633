// SPDX-License-Identifier: GPL-3.0-or-later
// Turns: while a player answers, each clockTimer_ tick checks the answer time and the idle time
// instead of moving the round clock. A turn ends on a limit, on too many cancels or on
// Give Up; its end puts every dealt number back and opens the buzzers again. A turn ended
// by a limit counts as a stop, and enough stops disqualify the player for the game.
#include "play/PlayWindow.h"

#include "core/Game.h"
#include "core/Numbers.h"

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/MusicDevice.h"
#include "platform/Services.h"
#include "platform/Timer.h"
#include "core/Target.h"

void PlayWindow::tickClock()
{
    if (!round_.answering) {
        advanceRound();
        return;
    }
    // Whole seconds against the rule values the game started with, at any time of day.
    const platform::Moment now = services.clock.now();
    if (now - round_.answerStart > game_.answerTime)
        stopTurn(QStringLiteral("You've had enough time to answer."), QStringLiteral("Out of time"));
    else if (now - round_.lastSelection > game_.idleTime)
        stopTurn(QStringLiteral("I think you've had enough thinking time matey."), QStringLiteral("Taken Too Long"));
}

void PlayWindow::stopTurn(const QString& text, const QString& title)
{
    const int player = round_.answeringPlayer;
    services.messages.show(text, title);
    recordStop(player);
    endTurn();
}

void PlayWindow::recordStop(int p)
{
    if (!game_.recordStop(p))
        return;
    services.messages.show(QStringLiteral("You have been stopped ") + core::numberText(game_.rules.stopsAllowed) +
                               QStringLiteral(" times.  You are disqualified."),
                           QStringLiteral("Disqualification"));
}

void PlayWindow::endTurn()
{
    for (int i = 0; i < 3; ++i) {
        board_.madeNumbers[i].caption.clear();
        board_.workingRow[i].caption.clear();
    }
    board_.workingRow[1].caption = QStringLiteral("+");
    for (int i = 0; i < core::DealSize; ++i)
        board_.dealtNumbers[i].caption = round_.dealtTexts[i];
    board_.contenderName.caption.clear();
    // A turn can end while its buzz flash still runs (a limit reached while a message was
    // open, or quick cancels): the flash ends with it, or it would run on into the next turn.
    flashTimer_->stop();
    resetContenderColours();
    clockTimer_->start();
    round_.answeringPlayer = -1;
    round_.answering = false;
    buzzerPoll_->start();
    round_.animationTicks = 0;
    round_.buzzFlashDone = false;
    round_.cancelCount = 0;
    round_.firstSource = -1;
    round_.secondSource = -1;
    redrawBoard();
    if (game_.musicOn)
        resumeMusic();
}

void PlayWindow::giveUp()
{
    // Refused while the numbers are dealt, the target spins, or either flash runs.
    if (round_.dealtCount < core::DealSize || flashTimer_->isEnabled() || !clockTimer_->isEnabled())
        return;
    endTurn();
}

void PlayWindow::cancelWorking()
{
    if (!round_.answering)
        return;
    ++round_.cancelCount;
    if (round_.cancelCount > game_.rules.cancelsAllowed)
        stopTurn(QStringLiteral("You don't know what you're doing, do you?"), QStringLiteral("Cancelled Too Many Times"));
    resetWorking();
    redrawBoard();
}
