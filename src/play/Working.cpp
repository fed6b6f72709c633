// SPDX-License-Identifier: GPL-3.0-or-later
// Working out: the answering player moves a first number into the working row, chooses an
// operator, moves a second number in and presses "="; the result becomes a made number that
// can be used again. A made number equal to the target wins the round. Numbers live only as
// the captions of the board's templates; an empty caption means the number is elsewhere.
#include "play/MainForm.h"

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

// FirstSource and SecondSource: 0..6 a dealt tile, 7..9 a made tile.
constexpr int firstMadeSource = 7;

}  // namespace

void MainForm::SelectOriginal(int i)
{
    selectNumber(OrigNumber[i], Shape[i], i);
}

void MainForm::SelectMade(int i)
{
    selectNumber(MadeNumber[i], MadeShape[i], firstMadeSource + i);
}

void MainForm::selectNumber(play::LabelTemplate& number, const play::ShapeTemplate& tile, int source)
{
    if (AnsweringPlayer == -1 || number.caption.isEmpty())
        return;
    // Any number click shows the player is still at it, even one that moves nothing.
    LastAction = services.clock.now();
    if (OpsLabel[0].caption.isEmpty()) {
        OpsLabel[0].caption = number.caption;
        FirstSource = std::int16_t(source);
    } else if (OpsLabel[2].caption.isEmpty()) {
        OpsLabel[2].caption = number.caption;
        SecondSource = std::int16_t(source);
    } else {
        return;
    }
    number.caption.clear();
    DrawShape(tile);
    DrawShape(OpsShape[0]);
    DrawShape(OpsShape[2]);
    DrawLabel(OpsLabel[0]);
    DrawLabel(OpsLabel[2]);
    FlipBoard();
}

void MainForm::Add_Click()
{
    chooseOperator(QStringLiteral("+"));
}

void MainForm::Subtract_Click()
{
    chooseOperator(QStringLiteral("-"));
}

void MainForm::Multiply_Click()
{
    chooseOperator(QStringLiteral("×"));
}

void MainForm::Divide_Click()
{
    chooseOperator(QStringLiteral("÷"));
}

void MainForm::chooseOperator(const QString& symbol)
{
    if (AnsweringPlayer == -1)
        return;
    OpsLabel[1].caption = symbol;
    redrawCell(OpsShape[1], OpsLabel[1]);
}

void MainForm::Operate_Click()
{
    if (OpsLabel[2].caption.isEmpty())
        return;
    const double a = OpsLabel[0].caption.toDouble();
    const double b = OpsLabel[2].caption.toDouble();
    const QString& op = OpsLabel[1].caption;
    const double r = op == QStringLiteral("-") ? a - b
                     : op == QStringLiteral("×") ? a * b
                     : op == QStringLiteral("÷") ? a / b
                                                 : a + b;

    // A refused result sends both numbers back to their tiles.
    const auto refuse = [this](const char* message) {
        if (message)
            services.messages.show(QString::fromLatin1(message), QStringLiteral("Operation not allowed"));
        ResetWorking();
    };
    if (r != std::floor(r))
        refuse("Only whole numbers allowed in working out.");
    else if (r > core::LargestNumber)
        refuse("Numbers must be under 1000");
    else if (r == 0)
        refuse(nullptr);
    else if (r < 0)
        refuse("Numbers must be positive");
    if (OpsLabel[0].caption.isEmpty())
        return;

    // The two numbers are used up; the result goes into the first free made slot.
    OpsLabel[0].caption.clear();
    OpsLabel[2].caption.clear();
    ResetWorking();
    for (int slot = 0; slot < 3; ++slot) {
        if (MadeNumber[slot].caption.isEmpty()) {
            MadeNumber[slot].caption = core::numberText(r);
            CheckTarget(slot);
            break;
        }
    }
    RedrawBoard();
}

void MainForm::ResetWorking()
{
    // Chosen numbers go back to the tiles they came from.
    const auto putBack = [this](int source, const QString& text) {
        if (source < 0)
            return;
        if (source < firstMadeSource)
            OrigNumber[source].caption = text;
        else
            MadeNumber[source - firstMadeSource].caption = text;
    };
    putBack(FirstSource, OpsLabel[0].caption);
    putBack(SecondSource, OpsLabel[2].caption);
    OpsLabel[0].caption.clear();
    OpsLabel[1].caption = QStringLiteral("+");
    OpsLabel[2].caption.clear();
    RedrawBoard();
    FirstSource = -1;
    SecondSource = -1;
}

void MainForm::CheckTarget(int slot)
{
    // Only the number just made can win; a dealt number equal to the target must be made.
    if (MadeNumber[slot].caption == targetText())
        TargetReached(slot);
}

core::Deal MainForm::dealtNumbers() const
{
    core::Deal dealt{};
    for (int i = 0; i < core::DealSize; ++i)
        dealt[i] = OrigText[i].toInt();
    return dealt;
}

QString MainForm::targetText() const
{
    return Total[0].caption + Total[1].caption + Total[2].caption;
}

void MainForm::TargetReached(int slot)
{
    if (game_.musicOn)
        services.music.stop();
    WinningSlot = std::int16_t(slot);
    AnimTicks = WinningFlashStart;
    game_.scoreWin(AnsweringPlayer);
    AnsweringPlayer = -1;
    Answering = false;
    Clock->stop();
    Flash->start();
    CancelCount = 0;
}
