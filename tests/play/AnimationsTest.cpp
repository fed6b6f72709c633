// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayTest.h"
#include "core/Target.h"
#include "scores/RoundTable.h"

#include <gtest/gtest.h>

namespace colour = play::colour;

TEST_F(PlayTest, TheTargetSpinsThroughRandomDigitsAndSettlesOnTheRealTarget)
{
    startRound();
    timer("roundClock").fire(7);
    for (int tick = 0; tick < 29; ++tick) {
        timer("spin").fire();
        const int shown = target();
        ASSERT_GE(shown / 100, 1);
        ASSERT_LE(shown / 100, 6);
    }
    // The last spin draw is made, then covered at once by the target.
    doubles.random.script({0.0f, 0.0f, 0.0f});
    timer("spin").fire();
    EXPECT_EQ(doubles.random.scriptLeft(), 0u);
    EXPECT_GE(target(), 106);
    core::Deal dealt{};
    for (int i = 0; i < 7; ++i)
        dealt[i] = play.round().dealtTexts[i].toInt();
    EXPECT_FALSE(core::isTooEasy(target(), dealt, [] {}));
}

TEST_F(PlayTest, TheBuzzFlashBlinksTheContenderPanelSixteenTimes)
{
    startRound();
    dealAndSpin();
    play.board().contenderName.caption = "Ann";
    timer("flash").start();

    timer("flash").fire();
    EXPECT_EQ(play.board().contenderPanel.border, colour::Yellow);
    EXPECT_EQ(pixel(192, 144), colour::Yellow.rgb());
    EXPECT_EQ(pixel(195, 147), colour::Red.rgb());
    EXPECT_GT(count({192, 144, 121, 25}, colour::White), 10) << "white name on red";

    timer("flash").fire(20);
    EXPECT_EQ(play.round().animationTicks, 16);
    EXPECT_FALSE(timer("flash").isEnabled());
    EXPECT_TRUE(play.round().buzzFlashDone);
    EXPECT_EQ(play.board().contenderName.caption, "Ann");
    EXPECT_EQ(pixel(192, 144), colour::Red.rgb());
    EXPECT_EQ(pixel(195, 147), colour::Yellow.rgb());
    EXPECT_GT(count({192, 144, 121, 25}, colour::Black), 10) << "black name on yellow";
}

TEST_F(PlayTest, AFlashCutShortByTheRoundsEndLeavesNoColoursBehind)
{
    game.practice = true;
    startRound();
    dealAndSpin();
    buzz(0);
    timer("flash").fire(5);  // an odd number of blinks: the panel is red
    play.hide();
    startRound();
    EXPECT_EQ(play.board().contenderPanel.border, colour::Red);
    EXPECT_EQ(play.board().contenderPanel.fill, colour::Yellow);
    EXPECT_EQ(pixel(195, 147), colour::Yellow.rgb());
}

TEST_F(PlayTest, TheWinningTileFlashesThirtyTimesThenTheRoundEnds)
{
    startRound();
    dealAndSpin();
    timer("roundClock").fire(3);
    // The state the working out leaves when a made number equals the target.
    play.board().madeNumbers[1].caption = "306";
    play.round().winningSlot = 1;
    play.round().animationTicks = 100;
    timer("roundClock").stop();
    timer("flash").start();

    timer("flash").fire();
    EXPECT_EQ(play.board().madeTiles[1].fill, colour::White);
    EXPECT_EQ(pixel(92, 220), colour::White.rgb());
    EXPECT_GT(count({72, 184, 41, 41}, colour::Blue), 10) << "blue number on white";

    timer("flash").fire(28);
    EXPECT_EQ(play.board().madeTiles[1].fill, colour::White);
    EXPECT_TRUE(play.isVisible()) << "the round goes on until the flash ends";

    timer("flash").fire();
    EXPECT_FALSE(timer("flash").isEnabled());
    EXPECT_EQ(play.board().madeTiles[1].fill, colour::Blue);
    EXPECT_EQ(play.board().madeNumbers[1].textColour, colour::White);
    EXPECT_EQ(pixel(92, 220), colour::Blue.rgb());
    EXPECT_FALSE(play.isVisible()) << "the round has ended, without the finder";
    EXPECT_TRUE(windows.roundTable().isVisible());
}
