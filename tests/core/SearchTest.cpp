// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/puzzle/Search.h"
#include "doubles/CoreDoubles.h"

#include <gtest/gtest.h>

using doubles::ScriptedRandom;
using namespace core;

namespace {

// randomBetween(1, 7) gives `position`; randomBetween(1, 6) gives the Operation of that value.
float pick(int position)
{
    return float(position - 1) / 6.0f;
}
float operation(int value)
{
    return float(value - 1) / 5.0f;
}

}  // namespace

TEST(Attempt, WritesOnlyTheStepsOnTheWayToTheTargetTwoToALine)
{
    const Deal numbers{100, 25, 4, 50, 7, 2, 3};
    const struct {
        std::vector<float> draws;
        int target;
        const char* shown;
    } attempts[] = {
        {{pick(1), pick(2), operation(2), pick(1), pick(3), operation(4), pick(1), pick(4), operation(1)},
         350, "100-25=75, 75×4=300,\n300+50=350!"},
        // Drawing the first number again for the second is drawn again, and so is an operation
        // that is refused (7+50 is no solution, but 7÷50 is not even allowed).
        {{pick(5), pick(5), pick(4), operation(5), operation(4)}, 350, "7×50=350!"},
        {{pick(6), pick(7), operation(1), pick(6), pick(2), operation(4), pick(6), pick(3), operation(4), pick(6),
          pick(1), operation(2)},
         400, "2+3=5, 5×25=125,\n125×4=500, 500-100=400!"},
        // 2+3=5 and 5×7=35 are never used again; 100-25=75, 75×4=300, 300+50=350 are.
        {{pick(6), pick(7), operation(1), pick(1), pick(2), operation(2), pick(6), pick(5), operation(4), pick(1),
          pick(3), operation(4), pick(1), pick(4), operation(1)},
         350, "100-25=75, 75×4=300,\n300+50=350!"},
        // A step whose result a later step uses stays, wherever it falls.
        {{pick(6), pick(7), operation(1), pick(1), pick(2), operation(2), pick(1), pick(6), operation(5), pick(1),
          pick(4), operation(4)},
         750, "2+3=5, 100-25=75,\n75÷5=15, 15×50=750!"},
    };
    for (const auto& a : attempts) {
        ScriptedRandom random;
        random.script(a.draws);
        EXPECT_EQ(attempt(numbers, a.target, random), QString::fromUtf8(a.shown));
        EXPECT_EQ(random.scriptLeft(), 0u) << a.shown;
    }
}

TEST(Attempt, EndsAtOnceWithFewerThanTwoUsableNumbers)
{
    ScriptedRandom random(1);
    random.drawLimit = 100000;
    EXPECT_EQ(attempt({0, 0, 0, 0, 0, 0, 7}, 7, random), std::nullopt);
    EXPECT_EQ(random.draws, 0);
    EXPECT_EQ(attempt({0, 0, 0, 0, 0, 0, 0}, 7, random), std::nullopt);
    // Two numbers are enough for a step; the used-up places are drawn past.
    random.script({pick(1), pick(6), pick(2), pick(7), operation(4)});
    EXPECT_EQ(attempt({0, 0, 0, 0, 0, 3, 4}, 12, random), QString("3×4=12!"));
}

TEST(Outcomes, AreTheSixOperationsRulesForEveryPairOfNumbersFrom1To999)
{
    int wrong = 0;
    for (int a = 1; a <= LargestNumber; ++a)
        for (int b = 1; b <= LargestNumber; ++b) {
            const Outcomes outcomes = outcomesOf(a, b);
            for (int value = 1; value <= 6; ++value) {
                const int allowed = applyOperation(a, b, Operation(value));
                const bool usable = outcomes.usable >> value & 1;
                if (usable != (allowed != -1) || (usable && outcomes.result[value] != allowed)) {
                    EXPECT_LT(++wrong, 10) << a << " " << b << " operation " << value;
                }
            }
        }
    EXPECT_EQ(wrong, 0);
}
