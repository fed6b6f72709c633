// SPDX-License-Identifier: GPL-3.0-or-later
// Working out: the answering player moves a first number into the working row, chooses an
// operation, moves a second number in and presses "="; the result becomes a made number that
// can be used again. A made number equal to the target wins the round. The round keeps the
// numbers and decides; the window says why a result is refused and draws the board.
#include "windows/play/PlayWindow.h"

#include "core/Game.h"
#include "platform/audio/MusicDevice.h"
#include "platform/Clock.h"
#include "platform/Services.h"
#include "platform/window/ClickArea.h"
#include "platform/window/MessageBoxes.h"
#include "platform/window/Timer.h"

#include <QAbstractButton>

void PlayWindow::selectNumber(core::Round::Tile tile)
{
    if (round_.select(tile, services.clock.now()))
        showRound();
}

void PlayWindow::chooseOperation(core::Operation operation)
{
    if (round_.chooseOperation(operation))
        showRound();
}

void PlayWindow::makeNumber()
{
    using Made = core::Round::Made;
    const core::Round::MadeNumber made = round_.makeNumber();
    const char* refusal = made.outcome == Made::NotWhole      ? "Only whole numbers allowed in working out."
                          : made.outcome == Made::TooLarge    ? "Numbers must be under 1000"
                          : made.outcome == Made::NotPositive ? "Numbers must be positive"
                                                              : nullptr;
    // The board still shows the refused working while the player reads why.
    if (refusal) {
        playSound(platform::GameSound::Refused);
        services.messages.show(QString::fromLatin1(refusal), QStringLiteral("Operation not allowed"));
    }
    if (made.outcome == Made::Win)
        targetReached();
    if (made.outcome != Made::Nothing)
        showRound();
}

void PlayWindow::tapFromPhone(int place, const QString& control)
{
    // Only the answering player's own phone, and only as a click on the control would: a
    // control that could not be clicked now is not tapped either, and the round refuses what
    // it would refuse of a click.
    if (!isVisible() || !round_.isAnswering() || round_.answeringPlayer() != place)
        return;
    if (auto* button = findChild<QAbstractButton*>(control); button && button->isVisible())
        button->click();
    else if (auto* area = findChild<platform::ClickArea*>(control); area && area->isVisible() && area->isEnabled())
        emit area->clicked();
}

void PlayWindow::targetReached()
{
    if (game_.musicOn)
        services.music.stop();
    playSound(platform::GameSound::Win);
    state_.animationTicks = WinningFlashStart;
    clockTimer_->stop();
    flashTimer_->start();
}
