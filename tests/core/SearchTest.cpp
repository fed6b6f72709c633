// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/puzzle/Search.h"
#include "core/puzzle/Target.h"
#include "doubles/CoreDoubles.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <tuple>

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

namespace {

// A round's deal and a target accepted for it, drawn as the game draws them.
std::pair<Deal, int> dealRound(platform::RandomSource& random)
{
    Deal deal{};
    for (int k = 0; k < DealSize; ++k)
        deal[k] = dealNumber(k, random);
    std::optional<int> target;
    while (!(target = candidateTarget(deal, random, [] {}))) {
    }
    return {deal, *target};
}

}  // namespace

namespace {

// The game's generator behind the general interface, where the search takes it for any other
// source.
class PlainRandom final : public platform::RandomSource {
public:
    explicit PlainRandom(std::uint64_t seed) : random_(seed) {}
    float next() override { return random_.next(); }
    void reseed() override { random_.reseed(); }

private:
    platform::SystemRandom random_;
};

}  // namespace

// The search has a faster way with the game's own generator; from the same seed it must make
// the same attempts, with numbers used up or not, and leave the generator where the other way
// does. The value drawn after them all tells that every draw before it was the same as ever.
TEST(Attempt, TheGameGeneratorDrawsAsAnyOtherSourceAndTheSameSeedMakesTheSameAttempts)
{
    platform::SystemRandom fast(2026);
    PlainRandom plain(2026);
    QString solutions;
    long attempts = 0;
    for (int round = 0; round < 150; ++round) {
        auto [deal, target] = dealRound(fast);
        ASSERT_EQ(dealRound(plain), std::pair(deal, target)) << round;
        for (int k = 0; k < round % 6; ++k)
            deal[randomBetween(0, 6, fast)] = deal[randomBetween(0, 6, plain)] = 0;
        std::optional<QString> found;
        for (int a = 0; a < 1000 && !found; ++a, ++attempts) {
            found = attempt(deal, target, fast);
            ASSERT_EQ(found, attempt(deal, target, plain)) << round << ' ' << a;
        }
        solutions += found.value_or("-");
    }
    std::uint32_t checksum = 2166136261u;  // FNV-1a over the solutions' text
    for (const QChar c : solutions)
        checksum = (checksum ^ c.unicode()) * 16777619u;
    const float after = fast.next();
    EXPECT_EQ(after, plain.next());
    EXPECT_EQ(std::tuple(checksum, attempts, int(after * (1 << 24))), std::tuple(82245873u, 122646L, 9857070));
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
