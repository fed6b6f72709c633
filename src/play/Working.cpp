// SPDX-License-Identifier: GPL-3.0-or-later
// Working out: the answering player moves a first number into the working row, chooses an
// operator, moves a second number in and presses "="; the result becomes a made number that
// can be used again. A made number equal to the target wins the round. Numbers live only as
// the captions of the board's templates; an empty caption means the number is elsewhere.
#include "play/PlayWindow.h"

#include "core/Game.h"
#include "core/Numbers.h"

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/MusicDevice.h"
#include "platform/Services.h"
#include "platform/Timer.h"
#include "core/Target.h"

#include <cmath>

namespace {

// round_.firstSource and round_.secondSource: 0..6 a dealt tile, 7..9 a made tile.
constexpr int firstMadeSource = 7;

}  // namespace

void PlayWindow::selectDealtNumber(int i)
{
    selectNumber(board_.dealtNumbers[i], board_.dealtTiles[i], i);
}

void PlayWindow::selectMadeNumber(int i)
{
    selectNumber(board_.madeNumbers[i], board_.madeTiles[i], firstMadeSource + i);
}

void PlayWindow::selectNumber(play::BoardLabel& number, const play::BoardShape& tile, int source)
{
    if (round_.answeringPlayer == -1 || number.caption.isEmpty())
        return;
    // Any number click shows the player is still at it, even one that moves nothing.
    round_.lastSelection = services.clock.now();
    if (board_.workingRow[0].caption.isEmpty()) {
        board_.workingRow[0].caption = number.caption;
        round_.firstSource = std::int16_t(source);
    } else if (board_.workingRow[2].caption.isEmpty()) {
        board_.workingRow[2].caption = number.caption;
        round_.secondSource = std::int16_t(source);
    } else {
        return;
    }
    number.caption.clear();
    drawShape(tile);
    drawShape(board_.workingTiles[0]);
    drawShape(board_.workingTiles[2]);
    drawLabel(board_.workingRow[0]);
    drawLabel(board_.workingRow[2]);
    showBoard();
}

void PlayWindow::chooseAdd()
{
    chooseOperator(QStringLiteral("+"));
}

void PlayWindow::chooseSubtract()
{
    chooseOperator(QStringLiteral("-"));
}

void PlayWindow::chooseMultiply()
{
    chooseOperator(QStringLiteral("×"));
}

void PlayWindow::chooseDivide()
{
    chooseOperator(QStringLiteral("÷"));
}

void PlayWindow::chooseOperator(const QString& symbol)
{
    if (round_.answeringPlayer == -1)
        return;
    board_.workingRow[1].caption = symbol;
    redrawCell(board_.workingTiles[1], board_.workingRow[1]);
}

void PlayWindow::makeNumber()
{
    if (board_.workingRow[2].caption.isEmpty())
        return;
    const double a = board_.workingRow[0].caption.toDouble();
    const double b = board_.workingRow[2].caption.toDouble();
    const QString& op = board_.workingRow[1].caption;
    const double r = op == QStringLiteral("-") ? a - b
                     : op == QStringLiteral("×") ? a * b
                     : op == QStringLiteral("÷") ? a / b
                                                 : a + b;

    // A refused result sends both numbers back to their tiles.
    const auto refuse = [this](const char* message) {
        if (message)
            services.messages.show(QString::fromLatin1(message), QStringLiteral("Operation not allowed"));
        resetWorking();
        redrawBoard();
    };
    if (r != std::floor(r))
        refuse("Only whole numbers allowed in working out.");
    else if (r > core::LargestNumber)
        refuse("Numbers must be under 1000");
    else if (r == 0)
        refuse(nullptr);
    else if (r < 0)
        refuse("Numbers must be positive");
    if (board_.workingRow[0].caption.isEmpty())
        return;

    // The two numbers are used up; the result goes into the first free made slot.
    board_.workingRow[0].caption.clear();
    board_.workingRow[2].caption.clear();
    resetWorking();
    for (int slot = 0; slot < 3; ++slot) {
        if (board_.madeNumbers[slot].caption.isEmpty()) {
            board_.madeNumbers[slot].caption = core::numberText(r);
            checkTarget(slot);
            break;
        }
    }
    redrawBoard();
}

void PlayWindow::resetWorking()
{
    // Chosen numbers go back to the tiles they came from; the caller redraws the board once,
    // with whatever else it changes.
    const auto putBack = [this](int source, const QString& text) {
        if (source < 0)
            return;
        if (source < firstMadeSource)
            board_.dealtNumbers[source].caption = text;
        else
            board_.madeNumbers[source - firstMadeSource].caption = text;
    };
    putBack(round_.firstSource, board_.workingRow[0].caption);
    putBack(round_.secondSource, board_.workingRow[2].caption);
    board_.workingRow[0].caption.clear();
    board_.workingRow[1].caption = QStringLiteral("+");
    board_.workingRow[2].caption.clear();
    round_.firstSource = -1;
    round_.secondSource = -1;
}

void PlayWindow::checkTarget(int slot)
{
    // Only the number just made can win; a dealt number equal to the target must be made.
    if (board_.madeNumbers[slot].caption == targetText())
        targetReached(slot);
}

core::Deal PlayWindow::dealtNumbers() const
{
    core::Deal dealt{};
    for (int i = 0; i < core::DealSize; ++i)
        dealt[i] = round_.dealtTexts[i].toInt();
    return dealt;
}

QString PlayWindow::targetText() const
{
    return board_.targetDigits[0].caption + board_.targetDigits[1].caption + board_.targetDigits[2].caption;
}

void PlayWindow::targetReached(int slot)
{
    if (game_.musicOn)
        services.music.stop();
    round_.winningSlot = std::int16_t(slot);
    round_.animationTicks = WinningFlashStart;
    game_.scoreWin(round_.answeringPlayer);
    round_.answeringPlayer = -1;
    round_.answering = false;
    clockTimer_->stop();
    flashTimer_->start();
    round_.cancelCount = 0;
}
