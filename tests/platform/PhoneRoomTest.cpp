// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/network/PhoneRoom.h"

#include <gtest/gtest.h>

using platform::PhoneRoom;
using Joined = PhoneRoom::Joined;
using namespace std::chrono_literals;

// Phones join four playing places of six: by code, into a chosen or the lowest free place; a
// token finds its place again until the host frees it; wrong codes lock the room for a minute.
TEST(PhoneRoom, GivesPlacesByCodeKeepsThemByTokenAndLocksOutAGuesser)
{
    PhoneRoom room("KQXZ");
    const std::array<bool, platform::PhonePlaces> playing{true, false, true, true, true, false};
    const PhoneRoom::Moment start{};
    const auto join = [&](const char* code, int place, const char* token, std::chrono::seconds at = 0s) {
        const PhoneRoom::Joining joining = room.join(code, place, playing, token, start + at);
        return std::pair(joining.outcome, joining.place);
    };
    EXPECT_EQ(join("KQXZ", 0, "t1"), std::pair(Joined::Joined, 0)) << "the lowest free playing place";
    EXPECT_EQ(join("KQXZ", 4, "t4"), std::pair(Joined::Joined, 3));
    EXPECT_EQ(join("KQXZ", 4, "tx"), std::pair(Joined::PlaceTaken, -1));
    EXPECT_EQ(join("KQXZ", 2, "tx"), std::pair(Joined::PlaceTaken, -1)) << "place 2 does not play";
    EXPECT_EQ(join("KQXZ", 7, "tx"), std::pair(Joined::PlaceTaken, -1));
    EXPECT_EQ(join("KQXZ", 0, "t3"), std::pair(Joined::Joined, 2));
    EXPECT_EQ(join("KQXZ", 0, "t5"), std::pair(Joined::Joined, 4));
    EXPECT_EQ(join("KQXZ", 0, "tx"), std::pair(Joined::NoFreePlace, -1));
    EXPECT_EQ(std::tuple(room.placeOf("t4"), room.placeOf("t9"), room.placeOf("")), std::tuple(3, -1, -1));
    room.free(3);
    EXPECT_EQ(std::pair(room.placeOf("t4"), room.isHeld(3)), std::pair(-1, false)) << "freed by the host";
    for (int wrong = 0; wrong < PhoneRoom::WrongCodesAllowed; ++wrong)
        EXPECT_EQ(join("KQXY", 0, "tx", 1s * wrong), std::pair(Joined::WrongCode, -1));
    EXPECT_EQ(join("KQXZ", 0, "t4", 30s), std::pair(Joined::Locked, -1)) << "even with the right code";
    EXPECT_EQ(join("KQXZ", 0, "t4", 60s), std::pair(Joined::Locked, -1)) << "a minute from the tenth";
    EXPECT_EQ(join("KQXZ", 0, "t4", 69s), std::pair(Joined::Joined, 3));
    EXPECT_FALSE(platform::sameSecret("KQXZ", "kqxz") || platform::sameSecret("KQXZ", "KQX"));
}
