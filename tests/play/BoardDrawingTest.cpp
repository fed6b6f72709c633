// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/Draws.h"
#include "PlayTest.h"

#include <QtMath>

#include <gtest/gtest.h>

namespace colour = play::colour;

namespace {

// The board point at `distance` from the dial's centre towards clock position p.
QPoint dialPoint(int p, double distance)
{
    const double angle = (360.0 - p) / 120.0 * M_PI;
    return QPoint(qRound(251 + distance * std::sin(angle)), qRound(219 + distance * std::cos(angle)));
}

}  // namespace

TEST_F(PlayTest, APreparedBoardShowsEveryElementWhereItBelongs)
{
    startRound();
    for (int i = 0; i < 7; ++i) {
        const int x = 32 + 40 * i;
        EXPECT_EQ(pixel(x, 56), colour::LightBlue.rgb()) << "dealt tile " << i;
        EXPECT_EQ(pixel(x + 40, 96), colour::LightBlue.rgb()) << "dealt tile " << i;
        EXPECT_EQ(pixel(x + 20, 76), colour::Blue.rgb()) << "an empty tile shows no number";
    }
    EXPECT_EQ(pixel(32 + 40 * 6 + 41, 76), colour::Background.rgb());
    for (int i = 0; i < 3; ++i) {
        const int x = 32 + 40 * i;
        EXPECT_EQ(pixel(x + 1, 137), colour::LightBlue.rgb()) << "working tile " << i;
        EXPECT_EQ(pixel(x + 20, 172), colour::White.rgb()) << "working tile " << i;
        EXPECT_EQ(pixel(x + 20, 220), colour::Blue.rgb()) << "made tile " << i;
    }
    EXPECT_GT(count({72, 144, 41, 25}, colour::Blue), 10) << "the working row's operator is +";
    EXPECT_EQ(pixel(136, 8), colour::Black.rgb());
    EXPECT_EQ(pixel(208, 48), colour::Black.rgb());
    EXPECT_GT(count({136, 8, 73, 41}, colour::Green), 100) << "the target display shows 000";
    EXPECT_EQ(pixel(192, 144), colour::Red.rgb());
    EXPECT_EQ(pixel(193, 168), colour::Red.rgb());
    EXPECT_EQ(pixel(250, 156), colour::Yellow.rgb());
    EXPECT_EQ(pixel(251, 219), colour::Background.rgb()) << "no dial before the clock's first step";
}

TEST_F(PlayTest, DealtNumbersAreCentredOnTheirTilesBelowTheTop)
{
    doubles.random.script(draws::deal({5, 3, 4, 10, 20, 150, 100}));
    startRound();
    timer("roundClock").fire(7);
    const QRect five = bounds({32, 56, 41, 41}, colour::White);
    const QRect large = bounds({232, 56, 41, 41}, colour::White);
    ASSERT_FALSE(five.isEmpty());
    ASSERT_FALSE(large.isEmpty());
    EXPECT_LT(five.width(), large.width() / 2);
    EXPECT_NEAR(five.center().x(), 32 + 20, 2);
    EXPECT_NEAR(large.center().x(), 232 + 20, 2);
    EXPECT_GE(five.top(), 56 + 8);
    EXPECT_GE(large.top(), 56 + 8);
    EXPECT_EQ(five.top(), large.top()) << "both blocks start at the label's top";
}

TEST_F(PlayTest, TheDialFillsWithTheTimeGoneByAndTheHandPointsToTheTimeLeft)
{
    startRound();
    dealAndSpin();
    timer("roundClock").fire();  // position 239: the hand points up
    EXPECT_EQ(pixel(251, 219), colour::White.rgb());
    const QPoint hand = dialPoint(239, 30);
    EXPECT_EQ(pixel(hand.x(), hand.y()), colour::White.rgb());
    EXPECT_EQ(pixel(251, 219 + 30), colour::Blue.rgb());
    EXPECT_EQ(pixel(251, 219 + 43), colour::White.rgb()) << "the white rim";
    EXPECT_EQ(pixel(206, 174), colour::Background.rgb()) << "outside the dial";

    timer("roundClock").fire(59);  // position 180: the hand points left, a quarter gone by
    EXPECT_EQ(game.clockPosition, 180);
    EXPECT_EQ(pixel(251 - 30, 219), colour::White.rgb());
    const QPoint gone = dialPoint(210, 25), left = dialPoint(60, 25), below = dialPoint(120, 25);
    EXPECT_EQ(pixel(gone.x(), gone.y()), colour::DialMark.rgb());
    const QPoint justGone = dialPoint(236, 25);
    EXPECT_EQ(pixel(justGone.x(), justGone.y()), colour::DialMark.rgb());
    EXPECT_EQ(pixel(left.x(), left.y()), colour::Blue.rgb());
    EXPECT_EQ(pixel(below.x(), below.y()), colour::Blue.rgb());
    const QPoint rim = dialPoint(210, 40);
    EXPECT_EQ(pixel(rim.x(), rim.y()), colour::Blue.rgb()) << "the marks leave a blue rim";

    timer("roundClock").fire(120);  // position 60: three quarters gone, the hand to the right
    EXPECT_EQ(pixel(251 + 30, 219), colour::White.rgb());
    EXPECT_EQ(pixel(251, 219 + 30), colour::DialMark.rgb());
}

TEST_F(PlayTest, WithMusicAJumpOfTheClockLeavesNoGapInTheDial)
{
    game.musicOn = true;
    startRound();
    dealAndSpin();
    doubles.music.lengthTicks = 240;
    timer("roundClock").fire();
    EXPECT_EQ(game.clockPosition, 240);
    EXPECT_EQ(pixel(251, 219 - 30), colour::White.rgb()) << "the hand up";
    const QPoint ahead = dialPoint(200, 25);
    EXPECT_EQ(pixel(ahead.x(), ahead.y()), colour::Blue.rgb());

    doubles.music.positionTicks = 60;  // a quarter of the piece at once
    timer("roundClock").fire();
    EXPECT_EQ(game.clockPosition, 180);
    for (const int p : {235, 220, 200, 185}) {
        const QPoint gone = dialPoint(p, 25);
        EXPECT_EQ(pixel(gone.x(), gone.y()), colour::DialMark.rgb()) << "position " << p;
    }
}

TEST_F(PlayTest, TheContenderPanelShowsANameWithinItsBorderAndCutsALongOneWithAnEllipsis)
{
    game.playerNames[0] = "Ann";
    game.playerNames[1] = QString::fromUtf8("Zoë the Magnificent, Queen of Numbers");
    openBuzzers();
    const QRect panel(192, 144, 121, 25);
    const QRect bottomBorder(192, 167, 121, 2);
    for (const int p : {0, 1}) {
        takeTurn(p);
        EXPECT_EQ(count(bottomBorder, colour::Red), bottomBorder.width() * 2) << "the border below the name";
        EXPECT_EQ(count({192, 169, 121, 1}, colour::Background), 121) << "nothing below the panel";
        click("giveUp");
    }

    // The long name starts at the panel's left and ends in three dots at its right.
    takeTurn(1);
    const QRect text = bounds(panel, colour::Black);
    EXPECT_LE(text.left(), panel.left() + 4);
    EXPECT_LE(text.right(), panel.right());
    const QRect end = bounds({text.right() - 8, panel.top(), 9, panel.height()}, colour::Black);
    EXPECT_LE(end.height(), 4) << "only dots at the end";
    EXPECT_GE(text.height(), 12);
}
