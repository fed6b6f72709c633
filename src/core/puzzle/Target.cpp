// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/puzzle/Target.h"

#include "core/NumberText.h"
#include "platform/Random.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace core {

namespace {

// floor(next() * scale + offset), a whole number from [offset, offset + scale); the product of a
// float and a small whole number is exact in double precision.
int drawWhole(platform::RandomSource& random, double scale, double offset = 0.0)
{
    return int(std::floor(double(random.next()) * scale + offset));
}

// Every sum of the three numbers, each left out, added or subtracted, sorted.
std::array<int, 27> signedSums(int x, int y, int z)
{
    std::array<int, 27> sums{};
    std::size_t i = 0;
    for (const int a : {0, x, -x})
        for (const int b : {0, y, -y})
            for (const int c : {0, z, -z})
                sums[i++] = a + b + c;
    std::sort(sums.begin(), sums.end());
    return sums;
}

// Whether r may stand as a number made from a and b.
bool isFreshResult(double r, int a, int b)
{
    return r <= LargestNumber && r >= 1 && r == std::floor(r) && r != a && r != b;
}

}  // namespace

int dealNumber(int k, platform::RandomSource& random)
{
    if (k < 3)
        return drawWhole(random, 14, 2);
    if (k < 5) {
        constexpr int middle[] = {10, 20, 30, 40, 50, 15, 25};
        return middle[drawWhole(random, 7)];
    }
    if (random.next() < 0.25f)
        return 150;
    return drawWhole(random, 5, 1) * 100;
}

int randomUpTo(int n, platform::RandomSource& random)
{
    int k = 0;
    do {
        k = int(core::roundHalfEven(double(random.next()) * (n + 1)));
    } while (k > n);
    return k;
}

std::array<int, 3> spinDigits(platform::RandomSource& random)
{
    const int hundreds = drawWhole(random, 6) + 1;
    const int tens = drawWhole(random, 10);
    const int units = drawWhole(random, 10);
    return {hundreds, tens, units};
}

int applyOperation(int a, int b, Operation operation)
{
    double r = 0;
    switch (operation) {
    case Operation::Add: r = double(a) + b; break;
    case Operation::Subtract: r = double(a) - b; break;
    case Operation::SubtractReversed: r = double(b) - a; break;
    case Operation::Multiply: r = double(a) * b; break;
    case Operation::Divide: r = double(a) / b; break;
    case Operation::DivideReversed: r = double(b) / a; break;
    default: return -1;
    }
    return isFreshResult(r, a, b) ? int(r) : -1;
}

std::optional<int> combinePair(int a, int b, platform::RandomSource& random)
{
    for (int attempt = 0; attempt < MaxCombineAttempts; ++attempt) {
        if (const int r = applyOperation(a, b, Operation(randomUpTo(6, random))); r != -1)
            return r;
    }
    return std::nullopt;
}

bool isTooEasy(int t, const Deal& dealt, const std::function<void()>& spin)
{
    if (t < SmallestTarget)
        return true;
    // Meet in the middle: t - first = (a sum of numbers 1..3) + (a sum of numbers 4..6).
    const auto front = signedSums(dealt[1], dealt[2], dealt[3]);
    const auto back = signedSums(dealt[4], dealt[5], dealt[6]);
    for (const int first : {0, dealt[0], -dealt[0]}) {
        spin();
        for (const int f : front) {
            if (std::binary_search(back.begin(), back.end(), t - first - f))
                return true;
        }
    }
    return false;
}

std::optional<int> candidateTarget(const Deal& dealt, platform::RandomSource& random,
                                   const std::function<void()>& spin)
{
    Deal work = dealt;
    for (int swap = 0; swap < 25; ++swap) {
        const int a = randomUpTo(6, random);
        const int b = randomUpTo(6, random);
        std::swap(work[a], work[b]);
    }
    // Each step stores its result as the game's working numbers do: (target, left, right).
    constexpr int steps[][3] = {{0, 0, 1}, {2, 2, 3}, {0, 0, 2}, {4, 4, 5}, {4, 4, 6}};
    for (const auto& [into, left, right] : steps) {
        const auto combined = combinePair(work[left], work[right], random);
        if (!combined)
            return std::nullopt;
        work[into] = *combined;
    }
    const auto t = combinePair(work[0], work[4], random);
    if (!t || isTooEasy(*t, dealt, spin))
        return std::nullopt;
    return t;
}

}  // namespace core
