// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Test doubles for what the game without windows reads: the time and chance.

#include "platform/Clock.h"
#include "platform/Random.h"

#include <QDateTime>
#include <QString>

#include <deque>
#include <ostream>
#include <random>
#include <stdexcept>
#include <vector>

// Texts in test failures, as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace doubles {

// Reads its date and time through momentOf, as the system clock does, so that a round played
// across midnight reads the time as the game would.
class FakeClock final : public platform::Clock {
public:
    platform::Moment now() const override { return platform::momentOf(now_); }
    void set(const QDateTime& moment) { now_ = moment; }
    void advanceSeconds(int seconds)
    {
        if (seconds != 0)
            now_ = now_.addSecs(seconds);
    }
    // The clock still reads whole seconds: the milliseconds add up until they make one.
    void advanceMilliseconds(int milliseconds)
    {
        pendingMilliseconds_ += milliseconds;
        advanceSeconds(pendingMilliseconds_ / 1000);
        pendingMilliseconds_ %= 1000;
    }

private:
    QDateTime now_{QDate(2026, 1, 1), QTime(12, 0)};
    int pendingMilliseconds_ = 0;
};

// Plays back scripted values first, then a seeded sequence, so that a test can fix the
// draws it cares about and let the rest of a round run.
class ScriptedRandom final : public platform::RandomSource {
public:
    explicit ScriptedRandom(unsigned seed = 1) : engine_(seed) {}
    float next() override
    {
        if (drawLimit >= 0 && draws >= drawLimit)
            throw std::runtime_error("more draws than the test allows");
        ++draws;
        if (script_.empty())
            return float(engine_() >> 8) / float(1 << 24);
        const float value = script_.front();
        script_.pop_front();
        return value;
    }
    void reseed() override {}

    void script(std::initializer_list<float> values) { script_.insert(script_.end(), values); }
    void script(const std::vector<float>& values) { script_.insert(script_.end(), values.begin(), values.end()); }
    std::size_t scriptLeft() const { return script_.size(); }

    int draws = 0;
    // Set by a test: one draw more throws, so that a loop that would never end fails instead.
    int drawLimit = -1;

private:
    std::deque<float> script_;
    std::mt19937 engine_;
};

}  // namespace doubles
