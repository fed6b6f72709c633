// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/RuleCheck.h"

#include "core/NumberText.h"

#include <limits>

namespace core {

const std::array<Rule, RuleCount> rules{{
    {&Rules::turnsAllowed, "turnsAllowed", "Only ", "turns allowed per player per round", 1,
     "Enter a whole number for the turns allowed.", "You must be allowed to make at least 1 turn!"},
    {&Rules::turnSeconds, "turnSeconds", "Only ", "seconds allowed for turn", 10,
     "Enter a whole number of seconds for a turn.", "You must have at least 10 seconds for a turn!"},
    {&Rules::idleSeconds, "idleSeconds", "Spending ", "seconds not doing anything ends turn", 1,
     "Enter a whole number of seconds not doing anything to end a turn.",
     "You must have some time to do your calculations!"},
    {&Rules::cancelsAllowed, "cancelsAllowed", "Cancelling ", "times ends turn", 1,
     "Enter a whole number of cancels allowed.", "You must be able to cancel at least once before your turn ends!"},
    {&Rules::stopsAllowed, "stopsAllowed", "Being stopped ", "times disqualifies player permanently", 1,
     "Enter a whole number of chances before disqualification.",
     "You can't be disqualified before you've been stopped once!"},
}};

RuleCheck checkRules(const std::array<QString, RuleCount>& texts)
{
    // Read wide, so that a number too large for a rule is caught rather than wrapped round.
    std::array<double, RuleCount> numbers{};
    for (int row = 0; row < RuleCount; ++row)
        numbers[row] = core::leadingNumber(texts[row]);

    RuleCheck check;
    for (int row = 0; row < RuleCount; ++row) {
        if (!core::isDigitText(texts[row]) || numbers[row] > std::numeric_limits<std::int16_t>::max()) {
            check.error = QString::fromLatin1(rules[row].notWhole);
            return check;
        }
    }
    for (int row = 0; row < RuleCount; ++row) {
        if (numbers[row] < rules[row].smallest) {
            check.error = QString::fromLatin1(rules[row].tooSmall);
            return check;
        }
        check.values[row] = std::int16_t(numbers[row]);
    }
    return check;
}

RoundsCheck checkRounds(const QString& text)
{
    // A short text such as 9e9 can still stand for a huge number, so both the length and the
    // value are checked.
    RoundsCheck check;
    const double rounds = core::roundHalfEven(core::leadingNumber(text));
    if (text.size() > 3 || rounds > 999)
        check.error = QStringLiteral("Number of rounds must be less than 1000");
    else if (rounds >= 1)
        check.rounds = std::int16_t(rounds);
    return check;
}

}  // namespace core
