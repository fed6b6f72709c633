// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The solution search, as pure functions of a random source. An attempt combines two
// randomly chosen numbers with a randomly chosen operation, keeps the result in place of
// the first and uses up the second, and goes on until it hits the target or too few
// numbers are left. The finder window runs attempts until one succeeds.

#include "core/puzzle/Target.h"

#include <QString>

#include <array>
#include <optional>

namespace platform {
class RandomSource;
}

namespace core {

// A random whole number from low to high; the two ends come up half as often as the others.
int randomBetween(int low, int high, platform::RandomSource& random);

// What the six operations make of a pair of numbers at hand (1 to 999), by the operation's
// value: bit v of usable is set when applyOperation(a, b, Operation(v)) allows the result, and
// result[v] is that result. The search's own way to the same answers: all six are worked out
// at once and without a branch, as the search draws an operation for every pair it draws, and
// a branch on each would be mispredicted as often as not.
struct Outcomes {
    unsigned usable;
    std::array<int, 7> result;
};
Outcomes outcomesOf(int a, int b);

// The text of one step, as "75×4=300": the numbers in the order the operation takes them.
QString stepText(int a, int b, Operation operation, int result);

// One attempt of at most six steps. The text of its steps, ending in "!", when its last step
// made the target; nothing otherwise. A 0 among the numbers counts as used up.
std::optional<QString> attempt(const Deal& numbers, int target, platform::RandomSource& random);

}  // namespace core
