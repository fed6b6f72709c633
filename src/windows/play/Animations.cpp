// SPDX-License-Identifier: GPL-3.0-or-later
// The target spin and the two flashes. state_.animationTicks counts the ticks of all three: 0 to 30
// while the target spins, 0 to 16 while the contender panel flashes after a buzz, and 100
// to 130 while the winning tile flashes.
#include "windows/play/PlayWindow.h"

#include "core/Game.h"
#include "core/NumberText.h"
#include "core/puzzle/Target.h"
#include "platform/Services.h"
#include "platform/window/Timer.h"

namespace {

constexpr int spinTicks = 30;
constexpr int buzzFlashTicks = 16;
constexpr int winningFlashEnd = 130;

}  // namespace

void PlayWindow::spinTick()
{
    spinTargetDisplay();
    ++state_.animationTicks;
    if (state_.animationTicks < spinTicks)
        return;
    spinTimer_->stop();
    clockTimer_->start();
    buzzers_.startPolling();
    buzzerPoll_->start();
    while (!pickTarget()) {
    }
    state_.animationTicks = 0;
    // In practice there is no round clock to open the buzzers.
    if (game_.practice)
        round_.openBuzzers();
}

void PlayWindow::spinTargetDisplay()
{
    showTargetDigits(core::spinDigits(services.random));
}

bool PlayWindow::pickTarget()
{
    const auto target = core::candidateTarget(round_.deal(), services.random, [this] { spinTargetDisplay(); });
    if (!target)
        return false;
    round_.settleTarget(*target);
    const int hundreds = *target / 100;
    const int tens = (*target - 100 * hundreds) / 10;
    showTargetDigits({hundreds, tens, *target - 100 * hundreds - 10 * tens});
    return true;
}

void PlayWindow::showTargetDigits(const std::array<int, 3>& digits)
{
    for (int i = 0; i < 3; ++i)
        board_.targetDigits[i].caption = core::numberText(digits[i]);
    drawShape(board_.targetBox);
    for (const auto& digit : board_.targetDigits)
        drawLabel(digit);
    showBoard();
}

void PlayWindow::flashTick()
{
    // The winning flash needs its tile: without one, this can only be a buzz flash.
    if (round_.winningSlot() != -1)
        flashWinningTile();
    else
        flashContenderPanel();
}

void PlayWindow::flashWinningTile()
{
    ++state_.animationTicks;
    auto& tile = board_.madeTiles[round_.winningSlot()];
    auto& number = board_.madeNumbers[round_.winningSlot()];
    const bool lit = tile.fill == play::colour::Blue;
    tile.fill = lit ? play::colour::White : play::colour::Blue;
    number.background = tile.fill;
    number.textColour = lit ? play::colour::Blue : play::colour::White;
    redrawCell(tile, number);
    if (state_.animationTicks >= winningFlashEnd) {
        flashTimer_->stop();
        endRound();
    }
}

void PlayWindow::flashContenderPanel()
{
    ++state_.animationTicks;
    if (state_.animationTicks >= buzzFlashTicks) {
        flashTimer_->stop();
        round_.flashDone();
    }
    // Lit on odd ticks: the flash ends on an even one, in the panel's own colours.
    showContenderPanel(state_.animationTicks % 2 == 1);
}

void PlayWindow::showContenderPanel(bool lit)
{
    board_.contenderPanel.border = lit ? play::colour::Yellow : play::colour::Red;
    board_.contenderPanel.fill = lit ? play::colour::Red : play::colour::Yellow;
    board_.contenderName.background = board_.contenderPanel.fill;
    board_.contenderName.textColour = lit ? play::colour::White : play::colour::Black;
    redrawCell(board_.contenderPanel, board_.contenderName);
}
