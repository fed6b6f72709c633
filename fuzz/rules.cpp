// SPDX-License-Identifier: GPL-3.0-or-later
// The rules window's check, on five boxes of any text: a value is accepted only when every box
// holds a whole number that a rule can keep, at or above its smallest value.
#include "setup/RuleCheck.h"
#include "shell/Numbers.h"

#include <QStringList>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QStringList lines = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).split(u'\n');
    std::array<QString, setup::RuleCount> texts;
    for (int row = 0; row < setup::RuleCount && row < lines.size(); ++row)
        texts[row] = lines[row];

    const setup::RuleCheck check = setup::checkRules(texts);
    if (check.error)
        return 0;
    for (int row = 0; row < setup::RuleCount; ++row) {
        const double number = Program::leadingNumber(texts[row]);
        if (!Program::IsDigitText(texts[row]) || number > 32767 || check.values[row] < setup::rules[row].smallest ||
            check.values[row] != std::int16_t(number))
            std::abort();
    }
    return 0;
}
