// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Clock.h"

#include <QDateTime>

namespace platform {

Moment momentOf(const QDateTime& dateTime)
{
    static const QDate epoch(1970, 1, 1);
    const std::chrono::days days(epoch.daysTo(dateTime.date()));
    const std::chrono::seconds timeOfDay(dateTime.time().msecsSinceStartOfDay() / 1000);
    return Moment(days + timeOfDay);
}

Moment SystemClock::now() const
{
    return momentOf(QDateTime::currentDateTime());
}

}  // namespace platform
