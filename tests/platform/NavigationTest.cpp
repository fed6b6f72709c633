// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/PadNavigator.h"
#include "platform/window/FocusMoves.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

using platform::FocusMove;

// The play board's places as the focus walks them: the dealt numbers, the operations and
// Cancel, "=", the made numbers and Give Up, each row a little off the one above.
TEST(FocusMoves, GoAlongARowAndToTheNearestPlaceOfTheNextRow)
{
    std::vector<QRect> places;
    QStringList names;
    const auto add = [&](const QString& name, QRect place) {
        names << name;
        places.push_back(place);
    };
    for (int i = 0; i < 7; ++i)
        add(QStringLiteral("d%1").arg(i), {32 + 40 * i, 56, 41, 41});
    add("+", {72, 104, 25, 25});
    add("-", {104, 104, 25, 25});
    add("x", {136, 104, 25, 25});
    add("/", {168, 104, 25, 25});
    add("cancel", {200, 104, 73, 25});
    add("=", {160, 144, 25, 25});
    for (int i = 0; i < 3; ++i)
        add(QStringLiteral("m%1").arg(i), {32 + 40 * i, 184, 41, 41});
    add("giveUp", {32, 232, 81, 33});
    add("hidden", {});

    const struct {
        const char* from;
        FocusMove move;
        const char* to;
    } cases[] = {
        {"d0", FocusMove::Right, "d1"},   {"d6", FocusMove::Right, "d6"},   {"d0", FocusMove::Left, "d0"},
        {"d0", FocusMove::Up, "d0"},      {"d0", FocusMove::Down, "+"},     {"d6", FocusMove::Down, "cancel"},
        {"/", FocusMove::Right, "cancel"}, {"cancel", FocusMove::Up, "d5"}, {"+", FocusMove::Down, "="},
        {"=", FocusMove::Left, "="},      {"=", FocusMove::Down, "m2"},     {"m1", FocusMove::Up, "="},
        {"m0", FocusMove::Down, "giveUp"}, {"giveUp", FocusMove::Down, "giveUp"}, {"giveUp", FocusMove::Up, "m0"},
    };
    for (const auto& c : cases) {
        const int to = platform::nextFocus(places, int(names.indexOf(c.from)), c.move);
        EXPECT_EQ(names.value(to), c.to) << c.from << " " << int(c.move);
    }
    EXPECT_EQ(platform::nextFocus(places, -1, FocusMove::Down), -1) << "no focus stays none";
}

// One pad's presses, a tick at a time; inputs and presses as letters: U D L R for the moves,
// A and B for the buttons.
TEST(PadNavigator, APressCountsOnceAHeldMoveRepeatsAndWhatWasHeldBeforeWaits)
{
    constexpr std::string_view letters = "UDLRAB";
    platform::PadNavigator navigator;
    int window = 0, box = 0;
    const auto tick = [&](std::string_view held, const void* target, int scene = 0) {
        platform::PadState pad{{QStringLiteral("pad"), 0, -1}};
        for (const char input : held)
            pad.held[letters.find(input)] = true;
        std::string presses;
        for (const platform::PadPress& press : navigator.read({pad}, target, scene))
            presses += letters[int(press.navigation)];
        return presses;
    };
    EXPECT_EQ(tick("A", &window), "") << "held as the pad was first seen";
    tick("", &window);
    EXPECT_EQ(tick("A", &window), "A");
    std::string held;
    for (int ticks = 0; ticks < 20; ++ticks)
        held += tick("AR", &window);
    EXPECT_EQ(held, "RRRRR") << "the move repeats after ten ticks, then every third; the button never";
    EXPECT_EQ(tick("R", &box), "") << "a box opened while it was held";
    tick("", &box);
    EXPECT_EQ(tick("B", &box), "B");
    EXPECT_EQ(tick("B", &box, 1), "") << "the window's scene changed under the held button";
}
