// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Random.h"

#include <chrono>

namespace platform {

SystemRandom::SystemRandom()
{
    reseed();
}

float SystemRandom::next()
{
    // The top 24 bits make every value exactly representable as a float below 1.
    constexpr float step = 1.0f / float(1 << 24);
    return float(engine_() >> 8) * step;
}

void SystemRandom::reseed()
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
}

}  // namespace platform
