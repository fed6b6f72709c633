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
        int code = 0;
        int result = -1;
        while (result == -1) {
            code = randomBetween(1, 6, random);
            result = tryOperation(search[a], search[b], code);
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

}  // namespace core
