// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Numbers.h"

#include <cmath>

namespace Program {

QString NumText(double x)
{
    if (!std::isfinite(x))
        return QStringLiteral("0");
    // The text is made with a sign character in front, a blank or "-", which is cut off.
    return QString::number(std::fabs(std::floor(x)), 'f', 0);
}

bool IsDigitText(const QString& s)
{
    for (const QChar c : s) {
        if (c != u'-' && (c < u'0' || c > u'9'))
            return false;
    }
    return true;
}

void TrimSpaces(QString& s)
{
    qsizetype first = 0;
    while (first < s.size() && s[first] == u' ')
        ++first;
    qsizetype last = s.size();
    while (last > first && s[last - 1] == u' ')
        --last;
    s = s.mid(first, last - first);
}

double roundHalfEven(double x)
{
    const double below = std::floor(x);
    const double fraction = x - below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        return below + 1.0;
    return below;
}

}  // namespace Program
