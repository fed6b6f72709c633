// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

class QDateTime;

namespace platform {

// A moment as the game reads the time: the local date and time of day, to the whole second.
// The difference of two moments is a whole number of seconds, whatever the time of day.
using Moment = std::chrono::time_point<std::chrono::system_clock, std::chrono::seconds>;

// The moment a local date and time stand for; a fraction of a second is dropped.
Moment momentOf(const QDateTime& dateTime);

class Clock {
public:
    virtual ~Clock() = default;
    virtual Moment now() const = 0;
};

class SystemClock final : public Clock {
public:
    Moment now() const override;
};

}  // namespace platform
