// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Clock.h"

#include <QDateTime>

#include <cmath>

namespace platform {

namespace {
constexpr double secondsPerDay = 86400.0;
}

double toDays(const QDateTime& moment)
{
    static const QDate epoch(1899, 12, 30);
    const qint64 days = epoch.daysTo(moment.date());
    return double(days) + moment.time().msecsSinceStartOfDay() / 1000 / secondsPerDay;
}

long long wholeSeconds(double days)
{
    return std::llround(days * secondsPerDay);
}

double SystemClock::now() const
{
    return toDays(QDateTime::currentDateTime());
}

}  // namespace platform
