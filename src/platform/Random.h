// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace platform {

// The game's one generator: uniform single-precision values in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
    // Seeds the generator afresh from the system timer.
    virtual void reseed() = 0;
};

// A permuted congruential generator (PCG32): small, fast and statistically sound, which
// matters because the solution finder draws tens of millions of values in a long search.
class SystemRandom final : public RandomSource {
public:
    SystemRandom();
    // Seeded from `seed` instead of the timer: the same seed, the same values.
    explicit SystemRandom(std::uint64_t seed);
    float next() override;
    void reseed() override;

private:
    std::uint64_t state_ = 0;
};

}  // namespace platform
