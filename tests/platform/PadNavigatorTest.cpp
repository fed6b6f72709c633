// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/PadNavigator.h"

#include <gtest/gtest.h>

#include <string>

using platform::PadInput;

namespace {

// The presses of one pad over a run of ticks, as letters: U D L R for the moves, A and B.
std::string presses(platform::PadNavigator& navigator, const std::string& held, const void* target, int scene = 0)
{
    platform::PadState pad;
    pad.device = {QStringLiteral("pad"), 0, -1};
    for (const char input : held)
        pad.held[std::string("UDLRAB").find(input)] = true;
    std::string letters;
    for (const platform::PadPress& press : navigator.read({pad}, target, scene))
        letters += "UDLRAB"[int(press.navigation)];
    return letters;
}

}  // namespace

TEST(PadNavigator, APressCountsOnceAHeldMoveRepeatsAndWhatWasHeldBeforeWaits)
{
    platform::PadNavigator navigator;
    int window = 0, box = 0;
    EXPECT_EQ(presses(navigator, "A", &window), "") << "held as the pad was first seen";
    EXPECT_EQ(presses(navigator, "", &window), "");
    EXPECT_EQ(presses(navigator, "A", &window), "A");
    std::string held;
    for (int tick = 0; tick < 20; ++tick)
        held += presses(navigator, "AR", &window);
    EXPECT_EQ(held, "RRRRR") << "the move repeats after ten ticks, then every third; the button never";
    EXPECT_EQ(presses(navigator, "R", &box), "") << "a box opened while it was held";
    EXPECT_EQ(presses(navigator, "", &box), "");
    EXPECT_EQ(presses(navigator, "B", &box), "B");
    EXPECT_EQ(presses(navigator, "B", &box, 1), "") << "the window's scene changed under the held button";
}
