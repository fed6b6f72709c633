// SPDX-License-Identifier: GPL-3.0-or-later
// The players wait on the solution finder: attempts until the first solution, over many
// dealt rounds with their accepted targets.
#include "core/puzzle/Search.h"
#include "core/puzzle/Target.h"
#include "platform/Random.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

namespace {

struct Round {
    core::Deal numbers;
    int target;
};

std::vector<Round> rounds(platform::RandomSource& random, int count)
{
    std::vector<Round> made(count);
    for (auto& round : made) {
        for (int k = 0; k < core::DealSize; ++k)
            round.numbers[k] = core::dealNumber(k, random);
        std::optional<int> target;
        while (!(target = core::candidateTarget(round.numbers, random, [] {}))) {
        }
        round.target = *target;
    }
    return made;
}

double percentile(std::vector<double> values, int percent)
{
    std::sort(values.begin(), values.end());
    return values[values.size() * percent / 100];
}

// A fixed seed: the same rounds and the same draws every run, so that runs compare.
constexpr std::uint64_t seed = 2026;

// One search to the first solution; each iteration takes the next round. The attempts and
// the time of every search are kept, and their median and 99th percentile reported.
void SearchToFirstSolution(benchmark::State& state)
{
    platform::SystemRandom random(seed);
    const auto all = rounds(random, 5000);
    std::vector<double> attempts, milliseconds;
    std::size_t next = 0;
    for (auto _ : state) {
        const Round& round = all[next++ % all.size()];
        const auto start = std::chrono::steady_clock::now();
        long count = 0;
        std::optional<QString> found;
        do {
            ++count;
            found = core::attempt(round.numbers, round.target, random);
        } while (!found && count < 10'000'000);
        benchmark::DoNotOptimize(found);
        milliseconds.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        attempts.push_back(double(count));
    }
    state.counters["attempts_median"] = percentile(attempts, 50);
    state.counters["attempts_p99"] = percentile(attempts, 99);
    state.counters["ms_median"] = percentile(milliseconds, 50);
    state.counters["ms_p99"] = percentile(milliseconds, 99);
}
BENCHMARK(SearchToFirstSolution)->Iterations(5000)->Unit(benchmark::kMillisecond);

void OneAttempt(benchmark::State& state)
{
    platform::SystemRandom random(seed);
    const auto all = rounds(random, 1000);
    std::size_t next = 0;
    for (auto _ : state) {
        const Round& round = all[next++ % all.size()];
        benchmark::DoNotOptimize(core::attempt(round.numbers, round.target, random));
    }
}
BENCHMARK(OneAttempt);

}  // namespace
