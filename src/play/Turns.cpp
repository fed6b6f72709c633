// SPDX-License-Identifier: GPL-3.0-or-later
// Turns: while a player answers, each Clock tick checks the answer time and the idle time
// instead of moving the round clock. A turn ends on a limit, on too many cancels or on
// Give Up; its end puts every dealt number back and opens the buzzers again. A turn ended
// by a limit counts as a stop, and enough stops disqualify the player for the game.
#include "play/MainForm.h"

#include "core/Game.h"
#include "core/Numbers.h"

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/MusicDevice.h"
#include "platform/Services.h"
#include "platform/Timer.h"
#include "core/Target.h"

void MainForm::Clock_Timer()
{
    if (!round_.answering) {
        ClockTick();
        return;
    }
    // Whole seconds against the rule values the game started with, at any time of day.
    const double now = services.clock.now();
    if (platform::wholeSeconds(now - round_.answerStart) > game_.answerTime.count())
        stopTurn(QStringLiteral("You've had enough time to answer."), QStringLiteral("Out of time"));
    else if (platform::wholeSeconds(now - round_.lastSelection) > game_.idleTime.count())
        stopTurn(QStringLiteral("I think you've had enough thinking time matey."), QStringLiteral("Taken Too Long"));
}

void MainForm::stopTurn(const QString& text, const QString& title)
{
    const int player = round_.answeringPlayer;
    services.messages.show(text, title);
    RecordStop(player);
    EndTurn();
}

void MainForm::RecordStop(int p)
{
    if (!game_.recordStop(p))
        return;
    services.messages.show(QStringLiteral("You have been stopped ") + core::numberText(game_.rules.stopsAllowed) +
                               QStringLiteral(" times.  You are disqualified."),
                           QStringLiteral("Disqualification"));
}

void MainForm::EndTurn()
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
    Flash->stop();
    resetContenderColours();
    Clock->start();
    round_.answeringPlayer = -1;
    round_.answering = false;
    KeyCheck->start();
    round_.animationTicks = 0;
    round_.buzzFlashDone = false;
    round_.cancelCount = 0;
    round_.firstSource = -1;
    round_.secondSource = -1;
    RedrawBoard();
    if (game_.musicOn)
        resumeMusic();
}

void MainForm::GiveUp_Click()
{
    // Refused while the numbers are dealt, the target spins, or either flash runs.
    if (round_.dealtCount < core::DealSize || Flash->isEnabled() || !Clock->isEnabled())
        return;
    EndTurn();
}

void MainForm::Cancel_Click()
{
    if (!round_.answering)
        return;
    ++round_.cancelCount;
    if (round_.cancelCount > game_.rules.cancelsAllowed)
        stopTurn(QStringLiteral("You don't know what you're doing, do you?"), QStringLiteral("Cancelled Too Many Times"));
    ResetWorking();
}
