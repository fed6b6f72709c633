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
    float next() override { return float(nextBits()) * (1.0f / float(1 << 24)); }
    void reseed() override;

    // The next value's 24 bits: next() is this over 2^24, every value exactly a float below 1.
    // Inline, for the solution search, which draws tens of millions of them.
    std::uint32_t nextBits()
    {
        const std::uint64_t old = state_;
        state_ = old * 6364136223846793005ULL + 1442695040888963407ULL;
        const auto xorShifted = std::uint32_t(((old >> 18) ^ old) >> 27);
        const auto rotation = unsigned(old >> 59);
        return ((xorShifted >> rotation) | (xorShifted << ((32 - rotation) & 31))) >> 8;
    }

private:
    std::uint64_t state_ = 0;
};

}  // namespace platform
