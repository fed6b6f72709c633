// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Random.h"

#include <gtest/gtest.h>

// Looking ahead draws nothing and shows the values drawing would give; skipping draws as many
// values as drawing them one at a time, from every place in a batch of eight.
TEST(SystemRandom, LooksAheadWithoutDrawingAndSkipsAsItDraws)
{
    platform::SystemRandom drawn(5);
    platform::SystemRandom skipped(5);
    for (int count = 0; count <= 8; ++count) {
        platform::SystemRandom copy = drawn;
        for (const std::uint32_t bits : skipped.peekEight())
            EXPECT_EQ(bits, copy.nextBits()) << count;
        for (int i = 0; i < count; ++i)
            drawn.nextBits();
        skipped.skip(count);
    }
    EXPECT_EQ(drawn.next(), skipped.next());
}
