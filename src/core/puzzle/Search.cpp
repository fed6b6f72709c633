// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/puzzle/Search.h"

#include "core/NumberText.h"
#include "core/puzzle/Target.h"
#include "platform/Random.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <typeinfo>

namespace core {

namespace {

constexpr int maxSteps = 6;

struct Step {
    int a;
    int b;
    Operation operation;
    int result;
    int kept;     // the position the result is kept in, where a was
    int usedUp;   // the position b is used up from
};

// The solution's text: only the steps on the way to the target, the last one and those
// whose results it builds on; two steps to a line, "!" straight after the last.
QString solutionText(const Step* steps, int count)
{
    std::array<bool, maxSteps> onTheWay{};
    std::array<bool, 8> needed{};  // positions whose value a later step on the way reads
    for (int i = count - 1; i >= 0; --i) {
        if (i < count - 1 && !needed[steps[i].kept])
            continue;
        onTheWay[i] = true;
        needed[steps[i].kept] = true;
        needed[steps[i].usedUp] = true;
    }
    QString text;
    int shown = 0;
    for (int i = 0; i < count; ++i) {
        if (!onTheWay[i])
            continue;
        if (shown > 0)
            text += shown % 2 == 1 ? QStringLiteral(", ") : QStringLiteral(",\n");
        text += stepText(steps[i].a, steps[i].b, steps[i].operation, steps[i].result);
        ++shown;
    }
    return text + u'!';
}

// randomBetween for a value of the game's own generator, from its bits, in whole numbers: the
// value is bits / 2^24, so low + (high - low) * value is low + n + rest / 2^24, rounded to the
// nearest, an exact half to the even neighbour. The same numbers as the general one.
constexpr int between(int low, int high, std::uint32_t bits)
{
    const std::uint32_t scaled = std::uint32_t(high - low) * bits;
    const int n = low + int(scaled >> 24);
    const std::uint32_t rest = scaled & 0xFFFFFF;
    constexpr std::uint32_t half = 1u << 23;
    return n + (rest > half || (rest == half && (n & 1)));
}

// A lookup table, built at compile time, from a 24-bit SystemRandom value to what
// randomBetween(1, 7) and randomBetween(1, 6) make of it, each as a one-hot bit (bit p for
// position p, bit v for operation v). The table is indexed by the value's top 8 bits: both
// results grow monotonically with the value and change at a few widely spaced points, so within
// each of the 256 ranges of 2^16 values there is at most one split point, `from`. A lookup is
// three loads.
struct DrawTable {
    std::array<std::uint32_t, 256> from;
    // For range r: 2r below `from`, 2r + 1 from there on.
    std::array<std::uint8_t, 512> positions;
    std::array<std::uint8_t, 512> operations;
};

constexpr std::uint8_t positionBit(std::uint32_t bits)
{
    return std::uint8_t(1u << between(1, 7, bits));
}

constexpr std::uint8_t operationBit(std::uint32_t bits)
{
    return std::uint8_t(1u << between(1, 6, bits));
}

constexpr DrawTable drawTable = [] {
    DrawTable table{};
    const auto same = [](std::uint32_t one, std::uint32_t other) {
        return positionBit(one) == positionBit(other) && operationBit(one) == operationBit(other);
    };
    for (std::uint32_t range = 0; range < 256; ++range) {
        const std::uint32_t first = range << 16;
        const std::uint32_t last = first + 0xFFFF;
        // The first value that draws as the last one does: once both draws have reached theirs,
        // they stay.
        std::uint32_t low = first;
        std::uint32_t high = last;
        while (low < high) {
            const std::uint32_t middle = low + (high - low) / 2;
            if (same(middle, last))
                high = middle;
            else
                low = middle + 1;
        }
        table.from[range] = low;
        table.positions[2 * range] = positionBit(first);
        table.positions[2 * range + 1] = positionBit(last);
        table.operations[2 * range] = operationBit(first);
        table.operations[2 * range + 1] = operationBit(last);
    }
    return table;
}();

// No range changes twice: everything below its `from` draws as its first value does.
static_assert([] {
    for (std::uint32_t range = 0; range < 256; ++range) {
        const std::uint32_t from = drawTable.from[range];
        if (from > range << 16 && (positionBit(from - 1) != drawTable.positions[2 * range] ||
                                   operationBit(from - 1) != drawTable.operations[2 * range]))
            return false;
    }
    return true;
}());

// Where a value's draws are in drawTable.positions and drawTable.operations.
std::uint32_t drawIndex(std::uint32_t bits)
{
    const std::uint32_t range = bits >> 16;
    return 2 * range + (bits >= drawTable.from[range]);
}

// A look-ahead buffer over SystemRandom. refill() peeks at the next eight 24-bit values and packs,
// for each, its one-hot position and operation bits from drawTable into one byte of positions_
// and operations_ (a std::uint64_t each, the next value in the lowest byte). take() then finds
// the first value whose draw is in the wanted mask with an AND and std::countr_zero, rather
// than a branch per value that would be mispredicted for most of the rejected ones. The values
// skipped before it are consumed with it, exactly as drawing one at a time would.
class Lookahead {
public:
    // Works on a local copy of the generator's state, which the compiler can keep in a
    // register, and writes it back to `random` in the destructor.
    explicit Lookahead(platform::SystemRandom& random) : original_(random), random_(random) { refill(); }
    ~Lookahead()
    {
        random_.skip(used_);
        original_ = random_;
    }
    Lookahead(const Lookahead&) = delete;
    Lookahead& operator=(const Lookahead&) = delete;

    // The next position from `wanted`, which has bit p set for position p.
    int position(unsigned wanted) { return take(true, wanted); }
    // The next operation from `wanted`, which has bit c set for operation c.
    int operation(unsigned wanted) { return take(false, wanted); }

private:
    void refill()
    {
        const auto bits = random_.peekEight();
        positions_ = 0;
        operations_ = 0;
#pragma GCC unroll 8
        for (int i = 0; i < 8; ++i) {
            const std::uint32_t index = drawIndex(bits[i]);
            positions_ |= std::uint64_t(drawTable.positions[index]) << 8 * i;
            operations_ |= std::uint64_t(drawTable.operations[index]) << 8 * i;
        }
        used_ = 0;
    }

    int take(bool position, unsigned wanted)
    {
        const std::uint64_t everyByte = wanted * 0x0101010101010101u;
        std::uint64_t found = (position ? positions_ : operations_) & everyByte;
        while (found == 0) [[unlikely]] {
            // No buffered value draws what is wanted: all eight are consumed.
            random_.skip(8);
            refill();
            found = (position ? positions_ : operations_) & everyByte;
        }
        const unsigned bit = unsigned(std::countr_zero(found));
        const unsigned values = bit / 8 + 1;  // the rejected values and the one taken
        // In two shifts, as one by all 64 bits would be undefined.
        positions_ = positions_ >> 8 * (values - 1) >> 8;
        operations_ = operations_ >> 8 * (values - 1) >> 8;
        used_ += int(values);
        return int(bit % 8);
    }

    platform::SystemRandom& original_;
    platform::SystemRandom random_;
    std::uint64_t positions_;
    std::uint64_t operations_;
    int used_;  // how many of the eight buffered values are consumed
};

// outcomesOf, forced inline in the search, which works it out for every pair it draws: with a
// second caller GCC would otherwise call it there, and an attempt took a tenth longer.
[[gnu::always_inline]] inline Outcomes pairOutcomes(int a, int b)
{
    // The smaller and the larger by masks: std::min and std::max here compile to a branch on
    // which is larger, which is as random as the draws.
    const int low = b ^ ((a ^ b) & -int(a < b));
    const int high = a ^ b ^ low;
    const int quotient = high / low;
    // The rule is a whole number from 1 to 999 other than a and b; for numbers from 1 to 999 it
    // comes down to this. A sum is more than either number. A difference is less than the larger
    // one and is the smaller one when the larger is twice it. A product or a quotient gives a
    // number back when the other is 1, and a quotient is its divisor when the dividend is the
    // divisor squared.
    const bool divides = (quotient * low == high) & (low != 1) & (quotient != low);
    Outcomes outcomes;
    outcomes.usable = unsigned(a + b <= LargestNumber) << 1 | unsigned((a > b) & (a != 2 * b)) << 2 |
                      unsigned((b > a) & (b != 2 * a)) << 3 | unsigned((a * b <= LargestNumber) & (low != 1)) << 4 |
                      unsigned(divides & (a >= b)) << 5 | unsigned(divides & (b >= a)) << 6;
    outcomes.result = {0, a + b, a - b, b - a, a * b, quotient, quotient};
    return outcomes;
}

// attempt() for SystemRandom: its final next() called directly, with no virtual dispatch, through
// the eight-value look-ahead buffer.
std::optional<QString> attemptWith(const Deal& numbers, int target, platform::SystemRandom& random)
{
    // Positions 1 to 7 as the draws name them; 0 marks a number used up. Bit p of held is set
    // while position p holds a number: the positions a draw may take, as a mask.
    std::array<int, 8> search{};
    std::copy(numbers.begin(), numbers.end(), search.begin() + 1);
    unsigned held = 0;
    int usable = 0;
    for (int p = 1; p <= 7; ++p) {
        held |= unsigned(search[p] != 0) << p;
        usable += search[p] != 0;
    }
    Step steps[maxSteps];
    Lookahead values(random);
    for (int step = 0; step < maxSteps && usable >= 2; ++step) {
        const int a = values.position(held);
        const int b = values.position(held & ~(1u << a));
        const Outcomes outcomes = pairOutcomes(search[a], search[b]);
        const int drawn = values.operation(outcomes.usable);
        const int result = outcomes.result[drawn];
        steps[step] = {search[a], search[b], Operation(drawn), result, a, b};
        search[a] = result;
        search[b] = 0;
        held &= ~(1u << b);
        --usable;
        if (result == target)
            return solutionText(steps, step + 1);
    }
    return std::nullopt;
}

// Any other source, one value at a time, by the rules' own functions: the reference the game's
// generator must draw exactly as.
std::optional<QString> attemptWith(const Deal& numbers, int target, platform::RandomSource& random)
{
    // Positions 1 to 7 as the draws name them; 0 marks a number used up.
    std::array<int, 8> search{};
    std::copy(numbers.begin(), numbers.end(), search.begin() + 1);
    int usable = int(std::count_if(numbers.begin(), numbers.end(), [](int n) { return n != 0; }));
    Step steps[maxSteps];
    for (int step = 0; step < maxSteps && usable >= 2; ++step) {
        int a = randomBetween(1, 7, random);
        while (search[a] == 0)
            a = randomBetween(1, 7, random);
        int b = randomBetween(1, 7, random);
        while (search[b] == 0 || b == a)
            b = randomBetween(1, 7, random);
        Operation operation{};
        int result = -1;
        while (result == -1) {
            operation = Operation(randomBetween(1, 6, random));
            result = applyOperation(search[a], search[b], operation);
        }
        steps[step] = {search[a], search[b], operation, result, a, b};
        search[a] = result;
        search[b] = 0;
        --usable;
        if (result == target)
            return solutionText(steps, step + 1);
    }
    return std::nullopt;
}

}  // namespace

Outcomes outcomesOf(int a, int b)
{
    return pairOutcomes(a, b);
}

int randomBetween(int low, int high, platform::RandomSource& random)
{
    return int(core::roundHalfEven((high - low) * double(random.next()) + low));
}

QString stepText(int a, int b, Operation operation, int result)
{
    const bool reversed = isReversed(operation);
    return QString::number(reversed ? b : a) + operationSign(operation) + QString::number(reversed ? a : b) + u'=' +
           QString::number(result);
}

std::optional<QString> attempt(const Deal& numbers, int target, platform::RandomSource& random)
{
    // SystemRandom takes the devirtualised path with the look-ahead buffer. It is final, so a
    // typeid comparison identifies it exactly, and costs less than a dynamic_cast per attempt.
    if (typeid(random) == typeid(platform::SystemRandom))
        return attemptWith(numbers, target, static_cast<platform::SystemRandom&>(random));
    return attemptWith(numbers, target, random);
}

}  // namespace core
