// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Random.h"

#include <chrono>

namespace platform {

SystemRandom::SystemRandom()
{
    reseed();
}

namespace {

constexpr std::uint64_t multiplier = 6364136223846793005ULL;
constexpr std::uint64_t increment = 1442695040888963407ULL;

}  // namespace

float SystemRandom::next()
{
    const std::uint64_t old = state_;
    state_ = old * multiplier + increment;
    const auto xorShifted = std::uint32_t(((old >> 18) ^ old) >> 27);
    const auto rotation = unsigned(old >> 59);
    const std::uint32_t bits = (xorShifted >> rotation) | (xorShifted << ((32 - rotation) & 31));
    // The top 24 bits make every value exactly representable as a float below 1.
    constexpr float step = 1.0f / float(1 << 24);
    return float(bits >> 8) * step;
}

SystemRandom::SystemRandom(std::uint64_t seed)
{
    state_ = 0;
    next();
    state_ += seed;
    next();
}

void SystemRandom::reseed()
{
    *this = SystemRandom(std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()));
}

}  // namespace platform
