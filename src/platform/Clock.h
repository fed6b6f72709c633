// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDateTime;

namespace platform {

// Date-times as the game keeps them: days since 30 December 1899, the time of day as the
// fraction, to the whole second.
double toDays(const QDateTime& moment);

// A span of date-time in whole seconds. Date-times hold whole seconds, so this is exact,
// where a comparison of the fractions of a day would depend on the time of day.
long long wholeSeconds(double days);

class Clock {
public:
    virtual ~Clock() = default;
    virtual double now() const = 0;
};

class SystemClock final : public Clock {
public:
    double now() const override;
};

}  // namespace platform
