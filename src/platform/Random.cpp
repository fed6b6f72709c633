// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Random.h"

#include <chrono>

namespace platform {

SystemRandom::SystemRandom()
{
    reseed();
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
