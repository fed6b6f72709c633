// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayTest.h"

#include <gtest/gtest.h>

TEST_F(PlayTest, ARefusedResultSendsBothNumbersBackWithTheReason)
{
    openBuzzers({5, 5, 3, 10, 15, 100, 150});
    takeTurn(0);
    const struct {
        const char* first;
        const char* op;
        const char* second;
        const char* message;  // none for a result of 0
    } refusals[] = {
        {"dealtNumber0", "divide", "dealtNumber2", "Only whole numbers allowed in working out."},  // 5 / 3
        {"dealtNumber3", "multiply", "dealtNumber5", "Numbers must be under 1000"},                 // 10 * 100
        {"dealtNumber0", "subtract", "dealtNumber1", nullptr},                                      // 5 - 5
        {"dealtNumber2", "subtract", "dealtNumber0", "Numbers must be positive"},                   // 3 - 5
    };
    for (const auto& refusal : refusals) {
        doubles.messages.shown.clear();
        click(refusal.first);
        click(refusal.op);
        click(refusal.second);
        click("equals");
        if (refusal.message) {
            ASSERT_EQ(doubles.messages.shown.size(), 1u) << refusal.message;
            EXPECT_EQ(doubles.messages.shown[0].text, refusal.message);
            EXPECT_EQ(doubles.messages.shown[0].title, "Operation not allowed");
        } else {
            EXPECT_TRUE(doubles.messages.shown.empty());
        }
        EXPECT_EQ(captions(play.board().dealtNumbers), (QStringList{"5", "5", "3", "10", "15", "100", "150"}));
        EXPECT_EQ(captions(play.board().workingRow), (QStringList{"", "+", ""}));
        EXPECT_EQ(captions(play.board().madeNumbers), (QStringList{"", "", ""}));
    }

    // 10 / 5 divides evenly.
    click("dealtNumber3");
    click("divide");
    click("dealtNumber0");
    click("equals");
    EXPECT_EQ(play.board().madeNumbers[0].caption, "2");

    // 999 is the largest number allowed: (100 + 11) × 9.
    play.hide();
    openBuzzers({9, 11, 4, 10, 20, 100, 150});
    takeTurn(0);
    for (const char* control : {"dealtNumber5", "add", "dealtNumber1", "equals", "madeNumber0", "multiply", "dealtNumber0",
                                "equals"})
        click(control);
    EXPECT_EQ(play.board().madeNumbers[0].caption, "999");
}

TEST_F(PlayTest, AResultTakesTheLowestFreeMadeSlot)
{
    openBuzzers();
    takeTurn(0);
    const auto make = [&](const char* first, const char* second) {
        click(first);
        click(second);
        click("equals");
    };
    make("dealtNumber0", "dealtNumber1");  // 2 + 3
    make("dealtNumber2", "dealtNumber3");  // 4 + 10
    EXPECT_EQ(captions(play.board().madeNumbers), (QStringList{"5", "14", ""}));
    make("madeNumber0", "dealtNumber4");  // 5 + 20 goes where the 5 was
    EXPECT_EQ(captions(play.board().madeNumbers), (QStringList{"25", "14", ""}));
}

TEST_F(PlayTest, EqualsNeedsTwoNumbersAndTheBoardIgnoresClicksBetweenTurns)
{
    openBuzzers();
    click("dealtNumber0");
    click("multiply");
    click("equals");
    EXPECT_EQ(captions(play.board().workingRow), (QStringList{"", "+", ""})) << "nobody is answering";
    EXPECT_EQ(play.board().dealtNumbers[0].caption, "2");

    takeTurn(0);
    click("dealtNumber0");
    click("equals");
    EXPECT_EQ(captions(play.board().workingRow), (QStringList{"2", "+", ""}));
    click("dealtNumber1");
    click("dealtNumber2");  // both places taken: nothing moves
    EXPECT_EQ(captions(play.board().workingRow), (QStringList{"2", "+", "3"}));
    EXPECT_EQ(play.board().dealtNumbers[2].caption, "4");
}

TEST_F(PlayTest, AMadeNumberEqualToTheTargetWinsInAnyMadeSlot)
{
    openBuzzers();
    setTarget("160");
    takeTurn(0);
    for (const char* control : {"dealtNumber0", "add", "dealtNumber1", "equals",     // 2 + 3
                                "dealtNumber2", "add", "dealtNumber4", "equals",     // 4 + 20
                                "dealtNumber6", "add", "dealtNumber3", "equals"})    // 150 + 10
        click(control);
    EXPECT_EQ(captions(play.board().madeNumbers), (QStringList{"5", "24", "160"}));
    EXPECT_EQ(play.round().winningSlot, 2);
    EXPECT_EQ(game.roundScores[0], 4) << "the clock has taken its first step";
    EXPECT_FALSE(play.round().answering);

    // The round is over for everyone: clicks do nothing any more.
    click("dealtNumber5");
    click("subtract");
    EXPECT_EQ(captions(play.board().workingRow), (QStringList{"", "+", ""}));
}
