// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Round.h"

#include "core/Game.h"

#include <cmath>

namespace core {

void Round::start()
{
    *this = Round(*game_);
    phase_ = Phase::Dealing;
    game_->roundScores.fill(0);
}

void Round::deal(int number)
{
    if (phase_ != Phase::Dealing)
        return;
    deal_[dealtCount_++] = number;
    if (dealtCount_ == DealSize)
        phase_ = Phase::Spin;
}

void Round::settleTarget(int target)
{
    target_ = target;
    if (phase_ == Phase::Spin)
        phase_ = Phase::TargetShown;
}

void Round::openBuzzers()
{
    if (phase_ == Phase::TargetShown)
        phase_ = Phase::BuzzersOpen;
}

Round::Buzz Round::buzz(int place, platform::Moment now)
{
    if (phase_ != Phase::BuzzersOpen || place < 0 || place >= PlayerCount || !game_->playing[place])
        return Buzz::Closed;
    int& turns = turnsTaken_[place];
    const int allowed = game_->rules.turnsAllowed;
    if (turns > allowed)
        return Buzz::Closed;
    ++turns;
    if (turns > allowed)
        return Buzz::AllTurnsUsed;
    phase_ = Phase::BuzzFlash;
    answering_ = place;
    cancels_ = 0;
    lastSelection_ = now;
    answerStart_ = now;
    return turns == allowed ? Buzz::LastTurn : Buzz::Accepted;
}

void Round::lastTurnRead(platform::Moment now)
{
    if (isAnswering())
        answerStart_ = now;
}

void Round::flashDone()
{
    if (phase_ == Phase::BuzzFlash)
        phase_ = Phase::Answering;
}

int Round::numberOn(Tile tile) const
{
    if (tile.row == Row::Dealt)
        return tile.index >= 0 && tile.index < dealtCount_ && !used_[tile.index] ? deal_[tile.index] : 0;
    return tile.index >= 0 && tile.index < MadeSlots ? made_[tile.index] : 0;
}

bool Round::select(Tile tile, platform::Moment now)
{
    const int number = numberOn(tile);
    if (!isAnswering() || number == 0)
        return false;
    lastSelection_ = now;
    Chosen& place = first_.number == 0 ? first_ : second_;
    if (place.number != 0)
        return false;
    place = {number, tile};
    if (tile.row == Row::Dealt)
        used_[tile.index] = true;
    else
        made_[tile.index] = 0;
    return true;
}

bool Round::chooseOperation(Operation operation)
{
    // The reversed operations are the search's own: the working row reads "first op second".
    if (!isAnswering() || isReversed(operation))
        return false;
    operation_ = operation;
    return true;
}

Round::MadeNumber Round::makeNumber()
{
    if (second_.number == 0)
        return {};
    const double a = first_.number;
    const double b = second_.number;
    const double r = operation_ == Operation::Subtract   ? a - b
                     : operation_ == Operation::Multiply ? a * b
                     : operation_ == Operation::Divide   ? a / b
                                                         : a + b;
    const Made refusal = r != std::floor(r) ? Made::NotWhole
                         : r > LargestNumber ? Made::TooLarge
                         : r == 0            ? Made::Zero
                         : r < 0             ? Made::NotPositive
                                             : Made::Number;
    if (refusal != Made::Number) {
        resetWorking();
        return {refusal};
    }

    // The two numbers are used up; the result goes into the first free made slot.
    first_ = second_ = {};
    resetWorking();
    int slot = 0;
    while (slot < MadeSlots && made_[slot] != 0)
        ++slot;
    if (slot == MadeSlots)
        return {};
    made_[slot] = int(r);
    // Only the number just made can win; a dealt number equal to the target must be made.
    if (made_[slot] != target_)
        return {Made::Number, slot};
    game_->scoreWin(answering_);
    winner_ = answering_;
    winningSlot_ = slot;
    answering_ = -1;
    cancels_ = 0;
    phase_ = Phase::WinningFlash;
    return {Made::Win, slot};
}

void Round::resetWorking()
{
    for (Chosen* chosen : {&first_, &second_}) {
        if (chosen->number == 0)
            continue;
        if (chosen->from.row == Row::Dealt)
            used_[chosen->from.index] = false;
        else
            made_[chosen->from.index] = chosen->number;
        *chosen = {};
    }
    operation_ = Operation::Add;
}

Round::Stop Round::cancel()
{
    if (!isAnswering())
        return {};
    if (++cancels_ > game_->rules.cancelsAllowed)
        return stopTurn(Limit::Cancels);
    resetWorking();
    return {};
}

bool Round::giveUp()
{
    if (phase_ != Phase::TargetShown && phase_ != Phase::BuzzersOpen && phase_ != Phase::Answering)
        return false;
    endTurn();
    return true;
}

Round::Stop Round::checkLimits(platform::Moment now)
{
    if (!isAnswering())
        return {};
    if (now - answerStart_ > game_->answerTime)
        return stopTurn(Limit::AnswerTime);
    if (now - lastSelection_ > game_->idleTime)
        return stopTurn(Limit::IdleTime);
    return {};
}

Round::Stop Round::stopTurn(Limit limit)
{
    const bool disqualified = game_->recordStop(answering_);
    endTurn();
    return {limit, disqualified};
}

void Round::endTurn()
{
    resetWorking();
    used_.fill(false);
    made_.fill(0);
    answering_ = -1;
    cancels_ = 0;
    if (phase_ == Phase::BuzzFlash || phase_ == Phase::Answering)
        phase_ = Phase::BuzzersOpen;
}

bool Round::canEndEarly() const
{
    return phase_ == Phase::TargetShown || phase_ == Phase::BuzzersOpen || isAnswering();
}

void Round::end()
{
    phase_ = Phase::Ended;
}

}  // namespace core
