// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/puzzle/Target.h"
#include "doubles/CoreDoubles.h"
#include "doubles/Draws.h"

#include <gtest/gtest.h>

#include <map>

using doubles::ScriptedRandom;
using namespace core;

namespace {

const Deal exampleDeal{2, 3, 4, 10, 20, 100, 150};

// The sign search written out in full: every way of leaving each number out, adding it or
// subtracting it, the first number's sign changing slowest, with a spin at the start of each
// of its three passes.
bool tooEasyByEveryWay(int t, const Deal& n, int& spins)
{
    if (t < 106)
        return true;
    for (int way = 0; way < 3 * 729; ++way) {
        spins += way % 729 == 0;
        int sum = 0;
        for (int k = 0, place = 729; k < 7; ++k, place /= 3)
            sum += std::array{0, 1, -1}[way / place % 3] * n[k];
        if (sum == t)
            return true;
    }
    return false;
}

}  // namespace

TEST(Dealing, EveryPositionDealsItsOwnNumbersWithEvenChancesAndTheExtremeDrawsStayInRange)
{
    ScriptedRandom random(7);
    std::map<int, std::map<int, int>> seen;  // position -> number -> count
    constexpr int rounds = 70000;
    for (int round = 0; round < rounds; ++round)
        for (int k = 0; k < DealSize; ++k)
            ++seen[k][dealNumber(k, random)];
    std::map<int, double> small, middle, large{{100, 0.15}, {150, 0.25}, {200, 0.15}, {300, 0.15}, {400, 0.15},
                                               {500, 0.15}};
    for (int n = 2; n <= 15; ++n)
        small[n] = 1 / 14.0;
    for (const int n : {10, 15, 20, 25, 30, 40, 50})
        middle[n] = 1 / 7.0;
    for (int k = 0; k < DealSize; ++k) {
        const auto& pool = k < 3 ? small : k < 5 ? middle : large;
        ASSERT_EQ(seen[k].size(), pool.size()) << "position " << k;
        for (const auto& [number, share] : pool)
            EXPECT_NEAR(seen[k][number], rounds * share, rounds * share * 0.06) << "position " << k << ": " << number;
    }

    constexpr float top = 0.99999994f;  // the largest float below 1
    random.script({0.0f, top, 0.0f, top, 0.2499f, 0.25f, 0.0f, 0.25f, top});
    for (const auto& [position, number] : {std::pair{0, 2}, {1, 15}, {3, 10}, {4, 25}, {5, 150}, {5, 100}, {6, 500}})
        EXPECT_EQ(dealNumber(position, random), number) << "position " << position;
}

TEST(IsTooEasy, RefusesExactlyTheSumsAndDifferencesOfTheDealtNumbersSpinningAsTheSearchGoes)
{
    ScriptedRandom random(5);
    std::map<int, int> spinCounts;
    for (int round = 0; round < 300; ++round) {
        Deal deal = round == 0 ? exampleDeal : Deal{};
        for (int k = 0; round > 0 && k < DealSize; ++k)
            deal[k] = dealNumber(k, random);
        for (int t = 100; t <= 999; t += round == 0 ? 1 : 7) {
            int expectedSpins = 0, spins = 0;
            const bool expected = tooEasyByEveryWay(t, deal, expectedSpins);
            ASSERT_EQ(isTooEasy(t, deal, [&] { ++spins; }), expected) << "target " << t;
            ASSERT_EQ(spins, expectedSpins) << "target " << t;
            ++spinCounts[spins];
        }
    }
    // Every count of passes came up: 0 (below 106), 1, 2 and 3.
    EXPECT_EQ(spinCounts.size(), 4u);
}
