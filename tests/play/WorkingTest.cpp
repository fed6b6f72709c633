// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayTest.h"

#include <gtest/gtest.h>

TEST_F(PlayTest, TheWorkingOutKeepsWholeNumbersFrom1To999AndFindsTheTargetInAnyMadeSlot)
{
    const std::vector<int> fives{5, 5, 3, 10, 15, 100, 150}, example{2, 3, 4, 10, 20, 100, 150};
    const struct {
        std::vector<int> deal;
        const char* steps;  // once the board is player 1's, the target 160
        QStringList made;
        int numbersLeft;
        const char* refusal;  // the message, if one is shown
        int winningSlot = -1;
    } cases[] = {
        // A refused result sends both numbers back, with the reason (none for 0).
        {fives, "dealtNumber0 divide dealtNumber2 equals", {"", "", ""}, 7,
         "Only whole numbers allowed in working out."},
        {fives, "dealtNumber3 multiply dealtNumber5 equals", {"", "", ""}, 7, "Numbers must be under 1000"},
        {fives, "dealtNumber2 subtract dealtNumber0 equals", {"", "", ""}, 7, "Numbers must be positive"},
        {fives, "dealtNumber0 subtract dealtNumber1 equals", {"", "", ""}, 7, nullptr},
        {fives, "dealtNumber3 divide dealtNumber0 equals", {"2", "", ""}, 6, nullptr},
        {{9, 11, 4, 10, 20, 100, 150}, "dealtNumber5 add dealtNumber1 equals madeNumber0 multiply dealtNumber0 equals",
         {"999", "", ""}, 5, nullptr},
        // A result takes the lowest free made slot: 5 + 20 goes where the 5 was.
        {example, "dealtNumber0 dealtNumber1 equals dealtNumber2 dealtNumber3 equals madeNumber0 dealtNumber4 equals",
         {"25", "14", ""}, 4, nullptr},
        // Equals needs two numbers; with both places taken, a number click moves nothing.
        {example, "dealtNumber0 equals dealtNumber1 dealtNumber2", {"", "", ""}, 7, nullptr},
        // Made in any slot, the target wins, and the board ignores every click after.
        {example, "dealtNumber0 dealtNumber1 equals dealtNumber2 dealtNumber4 equals dealtNumber6 dealtNumber3 equals "
                  "dealtNumber5 subtract", {"5", "24", "160"}, 4, nullptr, 2},
    };
    for (const auto& c : cases) {
        openBuzzers(c.deal);
        doubles.messages.shown.clear();
        act(QStringLiteral("target:160 turn:0 ") + c.steps);
        EXPECT_EQ(captions(play.board().madeNumbers), c.made) << c.steps;
        EXPECT_EQ(numbersOnBoard(), c.numbersLeft) << c.steps;
        EXPECT_EQ(messageTitles(), c.refusal ? QStringList{"Operation not allowed"} : QStringList{}) << c.steps;
        EXPECT_TRUE(!c.refusal || doubles.messages.shown.at(0).text == c.refusal) << c.steps;
        EXPECT_EQ(play.round().winningSlot(), c.winningSlot) << c.steps;
        play.hide();
    }
    EXPECT_EQ(game.roundScores[0], 4) << "the clock had taken its first step";
}
