// SPDX-License-Identifier: GPL-3.0-or-later
// The rules window's check, on five boxes of any text: a value is accepted only when every box
// holds a whole number that a rule can keep, at or above its smallest value.
#include "core/NumberText.h"
#include "core/RuleCheck.h"

#include <QStringList>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QStringList lines = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).split(u'\n');
    std::array<QString, core::RuleCount> texts;
    for (int row = 0; row < core::RuleCount && row < lines.size(); ++row)
        texts[row] = lines[row];

    const core::RuleCheck check = core::checkRules(texts);
    if (check.error)
        return 0;
    for (int row = 0; row < core::RuleCount; ++row) {
        const double number = core::leadingNumber(texts[row]);
        if (!core::isDigitText(texts[row]) || number > 32767 || check.values[row] < core::rules[row].smallest ||
            check.values[row] != std::int16_t(number))
            std::abort();
    }
    return 0;
}
