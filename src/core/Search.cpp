// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Search.h"

#include "platform/Random.h"
#include "core/Target.h"
#include "core/Numbers.h"

#include <algorithm>

namespace core {

namespace {

constexpr int maxSteps = 6;

struct Step {
    int a;
    int b;
    int code;
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
        text += stepText(steps[i].a, steps[i].b, steps[i].code, steps[i].result);
        ++shown;
    }
    return text + u'!';
}

// randomBetween for the game's own generator, in whole numbers: the value drawn is
// bits / 2^24, so low + (high - low) * value is low + n + rest / 2^24, rounded to the
// nearest, an exact half to the even neighbour. The same numbers as the general one, faster.
[[gnu::always_inline]] inline int between(int low, int high, platform::SystemRandom& random)
{
    const std::uint32_t scaled = std::uint32_t(high - low) * random.nextBits();
    const int n = low + int(scaled >> 24);
    const std::uint32_t rest = scaled & 0xFFFFFF;
    constexpr std::uint32_t half = 1u << 23;
    return n + (rest > half || (rest == half && (n & 1)));
}

int between(int low, int high, platform::RandomSource& random)
{
    return randomBetween(low, high, random);
}

// applyOperation in whole numbers, for numbers at hand (1 to 999): the same results, without
// floating point, for the search's hot loop.
[[gnu::always_inline]] inline int operate(int a, int b, int code)
{
    int r = 0;
    switch (code) {
    case 1: r = a + b; break;
    case 2: r = a - b; break;
    case 3: r = b - a; break;
    case 4: r = a * b; break;
    case 5: r = a % b == 0 ? a / b : 0; break;
    case 6: r = b % a == 0 ? b / a : 0; break;
    default: return -1;
    }
    return r >= 1 && r <= LargestNumber && r != a && r != b ? r : -1;
}

template <typename Random>
std::optional<QString> attemptWith(const Numbers& numbers, int target, Random& random)
{
    // Positions 1 to 7 as the draws name them; 0 marks a number used up.
    std::array<int, 8> search{};
    std::copy(numbers.begin(), numbers.end(), search.begin() + 1);
    int usable = int(std::count_if(numbers.begin(), numbers.end(), [](int n) { return n != 0; }));
    Step steps[maxSteps];
    for (int step = 0; step < maxSteps && usable >= 2; ++step) {
        int a = between(1, 7, random);
        while (search[a] == 0)
            a = between(1, 7, random);
        int b = between(1, 7, random);
        while (search[b] == 0 || b == a)
            b = between(1, 7, random);
        int code = 0;
        int result = -1;
        while (result == -1) {
            code = between(1, 6, random);
            result = operate(search[a], search[b], code);
        }
        steps[step] = {search[a], search[b], code, result, a, b};
        search[a] = result;
        search[b] = 0;
        --usable;
        if (result == target)
            return solutionText(steps, step + 1);
    }
    return std::nullopt;
}

}  // namespace

int randomBetween(int low, int high, platform::RandomSource& random)
{
    return int(core::roundHalfEven((high - low) * double(random.next()) + low));
}

QString stepText(int a, int b, int code, int result)
{
    static const QString symbols[] = {QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("-"),
                                      QStringLiteral("×"), QStringLiteral("÷"), QStringLiteral("÷")};
    const bool reversed = code == 3 || code == 6;
    return QString::number(reversed ? b : a) + symbols[code - 1] + QString::number(reversed ? a : b) + u'=' +
           QString::number(result);
}

std::optional<QString> attempt(const Numbers& numbers, int target, platform::RandomSource& random)
{
    // The game's own generator is drawn from without a virtual call for every value.
    if (auto* system = dynamic_cast<platform::SystemRandom*>(&random))
        return attemptWith(numbers, target, *system);
    return attemptWith(numbers, target, random);
}

}  // namespace core
