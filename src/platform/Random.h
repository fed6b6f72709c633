// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
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
        state_ = old * multiplier + increment;
        return bitsOf(old);
    }

    // The 24 bits of each of the next eight values, without advancing the state; skip() then
    // advances past as many as were consumed. The solution search buffers eight values this way
    // rather than branching on each. The eight states are computed from this one independently
    // (by jumps[k]), not each from the one before, so the loop has no dependency chain.
    std::array<std::uint32_t, 8> peekEight() const
    {
        std::array<std::uint32_t, 8> bits;
#pragma GCC unroll 8
        for (int i = 0; i < 8; ++i)
            bits[i] = bitsOf(state_ * jumps[i].multiplier + jumps[i].increment);
        return bits;
    }

    // Advances the state by `count` values (0 to 8) in one step, as `count` nextBits() calls would.
    void skip(int count) { state_ = state_ * jumps[count].multiplier + jumps[count].increment; }

private:
    static constexpr std::uint64_t multiplier = 6364136223846793005ULL;
    static constexpr std::uint64_t increment = 1442695040888963407ULL;

    static std::uint32_t bitsOf(std::uint64_t state)
    {
        const auto xorShifted = std::uint32_t(((state >> 18) ^ state) >> 27);
        const auto rotation = unsigned(state >> 59);
        return ((xorShifted >> rotation) | (xorShifted << ((32 - rotation) & 31))) >> 8;
    }

    // Drawing k values takes the state s to s * multiplier + increment k times over, which is
    // s * jumps[k].multiplier + jumps[k].increment, all arithmetic modulo 2^64.
    struct Jump {
        std::uint64_t multiplier;
        std::uint64_t increment;
    };
    static constexpr std::array<Jump, 9> jumps = [] {
        std::array<Jump, 9> made{};
        made[0] = {1, 0};
        for (std::size_t k = 1; k < made.size(); ++k)
            made[k] = {made[k - 1].multiplier * multiplier, made[k - 1].increment * multiplier + increment};
        return made;
    }();

    std::uint64_t state_ = 0;
};

}  // namespace platform
