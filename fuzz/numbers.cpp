// SPDX-License-Identifier: GPL-3.0-or-later
// The text routines every typed number goes through: they must take any text, and what they
// say must hold.
#include "core/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

    const double number = core::leadingNumber(text);
    if (std::isnan(number))
        std::abort();

    bool digits = true;
    for (const QChar c : text)
        digits = digits && (c == u'-' || (c >= u'0' && c <= u'9'));
    if (core::isDigitText(text) != digits)
        std::abort();

    QString trimmed = text;
    core::trimSpaces(trimmed);
    if (trimmed.startsWith(u' ') || trimmed.endsWith(u' ') || !text.contains(trimmed))
        std::abort();

    const double rounded = core::roundHalfEven(number);
    if (std::isfinite(number) && (std::fabs(rounded - number) > 0.5 || rounded != std::floor(rounded)))
        std::abort();
    return 0;
}
