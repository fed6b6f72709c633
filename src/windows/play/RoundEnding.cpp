// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a round: after the winning flash, when the round clock runs out, or by the End
// Round button of a practice game. When nobody reached the target the solution finder shows
// one way to it; then the round table follows.
#include "windows/play/PlayWindow.h"

#include "core/Game.h"
#include "core/GameFlow.h"
#include "core/NumberText.h"
#include "core/puzzle/Target.h"
#include "platform/window/Timer.h"

void PlayWindow::endRound()
{
    round_.end();
    if (!game_.practice && round_.winningSlot() == -1)
        showSolutions();
    hide();
    flow_.showRoundTable();
}

void PlayWindow::showSolutions()
{
    // While the finder is open this window is not active: its timers stand still.
    flow_.showSolution(round_.deal(), round_.target());
}

void PlayWindow::endRoundNow()
{
    // Only once the round's target is shown, and not while the winning tile flashes.
    if (!round_.canEndEarly())
        return;
    playSound(platform::GameSound::RoundOver);
    showSolutions();
    endRound();
}
