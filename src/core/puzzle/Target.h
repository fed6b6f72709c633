// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The dealing and the choice of a round's target, as pure functions of a random source.
// Every draw comes from the source in the order the game prescribes, so a scripted source
// decides the whole deal and target. The play window deals one number per clock tick
// (dealNumber), spins the target display (spinDigits) and, when the spin ends, asks for
// candidates (candidateTarget) until one is accepted.

#include "core/puzzle/Operation.h"

#include <array>
#include <functional>
#include <optional>

namespace platform {
class RandomSource;
}

namespace core {

constexpr int DealSize = 7;
using Deal = std::array<int, DealSize>;

constexpr int SmallestTarget = 106;
constexpr int LargestNumber = 999;
constexpr int MaxCombineAttempts = 50;

// The result of `operation` on a and b, or -1 when it may not stand: it must be a whole number
// from 1 to 999 that is neither a nor b (so no step gives back its own operand, as multiplying
// by 1 would).
int applyOperation(int a, int b, Operation operation);

// The number dealt at position k (0..6): three small ones from 2 to 15, two middle ones
// from 10, 15, 20, 25, 30, 40, 50, two large ones, 150 or a hundred from 100 to 500.
int dealNumber(int k, platform::RandomSource& random);

// A whole number from 0 to n; for n = 6, 0 comes half as often as each of 1 to 6.
int randomUpTo(int n, platform::RandomSource& random);

// Three random digits for the spinning target display: 1 to 6, then 0 to 9 twice.
std::array<int, 3> spinDigits(platform::RandomSource& random);

// a and b combined by a randomly drawn operation: a whole number from 1 to 999 that is
// neither a nor b. Nothing after 50 attempts without such a value.
std::optional<int> combinePair(int a, int b, platform::RandomSource& random);

// True when t is below 106 or is a sum and difference of some of the dealt numbers, each
// used at most once. The search runs in three passes, by what becomes of the first number
// (left out, added, subtracted); `spin` is called as each pass begins, and a pass that finds
// t ends the search, so `spin` runs 0 to 3 times and its draws shape the rest of the round.
bool isTooEasy(int t, const Deal& dealt, const std::function<void()>& spin);

// One candidate target built from all seven dealt numbers, shuffled and combined at random
// as ((n0 o n1) o (n2 o n3)) o ((n4 o n5) o n6); nothing when a combination fails or the
// candidate is too easy.
std::optional<int> candidateTarget(const Deal& dealt, platform::RandomSource& random,
                                   const std::function<void()>& spin);

}  // namespace core
