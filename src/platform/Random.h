// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <random>

namespace platform {

// The game's one generator: uniform single-precision values in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
    // Seeds the generator afresh from the system timer.
    virtual void reseed() = 0;
};

class SystemRandom final : public RandomSource {
public:
    SystemRandom();
    float next() override;
    void reseed() override;

private:
    std::mt19937 engine_;
};

}  // namespace platform
