// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window/FocusMoves.h"

#include <QStringList>

#include <gtest/gtest.h>

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

// The set-up window's rows: a tall Start Game beside the short rounds box, under two short
// rows. Up from the tall button reaches the row just above it; down onto the rows of unlike
// heights lands on the one nearest across.
TEST(FocusMoves, RowsOfUnlikeHeightsAreOneRow)
{
    const std::vector<QRect> places{{264, 144, 72, 24}, {264, 172, 72, 24}, {72, 206, 48, 24}, {136, 206, 200, 60}};
    EXPECT_EQ(platform::nextFocus(places, 3, FocusMove::Up), 1);
    EXPECT_EQ(platform::nextFocus(places, 1, FocusMove::Down), 3);
    EXPECT_EQ(platform::nextFocus(places, 2, FocusMove::Right), 3);
}
