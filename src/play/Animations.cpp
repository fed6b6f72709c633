// SPDX-License-Identifier: GPL-3.0-or-later
// The target spin and the two flashes. AnimTicks counts the ticks of all three: 0 to 30
// while the target spins, 0 to 16 while the contender panel flashes after a buzz, and 100
// to 130 while the winning tile flashes.
#include "play/MainForm.h"

#include "core/Game.h"
#include "core/Numbers.h"

#include "platform/Services.h"
#include "platform/Timer.h"
#include "core/Target.h"

namespace {

constexpr int spinTicks = 30;
constexpr int buzzFlashTicks = 16;
constexpr int winningFlashEnd = 130;

}  // namespace

void MainForm::RndTotal_Timer()
{
    SpinTarget();
    ++AnimTicks;
    if (AnimTicks < spinTicks)
        return;
    RndTotal->stop();
    Clock->start();
    KeyCheck->start();
    while (!PickTarget()) {
    }
    AnimTicks = 0;
    // In practice there is no round clock to open the buzzers.
    if (game_.practice)
        BuzzersOpen = true;
}

void MainForm::SpinTarget()
{
    showTargetDigits(core::spinDigits(services.random));
}

bool MainForm::PickTarget()
{
    const auto target = core::candidateTarget(dealtNumbers(), services.random, [this] { SpinTarget(); });
    if (!target)
        return false;
    const int hundreds = *target / 100;
    const int tens = (*target - 100 * hundreds) / 10;
    showTargetDigits({hundreds, tens, *target - 100 * hundreds - 10 * tens});
    return true;
}

void MainForm::showTargetDigits(const std::array<int, 3>& digits)
{
    for (int i = 0; i < 3; ++i)
        Total[i].caption = core::numberText(digits[i]);
    DrawShape(TotalBox);
    for (const auto& digit : Total)
        DrawLabel(digit);
    FlipBoard();
}

void MainForm::Flash_Timer()
{
    // The winning flash needs its tile: without one, this can only be a buzz flash.
    if (WinningSlot != -1)
        flashWinningTile();
    else
        flashContenderPanel();
}

void MainForm::flashWinningTile()
{
    ++AnimTicks;
    auto& tile = MadeShape[WinningSlot];
    auto& number = MadeNumber[WinningSlot];
    const bool lit = tile.fill == play::colour::Blue;
    tile.fill = lit ? play::colour::White : play::colour::Blue;
    number.background = tile.fill;
    number.textColour = lit ? play::colour::Blue : play::colour::White;
    redrawCell(tile, number);
    if (AnimTicks >= winningFlashEnd) {
        Flash->stop();
        EndRound();
    }
}

void MainForm::flashContenderPanel()
{
    ++AnimTicks;
    if (AnimTicks >= buzzFlashTicks) {
        Flash->stop();
        BuzzFlashDone = true;
    }
    const bool lit = ContShape.border == play::colour::Red;
    ContShape.border = lit ? play::colour::Yellow : play::colour::Red;
    ContShape.fill = lit ? play::colour::Red : play::colour::Yellow;
    ContLabel.background = ContShape.fill;
    ContLabel.textColour = lit ? play::colour::White : play::colour::Black;
    redrawCell(ContShape, ContLabel);
}
