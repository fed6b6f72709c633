// SPDX-License-Identifier: GPL-3.0-or-later
// The game's generator as the solution finder draws from it.
#include "core/puzzle/Search.h"
#include "core/puzzle/Target.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

using namespace core;

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

// The search has a faster way with the game's own generator, looking eight values ahead and
// skipping those it has used; from the same seed it must make the same attempts, with numbers
// used up or not, and leave the generator where the other way does. The value drawn after them
// all tells that every draw before it was the same as ever.
TEST(SystemRandom, DrawsForTheSearchAsAnyOtherSourceAndTheSameSeedMakesTheSameAttempts)
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
