// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/TestGame.h"
#include "windows/scores/FinalTable.h"
#include "windows/scores/RoundTable.h"

#include <QLabel>

#include <gtest/gtest.h>

using ScoresTest = doubles::GameTest;

TEST_F(ScoresTest, TheFinalTableNamesTheWinnerOrADraw)
{
    game.playerNames = {"Ann", "Bob", "Cy", "Dee", "Eve", "Flo"};
    const std::array<bool, 6> one{true}, two{true, true}, three{true, true, true};
    const struct {
        std::array<std::int16_t, 6> totals;
        std::array<bool, 6> playing;
        const char* result;
    } cases[] = {
        {{12, 7}, two, "Ann is the winner!"},       {{7, 12, 12}, three, "The game is a draw!"},
        {{12, 12, 15}, three, "Cy is the winner!"}, {{0, 0}, one, "The game is a draw!"},
        // A disqualified player keeps their points, but they cannot win with them.
        {{4, 9}, one, "Ann is the winner!"},        {{0, 9}, one, "The game is a draw!"},
    };
    FinalTable& table = program.finalTable();
    for (const auto& c : cases) {
        game.totalScores = c.totals;
        game.playing = c.playing;
        table.hide();
        table.show();
        settle();
        EXPECT_EQ(control<QLabel>(table, "winner")->text(), c.result);
    }
    EXPECT_EQ(table.windowTitle(), "Game Over");
    EXPECT_EQ(control<QLabel>(table, "total", 0)->text(), "0");
    EXPECT_EQ(control<QLabel>(table, "total", 1)->text(), "") << "a disqualified player's row is blank";
}
