// SPDX-License-Identifier: GPL-3.0-or-later
// The target choice runs inside one 25 ms spin tick: every candidate until one is accepted.
#include "core/puzzle/Target.h"
#include "platform/Random.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<core::Deal> deals(platform::RandomSource& random, int count)
{
    std::vector<core::Deal> made(count);
    for (auto& deal : made)
        for (int k = 0; k < core::DealSize; ++k)
            deal[k] = core::dealNumber(k, random);
    return made;
}

void CompleteTargetChoice(benchmark::State& state)
{
    platform::SystemRandom random;
    const auto rounds = deals(random, 1000);
    // The display's spin only draws its three digits here; nothing is painted.
    const auto spin = [&random] { benchmark::DoNotOptimize(core::spinDigits(random)); };
    std::size_t round = 0;
    long candidates = 0;
    for (auto _ : state) {
        const core::Deal& deal = rounds[round++ % rounds.size()];
        std::optional<int> target;
        do {
            ++candidates;
            target = core::candidateTarget(deal, random, spin);
        } while (!target);
        benchmark::DoNotOptimize(target);
    }
    state.counters["candidates"] = benchmark::Counter(double(candidates), benchmark::Counter::kAvgIterations);
}
BENCHMARK(CompleteTargetChoice);

void IsTooEasyAlone(benchmark::State& state)
{
    platform::SystemRandom random;
    const auto rounds = deals(random, 1000);
    std::size_t i = 0;
    for (auto _ : state) {
        const core::Deal& deal = rounds[i % rounds.size()];
        const int t = 106 + int(i * 37 % 894);
        ++i;
        benchmark::DoNotOptimize(core::isTooEasy(t, deal, [] {}));
    }
}
BENCHMARK(IsTooEasyAlone);

}  // namespace
