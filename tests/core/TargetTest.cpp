// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/Draws.h"
#include "doubles/Doubles.h"
#include "core/Target.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using doubles::ScriptedRandom;
using namespace core;

namespace {

const Deal exampleDeal{2, 3, 4, 10, 20, 100, 150};

// The sign search written out as seven nested loops, each number left out, added or
// subtracted, spinning at the start of each pass of the outermost loop.
bool tooEasyByEveryWay(int t, const Deal& n, int& spins)
{
    if (t < SmallestTarget)
        return false;
    const int signs[] = {0, 1, -1};
    for (int a : signs) {
        ++spins;
        for (int b : signs)
            for (int c : signs)
                for (int d : signs)
                    for (int e : signs)
                        for (int f : signs)
                            for (int g : signs) {
                                const int s = a * n[0] + b * n[1] + c * n[2] + d * n[3] + e * n[4] + f * n[5] + g * n[6];
                                if (s == t)
                                    return true;
                            }
    }
    return false;
}

}  // namespace

TEST(Dealing, EveryPositionDealsItsOwnNumbersWithEvenChances)
{
    ScriptedRandom random(7);
    std::map<int, std::map<int, int>> seen;  // position -> number -> count
    constexpr int rounds = 70000;
    for (int round = 0; round < rounds; ++round)
        for (int k = 0; k < DealSize; ++k)
            ++seen[k][dealNumber(k, random)];

    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(seen[k].size(), 14u);
        EXPECT_EQ(seen[k].begin()->first, 2);
        EXPECT_EQ(seen[k].rbegin()->first, 15);
        for (const auto& [number, count] : seen[k])
            EXPECT_NEAR(count, rounds / 14.0, rounds / 14.0 * 0.06) << "small number " << number;
    }
    for (int k = 3; k < 5; ++k) {
        EXPECT_EQ(seen[k].size(), 7u);
        for (const int number : {10, 15, 20, 25, 30, 40, 50})
            EXPECT_NEAR(seen[k][number], rounds / 7.0, rounds / 7.0 * 0.05) << "middle number " << number;
    }
    for (int k = 5; k < 7; ++k) {
        EXPECT_EQ(seen[k].size(), 6u);
        EXPECT_NEAR(seen[k][150], rounds * 0.25, rounds * 0.25 * 0.04);
        for (const int number : {100, 200, 300, 400, 500})
            EXPECT_NEAR(seen[k][number], rounds * 0.15, rounds * 0.15 * 0.05) << "large number " << number;
    }
}

TEST(Dealing, TheExtremeDrawsStayInRange)
{
    constexpr float top = 0.99999994f;  // the largest float below 1
    ScriptedRandom random;
    random.script({0.0f, top, 0.0f, top, 0.2499f, 0.25f, 0.0f, 0.25f, top});
    EXPECT_EQ(dealNumber(0, random), 2);
    EXPECT_EQ(dealNumber(1, random), 15);
    EXPECT_EQ(dealNumber(3, random), 10);
    EXPECT_EQ(dealNumber(4, random), 25);
    EXPECT_EQ(dealNumber(5, random), 150);
    EXPECT_EQ(dealNumber(5, random), 100);
    EXPECT_EQ(dealNumber(6, random), 500);
}

TEST(RandomUpTo, RoundsHalvesToEvenAndDrawsAgainAboveTheTop)
{
    ScriptedRandom random;
    random.script({0.875f, 0.625f, 0.125f, 0.375f});
    EXPECT_EQ(randomUpTo(3, random), 2);  // 3.5 rounds to 4: drawn again; 2.5 gives 2
    EXPECT_EQ(randomUpTo(3, random), 0);  // 0.5 gives 0
    EXPECT_EQ(randomUpTo(3, random), 2);  // 1.5 gives 2
}

TEST(CombinePair, NeverGivesZeroNegativesFractionsLargeNumbersOrItsOwnInputs)
{
    ScriptedRandom random(3);
    std::set<int> fromSevens, fromLarge;
    for (int i = 0; i < 2000; ++i) {
        fromSevens.insert(combinePair(7, 7, random).value_or(-1));
        fromLarge.insert(combinePair(500, 600, random).value_or(-1));
    }
    EXPECT_EQ(fromSevens, (std::set<int>{1, 14, 49}));
    EXPECT_EQ(fromLarge, (std::set<int>{100}));

    // Refused in turn: 0 (the start value), 7 * 1 and 7 / 1 (its own input), 1 - 7, 1 / 7.
    random.script({draws::upTo6(0), draws::upTo6(4), draws::upTo6(5), draws::upTo6(3), draws::upTo6(6),
                   draws::upTo6(1)});
    random.draws = 0;
    EXPECT_EQ(combinePair(7, 1, random), 8);
    EXPECT_EQ(random.draws, 6);
}

TEST(CombinePair, GivesUpAfterFiftyRefusedAttempts)
{
    ScriptedRandom random;
    random.script(std::vector<float>(50, draws::upTo6(1)));  // 600 + 500 is too large, fifty times
    random.script({draws::upTo6(3)});
    EXPECT_EQ(combinePair(500, 600, random), std::nullopt);
    EXPECT_EQ(random.draws, 50);
    EXPECT_EQ(combinePair(500, 600, random), 100);
}

TEST(IsTooEasy, RefusesSumsAndDifferencesOfTheDealtNumbers)
{
    int spins = 0;
    const auto spin = [&] { ++spins; };
    EXPECT_TRUE(isTooEasy(105, exampleDeal, spin));
    EXPECT_EQ(spins, 0) << "a candidate below 106 needs no search";
    EXPECT_TRUE(isTooEasy(106, exampleDeal, spin));   // 100 + 4 + 2
    EXPECT_TRUE(isTooEasy(275, exampleDeal, spin));   // 150 + 100 + 20 + 3 + 2
    EXPECT_TRUE(isTooEasy(289, exampleDeal, spin));   // all of them
    spins = 0;
    EXPECT_FALSE(isTooEasy(999, exampleDeal, spin));
    EXPECT_EQ(spins, 3);
    EXPECT_FALSE(isTooEasy(290, exampleDeal, spin));
}

TEST(IsTooEasy, SpinsExactlyAsOftenAsTheSearchOverEverySignPattern)
{
    ScriptedRandom random(5);
    std::map<int, int> spinCounts;
    for (int round = 0; round < 300; ++round) {
        Deal deal{};
        for (int k = 0; k < DealSize; ++k)
            deal[k] = dealNumber(k, random);
        for (int t = 100; t <= 999; t += 7) {
            int expectedSpins = 0;
            const bool expected = t < SmallestTarget || tooEasyByEveryWay(t, deal, expectedSpins);
            int spins = 0;
            ASSERT_EQ(isTooEasy(t, deal, [&] { ++spins; }), expected) << "target " << t;
            ASSERT_EQ(spins, expectedSpins) << "target " << t;
            ++spinCounts[spins];
        }
    }
    // Every count of passes came up: 0 (below 106), 1, 2 and 3.
    EXPECT_EQ(spinCounts.size(), 4u);
}

TEST(CandidateTarget, BuildsTheTargetTheDrawsDescribe)
{
    ScriptedRandom random;
    random.script(std::vector<float>(50, draws::upTo6(0)));  // 25 swaps of the first number with itself
    random.script({draws::upTo6(4), draws::upTo6(4), draws::upTo6(4),   // 2 * 3, 4 * 10, 6 * 40
                   draws::upTo6(1), draws::upTo6(1), draws::upTo6(1)});  // 20 + 100, 120 + 150, 240 + 270
    int spins = 0;
    EXPECT_EQ(candidateTarget(exampleDeal, random, [&] { ++spins; }), 510);
    EXPECT_EQ(random.scriptLeft(), 0u);
    EXPECT_EQ(spins, 3);

    // The same with a last sum of 240 - 270 refused, then 270 - 240 = 30: below 106.
    random.script(std::vector<float>(50, draws::upTo6(0)));
    random.script({draws::upTo6(4), draws::upTo6(4), draws::upTo6(4), draws::upTo6(1), draws::upTo6(1),
                   draws::upTo6(2), draws::upTo6(3)});
    spins = 0;
    EXPECT_EQ(candidateTarget(exampleDeal, random, [&] { ++spins; }), std::nullopt);
    EXPECT_EQ(random.scriptLeft(), 0u);
    EXPECT_EQ(spins, 0);
}
