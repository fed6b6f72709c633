// SPDX-License-Identifier: GPL-3.0-or-later
// The players window's rounds check, on any text: a game starts only with 1 to 999 rounds
// from a text of at most three characters, and a refusal with a message never starts one.
#include "core/NumberText.h"
#include "core/RuleCheck.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const core::RoundsCheck check = core::checkRounds(text);

    if (check.error && check.rounds != 0)
        std::abort();
    if (check.rounds != 0) {
        const double number = core::roundHalfEven(core::leadingNumber(text));
        if (text.size() > 3 || check.rounds < 1 || check.rounds > 999 || check.rounds != number)
            std::abort();
    }
    return 0;
}
