// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayTest.h"

#include <gtest/gtest.h>

TEST_F(PlayTest, ARefusedResultIsExplainedOverTheWorkingRowThenBothNumbersGoBack)
{
    const struct {
        const char* steps;  // once the board is player 1's
        const char* refusal;
    } cases[] = {
        {"dealtNumber0 divide dealtNumber2 equals", "Only whole numbers allowed in working out."},
        {"dealtNumber3 multiply dealtNumber5 equals", "Numbers must be under 1000"},
        {"dealtNumber2 subtract dealtNumber0 equals", "Numbers must be positive"},
        {"dealtNumber0 subtract dealtNumber1 equals", nullptr},
    };
    for (const auto& c : cases) {
        openBuzzers({5, 5, 3, 10, 15, 100, 150});
        doubles.messages.shown.clear();
        QStringList shownWhileOpen;
        doubles.messages.whileOpen = [&] { shownWhileOpen = captions(play.board().workingRow); };
        act(QStringLiteral("turn:0 ") + c.steps);
        EXPECT_EQ(messageTitles(), c.refusal ? QStringList{"Operation not allowed"} : QStringList{}) << c.steps;
        EXPECT_TRUE(!c.refusal || (doubles.messages.shown.at(0).text == c.refusal && shownWhileOpen.at(0) != ""))
            << c.steps;
        EXPECT_EQ(captions(play.board().workingRow), (QStringList{"", "+", ""})) << c.steps;
        EXPECT_EQ(numbersOnBoard(), 7) << c.steps;
        doubles.messages.whileOpen = nullptr;
        play.hide();
    }
}
